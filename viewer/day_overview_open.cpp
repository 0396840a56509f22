// The main window's side of the day overview and of the stations: the
// overview opened from the window menu or Ctrl+D, a Shift+drag across the
// chart measured in it, the overview told of a new window or new files; a
// station chosen from its strip or with the keys; the panel's file line
// following the file a window comes from.

#include <algorithm>

#include "chart/frame_painter.h"
#include "chart/trace_plotter.h"
#include "data/record_time.h"
#include "data/stations.h"
#include "resources/dialog_templates.h"
#include "viewer/day_overview_dlg.h"
#include "viewer/flux_viewer_dlg.h"
#include "viewer/surface_lease.h"

namespace helvarra {

// "Day Overview - NAME" for one file; the stations' names and the number of
// files for more.
std::string CFluxViewerDlg::OverviewTitle() const {
  std::string title(resources::kOverviewTitle);
  const FluxNetwork& network = m_file.Network();
  if (m_bFileLoaded != 1 || network.empty()) return title;
  if (network.FileCount() == 1) return title + " - " + network.stations[0].files[0].name;
  std::string names;
  for (const FluxSeries& s : network.stations) names += (names.empty() ? "" : ", ") + std::string(StationName(s.StationCode()));
  return title + " - " + names + " (" + std::to_string(network.FileCount()) + " files)";
}

std::string CFluxViewerDlg::ExportName() const {
  const FluxNetwork& network = m_file.Network();
  if (network.FileCount() == 1) return network.stations[0].files[0].name;
  std::string name;
  for (const FluxSeries& s : network.stations) name += (name.empty() ? "" : "-") + std::string(StationName(s.StationCode()));
  std::ranges::replace(name, ' ', '_');
  return name;
}

void CFluxViewerDlg::OnDayOverview() {
  if (m_bFileLoaded != 1) return;  // its menu entry is greyed out too
  const bool made = !m_pOverview;
  if (made) m_pOverview = std::make_unique<CDayOverviewDlg>(static_cast<MainWindowView&>(*this), m_overviewServices);
  m_overviewServices.ShowOverview(*m_pOverview, OverviewTitle());
  if (made) m_pOverview->OnFilesOpened(OverviewTitle());
}

void CFluxViewerDlg::OnChartSpan(int x1, int x2) {
  if (m_bIdle != 1 || m_bFileLoaded != 1 || !m_window || !m_window->rows) return;
  const std::optional<RowRange> rows =
      ChartRowsBetween(Table(), m_nFirstRowRead, m_nLastRowRead, m_window->start, x1, x2);
  if (!rows) return;
  OnDayOverview();
  m_pOverview->Select(SecondsOfRows(Table(), rows));
}

// Files opened, or files that failed: the overview follows, with no selection.
void CFluxViewerDlg::OverviewFollowsTheFiles() {
  if (m_pOverview) m_pOverview->OnFilesOpened(OverviewTitle());
}

// Another station: its stamps and slider range taken, its panel drawn.
void CFluxViewerDlg::ShowStationAt(std::size_t station, std::size_t row) {
  if (m_bBrowsing != 0 || m_bFileLoaded != 1 || station >= m_file.Network().stations.size()) return;
  if (station != m_nStation) {
    m_nStation = station;
    m_window.reset();
    m_nEndRow.reset();
    TakeStationStamps();
    m_ctlSlider.SetRangeMax(m_nRecordCount - 60);
    m_strFileName = FileNameOfRow(row);
    SurfaceLease s(m_services, &m_bIdle);
    s->SetBackgroundColour(m_style.m_crBackground);
    s->SelectFont(m_style.m_fontSmall);
    DrawFilePanel(*s, m_style, Panel(), kPaintStartTextX);
  }
  MoveWindowTo(static_cast<int>(std::min<std::size_t>(row, INT32_MAX)));
}

// The next station (or the previous), at the time the window shows: the
// window of the first record of the minute before its start. A browse stops.
void CFluxViewerDlg::OnNextStation(int step) {
  const std::size_t count = m_file.Network().stations.size();
  if (m_bFileLoaded != 1 || count < 2) return;
  StopBrowsing();
  const auto next = static_cast<std::size_t>((static_cast<long>(m_nStation) + step % static_cast<long>(count) +
                                              static_cast<long>(count)) % static_cast<long>(count));
  const FluxTable& table = m_file.Network().stations[next].table;
  const std::int64_t fixing = m_window ? m_window->start - 60 : RecordTime(table[0]);
  const auto it = std::ranges::lower_bound(table.records, fixing, {}, RecordTime);
  const auto row = static_cast<std::size_t>(std::min(it - table.records.begin(), std::ptrdiff_t(table.size() - 1)));
  ShowStationAt(next, row);
}

// The panel names the file the window's first record comes from.
void CFluxViewerDlg::FollowTheWindowsFile(DrawingSurface& s) {
  const std::size_t row = m_window && m_window->rows ? m_window->rows->first : m_nFirstRowRead;
  const std::string name = FileNameOfRow(row);
  if (name == m_strFileName) return;
  m_strFileName = name;
  DrawFileNameLine(s, m_style, m_strFileName);
  m_services.SetFileNameTip(PanelFileNameCut(m_strFileName) ? m_strFileName : std::string());
}

}  // namespace helvarra
