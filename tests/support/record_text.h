#pragma once
// Small helpers for tests that need flux data files: building record lines in
// the file's fixed-column layout and in the archive's layout, gzip-compressing,
// writing bytes to a file, and a scratch directory that removes itself.

#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>

#include <unistd.h>
#include <zlib.h>

namespace helvarra::test {

// The 66 characters of one record, without a line end: station code in 0-3,
// YYMMDDHHMMSS in 6-17, channels 0-6 as "%6d" from 19 + 6k, channel 7 as "%5d"
// in 61-65.
inline std::string RecordBody(std::string_view station, int yy, int mo, int dd, int h, int mi, int s,
                              const std::array<int, 8>& values) {
  char buf[128];
  int n = std::snprintf(buf, sizeof buf, "%-4.4s  %02d%02d%02d%02d%02d%02d ", std::string(station).c_str(), yy, mo, dd,
                        h, mi, s);
  for (int k = 0; k < 7; ++k) n += std::snprintf(buf + n, sizeof buf - static_cast<std::size_t>(n), "%6d", values[k]);
  n += std::snprintf(buf + n, sizeof buf - static_cast<std::size_t>(n), "%5d", values[7]);
  if (n != 66) throw std::logic_error("record body is not 66 characters: " + std::string(buf));
  return std::string(buf, 66);
}

// One record as it is stored in a file: 66 characters and CR LF (68 bytes).
inline std::string RecordLine(std::string_view station, int yy, int mo, int dd, int h, int mi, int s,
                              const std::array<int, 8>& values) {
  return RecordBody(station, yy, mo, dd, h, mi, s, values) + "\r\n";
}

// One line of the archive's layout, without a line end: station code, a
// four-digit year, MMDDhhmmss, then the eight values as printf "%*d" with the
// given width (a value wider than that pushes the rest to the right).
inline std::string ArchiveBody(std::string_view station, int year, int mo, int dd, int h, int mi, int s,
                               const std::array<int, 8>& values, int width) {
  char buf[256];
  int n = std::snprintf(buf, sizeof buf, "%-4.4s%04d%02d%02d%02d%02d%02d", std::string(station).c_str(), year, mo, dd,
                        h, mi, s);
  for (int k = 0; k < 8; ++k)
    n += std::snprintf(buf + n, sizeof buf - static_cast<std::size_t>(n), "%*d", width,
                       values[static_cast<std::size_t>(k)]);
  return std::string(buf, static_cast<std::size_t>(n));
}

// `text` as one gzip member (zlib's gzip writer, no time in the header).
inline std::string Gzip(std::string_view text, int level = 6) {
  z_stream zs{};
  if (deflateInit2(&zs, level, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
    throw std::runtime_error("deflateInit2 failed");
  std::string out(deflateBound(&zs, static_cast<uLong>(text.size())), '\0');
  zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
  zs.avail_in = static_cast<uInt>(text.size());
  zs.next_out = reinterpret_cast<Bytef*>(out.data());
  zs.avail_out = static_cast<uInt>(out.size());
  const int r = deflate(&zs, Z_FINISH);
  out.resize(zs.total_out);
  deflateEnd(&zs);
  if (r != Z_STREAM_END) throw std::runtime_error("deflate failed");
  return out;
}

inline void WriteFile(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

// A fresh, uniquely named directory under the system temp directory, removed
// with its contents when the object goes.
class TempDir {
 public:
  TempDir() {
    static std::atomic<unsigned> counter{0};
    const auto base = std::filesystem::temp_directory_path();
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    for (int attempt = 0;; ++attempt) {
      path_ = base / ("helvarra-test-" + std::to_string(::getpid()) + "-" + std::to_string(stamp) + "-" +
                      std::to_string(counter++));
      if (std::filesystem::create_directory(path_)) break;
      if (attempt > 100) throw std::runtime_error("cannot make a temp directory");
    }
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

}  // namespace helvarra::test
