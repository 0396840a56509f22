// The window menu and mouse clicks on the client area.

#include "chart/cursor_readout.h"
#include "resources/strings.h"
#include "viewer/about_dlg.h"
#include "viewer/flux_viewer_dlg.h"

namespace helvarra {

void CFluxViewerDlg::OnSystemCommand(unsigned command, long /*extra*/) {
  switch (command & 0xFFF0) {
    case resources::IDM_ABOUTBOX: {
      CAboutDlg about(m_services);
      about.DoModal();
      break;
    }
    case resources::IDM_DAYOVERVIEW: OnDayOverview(); break;
    case resources::IDM_NEXTSTATION: OnNextStation(1); break;
    case resources::IDM_PREVSTATION: OnNextStation(-1); break;
    case resources::IDM_NEXTBURST: OnNextBurst(1); break;
    case resources::IDM_PREVBURST: OnNextBurst(-1); break;
    default: m_services.DefaultHandling();
  }
}

void CFluxViewerDlg::OnLeftButtonDown(int x, int y) {
  if (m_bIdle == 1 && m_bFileLoaded == 1) ShowCursorReadout(x, y);
  m_services.DefaultHandling();
}

// On a surface of its own, leaving m_bIdle alone.
void CFluxViewerDlg::ShowCursorReadout(int x, int y) {
  auto s = m_services.AcquireWindowSurface();
  DrawCursorReadout(*s, m_style, x, y, m_window ? m_window->start : std::int64_t{m_nStartMinute} * 60);
  m_services.ReleaseWindowSurface(std::move(s));
}

}  // namespace helvarra
