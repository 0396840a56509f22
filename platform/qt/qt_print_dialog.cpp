#include "platform/qt/qt_print_dialog.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "platform/qt/qt_printer_surface.h"

namespace helvarra::qt {

QString PrinterDeviceName(const QPrinter& printer) {
  if (!printer.printerName().isEmpty()) return printer.printerName();
  return printer.outputFormat() == QPrinter::PdfFormat ? QStringLiteral("Print to File (PDF)") : QString();
}

std::optional<ChosenPrinter> RunPrintDialog(QWidget* parent) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  QPrintDialog dialog(printer.get(), parent);
  QAbstractPrintDialog::PrintDialogOptions options;
  if (QPrinterInfo::availablePrinters().isEmpty()) options |= QAbstractPrintDialog::PrintToFile;
  options |= QAbstractPrintDialog::PrintShowPageSize;
  dialog.setOptions(options);
  dialog.setPrintRange(QAbstractPrintDialog::AllPages);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const std::string device = PrinterDeviceName(*printer).toStdString();
  return ChosenPrinter{std::make_unique<QtPrinterSurface>(std::move(printer)), device};
}

}  // namespace helvarra::qt
