#include "platform/qt/qt_printer_surface.h"

#include "platform/qt/qt_window_surface.h"

namespace helvarra::qt {

QtPrinterSurface::QtPrinterSurface(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {}

QtPrinterSurface::~QtPrinterSurface() {
  if (painter_) painter_->end();
}

Size QtPrinterSurface::GetPageSize() const {
  const QRect printable = printer_->pageLayout().paintRectPixels(printer_->resolution());
  return Size{printable.width(), printable.height()};
}

int QtPrinterSurface::BeginPrintDocument(std::string_view documentName) {
  if (painter_) return 0;
  printer_->setDocName(QString::fromUtf8(documentName.data(), static_cast<qsizetype>(documentName.size())));
  painter_.emplace();
  if (!painter_->begin(printer_.get())) {
    painter_.reset();
    return 0;
  }
  pagesDone_ = 0;
  return 1;
}

// The painter opens the first page itself; later pages need a new one.
int QtPrinterSurface::BeginPrintPage() {
  if (!painter_ || pageOpen_) return 0;
  if (pagesDone_ > 0 && !printer_->newPage()) return 0;
  pageOpen_ = true;
  return 1;
}

int QtPrinterSurface::EndPrintPage() {
  if (!pageOpen_) return 0;
  pageOpen_ = false;
  ++pagesDone_;
  return 1;
}

int QtPrinterSurface::EndPrintDocument() {
  if (!painter_) return 0;
  const bool ended = painter_->end();
  painter_.reset();
  return ended ? 1 : 0;
}

void QtPrinterSurface::StretchCopy(const Rect& d, const DrawingSurface& source, const Rect& s) {
  const auto* window = dynamic_cast<const QtWindowSurface*>(&source);
  if (!painter_ || !pageOpen_ || window == nullptr) return;
  const QImage picture = window->Canvas().Picture();
  // Pixels are copied, not smoothed, and the aspect ratio is not kept.
  painter_->setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter_->drawImage(QRect(d.left, d.top, d.Width(), d.Height()), picture,
                      QRect(s.left, s.top, s.Width(), s.Height()));
}

}  // namespace helvarra::qt
