#include "platform/qt/qt_overview_window.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>
#include <QVBoxLayout>
#include <QWindow>

#include "data/channels.h"
#include "platform/qt/qt_dialog_look.h"
#include "platform/qt/qt_window_surface.h"
#include "resources/dialog_templates.h"

namespace helvarra::qt {

namespace res = resources;

namespace {

// The rectangle moved wholly into the area, or to its top left where it is
// larger.
QRect Inside(QRect r, const QRect& area) {
  r.moveLeft(std::max(area.left(), std::min(r.left(), area.right() + 1 - r.width())));
  r.moveTop(std::max(area.top(), std::min(r.top(), area.bottom() + 1 - r.height())));
  return r;
}

}  // namespace

QRect FrameBeside(const QRect& main, QSize size, const QRect& area) {
  size = size.boundedTo(area.size());
  const QRect candidates[] = {
      // Beside it: right, left, below, above, each slid along its side into
      // the area.
      Inside(QRect(QPoint(main.right() + 1, main.top()), size), area),
      Inside(QRect(QPoint(main.left() - size.width(), main.top()), size), area),
      Inside(QRect(QPoint(main.left(), main.bottom() + 1), size), area),
      Inside(QRect(QPoint(main.left(), main.top() - size.height()), size), area),
      // In the area's corners.
      Inside(QRect(area.topLeft(), size), area),
      Inside(QRect(area.topRight(), size), area),
      Inside(QRect(area.bottomLeft(), size), area),
      Inside(QRect(area.bottomRight(), size), area),
  };
  // The first that hides the least of the main window: none of it, where a
  // side has room.
  auto hidden = [&main](const QRect& r) {
    const QRect both = r.intersected(main);
    return static_cast<long long>(both.width()) * both.height();
  };
  return *std::min_element(std::begin(candidates), std::end(candidates),
                           [&](const QRect& a, const QRect& b) { return hidden(a) < hidden(b); });
}

OverviewPicture::OverviewPicture(QtCanvas& canvas, Send send) : canvas_(canvas), send_(std::move(send)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(400, 250);
  setCursor(Qt::CrossCursor);
}

void OverviewPicture::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  p.drawImage(event->rect(), canvas_.Image(), event->rect());
}

// The backing image takes the picture's size, and the viewer draws it anew.
void OverviewPicture::resizeEvent(QResizeEvent* event) {
  canvas_.Finish();
  canvas_.Image() = QImage(size(), QImage::Format_RGB32);
  canvas_.Image().fill(ToQColor(kDialogWindowColour));
  send_({.kind = EventKind::Paint});
  QWidget::resizeEvent(event);
}

void OverviewPicture::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) drag_.Start(*event);
  QWidget::mousePressEvent(event);
}

void OverviewPicture::mouseMoveEvent(QMouseEvent* event) {
  drag_.Move(*event);
  QWidget::mouseMoveEvent(event);
}

void OverviewPicture::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton)
    drag_.Finish(
        *event, [this](int x1, int x2) { send_({.kind = EventKind::SpanSelected, .x = x1, .x2 = x2}); },
        [this](int x, int y) { send_({.kind = EventKind::LeftButtonDown, .x = x, .y = y}); });
  QWidget::mouseReleaseEvent(event);
}

namespace {

QTableWidget* NewTable(QWidget* parent) {
  auto* table = new QTableWidget(0, 0, parent);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->verticalHeader()->hide();
  // Each column as wide as its texts, the last taking what room is left.
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table->horizontalHeader()->setStretchLastSection(true);
  return table;
}

void Fill(QTableWidget& widget, const TextTable& table) {
  QStringList header;
  for (const std::string& h : table.header) header << QString::fromStdString(h);
  widget.clearContents();
  widget.setColumnCount(static_cast<int>(header.size()));
  widget.setHorizontalHeaderLabels(header);
  widget.setRowCount(static_cast<int>(table.rows.size()));
  for (std::size_t r = 0; r < table.rows.size(); ++r)
    for (std::size_t c = 0; c < table.rows[r].size(); ++c)
      widget.setItem(static_cast<int>(r), static_cast<int>(c),
                     new QTableWidgetItem(QString::fromStdString(table.rows[r][c])));
}

}  // namespace

OverviewWindow::OverviewWindow(DialogEvents& events) : events_(events) {
  setWindowFlags(Qt::Window);
  setAttribute(Qt::WA_QuitOnClose, false);
  picture_ = new OverviewPicture(canvas_, [this](const WindowEvent& e) { Send(e); });
  tabs_ = new QTabWidget(this);
  table_ = NewTable(tabs_);
  agreement_ = NewTable(tabs_);
  bursts_ = NewTable(tabs_);
  tabs_->addTab(table_, QStringLiteral("Measurement"));
  tabs_->addTab(agreement_, QStringLiteral("Agreement"));
  tabs_->addTab(bursts_, QStringLiteral("Bursts"));
  for (auto chosen : {&QTableWidget::cellClicked, &QTableWidget::cellActivated})
    connect(bursts_, chosen, this,
            [this](int row, int) { Send({.kind = EventKind::Command, .id = res::IDC_OVERVIEW_BURSTS, .x = row}); });
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (auto [id, text] : {std::pair{res::IDC_OVERVIEW_COPY, res::kOverviewCopyText},
                          std::pair{res::IDC_OVERVIEW_EXPORT, res::kOverviewExportText}}) {
    auto* button = new QPushButton(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())), this);
    button->setObjectName(QStringLiteral("control%1").arg(id));
    connect(button, &QPushButton::clicked, this, [this, id = id] { Send({.kind = EventKind::Command, .id = id}); });
    button->setEnabled(false);  // until there is something to copy or export
    buttons->addWidget(button);
    (id == res::IDC_OVERVIEW_COPY ? copy_ : export_) = button;
  }
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(picture_, 3);
  layout->addWidget(tabs_, 1);
  layout->addLayout(buttons);
  ApplyDialogLook(*this);
  FitTableMinimum();
  resize(1224, 680);
}

void OverviewWindow::FitTableMinimum() {
  // Room for the eight channels' rows, whatever the font.
  table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
  const QHeaderView& header = *table_->horizontalHeader();
  int width = 2 * table_->frameWidth();
  for (int c = 0; c < table_->columnCount(); ++c) {
    int column = std::max(header.sectionSizeHint(c), header.minimumSectionSize());
    for (int r = 0; r < table_->rowCount(); ++r)
      column = std::max(column, table_->sizeHintForIndex(table_->model()->index(r, c)).width() + 1);  // and the grid
    width += column;
  }
  table_->setMinimumSize(width, header.sizeHint().height() +
                                    kChannelCount * table_->verticalHeader()->defaultSectionSize() +
                                    2 * table_->frameWidth());
}

void OverviewWindow::PlaceBy(const QWidget& main) {
  const QScreen* screen = main.screen();
  if (screen == nullptr) return;
  // The frame the window manager gives a window: the main window's.
  const QMargins frame = main.windowHandle() != nullptr ? main.windowHandle()->frameMargins() : QMargins();
  layout()->activate();  // the least size known
  const QSize inner =
      size().boundedTo(screen->availableGeometry().marginsRemoved(frame).size()).expandedTo(minimumSize());
  const QRect framed = FrameBeside(main.frameGeometry(), inner.grownBy(frame), screen->availableGeometry());
  resize(inner);
  move(framed.topLeft());
}

void OverviewWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const QSize least = minimumSize();
  if (width() < least.width() || height() < least.height())
    QTimer::singleShot(0, this, [this] { resize(size().expandedTo(minimumSize())); });
}

void OverviewWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

void OverviewWindow::ShowTable(const TextTable& table) {
  Fill(*table_, table);
  FitTableMinimum();
}

void OverviewWindow::ShowAgreement(const TextTable& table) {
  Fill(*agreement_, table);
  tabs_->setTabEnabled(tabs_->indexOf(agreement_), !table.rows.empty());
}

void OverviewWindow::ShowBursts(const TextTable& table) {
  Fill(*bursts_, table);
  tabs_->setTabText(tabs_->indexOf(bursts_), QStringLiteral("Bursts (%1)").arg(table.rows.size()));
}

void OverviewWindow::EnableButtons(bool copy, bool exportCsv) {
  copy_->setEnabled(copy);
  export_->setEnabled(exportCsv);
}

}  // namespace helvarra::qt
