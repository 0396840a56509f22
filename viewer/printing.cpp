// "&Print": the window, redrawn, copied onto one printer page and stretched
// over its whole printable area.

#include "chart/chart_layout.h"
#include "resources/strings.h"
#include "viewer/flux_viewer_dlg.h"

namespace helvarra {

void CFluxViewerDlg::OnPrint() {
  auto printer = m_services.ChoosePrinter();
  if (!printer) return;
  const Size page = printer->surface->GetPageSize();

  PaintFrame();

  // A job the printer cannot start prints nothing and must not be reported
  // as printed.
  if (printer->surface->BeginPrintDocument(resources::kPrintDocumentName) <= 0) {
    DeletePrinterSurface(printer->surface);
    m_services.ShowWarning("Nothing was printed: the document could not be started on " + printer->deviceName + ".");
    return;
  }
  printer->surface->BeginPrintPage();
  {
    auto window = m_services.AcquireWindowSurface();
    printer->surface->StretchCopy(Rect{0, 0, page.width, page.height}, *window, kPrintedArea);
    m_bIdle = m_services.ReleaseWindowSurface(std::move(window));
  }
  printer->surface->EndPrintPage();
  printer->surface->EndPrintDocument();
  DeletePrinterSurface(printer->surface);

  m_services.ShowMessage("printed to: " + printer->deviceName);
}

}  // namespace helvarra
