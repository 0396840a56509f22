// Fuzzing the archive's decoders with arbitrary bytes: decoded as archive text
// directly, read as a record body at each width, opened as a file (so through
// the choice of kind and, for bytes with the gzip magic, the inflater), and
// gzip-compressed in here and opened again. Besides the sanitizers, the
// invariants of a decoding are checked, and the three ways to the records must
// agree; a broken one aborts.
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

#include "data/archive_text.h"
#include "data/flux_data_file.h"
#include "data/gzip_text.h"
#include "data/record_fields.h"

namespace {

using namespace helvarra;

void Require(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "fuzz_decoders: invariant broken: %s\n", what);
    std::abort();
  }
}

bool Digit(char c) { return c >= '0' && c <= '9'; }

void CheckDecoding(const ArchiveDecoding& d) {
  Require(d.text.size() % kDecodedChars == 0, "text is whole records");
  Require(d.stats.records == d.Count(), "record count");
  Require(d.stats.width >= 6 && d.stats.width <= 8, "width");
  for (int k = 0; k < kArchiveFields; ++k) {
    std::uint64_t holes = 0;
    for (auto n : d.stats.holes[static_cast<std::size_t>(k)]) holes += n;
    Require(holes <= d.Count(), "holes of a channel within the records");
  }
  for (std::size_t i = 1; i < d.wide.size(); ++i)
    Require(d.wide[i - 1].index < d.wide[i].index, "wide records ascending");
  if (!d.wide.empty()) Require(d.wide.back().index < d.Count(), "wide record index");
  FluxRecord r;
  for (std::size_t i = 0; i < d.Count(); ++i) {
    d.Deliver(i, r);
    const std::string_view t = r.View();
    Require(r.length == 67 && t[66] == '\n', "record is 67 characters with its line feed");
    Require(StartsWithArchiveHeader(t), "record starts with a header");
    Require(t[18] == ' ', "blank before the values");
    for (std::size_t c = 19; c < 66; ++c)
      Require(t[c] == ' ' || t[c] == '-' || t[c] == '*' || Digit(t[c]), "value columns");
    // Without values of its own, the text's columns are the values.
    if (!r.hasValues)
      for (int k = 0; k < kArchiveFields; ++k) Require(ChannelValue(r, k) == ChannelValue(t, k), "text reads back");
  }
}

void CheckFields(std::string_view body, int w) {
  const ArchiveFields f = ReadArchiveFields(body, w);
  for (int k = 0; k < kArchiveFields; ++k) {
    const auto ku = static_cast<std::size_t>(k);
    if (f.causes[ku] != HoleCause::None) Require(f.values[ku] == 0, "a hole reads 0");
    if (f.causes[ku] == HoleCause::CutShort)
      Require(body.size() < static_cast<std::size_t>(8 * w), "cut short only when short");
  }
}

bool SameRecords(const ArchiveDecoding& d, FluxDataFile& file) {
  if (file.GetLength() != std::uint64_t{kRecordBytes} * d.Count()) return false;
  FluxRecord a, b;
  file.Seek(0, FluxDataFile::Origin::Begin);
  for (std::size_t i = 0; i < d.Count(); ++i) {
    d.Deliver(i, a);
    if (!file.ReadRecord(b) || a.View() != b.View() || a.hasValues != b.hasValues) return false;
    for (int k = 0; k < kArchiveFields; ++k)
      if (ChannelValue(a, k) != ChannelValue(b, k)) return false;
  }
  return !file.ReadRecord(b);
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

  const ArchiveDecoding decoded = DecodeArchiveText(bytes);
  CheckDecoding(decoded);
  for (int w : {6, 7, 8}) CheckFields(bytes.substr(0, 200), w);

  // The bytes as a file: whatever kind it is read as, reading it through
  // keeps to 67 characters a read; decoded text gives the decoder's records.
  FluxDataFile file;
  WriteScratch(bytes);
  if (file.Open(ScratchPath())) {
    const FluxDataFile::Facts& facts = file.GetFacts();
    if (facts.kind == FluxDataFile::Kind::ArchiveText && !facts.compressed) {
      Require(SameRecords(decoded, file), "opened text gives the decoder's records");
    } else if (facts.compressed) {
      std::string text;
      Require(InflateGzip(bytes, kMaxTextBytes, text) == InflateStatus::Ok, "opened gzip inflates");
      const ArchiveDecoding inner = DecodeArchiveText(text);
      CheckDecoding(inner);
      Require(SameRecords(inner, file), "opened gzip gives the decoder's records");
    } else {
      FluxRecord r;
      for (int i = 0; i < 4000 && file.ReadRecord(r); ++i) Require(r.length >= 1 && r.length <= 67, "a read's length");
    }
    file.Close();
  }

  // The bytes compressed: opens exactly when the text holds a record.
  WriteScratch(Compress(bytes));
  const bool opened = file.Open(ScratchPath());
  Require(opened == (decoded.Count() > 0), "compressed text opens when it holds a record");
  if (opened)
    Require(file.GetFacts().compressed && SameRecords(decoded, file), "compressed text gives the same records");
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
