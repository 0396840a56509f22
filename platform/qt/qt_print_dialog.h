#pragma once
// The print dialog: print mode, all pages, no selection and no page range;
// copies left to the printer; the file choice offered only where no real
// printer exists (the PDF printer is then the printer).

#include <QPrinter>
#include <QWidget>
#include <optional>

#include "viewer/window_services.h"

namespace helvarra::qt {

// The name a printer goes by in the message after printing.
QString PrinterDeviceName(const QPrinter& printer);

std::optional<ChosenPrinter> RunPrintDialog(QWidget* parent);

}  // namespace helvarra::qt
