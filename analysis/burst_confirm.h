#pragma once
// Bursts seen by more than one station. A burst is confirmed by each other
// station with a burst at the same frequency whose begin-end (UT, both ends
// included) overlaps its own; a station with no records then cannot have one.

#include <span>
#include <vector>

#include "analysis/burst_detect.h"

namespace helvarra {

// Sets each burst's `stations`: 1, itself, and 1 for every other station
// that confirms it. Each list is one station's, as FindBursts made it (at one
// frequency, a station's bursts follow each other without overlapping).
void ConfirmBursts(std::span<std::vector<FoundBurst>> stations);

}  // namespace helvarra
