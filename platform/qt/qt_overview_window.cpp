#include "platform/qt/qt_overview_window.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
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

OverviewWindow::OverviewWindow(DialogEvents& events) : events_(events) {
  setWindowFlags(Qt::Window);
  setAttribute(Qt::WA_QuitOnClose, false);
  picture_ = new OverviewPicture(canvas_, [this](const WindowEvent& e) { Send(e); });
  table_ = new QTableWidget(0, 8, this);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->verticalHeader()->hide();
  // Each column as wide as its texts, the last taking what room is left.
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table_->horizontalHeader()->setSectionResizeMode(table_->columnCount() - 1, QHeaderView::Stretch);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (auto [id, text] : {std::pair{res::IDC_OVERVIEW_COPY, res::kOverviewCopyText},
                          std::pair{res::IDC_OVERVIEW_EXPORT, res::kOverviewExportText}}) {
    auto* button = new QPushButton(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())), this);
    button->setObjectName(QStringLiteral("control%1").arg(id));
    connect(button, &QPushButton::clicked, this, [this, id = id] { Send({.kind = EventKind::Command, .id = id}); });
    buttons->addWidget(button);
  }
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(picture_, 3);
  layout->addWidget(table_, 1);
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

void OverviewWindow::ShowCsv(const QString& csv) {
  const QStringList lines = csv.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  table_->setRowCount(lines.size() > 1 ? static_cast<int>(lines.size() - 1) : 0);
  if (!lines.isEmpty()) table_->setHorizontalHeaderLabels(lines.front().split(QLatin1Char(',')));
  for (qsizetype r = 1; r < lines.size(); ++r) {
    const QStringList cells = lines[r].split(QLatin1Char(','));
    for (qsizetype c = 0; c < cells.size() && c < 8; ++c)
      table_->setItem(static_cast<int>(r - 1), static_cast<int>(c), new QTableWidgetItem(cells[c]));
  }
  FitTableMinimum();
}

}  // namespace helvarra::qt
