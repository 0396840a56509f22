#include "viewer/day_overview_dlg.h"

#include <algorithm>
#include <fstream>

#include "analysis/csv_export.h"
#include "analysis/station_agreement.h"
#include "data/record_time.h"
#include "data/stations.h"
#include "resources/dialog_templates.h"

namespace helvarra {

namespace res = resources;

EventResult CDayOverviewDlg::Dispatch(const WindowEvent& event) {
  EventResult result;
  result.routed = true;
  switch (event.kind) {
    case EventKind::Paint: OnPaint(); break;
    case EventKind::LeftButtonDown: OnLeftButtonDown(event.x, event.y); break;
    case EventKind::SpanSelected: OnSpanSelected(event.x, event.x2); break;
    case EventKind::Command:
      if (event.id == res::IDC_OVERVIEW_COPY)
        OnCopy();
      else if (event.id == res::IDC_OVERVIEW_EXPORT)
        OnExportCsv();
      else if (event.id == res::IDC_OVERVIEW_BURSTS)
        OnBurstChosen(event.x);
      else
        result.routed = false;
      break;
    default: result.routed = false;
  }
  return result;
}

OverviewRequest CDayOverviewDlg::Request() const {
  OverviewRequest r;
  r.size = m_services.GetOverviewSize();
  r.shown = m_main.ShownChannels();
  r.selected = m_selection;
  const FluxNetwork& network = m_main.Network();
  const BurstCatalogue* bursts = network.empty() ? nullptr : &m_main.Bursts();
  const bool fresh = m_indexes.size() == network.stations.size() &&
                     std::ranges::equal(m_indexes, network.stations, {}, [](const OverviewIndex& x) { return &x.Table(); },
                                        [](const FluxSeries& s) { return &s.table; });
  if (!fresh) {
    m_indexes.clear();
    for (const FluxSeries& series : network.stations) m_indexes.emplace_back(series.table);
  }
  for (std::size_t i = 0; i < network.stations.size(); ++i) {
    const FluxSeries& series = network.stations[i];
    OverviewStrip strip{&series.table, StationName(series.StationCode()), {}, &m_indexes[i]};
    for (const FoundBurst& b : bursts->byStation[i])
      strip.bursts.push_back({RecordTime(series.table[b.peakRow]), b.channel});
    r.strips.push_back(std::move(strip));
  }
  if (const std::optional<ShownWindow> shown = m_main.Shown(); shown && shown->station < network.stations.size())
    r.shaded = SecondsOfRows(network.stations[shown->station].table, shown->rows);
  return r;
}

OverviewLayout CDayOverviewDlg::Layout() const {
  const OverviewRequest r = Request();
  return MakeOverviewLayout(r.size, TablesOf(r));
}

void CDayOverviewDlg::OnPaint() {
  auto s = m_services.AcquireOverviewSurface();
  DrawDayOverview(*s, m_main.Style(), Request());
  m_services.ReleaseOverviewSurface(std::move(s));
}

// As the slider let go at the record the click stands for, in the station
// whose strip it is in.
void CDayOverviewDlg::OnLeftButtonDown(int x, int y) {
  const FluxNetwork& network = m_main.Network();
  if (network.empty()) return;
  const OverviewLayout layout = Layout();
  const std::optional<std::size_t> station = network.stations.size() == 1 ? 0 : OverviewStripAt(layout, y);
  if (!station) return;
  const std::optional<std::size_t> row = OverviewRowNear(network.stations[*station].table, layout, x);
  if (row) m_main.ShowStationAt(*station, *row);
}

void CDayOverviewDlg::OnSpanSelected(int x1, int x2) {
  if (m_main.Network().empty()) return;
  Select(OverviewSecondsBetween(Layout(), x1, x2));
}

std::optional<RowRange> CDayOverviewDlg::SelectedRows(std::size_t station) const {
  const FluxNetwork& network = m_main.Network();
  if (!m_selection || station >= network.stations.size()) return std::nullopt;
  return RowsInSeconds(network.stations[station].table, *m_selection);
}

void CDayOverviewDlg::Select(std::optional<SecondRange> seconds) {
  m_selection = seconds;
  m_measures.clear();
  const FluxNetwork& network = m_main.Network();
  for (std::size_t i = 0; i < network.stations.size(); ++i)
    if (const std::optional<RowRange> rows = SelectedRows(i)) {
      const FluxTable& table = network.stations[i].table;
      m_measures.push_back({&table, MeasureBurst(table, rows->first, rows->last)});
    }
  TextTable table = MeasurementTable(m_measures);
  if (m_measures.empty()) table.rows.clear();
  m_services.ShowMeasurement(table);
  ShowAgreement();
  m_services.EnableOverviewButtons(!m_measures.empty(), !network.empty());
  m_services.RepaintOverview();
}

// Each station with records selected against the first of them.
void CDayOverviewDlg::ShowAgreement() {
  TextTable all{{"station", "reference", "frequency_mhz", "common_seconds", "median_ratio"}, {}};
  for (std::size_t i = 1; i < m_measures.size(); ++i) {
    const FluxTable &first = *m_measures[0].table, &other = *m_measures[i].table;
    const StationAgreement a =
        CompareStations(first, *RowsInSeconds(first, *m_selection), other, *RowsInSeconds(other, *m_selection));
    const TextTable t = AgreementTable(first, other, a);
    all.rows.insert(all.rows.end(), t.rows.begin(), t.rows.end());
  }
  m_services.ShowAgreement(all);
}

void CDayOverviewDlg::OnBurstChosen(int listed) {
  const BurstCatalogue& c = m_main.Bursts();
  if (listed < 0 || static_cast<std::size_t>(listed) >= c.list.size()) return;
  const FoundBurst& b = *c.list[static_cast<std::size_t>(listed)].burst;
  m_main.ShowBurst(static_cast<std::size_t>(listed));
  Select(SecondRange{b.begin, b.end});
}

void CDayOverviewDlg::OnMainWindowMoved() { m_services.RepaintOverview(); }

void CDayOverviewDlg::OnFilesOpened(std::string_view title) {
  m_indexes.clear();
  m_services.RetitleOverview(title);
  const FluxNetwork& network = m_main.Network();
  m_services.ShowBursts(network.empty() ? BurstTable(network, BurstCatalogue{}) : BurstTable(network, m_main.Bursts()));
  Select(std::nullopt);
}

void CDayOverviewDlg::OnCopy() {
  if (!m_measures.empty()) m_services.SetClipboardText(MeasurementClipboardText(m_measures));
}

// The selection's records, or all of them; written only where the user
// chose, and said so when it cannot be.
void CDayOverviewDlg::OnExportCsv() {
  const FluxNetwork& network = m_main.Network();
  if (network.empty()) return;
  const std::optional<std::string> path = m_services.ChooseSaveFile(m_main.ExportName() + ".csv");
  if (!path) return;
  std::vector<CsvStation> stations;
  for (std::size_t i = 0; i < network.stations.size(); ++i) {
    const FluxTable& table = network.stations[i].table;
    const std::optional<RowRange> rows = m_selection ? SelectedRows(i) : RowRange{0, table.size() - 1};
    if (rows) stations.push_back({&table, *rows});
  }
  std::ofstream out(*path, std::ios::binary | std::ios::trunc);
  if (out) WriteRecordsCsv(out, stations);
  if (!out || !out.flush()) m_services.ShowOverviewWarning("Could not write " + *path);
}

}  // namespace helvarra
