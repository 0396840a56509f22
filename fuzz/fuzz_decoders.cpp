// Fuzzing the one decoder with arbitrary bytes: decoded as text directly,
// read as a record body at each width, opened as a file (so, for bytes with
// the gzip magic, through the inflater), and gzip-compressed in here and
// opened again. Besides the sanitizers, the invariants of a table are
// checked, and the ways to the records must agree; a broken one aborts.
//
// Built two ways: with libFuzzer (clang, `make fuzz`, HELVARRA_FUZZ_DECODERS_MAIN
// defined), and into the replay program that runs the saved inputs of
// fuzz/regressions as a test.

#include <unistd.h>
#include <zlib.h>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "data/archive_fields.h"
#include "data/flux_data_file.h"
#include "data/flux_decoder.h"
#include "data/gzip_text.h"

namespace {

using namespace helvarra;

void Require(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "fuzz_decoders: invariant broken: %s\n", what);
    std::abort();
  }
}

void CheckTable(const FluxTable& t) {
  Require(t.layout.width >= 6 && t.layout.width <= 8, "width");
  Require(t.layout.alignment == Alignment::Archive || t.layout.width == 6, "the record table's alignment is 6-wide");
  for (int k = 0; k < kChannelCount; ++k) {
    std::uint64_t holes = 0;
    for (auto n : t.stats.holes[static_cast<std::size_t>(k)]) holes += n;
    std::uint64_t marked = 0;
    for (const FluxRecord& r : t.records) {
      marked += r.IsHole(k);
      if (r.IsHole(k)) Require(r.Value(k) == 0, "a hole reads 0");
    }
    Require(holes == marked, "holes counted as marked");
  }
  for (const FluxRecord& r : t.records)
    Require(r.hour < 100 && r.minute < 100 && r.second < 100 && r.month < 100 && r.day < 100, "two-digit fields");
}

void CheckFields(std::string_view body, int w) {
  const FieldValues f = ReadArchiveFields(body, w);
  for (int k = 0; k < kChannelCount; ++k) {
    const auto ku = static_cast<std::size_t>(k);
    if (f.causes[ku] != HoleCause::None) Require(f.values[ku] == 0, "a hole reads 0");
    if (f.causes[ku] == HoleCause::CutShort)
      Require(body.size() < static_cast<std::size_t>(8 * w), "cut short only when short");
  }
}

bool SameRecords(const FluxTable& a, const FluxTable& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i].Station() != b[i].Station() || a[i].SecondOfDay() != b[i].SecondOfDay() || a[i].values != b[i].values ||
        a[i].holes != b[i].holes)
      return false;
  return true;
}

std::string Compress(std::string_view text) {
  z_stream zs{};
  deflateInit2(&zs, 1, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
  std::string out(deflateBound(&zs, static_cast<uLong>(text.size())), '\0');
  zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
  zs.avail_in = static_cast<uInt>(text.size());
  zs.next_out = reinterpret_cast<Bytef*>(out.data());
  zs.avail_out = static_cast<uInt>(out.size());
  deflate(&zs, Z_FINISH);
  out.resize(zs.total_out);
  deflateEnd(&zs);
  return out;
}

const std::string& ScratchPath() {
  static const std::string path =
      (std::filesystem::temp_directory_path() / ("helvarra-fuzz-decoders-" + std::to_string(::getpid()) + ".gz"))
          .string();
  return path;
}

void WriteScratch(std::string_view bytes) {
  std::ofstream out(ScratchPath(), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

extern "C" int HelvarraFuzzDecoders(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const FluxTable decoded = DecodeFluxText(bytes);
  CheckTable(decoded);
  for (int w : {6, 7, 8}) CheckFields(bytes.substr(0, 200), w);

  // The bytes as a file: uncompressed, the decoder's records.
  FluxDataFile file;
  WriteScratch(bytes);
  if (file.Open(ScratchPath()) && !file.Table().layout.compressed)
    Require(SameRecords(decoded, file.Table()), "opened text gives the decoder's records");
  file.Close();

  // The bytes compressed: opens exactly when the text holds a record, with the same records.
  WriteScratch(Compress(bytes));
  const bool opened = file.Open(ScratchPath());
  Require(opened == !decoded.empty(), "compressed text opens when it holds a record");
  if (opened) Require(file.Table().layout.compressed && SameRecords(decoded, file.Table()), "compressed, the same");
  file.Close();
  std::filesystem::remove(ScratchPath());

  // The inflater alone, with a small bound.
  std::string out;
  if (InflateGzip(bytes, 1 << 16, out) == InflateStatus::Ok)
    Require(out.size() <= (1 << 16), "bound kept");
  else
    Require(out.empty(), "nothing kept after a failure");
  return 0;
}

#ifdef HELVARRA_FUZZ_DECODERS_MAIN
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return HelvarraFuzzDecoders(data, size);
}
#endif
