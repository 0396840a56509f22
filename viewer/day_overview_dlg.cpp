#include "viewer/day_overview_dlg.h"

#include <fstream>

#include "chart/day_overview.h"
#include "analysis/csv_export.h"
#include "analysis/measurement_text.h"
#include "resources/dialog_templates.h"
#include "viewer/flux_viewer_dlg.h"

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
      else
        result.routed = false;
      break;
    default: result.routed = false;
  }
  return result;
}

void CDayOverviewDlg::OnPaint() {
  auto s = m_services.AcquireOverviewSurface();
  std::array<bool, kChannelCount> shown{};
  for (int k = 0; k < kChannelCount; ++k) shown[static_cast<std::size_t>(k)] = m_main.ShowFlag(k) != 0;
  DrawDayOverview(*s, m_main.m_style,
                  {m_main.m_file.Table(), m_services.GetOverviewSize(), shown, m_main.ShownRows(), m_selection});
  m_services.ReleaseOverviewSurface(std::move(s));
}

// As the slider let go at the record the click stands for.
void CDayOverviewDlg::OnLeftButtonDown(int x, int /*y*/) {
  if (m_main.m_bFileLoaded != 1) return;
  const std::optional<std::size_t> row = OverviewRowAt(m_main.m_file.Table(), m_services.GetOverviewSize(), x);
  if (row) m_main.MoveWindowTo(static_cast<int>(std::min<std::size_t>(*row, INT32_MAX)));
}

void CDayOverviewDlg::OnSpanSelected(int x1, int x2) {
  if (m_main.m_bFileLoaded != 1) return;
  Select(OverviewRowsBetween(m_main.m_file.Table(), m_services.GetOverviewSize(), x1, x2));
}

void CDayOverviewDlg::Select(std::optional<RowRange> rows) {
  m_selection = rows;
  m_measure.reset();
  if (rows) m_measure = MeasureBurst(m_main.m_file.Table(), rows->first, rows->last);
  m_services.ShowMeasurement(m_measure ? MeasurementCsv(m_main.m_file.Table(), *m_measure) : std::string());
  m_services.RepaintOverview();
}

void CDayOverviewDlg::OnCopy() {
  if (m_measure) m_services.SetClipboardText(MeasurementClipboardText(m_main.m_file.Table(), *m_measure));
}

// The selection's records, or the whole file's; written only where the user
// chose, and said so when it cannot be.
void CDayOverviewDlg::OnExportCsv() {
  const FluxTable& table = m_main.m_file.Table();
  if (m_main.m_bFileLoaded != 1 || table.empty()) return;
  const std::optional<std::string> path = m_services.ChooseSaveFile(m_main.m_strFileName + ".csv");
  if (!path) return;
  const RowRange rows = m_selection.value_or(RowRange{0, table.size() - 1});
  std::ofstream out(*path, std::ios::binary | std::ios::trunc);
  if (out) WriteRecordsCsv(out, table, rows.first, rows.last);
  if (!out || !out.flush()) m_services.ShowWarning("Could not write " + *path);
}

}  // namespace helvarra
