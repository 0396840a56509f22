#pragma once
// The day overview, a window of its own beside the main one: the whole file
// in one picture with the main window's 30 minutes shaded. A click moves the
// main window there, as a slider release at that record would; a drag across
// it (or a Shift+drag in the main chart) selects a stretch, which is measured
// channel by channel and shown as a table under the picture; "Copy" puts the
// table and the events-list lines on the clipboard; "Export CSV..." writes
// the selection's records (or the whole file's) where the user chooses.

#include <optional>
#include <string>

#include "chart/overview_geometry.h"
#include "analysis/burst_measure.h"
#include "viewer/window_services.h"

namespace helvarra {

class CFluxViewerDlg;

class CDayOverviewDlg : public DialogEvents {
 public:
  CDayOverviewDlg(CFluxViewerDlg& main, WindowServices& services) : m_main(main), m_services(services) {}

  bool InitWindow() override { return true; }
  // Routes the overview's events: paint, click, drag, the two buttons.
  EventResult Dispatch(const WindowEvent& event) override;

  void OnPaint();
  void OnLeftButtonDown(int x, int y);
  void OnSpanSelected(int x1, int x2);
  void OnCopy();
  void OnExportCsv();

  // The records to measure (none: no selection), the window repainted.
  void Select(std::optional<RowRange> rows);
  const std::optional<RowRange>& Selection() const { return m_selection; }
  const std::optional<BurstMeasure>& Measurement() const { return m_measure; }

 private:
  std::string Csv() const;

  CFluxViewerDlg& m_main;
  WindowServices& m_services;
  std::optional<RowRange> m_selection;
  std::optional<BurstMeasure> m_measure;
};

}  // namespace helvarra
