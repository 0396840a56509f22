#pragma once
// The main window: a modal dialog that owns all viewer state and receives
// every user event through one fixed event table. Its state is its own: the
// day overview sees it through a narrow, read-only view (MainWindowView),
// and the tools and tests through the const accessors below.

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "chart/chart_style.h"
#include "chart/frame_painter.h"
#include "data/flux_files.h"
#include "data/record_cursor.h"
#include "viewer/overview_services.h"
#include "viewer/overview_view.h"
#include "viewer/slider_ctrl.h"
#include "viewer/window_services.h"

namespace helvarra {

class CDayOverviewDlg;
class DialogTestAccess;

class CFluxViewerDlg : public DialogEvents, private MainWindowView {
 public:
  CFluxViewerDlg(WindowServices& services, OverviewServices& overviewServices);
  ~CFluxViewerDlg() override;
  CFluxViewerDlg(const CFluxViewerDlg&) = delete;
  CFluxViewerDlg& operator=(const CFluxViewerDlg&) = delete;

  int DoModal();
  bool InitWindow() override;
  enum class Exchange { ToControls, ToMembers };
  void ExchangeData(Exchange direction);

  // Routes an event to its handler. A file error ends the handler and is
  // shown with a stop icon, except while painting, where it is dropped.
  EventResult Dispatch(const WindowEvent& event) override;

  // Handlers.
  void OnSystemCommand(unsigned command, long extra);
  void OnPaint();
  Icon OnQueryDragIcon() const { return m_hIcon; }
  void OnFiles();
  // Files given on the command line or dropped on the window: opened together
  // as if chosen with "&Files".
  void OnOpenDocuments(const std::vector<ChosenFile>& files);
  void OnBrowse();
  void OnStop();
  void OnPrint();
  void OnSelectToggle();
  void OnSliderReleased(long& result);
  void OnTimerTick();
  // The check box of channel k: it has flipped its own mark already.
  void OnCheckChannel(int k);
  // The background of a control's label: a channel's colour for its check
  // box, nothing (the window's own) for any other control or kind.
  std::optional<Colour> OnControlColor(int controlId, int kind) const;
  void OnLeftButtonDown(int x, int y);
  // A Shift+drag across the chart: its records measured in the day overview.
  void OnChartSpan(int x1, int x2);
  // The window menu's "&Day Overview..." (also Ctrl+D); nothing with no file.
  void OnDayOverview();
  // The next or the previous station of those open (wrapping round).
  void OnNextStation(int step);
  // The shown station's next or previous burst after the window's start
  // (or the burst shown last), in the main window.
  void OnNextBurst(int step);
  // The framework's closing: OK reads the controls back, both end the run.
  void OnOK();
  void OnCancel();

  // Draws the 30-minute window for m_nRecordIndex; while browsing, also moves
  // the window on through the series.
  void TracePlotter();
  // The frequency, flux and time of the clicked point, right of the plot.
  void ShowCursorReadout(int x, int y);
  // As the slider let go at a record (nothing while browsing).
  void MoveWindowTo(int index);

  // The state, read only.
  int RecordIndex() const { return m_nRecordIndex; }
  int RecordCount() const { return m_nRecordCount; }
  int StartMinute() const { return m_nStartMinute; }
  int LastSecond() const { return m_nLastSecond; }
  bool IsIdle() const { return m_bIdle == 1; }
  bool IsFileLoaded() const { return m_bFileLoaded == 1; }
  bool IsBrowsing() const { return m_bBrowsing == 1; }
  // Channel k's flag: non-zero when the channel is drawn.
  int ShowFlag(int k) const { return this->*kShowFlags[static_cast<std::size_t>(k)]; }
  const ChartStyle& Style() const override { return m_style; }
  const FluxFiles& Files() const { return m_file; }
  // The station in the main window (none while no file is loaded).
  const FluxSeries* ShownSeries() const;
  std::size_t StationShown() const { return m_nStation; }
  const std::string& FileName() const { return m_strFileName; }
  const FilePanel Panel() const;
  std::optional<ShownWindow> Shown() const override { return m_window; }
  const std::optional<RowRange>& ShownRows() const;
  CDayOverviewDlg* Overview() const { return m_pOverview.get(); }

 private:
  friend class DialogTestAccess;  // tests set what no event can (a surface held, a flag out of range)

  // MainWindowView, for the day overview.
  const FluxNetwork& Network() const override { return m_file.Network(); }
  std::array<bool, kChannelCount> ShownChannels() const override;
  std::string ExportName() const override;
  void ShowStationAt(std::size_t station, std::size_t row) override;
  const BurstCatalogue& Bursts() const override;
  void ShowBurst(std::size_t listed) override;

  int& Flag(int k) { return this->*kShowFlags[static_cast<std::size_t>(k)]; }
  const FluxTable& Table() const;
  // The paint's drawing; false for the minimised window, whose paint is done.
  bool PaintFrame();
  void PaintMinimisedIcon();
  // Opening after the choice: a confirmed choice, or none (cancelled), which
  // opens the current files again.
  void OpenChosenFiles(const std::optional<std::vector<ChosenFile>>& chosen);
  bool OpenAndTakeStamps();
  void TakeStationStamps();
  void DrawOpenedPanel();
  void ShowNoFile();
  void EnableFileCommands();
  std::string FileNameOfRow(std::size_t row) const;
  void FollowTheWindowsFile(DrawingSurface& s);
  // The row that fixes the window's start while browsing (the browse step),
  // with the slider and the index moved to it.
  std::size_t BrowseStep(RecordCursor& cursor);
  // Every way a browse ends comes here.
  void StopBrowsing();
  std::string OverviewTitle() const;
  void OverviewFollowsTheFiles();

  SliderCtrl m_ctlSlider;
  int m_bShow1415 = 1;
  int m_bShow15400 = 1;
  int m_bShow245 = 1;
  int m_bShow2695 = 1;
  int m_bShow410 = 1;
  int m_bShow4995 = 1;
  int m_bShow610 = 1;
  int m_bShow8800 = 1;
  FluxFiles m_file;        // the files open, by station
  ChartStyle m_style;      // the chart's colours, pens, brushes, rectangles and fonts
  FluxRecord m_strRecord;  // the record read most recently
  std::string m_strPathName, m_strFileName, m_strStartDate, m_strStartTime, m_strEndDate, m_strEndTime;
  std::vector<ChosenFile> m_files;  // the files chosen together, m_strPathName the first's path
  int m_nRecordIndex = 0;
  int m_nRecordCount = 0;
  int m_bIdle = 0;
  int m_bFileLoaded = 0;
  int m_bBrowsing = 0;
  int m_nLastSecond = 0;
  Icon m_hIcon;
  int m_nStartMinute = 0;
  std::size_t m_nStation = 0;  // the station shown, in the network's order

  // The chart window last drawn: its start, the rows the plot read (the
  // first, the last, and the one that ended it before the table did).
  std::optional<ShownWindow> m_window;
  std::size_t m_nFirstRowRead = 0, m_nLastRowRead = 0;
  std::optional<std::size_t> m_nEndRow;

  // The bursts of the stations open, found when first asked for, and the
  // one of the list the window was last moved to (while it stays there).
  mutable std::optional<BurstCatalogue> m_bursts;
  std::optional<std::size_t> m_nBurstShown;
  std::optional<std::int64_t> m_nBurstWindow;

  std::unique_ptr<CDayOverviewDlg> m_pOverview;  // made when first opened

  WindowServices& m_services;
  OverviewServices& m_overviewServices;

  static constexpr std::array<int CFluxViewerDlg::*, kChannelCount> kShowFlags{
      &CFluxViewerDlg::m_bShow245,  &CFluxViewerDlg::m_bShow410,  &CFluxViewerDlg::m_bShow610,
      &CFluxViewerDlg::m_bShow1415, &CFluxViewerDlg::m_bShow2695, &CFluxViewerDlg::m_bShow4995,
      &CFluxViewerDlg::m_bShow8800, &CFluxViewerDlg::m_bShow15400};
};

}  // namespace helvarra
