#include "viewer/flux_viewer_app.h"

#include "viewer/flux_viewer_dlg.h"

namespace helvarra {

bool CFluxViewerApp::StartUp(WindowServices& services) {
  {
    CFluxViewerDlg dlg(services);
    m_pMainWnd = &dlg;
    dlg.DoModal();  // OK or cancel: the same end
    m_pMainWnd = nullptr;
  }
  return false;
}

}  // namespace helvarra
