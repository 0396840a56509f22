#pragma once
// The state of the main window that its drawing routines read and write, and
// those routines: the trace plotter, the frame painter and the cursor
// read-out. The dialog of the viewer is built on it.

#include <array>
#include <string>

#include "chart/chart_host.h"
#include "chart/chart_layout.h"
#include "data/flux_data_file.h"

namespace helvarra {

class ChartWindow {
 public:
  explicit ChartWindow(ChartHost& host) : m_host(host) {}
  virtual ~ChartWindow() = default;
  ChartWindow(const ChartWindow&) = delete;
  ChartWindow& operator=(const ChartWindow&) = delete;

  // Draws the 30-minute window for m_nRecordIndex; while browsing, also moves
  // the window on through the file.
  void TracePlotter();
  // The paint handler's drawing. False when the default paint handling must
  // not follow (the minimised window).
  bool PaintFrame();
  // The frequency, flux and time of the clicked point, right of the plot.
  void ShowCursorReadout(int x, int y);
  // Every way a browse ends comes here: "&Stop", the end of the file in a
  // plot, the timer at the record count, a file error during a tick.
  void StopBrowsing();

  // Channel k's flag.
  int& ShowFlag(int k) { return this->*kShowFlags[static_cast<std::size_t>(k)]; }
  int ShowFlag(int k) const { return this->*kShowFlags[static_cast<std::size_t>(k)]; }

  // Channel flags: non-zero when the channel is drawn.
  int m_bShow1415 = 1;
  int m_bShow15400 = 1;
  int m_bShow245 = 1;
  int m_bShow2695 = 1;
  int m_bShow410 = 1;
  int m_bShow4995 = 1;
  int m_bShow610 = 1;
  int m_bShow8800 = 1;

  FluxDataFile m_file;

  Colour m_crBackground = 0;
  std::array<Colour, kChannelCount> m_crChannel{};
  Colour m_crGrid = 0, m_crPlot = 0, m_crText = 0;
  Pen m_penMajorTick, m_penMinorTick;
  std::array<Pen, kChannelCount> m_penChannel{};
  Pen m_penGrid;
  Brush m_brPlot;
  Rect m_rcPlot;
  Brush m_brBackground;
  Rect m_rcTimeAxis;

  FluxRecord m_strRecord;
  std::string m_strFileName, m_strStartDate, m_strStartTime, m_strEndDate, m_strEndTime;
  Font m_fontSmall, m_fontLarge;

  int m_nRecordIndex = 0;
  int m_bIdle = 0;
  int m_bFileLoaded = 0;
  int m_bBrowsing = 0;
  int m_nLastSecond = 0;
  Icon m_hIcon;
  int m_nStartMinute = 0;

 protected:
  ChartHost& m_host;

  // A window surface held for one drawing routine, given back on every path
  // out of it, exceptions included. With tracksIdle, m_bIdle is 0 while it is
  // held and takes the release result afterwards.
  class SurfaceLease {
   public:
    SurfaceLease(ChartWindow& window, bool tracksIdle);
    ~SurfaceLease();
    SurfaceLease(const SurfaceLease&) = delete;
    SurfaceLease& operator=(const SurfaceLease&) = delete;
    DrawingSurface& operator*() const { return *surface_; }
    DrawingSurface* operator->() const { return surface_.get(); }

   private:
    ChartWindow& window_;
    bool tracksIdle_;
    std::unique_ptr<DrawingSurface> surface_;
  };

  void DrawFileInformation(DrawingSurface& s, int startTextX) const;
  // Erases the read-out's three lines with blanks of the given widths.
  static void BlankReadoutLines(DrawingSurface& s, const ReadoutBlanks& widths);

 private:
  void ClearChart(DrawingSurface& s) const;
  void DrawDecadeGrid(DrawingSurface& s) const;
  void BrowseStep();
  void PlotRecords(DrawingSurface& s, std::array<int, kChannelCount>& prevRow);
  void DrawDecadeLabels(DrawingSurface& s) const;
  void DrawFileLabels(DrawingSurface& s) const;

  static constexpr std::array<int ChartWindow::*, kChannelCount> kShowFlags{
      &ChartWindow::m_bShow245,  &ChartWindow::m_bShow410,  &ChartWindow::m_bShow610,  &ChartWindow::m_bShow1415,
      &ChartWindow::m_bShow2695, &ChartWindow::m_bShow4995, &ChartWindow::m_bShow8800, &ChartWindow::m_bShow15400};
};

}  // namespace helvarra
