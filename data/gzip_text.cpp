#include "data/gzip_text.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include <zlib.h>

namespace helvarra {
namespace {

constexpr std::size_t kFirstBuffer = std::size_t{64} << 10;
constexpr std::size_t kMostRatio = 1032;  // deflate's largest expansion

// The stream's last four bytes: the size of the last member's text, modulo
// 2^32. Only a hint for the buffer's first size.
std::size_t TrailerSize(std::string_view compressed) {
  if (compressed.size() < 18) return 0;
  const auto* p = reinterpret_cast<const unsigned char*>(compressed.data() + compressed.size() - 4);
  return static_cast<std::size_t>(p[0]) | static_cast<std::size_t>(p[1]) << 8 | static_cast<std::size_t>(p[2]) << 16 |
         static_cast<std::size_t>(p[3]) << 24;
}

struct Inflater {
  z_stream zs{};
  bool ready = false;
  Inflater() { ready = inflateInit2(&zs, 16 + MAX_WBITS) == Z_OK; }
  ~Inflater() {
    if (ready) inflateEnd(&zs);
  }
  Inflater(const Inflater&) = delete;
  Inflater& operator=(const Inflater&) = delete;
};

InflateStatus Run(std::string_view compressed, std::size_t limit, std::string& out) {
  Inflater z;
  if (!z.ready) return InflateStatus::Corrupt;
  const auto* in = reinterpret_cast<const unsigned char*>(compressed.data());
  std::size_t consumed = 0, produced = 0;
  // Room for limit + 1 bytes at most, so that going past the limit shows.
  const std::size_t most = limit < SIZE_MAX ? limit + 1 : limit;
  // The trailer of a damaged stream may claim anything: no more than deflate
  // can expand the input to.
  const std::size_t hint = std::min(TrailerSize(compressed), compressed.size() * kMostRatio);
  out.resize(std::min(most, std::max(kFirstBuffer, hint + 1)));
  for (;;) {
    if (produced == out.size()) {
      if (out.size() >= most) return InflateStatus::TooLarge;
      out.resize(std::min(most, out.size() * 2));
    }
    const std::size_t inLeft = compressed.size() - consumed, outLeft = out.size() - produced;
    z.zs.next_in = const_cast<unsigned char*>(in + consumed);  // zlib does not write through it
    z.zs.avail_in = static_cast<uInt>(std::min<std::size_t>(inLeft, UINT_MAX));
    z.zs.next_out = reinterpret_cast<unsigned char*>(out.data() + produced);
    z.zs.avail_out = static_cast<uInt>(std::min<std::size_t>(outLeft, UINT_MAX));
    const int r = inflate(&z.zs, Z_NO_FLUSH);
    consumed = static_cast<std::size_t>(z.zs.next_in - in);
    produced = static_cast<std::size_t>(reinterpret_cast<char*>(z.zs.next_out) - out.data());
    if (produced > limit) return InflateStatus::TooLarge;
    if (r == Z_STREAM_END) {
      // Another member may follow; anything else after the stream is ignored.
      if (!StartsWithGzipMagic(compressed.substr(consumed))) break;
      if (inflateReset(&z.zs) != Z_OK) return InflateStatus::Corrupt;
      continue;
    }
    if (r != Z_OK && r != Z_BUF_ERROR) return InflateStatus::Corrupt;
    if (r == Z_BUF_ERROR && z.zs.avail_out > 0) return InflateStatus::Corrupt;  // no progress possible
    // All input taken, room left for output, and the stream not ended: cut short.
    if (consumed == compressed.size() && z.zs.avail_out > 0) return InflateStatus::Corrupt;
  }
  out.resize(produced);
  return InflateStatus::Ok;
}

}  // namespace

InflateStatus InflateGzip(std::string_view compressed, std::size_t limit, std::string& out) {
  const InflateStatus status = Run(compressed, limit, out);
  if (status != InflateStatus::Ok) {
    out.clear();
    out.shrink_to_fit();
  }
  return status;
}

}  // namespace helvarra
