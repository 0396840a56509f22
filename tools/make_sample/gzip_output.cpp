// A sample file's bytes: the text, or one gzip member of it made by zlib.

#include "tools/make_sample/gzip_output.h"

#include <array>
#include <fstream>
#include <stdexcept>

#include <zlib.h>

namespace helvarra::sample {
namespace {

// One gzip member of `text`, written to `file` a piece at a time.
void writeGzip(std::ofstream& file, const std::string& text, Packing packing) {
  const bool smallest = packing == Packing::SmallestGzip;
  z_stream zs{};
  if (deflateInit2(&zs, smallest ? 9 : 1, Z_DEFLATED, 16 + MAX_WBITS, smallest ? 9 : 8, Z_DEFAULT_STRATEGY) != Z_OK)
    throw std::runtime_error("zlib: deflateInit2");
  gz_header header{};
  header.os = 3;  // Unix, whatever the machine
  deflateSetHeader(&zs, &header);
  zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
  zs.avail_in = uInt(text.size());
  std::array<char, 1 << 16> piece;
  int result = Z_OK;
  while (result == Z_OK) {
    zs.next_out = reinterpret_cast<Bytef*>(piece.data());
    zs.avail_out = uInt(piece.size());
    result = deflate(&zs, Z_FINISH);
    file.write(piece.data(), std::streamsize(piece.size() - zs.avail_out));
  }
  deflateEnd(&zs);
  if (result != Z_STREAM_END) throw std::runtime_error("zlib: deflate");
}

}  // namespace

void writeOutput(const std::string& path, const std::string& text, Packing packing) {
  std::ofstream file(path, std::ios::binary);
  if (packing == Packing::Plain)
    file.write(text.data(), std::streamsize(text.size()));
  else
    writeGzip(file, text, packing);
  if (!file.flush()) throw std::runtime_error("cannot write " + path);
}

}  // namespace helvarra::sample
