// The eight channel check boxes, "&Select Toggle", and the channel colour
// behind each check box's label.

#include "resources/dialog_templates.h"
#include "viewer/flux_viewer_dlg.h"

namespace helvarra {

// The box has flipped its own mark already; the flag follows it.
void CFluxViewerDlg::OnCheckChannel(int k) {
  int& flag = ShowFlag(k);
  flag = flag == 0 ? 1 : 0;
  if (m_bFileLoaded == 1) TracePlotter();
}

void CFluxViewerDlg::OnSelectToggle() {
  bool allShown = true;
  for (int k = 0; k < kChannelCount; ++k) allShown = allShown && ShowFlag(k) != 0;
  for (int k = 0; k < kChannelCount; ++k) ShowFlag(k) = allShown ? 0 : 1;
  ExchangeData(Exchange::ToControls);
  if (m_bFileLoaded == 1) TracePlotter();
}

Brush CFluxViewerDlg::OnControlColor(DrawingSurface& controlSurface, int controlId, int kind) {
  const Brush brush = m_services.DefaultControlColour(controlSurface, controlId, kind);
  if (kind == CTLCOLOR_STATIC && controlId >= resources::IDC_CHECK_FIRST && controlId <= resources::IDC_CHECK_LAST)
    controlSurface.SetBackgroundColour(m_crChannel[static_cast<std::size_t>(controlId - resources::IDC_CHECK_FIRST)]);
  return brush;
}

}  // namespace helvarra
