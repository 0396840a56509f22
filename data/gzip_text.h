#pragma once
// gzip-compressed files, inflated in memory with libdeflate: one member or several
// in a row (as zcat reads them), never more than a given number of bytes.

#include <cstddef>
#include <string>
#include <string_view>

namespace helvarra {

// The most text the viewer takes from one file, inflated or not.
inline constexpr std::size_t kMaxTextBytes = std::size_t{64} << 20;

// True if the bytes start with the gzip magic, 1f 8b.
inline bool StartsWithGzipMagic(std::string_view bytes) {
  return bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0x1f &&
         static_cast<unsigned char>(bytes[1]) == 0x8b;
}

enum class InflateStatus { Ok, Corrupt, TooLarge };

// Inflates the gzip stream `compressed` into `out`. Corrupt: a damaged or
// truncated stream (a bad check sum included). TooLarge: it inflates to more
// than `limit` bytes (found after at most limit + 1 bytes of output). Bytes
// after the last member that do not start another member are ignored, as
// zcat ignores them. On failure `out` is emptied.
InflateStatus InflateGzip(std::string_view compressed, std::size_t limit, std::string& out);

}  // namespace helvarra
