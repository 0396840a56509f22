// What a paint draws besides the chart window: the axis titles, the decade
// labels, the file-information panel and the station name; an empty black
// plot while no file is loaded. The minimised window shows only the icon.

#include "chart/chart_window.h"
#include "data/stations.h"

namespace helvarra {
namespace {

// FLUX DENSITY - SFU, one character a line, blanks included.
constexpr std::string_view kVerticalTitle = "FLUX DENSITY - SFU";
constexpr int kVerticalTitleX = 10, kVerticalTitleY = 130, kVerticalTitleStep = 15;

void DrawAxisTitles(DrawingSurface& s) {
  for (std::size_t i = 0; i < kVerticalTitle.size(); ++i)
    s.PutText(kVerticalTitleX, kVerticalTitleY + kVerticalTitleStep * static_cast<int>(i), kVerticalTitle.substr(i, 1));
  s.PutText(305, 535, "UNIVERSAL TIME (UT)");
}

}  // namespace

// "10" at (54, 469) up to "100000" at (22, 69): each label ends at x 70 and
// sits 10 pixels above its grid line.
void ChartWindow::DrawDecadeLabels(DrawingSurface& s) const {
  int exponent = 1;
  for (int v = 10; v <= 100000; v *= 10, ++exponent)
    s.PutText(62 - 8 * exponent, 569 - 100 * exponent, std::to_string(v));
}

void ChartWindow::DrawFileLabels(DrawingSurface& s) const {
  s.PutText(110, 545, "File");
  s.PutText(110, 560, "Start");
  s.PutText(605, 545, "File");
  s.PutText(605, 560, "End");
}

// The file's name, first and last times and station; the large font is left
// selected. Opening draws the start texts at x 160, a paint at x 155.
void ChartWindow::DrawFileInformation(DrawingSurface& s, int startTextX) const {
  s.PutText(690, 35, "File Name: ");
  s.PutText(690, 50, m_strFileName);
  s.PutText(startTextX, 545, m_strStartDate);
  s.PutText(startTextX, 560, m_strStartTime);
  s.PutText(530, 545, m_strEndDate);
  s.PutText(530, 560, m_strEndTime);
  s.SelectFont(m_fontLarge);
  s.PutText(690, 10, LookupStation(m_strRecord.View()));
}

bool ChartWindow::PaintFrame() {
  if (m_host.IsMinimised()) {
    auto paint = m_host.BeginPaintCycle();
    m_host.EraseIconBackground(*paint);
    const Size icon = m_host.GetIconSize(), client = m_host.GetClientSize();
    paint->DrawIconAt((client.width - icon.width + 1) / 2, (client.height - icon.height + 1) / 2, m_hIcon);
    m_host.EndPaintCycle(std::move(paint));
    return false;
  }
  if (m_bIdle == 0) return true;

  SurfaceLease s(*this, /*tracksIdle=*/true);
  s->SetBackgroundColour(m_crBackground);
  s->SelectFont(m_fontSmall);
  if (m_bFileLoaded == 1) {
    DrawDecadeLabels(*s);
    DrawFileLabels(*s);
    DrawFileInformation(*s, 155);
    m_bIdle = 1;
    TracePlotter();
  } else {
    s->SelectBrush(m_brPlot);
    s->DrawRectangle(m_rcPlot);
    s->FrameRectangle(m_rcPlot, m_brPlot);
  }
  s->SelectFont(m_fontSmall);
  DrawAxisTitles(*s);
  DrawFileLabels(*s);
  DrawDecadeLabels(*s);
  return true;
}

}  // namespace helvarra
