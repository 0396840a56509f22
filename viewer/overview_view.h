#pragma once
// What the day overview sees of the main window: the stations open, read
// only, the 30 minutes the main window shows and the channels it draws, the
// chart's colours; and the one thing it may ask of it, to show a station at
// a record, as the slider let go there. The main window tells the overview
// when these change (CDayOverviewDlg::OnMainWindowMoved, OnFilesOpened).

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

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
};

}  // namespace helvarra
