// The eight channel check boxes, "&Select Toggle", and the channel colour
// behind each check box's label.

#include "resources/dialog_templates.h"
#include "viewer/flux_viewer_dlg.h"

namespace helvarra {

// The box has flipped its own mark already; the flag follows it.
void CFluxViewerDlg::OnCheckChannel(int k) {
  int& flag = Flag(k);
  flag = flag == 0 ? 1 : 0;
  if (m_bFileLoaded == 1) TracePlotter();
}

void CFluxViewerDlg::OnSelectToggle() {
  bool allShown = true;
  for (int k = 0; k < kChannelCount; ++k) allShown = allShown && ShowFlag(k) != 0;
  for (int k = 0; k < kChannelCount; ++k) Flag(k) = allShown ? 0 : 1;
  ExchangeData(Exchange::ToControls);
  if (m_bFileLoaded == 1) TracePlotter();
}

std::optional<Colour> CFluxViewerDlg::OnControlColor(int controlId, int kind) const {
  if (kind != CTLCOLOR_STATIC || controlId < resources::IDC_CHECK_FIRST || controlId > resources::IDC_CHECK_LAST)
    return std::nullopt;
  return m_style.m_crChannel[static_cast<std::size_t>(controlId - resources::IDC_CHECK_FIRST)];
}

}  // namespace helvarra
