#include "platform/qt/qt_overview_services.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QMessageBox>

#include "platform/qt/qt_window_surface.h"

namespace helvarra::qt {
namespace {

QString ToQString(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

QtOverviewServices::QtOverviewServices(QtWindowServices& main) : main_(main) {
  main_.mainWindowClosed = [this] { window_.reset(); };
}

QtOverviewServices::~QtOverviewServices() { main_.mainWindowClosed = nullptr; }

void QtOverviewServices::ShowOverview(DialogEvents& events, std::string_view title) {
  if (!window_) {
    window_ = std::make_unique<OverviewWindow>(events);
    if (main_.MainWindow() != nullptr) window_->PlaceBy(*main_.MainWindow());
  }
  RetitleOverview(title);
  window_->show();
  window_->raise();
  window_->activateWindow();
  window_->RequestPaint();
}

void QtOverviewServices::RetitleOverview(std::string_view title) {
  if (window_) window_->setWindowTitle(ToQString(title));
}

void QtOverviewServices::RepaintOverview() {
  if (window_ && window_->isVisible()) window_->RequestPaint();
}

std::unique_ptr<DrawingSurface> QtOverviewServices::AcquireOverviewSurface() {
  static QtCanvas none(QSize(1, 1));  // the overview closed: a surface that shows nowhere
  return std::make_unique<QtWindowSurface>(window_ ? window_->Canvas() : none);
}

void QtOverviewServices::ReleaseOverviewSurface(std::unique_ptr<DrawingSurface> surface) {
  surface.reset();
  if (!window_) return;
  window_->Canvas().Finish();
  window_->Picture().update();
}

Size QtOverviewServices::GetOverviewSize() const {
  if (!window_) return {1, 1};
  const QSize size = window_->Canvas().Image().size();
  return {size.width(), size.height()};
}

void QtOverviewServices::ShowMeasurement(const TextTable& table) {
  if (window_) window_->ShowTable(table);
}

void QtOverviewServices::ShowAgreement(const TextTable& table) {
  if (window_) window_->ShowAgreement(table);
}

void QtOverviewServices::ShowBursts(const TextTable& table) {
  if (window_) window_->ShowBursts(table);
}

void QtOverviewServices::EnableOverviewButtons(bool copy, bool exportCsv) {
  if (window_) window_->EnableButtons(copy, exportCsv);
}

void QtOverviewServices::SetClipboardText(std::string_view text) { QApplication::clipboard()->setText(ToQString(text)); }

std::optional<std::string> QtOverviewServices::ChooseSaveFile(std::string_view suggestedName) {
  if (saveChooser) return saveChooser(suggestedName);
  const QString path =
      QFileDialog::getSaveFileName(window_.get(), QStringLiteral("Export CSV"), ToQString(suggestedName),
                                   QStringLiteral("CSV files (*.csv);;All Files (*)"), nullptr,
                                   QFileDialog::DontUseNativeDialog);
  if (path.isEmpty()) return std::nullopt;
  return path.toStdString();
}

void QtOverviewServices::ShowOverviewWarning(std::string_view text) {
  if (warningShown) {
    warningShown(std::string(text));
    return;
  }
  QMessageBox box(QMessageBox::Warning, QtWindowServices::ApplicationName(), ToQString(text), QMessageBox::Ok,
                  window_.get());
  box.exec();
}

}  // namespace helvarra::qt
