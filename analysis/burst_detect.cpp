#include "analysis/burst_detect.h"

#include <algorithm>
#include <optional>
#include <tuple>

#include "analysis/burst_threshold.h"
#include "analysis/flux_window.h"
#include "data/record_time.h"

namespace helvarra {
namespace {

constexpr std::int32_t kNoFlux = -1;

// Rows first to last, and the quiet level at the first: a run of records at
// or above quiet level + threshold, or a burst of such runs.
struct Stretch {
  std::size_t first = 0, last = 0;
  double quiet = 0;
};

// One channel, record by record: the quiet window slides along, runs grow
// and end, and runs close enough together make one burst.
struct ChannelScan {
  std::span<const std::int64_t> times;
  std::span<const std::int32_t> flux;  // the channel's flux; kNoFlux where IsFlux says none
  int k = 0;
  FluxWindow& window;
  std::vector<FoundBurst>& found;
  std::size_t enter = 0, leave = 0;  // the window holds the flux of rows [leave, enter)
  std::optional<Stretch> run{}, burst{};

  void Scan() {
    for (std::size_t row = 0; row < flux.size(); ++row) {
      Slide(times[row]);
      const std::optional<double> quiet = QuietUnder(row);
      if (run && (!quiet || times[row] - times[run->last] > kGapSeconds)) EndRun();
      if (!quiet) continue;
      if (run) {
        run->last = row;
      } else {
        run = Stretch{row, row, *quiet};
      }
    }
    if (run) EndRun();
    if (burst) EndBurst();
  }

  // The window to the records of [t - 660, t - 60).
  void Slide(std::int64_t t) {
    for (; enter < flux.size() && times[enter] < t - kQuietLagSeconds; ++enter)
      if (flux[enter] != kNoFlux) window.Insert(flux[enter]);
    for (; leave < enter && times[leave] < t - kQuietLagSeconds - kQuietSeconds; ++leave)
      if (flux[leave] != kNoFlux) window.Erase(flux[leave]);
  }

  // The quiet level where the row's flux is at or above it plus the
  // threshold; none where it is not, or there is no quiet level.
  std::optional<double> QuietUnder(std::size_t row) {
    if (flux[row] == kNoFlux || window.Size() < kLeastQuietValues) return std::nullopt;
    const std::int64_t twiceMedian = window.TwiceMedian();
    if (!ReachesThreshold(window, twiceMedian, flux[row])) return std::nullopt;
    return static_cast<double>(twiceMedian) / 2;
  }

  void EndRun() {
    const Stretch ended = *run;
    run.reset();
    if (ended.last - ended.first + 1 < kLeastRunRecords) return;
    if (burst && times[ended.first] - times[burst->last] < kJoinSeconds) {
      burst->last = ended.last;
      return;
    }
    if (burst) EndBurst();
    burst = ended;
  }

  void EndBurst() {
    const auto [first, last, quiet] = *burst;
    burst.reset();
    FoundBurst b{.channel = k,
                 .beginRow = first,
                 .peakRow = first,
                 .endRow = last,
                 .begin = times[first],
                 .end = times[last],
                 .background = quiet,
                 .peak = flux[first]};
    for (std::size_t row = first + 1; row <= last; ++row) {
      if (flux[row] > b.peak) b.peakRow = row, b.peak = flux[row];  // kNoFlux never is
    }
    b.peakAboveBackground = b.peak - b.background;
    found.push_back(b);
  }
};

}  // namespace

std::vector<FoundBurst> FindBursts(std::span<const FluxRecord> records) {
  std::vector<std::int64_t> times(records.size());
  std::transform(records.begin(), records.end(), times.begin(), [](const FluxRecord& r) { return RecordTime(r); });
  std::vector<std::int32_t> flux(records.size());  // one channel at a time
  FluxWindow window;
  std::vector<FoundBurst> found;
  for (int k = 0; k < kChannelCount; ++k) {
    std::transform(records.begin(), records.end(), flux.begin(),
                   [k](const FluxRecord& r) { return r.IsFlux(k) ? r.Value(k) : kNoFlux; });
    if (k > 0) window.Clear();
    ChannelScan{.times = times, .flux = flux, .k = k, .window = window, .found = found}.Scan();
  }
  std::sort(found.begin(), found.end(), [](const FoundBurst& a, const FoundBurst& b) {
    return std::tie(a.begin, a.channel) < std::tie(b.begin, b.channel);
  });
  return found;
}

}  // namespace helvarra
