#pragma once
// The main and only window: a modal dialog that owns all viewer state and
// receives every user event through one fixed event table.

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "chart/chart_style.h"
#include "chart/frame_painter.h"
#include "data/flux_data_file.h"
#include "data/record_cursor.h"
#include "viewer/slider_ctrl.h"
#include "viewer/window_services.h"

namespace helvarra {

class CDayOverviewDlg;

class CFluxViewerDlg : public DialogEvents {
 public:
  explicit CFluxViewerDlg(WindowServices& services);
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
  // A file given on the command line or dropped on the window: opened as if
  // chosen with "&Files".
  void OnOpenDocument(const std::string& pathName, const std::string& fileName);
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
  // The window menu's "&Day Overview..." (also Ctrl+D).
  void OnDayOverview();
  // The framework's closing: OK reads the controls back, both end the run.
  void OnOK();
  void OnCancel();

  // Draws the 30-minute window for m_nRecordIndex; while browsing, also moves
  // the window on through the file.
  void TracePlotter();
  // The frequency, flux and time of the clicked point, right of the plot.
  void ShowCursorReadout(int x, int y);
  // As the slider let go at a record (nothing while browsing).
  void MoveWindowTo(int index);
  // The records the chart window shows (none before a file is drawn).
  const std::optional<RowRange>& ShownRows() const { return m_shownRows; }
  CDayOverviewDlg* Overview() const { return m_pOverview.get(); }

  // Channel k's flag: non-zero when the channel is drawn.
  int& ShowFlag(int k) { return this->*kShowFlags[static_cast<std::size_t>(k)]; }
  int ShowFlag(int k) const { return this->*kShowFlags[static_cast<std::size_t>(k)]; }

  SliderCtrl m_ctlSlider;
  int m_bShow1415 = 1;
  int m_bShow15400 = 1;
  int m_bShow245 = 1;
  int m_bShow2695 = 1;
  int m_bShow410 = 1;
  int m_bShow4995 = 1;
  int m_bShow610 = 1;
  int m_bShow8800 = 1;
  FluxDataFile m_file;
  ChartStyle m_style;      // the chart's colours, pens, brushes, rectangles and fonts
  FluxRecord m_strRecord;  // the record read most recently
  std::string m_strPathName, m_strFileName, m_strStartDate, m_strStartTime, m_strEndDate, m_strEndTime;
  int m_nRecordIndex = 0;
  int m_nRecordCount = 0;
  int m_bIdle = 0;
  int m_bFileLoaded = 0;
  int m_bBrowsing = 0;
  int m_nLastSecond = 0;
  signed char m_bFirstLoad = 0;
  Icon m_hIcon;
  int m_nStartMinute = 0;
  std::unique_ptr<CDayOverviewDlg> m_pOverview;  // made when first opened

 private:
  // The paint's drawing; false for the minimised window, whose paint is done.
  bool PaintFrame();
  void PaintMinimisedIcon();
  // Opening after the choice: a confirmed choice, or none (cancelled), which
  // opens the current file again.
  void OpenChosenFile(const std::optional<ChosenFile>& chosen);
  bool OpenAndTakeStamps();
  void ShowNoFile();
  FilePanel Panel() const;
  // The browse step: back over the last window's final seconds to where the
  // next window starts.
  void BrowseStep(RecordCursor& cursor);
  // Every way a browse ends comes here.
  void StopBrowsing();
  std::string OverviewTitle() const;
  void OverviewFollowsTheFile();
  // The chart window's records: those the last plot read, the first of them
  // and the last, for a Shift+drag and the overview's shade.
  std::size_t m_nFirstRowRead = 0, m_nLastRowRead = 0;
  std::optional<RowRange> m_shownRows;

  WindowServices& m_services;

  static constexpr std::array<int CFluxViewerDlg::*, kChannelCount> kShowFlags{
      &CFluxViewerDlg::m_bShow245,  &CFluxViewerDlg::m_bShow410,  &CFluxViewerDlg::m_bShow610,
      &CFluxViewerDlg::m_bShow1415, &CFluxViewerDlg::m_bShow2695, &CFluxViewerDlg::m_bShow4995,
      &CFluxViewerDlg::m_bShow8800, &CFluxViewerDlg::m_bShow15400};
};

}  // namespace helvarra
