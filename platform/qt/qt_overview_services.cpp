// The window services of the day overview: its window opened and raised,
// retitled and repainted, surfaces on its picture, the measurement table,
// the clipboard and the file an export goes to.

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>

#include "platform/qt/qt_window_services.h"
#include "platform/qt/qt_window_surface.h"

namespace helvarra::qt {

void QtWindowServices::ShowOverview(DialogEvents& events, std::string_view title) {
  if (!overview_) {
    overview_ = std::make_unique<OverviewWindow>(events);
    if (dialog_) overview_->PlaceBy(*dialog_);
  }
  RetitleOverview(title);
  overview_->show();
  overview_->raise();
  overview_->activateWindow();
  overview_->RequestPaint();
}

void QtWindowServices::RetitleOverview(std::string_view title) {
  if (overview_) overview_->setWindowTitle(QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())));
}

void QtWindowServices::RepaintOverview() {
  if (overview_ && overview_->isVisible()) overview_->RequestPaint();
}

std::unique_ptr<DrawingSurface> QtWindowServices::AcquireOverviewSurface() {
  static QtCanvas none(QSize(1, 1));  // the overview closed: a surface that shows nowhere
  return std::make_unique<QtWindowSurface>(overview_ ? overview_->Canvas() : none);
}

void QtWindowServices::ReleaseOverviewSurface(std::unique_ptr<DrawingSurface> surface) {
  surface.reset();
  if (!overview_) return;
  overview_->Canvas().Finish();
  overview_->Picture().update();
}

Size QtWindowServices::GetOverviewSize() const {
  if (!overview_) return {1, 1};
  const QSize size = overview_->Canvas().Image().size();
  return {size.width(), size.height()};
}

void QtWindowServices::ShowMeasurement(std::string_view csv) {
  if (overview_) overview_->ShowCsv(QString::fromUtf8(csv.data(), static_cast<qsizetype>(csv.size())));
}

void QtWindowServices::SetClipboardText(std::string_view text) {
  QApplication::clipboard()->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

std::optional<std::string> QtWindowServices::ChooseSaveFile(std::string_view suggestedName) {
  if (saveChooser) return saveChooser(suggestedName);
  const QString path = QFileDialog::getSaveFileName(
      overview_.get(), QStringLiteral("Export CSV"),
      QString::fromUtf8(suggestedName.data(), static_cast<qsizetype>(suggestedName.size())),
      QStringLiteral("CSV files (*.csv);;All Files (*)"), nullptr, QFileDialog::DontUseNativeDialog);
  if (path.isEmpty()) return std::nullopt;
  return path.toStdString();
}

}  // namespace helvarra::qt
