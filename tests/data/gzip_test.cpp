// Compressed files: members one after another, the bound on what a stream
// may inflate to, and damaged streams, which do not open.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "data/flux_data_file.h"
#include "data/gzip_text.h"
#include "tests/support/record_text.h"

namespace helvarra {
namespace {

std::string ArchiveText(int count) {
  std::string s;
  for (int i = 0; i < count; ++i)
    s += test::ArchiveBody("LEAR", 2024, 5, 14, 22, 30 + i / 60, i % 60, {i, 20, 30, 40, 50, 60, 70, 80}, 8) + "\n";
  return s;
}

// A stream that inflates to `bytes` of zeros from a small input.
std::string ZeroBomb(std::size_t bytes) {
  z_stream zs{};
  deflateInit2(&zs, 9, Z_DEFLATED, 16 + MAX_WBITS, 9, Z_DEFAULT_STRATEGY);
  const std::string zeros(1 << 20, '\0');
  std::string out;
  char chunk[1 << 16];
  for (std::size_t left = bytes;;) {
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

TEST(GzipTest, MembersFollowingEachOtherAreOneTextUpToTheBound) {
  test::TempDir dir;
  const std::string text = ArchiveText(100);
  test::WriteFile(dir / "day.apl.gz",
                  test::Gzip(text.substr(0, 2000)) + test::Gzip(text.substr(2000)) + std::string(10, '\0'));
  FluxDataFile file;
  ASSERT_TRUE(file.Open((dir / "day.apl.gz").string()));
  ASSERT_EQ(file.Table().size(), 100u);
  for (int i = 0; i < 100; ++i) EXPECT_EQ(file.Table()[static_cast<std::size_t>(i)].Value(0), i);
  EXPECT_TRUE(file.Table().layout.compressed);
  std::string out;
  EXPECT_EQ(InflateGzip(ZeroBomb(1000), 1000, out), InflateStatus::Ok);
  EXPECT_EQ(out.size(), 1000u);
  EXPECT_EQ(InflateGzip(ZeroBomb(1001), 1000, out), InflateStatus::TooLarge);
  EXPECT_TRUE(out.empty());
}

struct BadGzip {
  const char* name;
  std::function<std::string()> bytes;  // made when the test runs
};
void PrintTo(const BadGzip& c, std::ostream* os) { *os << c.name; }

class BadGzipTest : public ::testing::TestWithParam<BadGzip> {};

// A hang would be the test's time-out; how fast a refusal is, the benchmarks
// would say. The file is let go: it can be opened again at once.
TEST_P(BadGzipTest, DoesNotOpen) {
  test::TempDir dir;
  test::WriteFile(dir / "bad.apl.gz", GetParam().bytes());
  FluxDataFile file, again;
  EXPECT_FALSE(file.Open((dir / "bad.apl.gz").string()));
  EXPECT_FALSE(file.IsOpen());
  EXPECT_TRUE(file.Table().empty());
  (void)again.Open((dir / "bad.apl.gz").string());
}

const std::string kGood = test::Gzip(ArchiveText(600));
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
                      BadGzip{"BombOneMember", [] { return ZeroBomb((std::size_t{64} << 20) + 1); }},
                      BadGzip{"BombOfManyMembers", [] { return Repeated(ZeroBomb(std::size_t{1} << 20), 65); }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace helvarra
