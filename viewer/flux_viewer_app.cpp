#include "viewer/flux_viewer_app.h"

#include "viewer/flux_viewer_dlg.h"

namespace helvarra {

bool CFluxViewerApp::StartUp(WindowServices& services, OverviewServices& overviewServices) {
  CFluxViewerDlg dlg(services, overviewServices);
  dlg.DoModal();  // OK or cancel: the same end
  return false;
}

}  // namespace helvarra
