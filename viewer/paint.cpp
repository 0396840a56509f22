// The paint event: the frame, the panel and, once a file is loaded, the chart
// window redrawn by the plotter in the middle of it; only the icon while the
// window is minimised.

#include "chart/frame_painter.h"
#include "viewer/flux_viewer_dlg.h"
#include "viewer/surface_lease.h"

namespace helvarra {

void CFluxViewerDlg::OnPaint() {
  if (PaintFrame()) m_services.DefaultHandling();
}

bool CFluxViewerDlg::PaintFrame() {
  if (m_services.IsMinimised()) {
    PaintMinimisedIcon();
    return false;
  }
  if (m_bIdle == 0) return true;

  SurfaceLease s(m_services, &m_bIdle);
  s->SetBackgroundColour(m_style.m_crBackground);
  s->SelectFont(m_style.m_fontSmall);
  if (m_bFileLoaded == 1) {
    DrawDecadeLabels(*s);
    DrawFileLabels(*s);
    DrawFilePanel(*s, m_style, Panel(), kPaintStartTextX);
    m_bIdle = 1;
    TracePlotter();  // on a second surface of its own, the painter's still held
  } else {
    DrawEmptyPlot(*s, m_style);
  }
  DrawFrameLabels(*s, m_style);
  return true;
}

// The icon centred in the client area, in a paint cycle of its own.
void CFluxViewerDlg::PaintMinimisedIcon() {
  auto paint = m_services.BeginPaintCycle();
  m_services.EraseIconBackground(*paint);
  const Size icon = m_services.GetIconSize(), client = m_services.GetClientSize();
  paint->DrawIconAt((client.width - icon.width + 1) / 2, (client.height - icon.height + 1) / 2, m_hIcon);
  m_services.EndPaintCycle(std::move(paint));
}

}  // namespace helvarra
