#pragma once
// What the day overview sees of the main window: the stations open and
// their bursts, read only, the 30 minutes the main window shows and the
// channels it draws, the chart's colours; and what it may ask of it: to show
// a station at a record, as the slider let go there, or to show a burst. The main window tells the overview
// when these change (CDayOverviewDlg::OnMainWindowMoved, OnFilesOpened).

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "analysis/burst_catalogue.h"
#include "chart/chart_style.h"
#include "data/flux_network.h"

namespace helvarra {

// The chart window of the main window.
struct ShownWindow {
  std::size_t station = 0;        // in the network's order
  std::int64_t start = 0;         // its left edge, UT
  std::optional<RowRange> rows;   // the station's records it shows (none: none in it)
};

class MainWindowView {
 public:
  virtual ~MainWindowView() = default;

  // Empty while no file is open.
  virtual const FluxNetwork& Network() const = 0;
  // None before a window is drawn.
  virtual std::optional<ShownWindow> Shown() const = 0;
  virtual std::array<bool, kChannelCount> ShownChannels() const = 0;
  virtual const ChartStyle& Style() const = 0;
  // The name an export of the open files suggests, without an extension.
  virtual std::string ExportName() const = 0;
  // The station shown in the main window at the record, as the slider let go
  // there (nothing while browsing).
  virtual void ShowStationAt(std::size_t station, std::size_t row) = 0;
  // Every station's bursts, found when first asked for after an open.
  virtual const BurstCatalogue& Bursts() const = 0;
  // The burst of the list shown in the main window (its station, a window
  // that starts five minutes before it begins).
  virtual void ShowBurst(std::size_t listed) = 0;
};

}  // namespace helvarra
