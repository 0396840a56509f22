// Opening the archive's files: how Open tells the kinds apart, the 6-wide CR LF
// records read by the archive's columns, gzip failures, a decoded file as a
// virtual file of 68-byte records, and the report of what was found.

#include "data/file_report.h"
#include "data/flux_data_file.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "data/gzip_text.h"
#include "data/record_fields.h"
#include "tests/support/record_text.h"

namespace helvarra {
namespace {

namespace fs = std::filesystem;
using test::ArchiveBody;
using test::Gzip;
using test::TempDir;
using test::WriteFile;
using Kind = FluxDataFile::Kind;
using Origin = FluxDataFile::Origin;

// `count` archive lines of the given width, one a second from 22:30:00 on
// 2024-05-14, the last of them after midnight when count > 5400.
std::string ArchiveText(int count, int width, const char* end, const char* code = "LEAR") {
  std::string s;
  for (int i = 0; i < count; ++i) {
    const int t = 22 * 3600 + 30 * 60 + i;
    s += ArchiveBody(code, 2024, 5, 14 + t / 86400, t / 3600 % 24, t / 60 % 60, t % 60,
                     {i % 1000, 20, 30, 40, 50, 60, 70, 80}, width) +
         end;
  }
  return s;
}

std::string ProgramRecords(int count, const char* end = "\r\n") {
  std::string s;
  for (int i = 0; i < count; ++i)
    s += test::RecordBody("APLM", 24, 5, 14, 12, i / 60 % 60, i % 60, {i, 2, 3, 4, 5, 6, 7, 8}) + end;
  return s;
}

class ArchiveFileTest : public ::testing::Test {
 protected:
  bool OpenWith(std::string_view bytes, const char* name = "15MAY24.APL") {
    path_ = dir_ / name;
    WriteFile(path_, bytes);
    return file_.Open(path_.string());
  }
  std::vector<FluxRecord> ReadAll() {
    std::vector<FluxRecord> out;
    FluxRecord r;
    while (file_.ReadRecord(r)) out.push_back(r);
    return out;
  }

  TempDir dir_;
  fs::path path_;
  FluxDataFile file_;
};

struct KindCase {
  const char* name;
  std::string bytes;
  bool opens;
  Kind kind;
  bool compressed;
};
void PrintTo(const KindCase& c, std::ostream* os) { *os << c.name; }

class KindTest : public ArchiveFileTest, public ::testing::WithParamInterface<KindCase> {};

TEST_P(KindTest, OpenTellsTheKindFromTheBytes) {
  const KindCase& c = GetParam();
  ASSERT_EQ(OpenWith(c.bytes), c.opens);
  if (!c.opens) {
    EXPECT_FALSE(file_.IsOpen());
    return;
  }
  EXPECT_EQ(file_.GetFacts().kind, c.kind);
  EXPECT_EQ(file_.GetFacts().compressed, c.compressed);
  if (c.kind != Kind::ArchiveText) {
    EXPECT_EQ(file_.GetLength(), c.bytes.size());
  }
}

std::string RandomBytes(std::size_t n) {
  std::mt19937 random(11);
  std::string s(n, '\0');
  for (char& c : s) c = static_cast<char>(random());
  return s;
}

INSTANTIATE_TEST_SUITE_P(
    Files, KindTest,
    ::testing::Values(
        KindCase{"ProgramRecords", ProgramRecords(5), true, Kind::FixedRecords, false},
        KindCase{"ArchiveSixWideCrLf", ArchiveText(5, 6, "\r\n"), true, Kind::FixedArchiveColumns, false},
        KindCase{"ArchiveSixWideLf", ArchiveText(5, 6, "\n"), true, Kind::ArchiveText, false},
        KindCase{"ArchiveSevenWideCrLf", ArchiveText(5, 7, "\r\n"), true, Kind::ArchiveText, false},
        KindCase{"ArchiveEightWideLf", ArchiveText(5, 8, "\n"), true, Kind::ArchiveText, false},
        KindCase{"GzipEightWide", Gzip(ArchiveText(5, 8, "\n")), true, Kind::ArchiveText, true},
        KindCase{"GzipSixWideCrLf", Gzip(ArchiveText(5, 6, "\r\n")), true, Kind::ArchiveText, true},
        // Inflated text is read as archive text only; program records hold none.
        KindCase{"GzipOfProgramRecords", Gzip(ProgramRecords(5)), false, Kind::FixedRecords, false},
        KindCase{"ProgramLfOnly", ProgramRecords(5, "\n"), true, Kind::FixedRecords, false},
        KindCase{"ProgramWithStrayBytes", ProgramRecords(5) + "APLM  2405", true, Kind::FixedRecords, false},
        KindCase{"ThirtyBytes", std::string(30, 'x'), true, Kind::FixedRecords, false},
        KindCase{"RandomBytes", RandomBytes(5000), true, Kind::FixedRecords, false},
        KindCase{"ArchiveLineAfterNoise", "noise\r\n" + ArchiveText(3, 8, "\r\n"), true, Kind::ArchiveText, false},
        KindCase{"ArchiveLineOnlyPast4KiB", std::string(4100, '#') + "\n" + ArchiveText(3, 8, "\n"), true,
                 Kind::FixedRecords, false},
        // 68-byte records whose last one lacks its CR LF are not taken as such.
        KindCase{"SixWideLastRecordWithoutCrLf", ArchiveText(4, 6, "\r\n") + ArchiveText(1, 6, "  "), true,
                 Kind::ArchiveText, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ArchiveFileTest, SixWideCrLfRecordsKeepSixDigitValuesAndReadSmallerOnesAsBefore) {
  const std::vector<std::array<int, 8>> values{{123456, 5, 99999, -12345, 7, 8, 9, 654321},
                                               {1, 2, 3, -1234, 5, 6, 7, 8},
                                               {12345, 654321, 0, 0, 0, 0, 0, 999999}};
  std::vector<std::string> lines;
  std::string bytes;
  for (int i = 0; i < 3; ++i) {
    lines.push_back(ArchiveBody("K7OL", 2002, 9, 4, 13, 0, i, values[static_cast<std::size_t>(i)], 6));
    bytes += lines.back() + "\r\n";
  }
  bytes += std::string(66, ' ') + "\r\n";  // a record without the header: read as it stands
  ASSERT_TRUE(OpenWith(bytes));
  EXPECT_EQ(file_.GetFacts().kind, Kind::FixedArchiveColumns);
  const auto records = ReadAll();
  ASSERT_EQ(records.size(), 4u);
  for (int i = 0; i < 3; ++i) {
    const FluxRecord& r = records[static_cast<std::size_t>(i)];
    EXPECT_EQ(r.View(), lines[static_cast<std::size_t>(i)] + "\n");  // the text as it stands
    for (int k = 0; k < 8; ++k)
      EXPECT_EQ(ChannelValue(r, k), values[static_cast<std::size_t>(i)][static_cast<std::size_t>(k)]);
  }
  // Values of up to five characters read the same from either column.
  for (int k = 0; k < 8; ++k) EXPECT_EQ(ChannelValue(records[1], k), ChannelValue(records[1].View(), k));
  EXPECT_EQ(ChannelValue(records[0].View(), 0), 23456);  // what the record's own column gives
  EXPECT_FALSE(records[3].hasValues);

  // A record that carried values and is then read from a 68-byte file, or
  // given a text, reads its text again.
  FluxRecord r = records[0];
  ASSERT_TRUE(r.hasValues);
  ASSERT_TRUE(OpenWith(ProgramRecords(2000), "a.apl"));
  ASSERT_TRUE(file_.ReadRecord(r));  // the buffer's way
  EXPECT_FALSE(r.hasValues);
  file_.Seek(0, Origin::Begin);
  for (int i = 0; i < 963; ++i) ASSERT_TRUE(file_.ReadRecord(r));
  r = records[0];
  ASSERT_TRUE(file_.ReadRecord(r));  // record 963 straddles the 64 KiB buffer: the character-wise way
  EXPECT_FALSE(r.hasValues);
  EXPECT_EQ(ChannelValue(r, 0), 963);
  r = records[0];
  r.Assign("APLM  240514120000     7");
  EXPECT_EQ(ChannelValue(r, 0), 7);
}

// Past 64 KiB some records straddle the reader's buffer and take its
// character-wise way: they too are read by the archive's columns.
TEST_F(ArchiveFileTest, SixWideCrLfRecordsAcrossTheReadBuffer) {
  std::string bytes;
  for (int i = 0; i < 1500; ++i)
    bytes += ArchiveBody("PHFF", 2001, 1, 1, 0, i / 60 % 60, i % 60, {100000 + i, 1, 1, 1, 1, 1, 1, 1}, 6) + "\r\n";
  ASSERT_TRUE(OpenWith(bytes));
  for (int start : {0, 1, 33}) {
    file_.Seek(start * kRecordBytes, Origin::Begin);
    const auto records = ReadAll();
    ASSERT_EQ(records.size(), static_cast<std::size_t>(1500 - start));
    for (std::size_t i = 0; i < records.size(); ++i)
      ASSERT_EQ(ChannelValue(records[i], 0), 100000 + start + static_cast<int>(i)) << i;
  }
}

TEST_F(ArchiveFileTest, DecodedFileIsAVirtualFileOf68ByteRecords) {
  ASSERT_TRUE(OpenWith(Gzip(ArchiveText(7200, 8, "\n")), "15MAY24.APL.gz"));
  EXPECT_EQ(file_.GetLength(), 7200u * 68);
  EXPECT_EQ(file_.GetFacts().stats.records, 7200u);
  FluxRecord r;
  ASSERT_TRUE(file_.ReadRecord(r));
  EXPECT_EQ(r.View().substr(0, 18), "LEAR20240514223000");
  EXPECT_EQ(file_.Seek(0, Origin::Current), 68);

  // The last record, as the viewer finds it: after midnight.
  EXPECT_EQ(file_.Seek(-68, Origin::End), 7199 * 68);
  ASSERT_TRUE(file_.ReadRecord(r));
  EXPECT_EQ(r.View().substr(0, 18), "LEAR20240515002959");
  EXPECT_EQ(FieldText(r.View(), kDayPos, 2), "15");
  // End of file: false, the record untouched.
  const std::string last(r.View());
  EXPECT_FALSE(file_.ReadRecord(r));
  EXPECT_EQ(r.View(), last);
  EXPECT_EQ(file_.Seek(1000, Origin::End), 7200 * 68 + 1000);
  EXPECT_FALSE(file_.ReadRecord(r));

  // A position inside a record reads that record, then the next.
  file_.Seek(100 * 68 + 30, Origin::Begin);
  ASSERT_TRUE(file_.ReadRecord(r));
  EXPECT_EQ(ChannelValue(r, 0), 100);
  EXPECT_EQ(file_.Seek(0, Origin::Current), 101 * 68);
  file_.Seek(-2 * 68, Origin::Current);
  ASSERT_TRUE(file_.ReadRecord(r));
  EXPECT_EQ(ChannelValue(r, 0), 99);

  for (const auto& [offset, origin] :
       {std::pair{std::int64_t{-1}, Origin::Begin}, std::pair{std::int64_t{-7201 * 68}, Origin::End},
        std::pair{std::int64_t{-100 * 68 - 1}, Origin::Current}}) {
    try {
      file_.Seek(offset, origin);
      ADD_FAILURE() << "no throw for " << offset;
    } catch (const FileError& e) {
      EXPECT_EQ(e.cause(), FileError::Cause::BadSeek);
      EXPECT_EQ(e.Message(), "Seek failed on " + path_.string());
    }
  }
  // Held as any file is; closing lets it go and frees the records.
  FluxDataFile other;
  EXPECT_FALSE(other.Open(path_.string()));
  EXPECT_GE(file_.DecodedBytes(), 7200u * 66);
  file_.Close();
  EXPECT_EQ(file_.DecodedBytes(), 0u);
  EXPECT_EQ(file_.GetLength(), 0u);
  EXPECT_FALSE(file_.ReadRecord(r));
  EXPECT_TRUE(other.Open(path_.string()));
}

TEST_F(ArchiveFileTest, ADayOfRecordsStaysCompactAndNothingIsWritten) {
  const std::string text = ArchiveText(86400, 8, "\n");
  WriteFile(dir_ / "day.gz", Gzip(text, 1));
  const auto listing = [&] {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir_.path()))
      names.push_back(e.path().filename().string() + ":" + std::to_string(e.file_size()));
    return names;
  };
  const auto before = listing();
  ASSERT_TRUE(file_.Open((dir_ / "day.gz").string()));
  EXPECT_EQ(file_.GetLength(), 86400u * 68);
  EXPECT_LT(file_.DecodedBytes(), 6u << 20);
  EXPECT_EQ(listing(), before);
}

// A stream that inflates to `bytes` of zeros from a small input.
std::string ZeroBomb(std::size_t bytes) {
  z_stream zs{};
  deflateInit2(&zs, 9, Z_DEFLATED, 16 + MAX_WBITS, 9, Z_DEFAULT_STRATEGY);
  const std::string zeros(1 << 20, '\0');
  std::string out;
  char chunk[1 << 16];
  for (std::size_t left = bytes; left > 0 || zs.avail_in > 0;) {
    const std::size_t take = std::min(left, zeros.size());
    zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(zeros.data()));
    zs.avail_in = static_cast<uInt>(take);
    left -= take;
    const int flush = left == 0 ? Z_FINISH : Z_NO_FLUSH;
    do {
      zs.next_out = reinterpret_cast<Bytef*>(chunk);
      zs.avail_out = sizeof chunk;
      deflate(&zs, flush);
      out.append(chunk, sizeof chunk - zs.avail_out);
    } while (zs.avail_out == 0);
    if (flush == Z_FINISH) break;
  }
  deflateEnd(&zs);
  return out;
}

struct BadGzip {
  const char* name;
  std::function<std::string()> bytes;  // made when the test runs
};
void PrintTo(const BadGzip& c, std::ostream* os) { *os << c.name; }

class BadGzipTest : public ArchiveFileTest, public ::testing::WithParamInterface<BadGzip> {};

// A hang would be the test's time-out; how fast a refusal is, the benchmarks
// would say.
TEST_P(BadGzipTest, OpenFails) {
  const std::string bytes = GetParam().bytes();
  EXPECT_FALSE(OpenWith(bytes, "bad.apl.gz"));
  EXPECT_FALSE(file_.IsOpen());
  // The file is let go: it can be opened again at once.
  FluxDataFile again;
  (void)again.Open(path_.string());
  EXPECT_EQ(file_.GetLength(), 0u);
}

const std::string kGood = Gzip(ArchiveText(600, 8, "\n"));
std::string Flipped(std::string s, std::size_t at) {
  s[at] = static_cast<char>(s[at] ^ 0x40);
  return s;
}
std::string Repeated(const std::string& member, int times) {
  std::string s;
  for (int i = 0; i < times; ++i) s += member;
  return s;
}

INSTANTIATE_TEST_SUITE_P(
    Streams, BadGzipTest,
    ::testing::Values(BadGzip{"MagicOnly", [] { return std::string("\x1f\x8b"); }},
                      BadGzip{"HeaderOnly", [] { return kGood.substr(0, 10); }},
                      BadGzip{"CutInTheMiddle", [] { return kGood.substr(0, kGood.size() / 2); }},
                      BadGzip{"CutBeforeTheTrailer", [] { return kGood.substr(0, kGood.size() - 8); }},
                      BadGzip{"CutInTheTrailer", [] { return kGood.substr(0, kGood.size() - 3); }},
                      BadGzip{"CorruptData", [] { return Flipped(kGood, kGood.size() / 2); }},
                      BadGzip{"WrongChecksum", [] { return Flipped(kGood, kGood.size() - 6); }},
                      BadGzip{"WrongLength", [] { return Flipped(kGood, kGood.size() - 2); }},
                      BadGzip{"SecondMemberCut", [] { return kGood + kGood.substr(0, 40); }},
                      BadGzip{"NoRecordInside", [] { return Gzip("no record here\n"); }},
                      BadGzip{"EmptyText", [] { return Gzip(""); }},
                      BadGzip{"BombOneMember", [] { return ZeroBomb((std::size_t{64} << 20) + 1); }},
                      BadGzip{"BombOfManyMembers", [] { return Repeated(ZeroBomb(std::size_t{1} << 20), 65); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ArchiveFileTest, MembersFollowingEachOtherAreOneText) {
  const std::string text = ArchiveText(100, 8, "\n");
  ASSERT_TRUE(OpenWith(Gzip(text.substr(0, 2000)) + Gzip(text.substr(2000)) + std::string(10, '\0')));
  const auto records = ReadAll();
  ASSERT_EQ(records.size(), 100u);
  for (int i = 0; i < 100; ++i) EXPECT_EQ(ChannelValue(records[static_cast<std::size_t>(i)], 0), i);
  // Exactly at the bound still inflates.
  std::string out;
  EXPECT_EQ(InflateGzip(ZeroBomb(1000), 1000, out), InflateStatus::Ok);
  EXPECT_EQ(out.size(), 1000u);
  EXPECT_EQ(InflateGzip(ZeroBomb(1001), 1000, out), InflateStatus::TooLarge);
  EXPECT_TRUE(out.empty());
}

TEST_F(ArchiveFileTest, ArchiveTextPast64MiBIsRefused) {
  ASSERT_TRUE(OpenWith(ArchiveText(10, 8, "\n")));
  file_.Close();
  fs::resize_file(path_, (std::size_t{64} << 20) + 1);
  EXPECT_FALSE(file_.Open(path_.string()));
  fs::resize_file(path_, std::size_t{64} << 20);
  EXPECT_TRUE(file_.Open(path_.string()));
}

TEST_F(ArchiveFileTest, ReportOfADecodedFile) {
  const std::string text = ArchiveText(3, 8, "\n") + "*** noise ***\n" +
                           "LEAR20240514223003       9      28      34  LEAR20240514223004      -3       0       2     "
                           " 32      67      70     101     278\n" +
                           "LEAR20240515010000142386251      31      42      48      75     109     224     453\n" +
                           "LEAR20240515010001      22              83     147     215     242     341-254264591\n";
  ASSERT_TRUE(OpenWith(Gzip(text), "15MAY24.APL.gz"));
  file_.Seek(68, Origin::Begin);
  EXPECT_EQ(FormatFileReport(file_),
            "File: " + path_.string() +
                "\n"
                "Layout: archive text, 8-wide values (82-character lines), LF line ends, gzip-compressed\n"
                "Records: 7\n"
                "First: 2024-05-14 22:30:00 UT\n"
                "Last: 2024-05-15 01:00:01 UT\n"
                "Station: Learmonth (LEAR)\n"
                "Lines skipped: 1\n"
                "Records re-synchronised: 1\n"
                "Fields without a value, by channel:\n"
                "  channel         blank  not a number   overflow  cut short\n"
                "  245 MHZ             0             0          0          0\n"
                "  410 MHZ             1             0          0          0\n"
                "  610 MHZ             0             0          0          0\n"
                "  1415 MHZ            0             0          0          1\n"
                "  2695 MHZ            0             0          0          1\n"
                "  4995 MHZ            0             0          0          1\n"
                "  8800 MHZ            0             0          0          1\n"
                "  15400 MHZ           0             0          0          1\n");
  EXPECT_EQ(file_.Seek(0, Origin::Current), 68);  // put back
}

TEST_F(ArchiveFileTest, ReportOf68ByteRecordsCountsFieldsWithoutDigits) {
  std::string bytes = ProgramRecords(3);
  bytes.replace(68 + 19, 6, "      ");      // record 1, channel 0 blank
  bytes.replace(2 * 68 + 37, 6, "  abc ");  // record 2, channel 3 not a number
  ASSERT_TRUE(OpenWith(bytes, "day.apl"));
  const std::string report = FormatFileReport(file_);
  EXPECT_NE(report.find("Layout: 68-byte records\nRecords: 3\nFirst: 24-05-14 12:00:00 UT\nLast: 24-05-14 12:00:02 UT\n"
                        "Station: Learmonth (APLM)\n"),
            std::string::npos)
      << report;
  EXPECT_NE(report.find("  245 MHZ             1             0          0          0\n"), std::string::npos) << report;
  EXPECT_NE(report.find("  1415 MHZ            0             1          0          0\n"), std::string::npos) << report;
  EXPECT_EQ(report.find("Lines skipped"), std::string::npos);

  // 6-wide CR LF records with the archive's header: counted by its rules.
  ASSERT_TRUE(
      OpenWith(ArchiveBody("SGMR", 1999, 1, 2, 3, 4, 5, {1, 2, 3, 4, 5, 6, 7, 8}, 6).replace(18, 6, "   1x2") + "\r\n",
               "x.k7o"));
  const std::string archive = FormatFileReport(file_);
  EXPECT_NE(archive.find("with the archive's header"), std::string::npos) << archive;
  EXPECT_NE(archive.find("First: 1999-01-02 03:04:05 UT\n"), std::string::npos) << archive;
  EXPECT_NE(archive.find("Station: Sagamore Hill (SGMR)\n"), std::string::npos) << archive;
  EXPECT_NE(archive.find("  245 MHZ             0             1          0          0\n"), std::string::npos)
      << archive;
}

}  // namespace
}  // namespace helvarra
