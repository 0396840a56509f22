#include "data/gzip_text.h"

#include <libdeflate.h>

#include <algorithm>
#include <memory>

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

struct FreeDecompressor {
  void operator()(libdeflate_decompressor* d) const { libdeflate_free_decompressor(d); }
};

// Each member whole into the room left after the text so far; a member that
// does not fit is inflated again into a buffer twice the size, up to room
// for limit + 1 bytes, so that going past the limit shows.
InflateStatus Run(std::string_view compressed, std::size_t limit, std::string& out) {
  const std::unique_ptr<libdeflate_decompressor, FreeDecompressor> d(libdeflate_alloc_decompressor());
  if (!d) return InflateStatus::Corrupt;
  const std::size_t most = limit < SIZE_MAX ? limit + 1 : limit;
  // The trailer of a damaged stream may claim anything: no more than deflate
  // can expand the input to.
  const std::size_t hint = std::min(TrailerSize(compressed), compressed.size() * kMostRatio);
  out.resize(std::min(most, std::max(kFirstBuffer, hint + 1)));
  std::size_t consumed = 0, produced = 0;
  for (;;) {
    std::size_t in = 0, made = 0;
    const libdeflate_result r =
        libdeflate_gzip_decompress_ex(d.get(), compressed.data() + consumed, compressed.size() - consumed,
                                      out.data() + produced, out.size() - produced, &in, &made);
    if (r == LIBDEFLATE_INSUFFICIENT_SPACE) {
      if (out.size() >= most) return InflateStatus::TooLarge;
      out.resize(std::min(most, out.size() * 2));
      continue;
    }
    if (r != LIBDEFLATE_SUCCESS) return InflateStatus::Corrupt;
    consumed += in;
    produced += made;
    if (produced > limit) return InflateStatus::TooLarge;
    // Another member may follow; anything else after the stream is ignored.
    if (!StartsWithGzipMagic(compressed.substr(consumed))) break;
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
