// The options' times of day as offsets into the span, --realistic's events at
// fixed fractions of it, and where --broken puts its lines.

#include "tools/make_sample/span_events.h"

#include <algorithm>

namespace helvarra::sample {
namespace {

// A time of day is taken at its first occurrence at or after --start.
long offsetFromStart(long tod, const Options& opt) { return ((tod - opt.startTod) % kDay + kDay) % kDay; }

std::vector<Stretch> toStretches(const std::vector<std::pair<long, long>>& list, const Options& opt) {
  std::vector<Stretch> out;
  for (auto [tod, count] : list) out.push_back({offsetFromStart(tod, opt), count});
  return out;
}

// --realistic: one burst (unless --burst says when), gap, zero and blank stretch.
void addRealisticEvents(long span, SpanEvents& events) {
  auto length = [span](long wanted) { return std::max(1L, std::min(wanted, span / 20)); };
  if (!events.burst) events.burst = span * 222 / 1000;
  events.gaps.push_back({span * 401 / 1000, length(40)});
  events.zeros.push_back({span * 640 / 1000, length(20)});
  events.blanks.push_back({span * 860 / 1000, length(15)});
}

}  // namespace

SpanEvents eventsFor(const Options& opt) {
  SpanEvents events;
  if (opt.burstTod) events.burst = offsetFromStart(*opt.burstTod, opt);
  events.gaps = toStretches(opt.gaps, opt);
  events.zeros = toStretches(opt.zeros, opt);
  events.blanks = toStretches(opt.blanks, opt);
  if (opt.realistic) addRealisticEvents(opt.span(), events);
  return events;
}

bool inside(const std::vector<Stretch>& stretches, long offset) {
  return std::any_of(stretches.begin(), stretches.end(),
                     [&](const Stretch& s) { return offset >= s.offset && offset < s.offset + s.count; });
}

Breaks breaksFor(long span) {
  return {span * 150 / 1000, span * 300 / 1000, span * 450 / 1000, span * 600 / 1000, span * 750 / 1000};
}

}  // namespace helvarra::sample
