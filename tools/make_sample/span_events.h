#pragma once
// Where things happen in a file's span, in seconds from its first record: the
// burst and the gap, zero and blank stretches the options ask for (with
// --realistic's own), and the places of --broken's broken lines.

#include <optional>
#include <vector>

#include "tools/make_sample/options.h"

namespace helvarra::sample {

struct Stretch {
  long offset;
  long count;
};

struct SpanEvents {
  std::optional<long> burst;
  std::vector<Stretch> gaps, zeros, blanks;
};

SpanEvents eventsFor(const Options& opt);

bool inside(const std::vector<Stretch>& stretches, long offset);

// --broken: one of each broken line, at 15%, 30%, 45%, 60% and 75% of the span.
struct Breaks {
  long overflow, negative, cut, noise, blank;
};

Breaks breaksFor(long span);

}  // namespace helvarra::sample
