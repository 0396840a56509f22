#pragma once
// A text's lines. A line ends at LF, at CR LF, or at CR: a run of CRs ends a
// line, with the LF that follows it if there is one (so CR CR LF is one line
// end, and a lone CR is one too).

#include <cstdint>
#include <cstring>
#include <string_view>

namespace helvarra {

struct LineEndCounts {
  std::uint64_t lf = 0, crlf = 0, cr = 0;
};

// Calls f(line, length) for every line, its line end left out, until f
// returns false. Counts the line ends into `counts` if given.
template <typename F>
void ForEachLine(std::string_view text, LineEndCounts* counts, F&& f) {
  const char* p = text.data();
  const char* const end = p + text.size();
  while (p < end) {
    const auto* lf = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
    const char* const segmentEnd = lf != nullptr ? lf : end;
    const auto* cr = static_cast<const char*>(std::memchr(p, '\r', static_cast<std::size_t>(segmentEnd - p)));
    const char* const lineEnd = cr != nullptr ? cr : segmentEnd;
    const char* next = segmentEnd < end ? segmentEnd + 1 : end;
    std::uint64_t LineEndCounts::*kind = &LineEndCounts::lf;
    if (cr != nullptr) {
      const char* q = cr;
      while (q < segmentEnd && *q == '\r') ++q;
      if (q == segmentEnd) {
        kind = lf != nullptr ? &LineEndCounts::crlf : &LineEndCounts::cr;
      } else {
        kind = &LineEndCounts::cr;
        next = q;
      }
    }
    if (counts != nullptr && (lf != nullptr || cr != nullptr)) ++(counts->*kind);
    if (!f(p, static_cast<std::size_t>(lineEnd - p))) return;
    p = next;
  }
}

}  // namespace helvarra
