// Fuzzing the one decoder, two ways, chosen by the input's first byte.
//
// Arbitrary bytes: decoded as text directly, read as a record body at each
// width and in the record table's grid, opened as a file (so, for bytes with
// the gzip magic, through the inflater), and gzip-compressed in here and
// opened again. Besides the sanitizers, the invariants of a table are
// checked, and the ways to the records must agree.
//
// An input that starts with kWellFormed is a recipe for text, well-formed
// but for the broken lines it asks for (fuzz/well_formed_text.h): decoded
// directly or opened as a plain or gzip file, and compared record by record
// (station, date, time, every value and hole), with the layout and the
// counts, against the reference reader (fuzz/reference_reader.h), which knows
// the layout the text was written in.
//
// A broken promise or a difference aborts, after saying what it was.
//
// Built two ways: with libFuzzer (clang, `make fuzz`, HELVARRA_FUZZ_DECODERS_MAIN
// defined), and into the replay program that runs the saved inputs of
// fuzz/regressions as a test.

#include <unistd.h>
#include <zlib.h>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "data/field_rules.h"
#include "data/flux_data_file.h"
#include "data/flux_decoder.h"
#include "data/gzip_text.h"
#include "fuzz/reference_reader.h"
#include "fuzz/well_formed_text.h"

namespace {

using namespace helvarra;

constexpr unsigned char kWellFormed = 0xFF;  // the first byte of a recipe

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
  using namespace std::chrono;
  for (const FluxRecord& r : t.records)
    Require(
        year_month_day{year{r.year}, month{r.month}, day{r.day}}.ok() && r.hour < 24 && r.minute < 60 && r.second <= 60,
        "every record's date and time exist");
}

void CheckFields(std::string_view body, const FieldGrid& grid) {
  const FieldValues f = ReadFields(body, grid);
  for (int k = 0; k < kChannelCount; ++k) {
    const auto ku = static_cast<std::size_t>(k);
    if (f.causes[ku] != HoleCause::None) Require(f.values[ku] == 0, "a hole reads 0");
    if (f.causes[ku] == HoleCause::CutShort)
      Require(body.size() < static_cast<std::size_t>(grid.Total()), "cut short only when short");
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

// `got` where the reference reader read `expected` (in a record and a
// channel, if given): aborts, saying where, if they differ.
void Same(long got, long expected, const char* what, long record = -1, int channel = -1) {
  if (got == expected) return;
  std::fprintf(stderr, "fuzz_decoders: differs from the reference: %s", what);
  if (record >= 0) std::fprintf(stderr, ", record %ld", record);
  if (channel >= 0) std::fprintf(stderr, ", channel %d", channel);
  std::fprintf(stderr, ": expected %ld, decoded %ld\n", expected, got);
  std::abort();
}

void CompareLayout(const FluxTable& t, const fuzz::WellFormedText& w) {
  const bool table = fuzz::IsRecordTable(w.layout);
  Same(t.layout.width, fuzz::FieldWidth(w.layout), "width");
  Same(t.layout.alignment == Alignment::RecordTable, table, "the record table's alignment");
  const LineEnds ends = w.lineEnd == "\n" ? LineEnds::Lf : w.lineEnd == "\r" ? LineEnds::Cr : LineEnds::CrLf;
  Same(static_cast<long>(t.layout.lineEnds), static_cast<long>(ends), "line ends");
  Same(t.layout.compressed, w.delivery == fuzz::Delivery::GzipFile, "compressed");
  Same(static_cast<long>(t.stats.linesSkipped), w.otherLines, "lines skipped");
  Same(static_cast<long>(t.stats.resynchronised), 0, "records re-synchronised");
}

void CompareRecords(const FluxTable& t, const fuzz::ReferenceReading& ref) {
  Same(static_cast<long>(t.size()), static_cast<long>(ref.records.size()), "records");
  std::array<long, kChannelCount> blank{}, unsure{};
  for (std::size_t i = 0; i < t.size(); ++i) {
    const FluxRecord& d = t[i];
    const fuzz::ReferenceRecord& e = ref.records[i];
    const auto at = static_cast<long>(i);
    if (d.Station() != e.station)
      std::fprintf(stderr, "station %.4s, expected %s\n", d.station.data(), e.station.c_str());
    Same(d.Station() == e.station, true, "station", at);
    Same(d.year, e.year, "year", at);
    Same(d.month, e.month, "month", at);
    Same(d.day, e.day, "day", at);
    Same(d.hour, e.hour, "hour", at);
    Same(d.minute, e.minute, "minute", at);
    Same(d.second, e.second, "second", at);
    for (int k = 0; k < kChannelCount; ++k) {
      const bool hole = ((e.holes >> k) & 1) != 0;
      Same(d.IsHole(k), hole, "hole", at, k);
      Same(d.Value(k), e.values[static_cast<std::size_t>(k)], "value", at, k);
      const bool unsureHole = ((e.unsure >> k) & 1) != 0;
      blank[static_cast<std::size_t>(k)] += hole && !unsureHole;
      unsure[static_cast<std::size_t>(k)] += unsureHole;
    }
  }
  for (int k = 0; k < kChannelCount; ++k) {
    const auto ku = static_cast<std::size_t>(k);
    Same(static_cast<long>(t.stats.Holes(k, HoleCause::Blank)), blank[ku], "blank holes", -1, k);
    long other = 0;
    for (HoleCause c : {HoleCause::NotANumber, HoleCause::Overflow, HoleCause::CutShort})
      other += static_cast<long>(t.stats.Holes(k, c));
    Same(other, unsure[ku], "holes of a broken line's field that cannot be told", -1, k);
  }
}

// Excluded recipes: a 6-wide archive text every line of which the record
// table's writer could have written too (say, one whose values are all
// blank) is taken in the record table's alignment, legitimately: the text
// cannot tell. Such recipes are skipped.
void CheckWellFormed(std::string_view recipe) {
  const fuzz::WellFormedText w = fuzz::MakeWellFormedText(recipe);
  if (!w.layoutCanBeTold) return;
  const fuzz::ReferenceReading ref = fuzz::ReadReference(w.text, w.layout, w.lineEnd);
  Require(ref.readable && fuzz::ReadsAsWritten(ref.records, w) && ref.otherLines == w.otherLines,
          "harness: the reference reader reads what was written");
  if (w.delivery == fuzz::Delivery::Text) {
    const FluxTable decoded = DecodeFluxText(w.text);
    CompareLayout(decoded, w);
    CompareRecords(decoded, ref);
    return;
  }
  WriteScratch(w.delivery == fuzz::Delivery::GzipFile ? Compress(w.text) : w.text);
  FluxDataFile file;
  Require(file.Open(ScratchPath()), "well-formed text opens");
  CompareLayout(file.Table(), w);
  CompareRecords(file.Table(), ref);
  file.Close();
  std::filesystem::remove(ScratchPath());
}

}  // namespace

extern "C" int HelvarraFuzzDecoders(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (size > 0 && data[0] == kWellFormed) {
    CheckWellFormed(bytes.substr(1));
    return 0;
  }
  const FluxTable decoded = DecodeFluxText(bytes);
  CheckTable(decoded);
  for (int w : {6, 7, 8}) CheckFields(bytes.substr(0, 200), ArchiveGrid(w));
  CheckFields(bytes.substr(0, 200), kRecordTableGrid);

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
