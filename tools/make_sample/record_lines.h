#pragma once
// The line writers. A 68-byte record is 66 characters, then CR LF:
//   0-3   station code          4-5   two blanks
//   6-17  YYMMDDhhmmss (UT)     18    blank
//   19-60 channels 0..6, "%6d" each
//   61-65 channel 7, "%5d" (so it stays <= 99999)
// A line of the RSTN archive's layout (--width W):
//   0-3   station code          4-17  YYYYMMDDhhmmss (UT)
//   18-   channels 0..7, "%*d" with width W (6, 7 or 8): 66, 74 or 82 characters

#include <array>
#include <chrono>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "tools/make_sample/flux_model.h"

namespace helvarra::sample {

using Values = std::array<long, kChannels>;
using Field = std::optional<long>;  // empty: a blank field

// The flux as a 68-byte record holds it: rounded, 0..999999, channel 7 0..99999.
Values recordValues(const Flux& flux);

// The flux as the archive's layout of the given width holds it: rounded, below 10^width.
Values archiveValues(const Flux& flux, int width);

// A 68-byte record of a 4-character station code; no values: blank channel fields.
void appendRecord(std::string& text, std::string_view station, std::chrono::sys_seconds when, const Values* values,
                  std::string_view lineEnd);

// A line of the archive's layout with the given fields, each "%*ld" of `width`
// (a wider value pushes the rest to the right), then `end`.
void appendArchiveLine(std::string& text, std::string_view station, std::chrono::sys_seconds when,
                       std::span<const Field> fields, int width, std::string_view end);

// A value `extra` characters wider than a field of `width`.
long widerThan(int width, int extra, bool negative);

}  // namespace helvarra::sample
