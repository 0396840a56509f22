#pragma once
// The day overview, a window of its own beside the main one: every station
// open, a strip each, on one UT axis, the main window's 30 minutes shaded. A
// click in a station's strip shows that station in the main window there, as
// a slider release at that record would; a drag across it (or a Shift+drag
// in the main chart) selects a stretch, which is measured at every station
// with records in it, channel by channel, and shown as a table under the
// picture; "Copy" puts the table and the events-list lines on the
// clipboard; "Export CSV..." writes the selection's records (or all of them)
// where the user chooses. It sees the main window only through its view.

#include <optional>
#include <string>
#include <vector>

#include "analysis/measurement_text.h"
#include "chart/day_overview.h"
#include "viewer/overview_services.h"
#include "viewer/overview_view.h"

namespace helvarra {

class CDayOverviewDlg : public DialogEvents {
 public:
  CDayOverviewDlg(MainWindowView& main, OverviewServices& services) : m_main(main), m_services(services) {}

  bool InitWindow() override { return true; }
  // Routes the overview's events: paint, click, drag, the two buttons.
  EventResult Dispatch(const WindowEvent& event) override;

  void OnPaint();
  void OnLeftButtonDown(int x, int y);
  void OnSpanSelected(int x1, int x2);
  void OnCopy();
  void OnExportCsv();
  // A burst of the list chosen: shown in the main window and measured.
  void OnBurstChosen(int listed);

  // What the main window tells it: its chart window moved (the shade
  // follows); other files opened, or none (no selection, a new title).
  void OnMainWindowMoved();
  void OnFilesOpened(std::string_view title);

  // The stretch to measure, UT (none: no selection), the window repainted.
  void Select(std::optional<SecondRange> seconds);
  const std::optional<SecondRange>& Selection() const { return m_selection; }
  // A station's records in the selection (none: none there, or no selection).
  std::optional<RowRange> SelectedRows(std::size_t station) const;
  // What was measured, one entry for each station with records selected.
  const std::vector<StationMeasurement>& Measurements() const { return m_measures; }

 private:
  OverviewRequest Request() const;
  OverviewLayout Layout() const;
  void ShowAgreement();

  MainWindowView& m_main;
  OverviewServices& m_services;
  std::optional<SecondRange> m_selection;
  std::vector<StationMeasurement> m_measures;
  mutable std::vector<OverviewIndex> m_indexes;  // a station's each, made at the first paint of its files
};

}  // namespace helvarra
