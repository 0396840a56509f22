#pragma once
// A printer's surface on Qt's printer: one document of pages, each page a
// picture of the window stretched over the printable area.

#include <QPainter>
#include <QPrinter>
#include <memory>
#include <optional>

#include "chart/drawing_surface.h"

namespace helvarra::qt {

class QtPrinterSurface : public PrinterSurface {
 public:
  explicit QtPrinterSurface(std::unique_ptr<QPrinter> printer);
  ~QtPrinterSurface() override;

  Size GetPageSize() const override;
  void StretchCopy(const Rect& destination, const DrawingSurface& source, const Rect& sourceRect) override;
  int BeginPrintDocument(std::string_view documentName) override;
  int BeginPrintPage() override;
  int EndPrintPage() override;
  int EndPrintDocument() override;

 private:
  std::unique_ptr<QPrinter> printer_;
  std::optional<QPainter> painter_;
  bool pageOpen_ = false;
  int pagesDone_ = 0;
};

}  // namespace helvarra::qt
