// The record reader: line ends, record counting, seeking, opening and locking,
// the closed state, and files past 4 GiB.

#include "data/flux_data_file.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/support/record_text.h"

namespace helvarra {
namespace {

namespace fs = std::filesystem;
using test::RecordBody;
using test::TempDir;
using test::WriteFile;
using Origin = FluxDataFile::Origin;

// Record i of a synthetic file: one record a second from 12:00:00.
std::string Body(int i) {
  return RecordBody("APLM", 23, 6, 15, 12 + i / 3600, i / 60 % 60, i % 60, {i, 10 + i, 20, 30, 40, 50, 60, 99999 - i});
}
std::string Records(int count) {
  std::string bytes;
  for (int i = 0; i < count; ++i) bytes += Body(i) + "\r\n";
  return bytes;
}

// Reads records until the end of the file, at most `limit` of them.
std::vector<std::string> ReadAll(FluxDataFile& file, int limit = 100000) {
  std::vector<std::string> out;
  FluxRecord record;
  while (static_cast<int>(out.size()) < limit && file.ReadRecord(record)) out.emplace_back(record.View());
  return out;
}

class FluxDataFileTest : public ::testing::Test {
 protected:
  // Writes `bytes` to a file in the scratch directory and opens it.
  void OpenWith(std::string_view bytes) {
    WriteFile(path_, bytes);
    ASSERT_TRUE(file_.Open(path_.string()));
  }
  static FluxRecord Sentinel() {
    FluxRecord r;
    r.Assign("sentinel");
    return r;
  }

  TempDir dir_;
  fs::path path_ = dir_ / "flux.apl";
  FluxDataFile file_;
};

TEST_F(FluxDataFileTest, CrLfRecordsReadAs67CharactersAndEndOfFileLeavesRecordAlone) {
  OpenWith(Records(3));
  FluxRecord record;
  for (int i = 0; i < 3; ++i) {
    ASSERT_TRUE(file_.ReadRecord(record));
    EXPECT_EQ(record.View(), Body(i) + "\n");
    EXPECT_EQ(record.length, 67);
    EXPECT_EQ(record.text[67], '\0');
    EXPECT_EQ(file_.Seek(0, Origin::Current), 68 * (i + 1));
  }
  record = Sentinel();
  EXPECT_FALSE(file_.ReadRecord(record));
  EXPECT_EQ(record.View(), "sentinel");
  EXPECT_EQ(record.length, 8);
}

// Bytes in the file and the records the viewer counts (length / 68).
class RecordCountTest : public FluxDataFileTest, public ::testing::WithParamInterface<std::pair<int, int>> {};

TEST_P(RecordCountTest, LengthCountsWholeRecords) {
  const auto [bytes, records] = GetParam();
  OpenWith(Records(bytes / 68 + 1).substr(0, static_cast<std::size_t>(bytes)));
  EXPECT_EQ(file_.GetLength(), static_cast<std::uint64_t>(bytes));
  EXPECT_EQ(file_.GetLength() / kRecordBytes, static_cast<std::uint64_t>(records));
}

INSTANTIATE_TEST_SUITE_P(Sizes, RecordCountTest,
                         ::testing::Values(std::pair{0, 0}, std::pair{1, 0}, std::pair{67, 0}, std::pair{68, 1},
                                           std::pair{204, 3}, std::pair{205, 3}, std::pair{271, 3}));

TEST_F(FluxDataFileTest, GetLengthLeavesThePositionAlone) {
  OpenWith(Records(3));
  FluxRecord record;
  ASSERT_TRUE(file_.ReadRecord(record));
  EXPECT_EQ(file_.GetLength(), 204u);
  EXPECT_EQ(file_.Seek(0, Origin::Current), 68);
  ASSERT_TRUE(file_.ReadRecord(record));
  EXPECT_EQ(record.View(), Body(1) + "\n");
}

// A file of 3 records and r stray bytes: 68 back from the end lies r bytes into
// the last whole record, and the read delivers its shifted tail.
class PartialTailTest : public FluxDataFileTest, public ::testing::WithParamInterface<int> {};

TEST_P(PartialTailTest, SeekBackOneRecordFromEndReadsShiftedTail) {
  const int r = GetParam();
  OpenWith(Records(4).substr(0, static_cast<std::size_t>(3 * 68 + r)));
  EXPECT_EQ(file_.Seek(-68, Origin::End), 2 * 68 + r);
  FluxRecord record;
  ASSERT_TRUE(file_.ReadRecord(record));
  EXPECT_EQ(record.View(), Body(2).substr(static_cast<std::size_t>(std::min(r, 66))) + "\n");
  EXPECT_EQ(file_.Seek(0, Origin::Current), 3 * 68);
}

INSTANTIATE_TEST_SUITE_P(StrayBytes, PartialTailTest, ::testing::Values(0, 1, 30, 65, 66, 67));

struct LineEndCase {
  const char* name;
  std::string bytes;
  std::vector<std::string> reads;
};
void PrintTo(const LineEndCase& c, std::ostream* os) { *os << c.name; }

class LineEndTest : public FluxDataFileTest, public ::testing::WithParamInterface<LineEndCase> {};

TEST_P(LineEndTest, SplitsLinesAsExpected) {
  OpenWith(GetParam().bytes);
  EXPECT_EQ(ReadAll(file_), GetParam().reads);
}

const std::string k66(66, 'x');
const std::string k67(67, 'y');

INSTANTIATE_TEST_SUITE_P(
    Cases, LineEndTest,
    ::testing::Values(LineEndCase{"EarlyLineFeedEndsTheRead", "ABC\nDEF\r\n", {"ABC\n", "DEF\n"}},
                      LineEndCase{"LineFeedOnly", k66 + "\n" + k66 + "\n", {k66 + "\n", k66 + "\n"}},
                      LineEndCase{"SixtySevenThenLineFeed", k67 + "\n" + k67 + "\n", {k67, "\n", k67, "\n"}},
                      LineEndCase{"SixtySevenThenCrLf", k67 + "\r\n", {k67, "\n"}},
                      LineEndCase{"LongLineSplitsAt67",
                                  std::string(140, 'z') + "\r\n",
                                  {std::string(67, 'z'), std::string(67, 'z'), "zzzzzz\n"}},
                      LineEndCase{"LoneCrIsKept", "AB\rCD\r\n", {"AB\rCD\n"}},
                      LineEndCase{"CrCrLf", "AB\r\r\n", {"AB\r\n"}}, LineEndCase{"CrAtEndOfFile", "AB\r", {"AB\r"}},
                      LineEndCase{"NoLineEndAtEndOfFile", k66 + "\r\n" + k66, {k66 + "\n", k66}}),
    [](const auto& info) { return std::string(info.param.name); });

// Reading a long file from every start offset within a record puts a CR LF
// across every possible refill boundary of whatever buffering the reader does.
TEST_F(FluxDataFileTest, LongFileReadsIdenticallyFromEveryStartOffset) {
  constexpr int kCount = 2500;  // about 166 KiB
  OpenWith(Records(kCount));
  for (int start = 0; start < 68; ++start) {
    ASSERT_EQ(file_.Seek(start, Origin::Begin), start);
    const auto reads = ReadAll(file_);
    ASSERT_EQ(reads.size(), static_cast<std::size_t>(kCount)) << "start " << start;
    ASSERT_EQ(reads[0], Body(0).substr(std::min(start, 66)) + "\n") << "start " << start;
    for (int i = 1; i < kCount; ++i) ASSERT_EQ(reads[static_cast<std::size_t>(i)], Body(i) + "\n") << "start " << start;
  }
}

TEST_F(FluxDataFileTest, SeekReturnsNewPositionForEachOrigin) {
  OpenWith(Records(3));
  struct Step {
    std::int64_t offset;
    Origin origin;
    std::int64_t position;
    int record;  // read there next; -1: end of file
  };
  const Step steps[] = {
      {68, Origin::Begin, 68, 1}, {0, Origin::Current, 136, 2},    {-136, Origin::Current, 68, 1},
      {-68, Origin::End, 136, 2}, {0, Origin::End, 204, -1},       {1000, Origin::End, 1204, -1},
      {0, Origin::Begin, 0, 0},   {500, Origin::Current, 568, -1},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(testing::Message() << "offset " << s.offset << " origin " << static_cast<int>(s.origin));
    EXPECT_EQ(file_.Seek(s.offset, s.origin), s.position);
    FluxRecord record = Sentinel();
    EXPECT_EQ(file_.ReadRecord(record), s.record >= 0);
    EXPECT_EQ(record.View(), s.record >= 0 ? Body(s.record) + "\n" : "sentinel");
  }
}

TEST_F(FluxDataFileTest, SeekBeforeStartThrowsBadSeekNamingFullPath) {
  WriteFile(path_, Records(3));
  const fs::path saved = fs::current_path();
  fs::current_path(dir_.path());
  const bool opened = file_.Open("flux.apl");  // relative: the message shows it absolute
  const std::string full = (fs::current_path() / "flux.apl").string();
  fs::current_path(saved);
  ASSERT_TRUE(opened);
  EXPECT_EQ(file_.GetFilePath(), full);

  FluxRecord record;
  ASSERT_TRUE(file_.ReadRecord(record));
  const std::pair<std::int64_t, Origin> bad[] = {{-1, Origin::Begin}, {-69, Origin::Current}, {-205, Origin::End}};
  for (const auto& [offset, origin] : bad) {
    try {
      file_.Seek(offset, origin);
      ADD_FAILURE() << "no throw for offset " << offset;
    } catch (const FileError& e) {
      EXPECT_EQ(e.cause(), FileError::Cause::BadSeek);
      EXPECT_EQ(e.Message(), "Seek failed on " + full);
      EXPECT_EQ(e.path(), full);
    }
  }
}

TEST_F(FluxDataFileTest, OpenRefusesWhatIsNotAnExistingRegularFile) {
  ASSERT_EQ(::mkfifo((dir_ / "pipe").c_str(), 0600), 0);
  fs::create_directory(dir_ / "folder");
  const std::string missing = (dir_ / "missing.apl").string();

  EXPECT_FALSE(file_.Open(""));
  EXPECT_FALSE(file_.Open(missing));
  EXPECT_FALSE(fs::exists(missing)) << "Open created the file";
  EXPECT_FALSE(file_.Open((dir_ / "folder").string()));

  // Opening the read end of a FIFO with no writer blocks unless done with care;
  // if Open hangs there, a writer is opened after two seconds to free it.
  std::atomic<bool> done{false};
  bool rescued = false;
  std::thread guard([&] {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (!done) {
      if (std::chrono::steady_clock::now() > deadline) {
        const int w = ::open((dir_ / "pipe").c_str(), O_WRONLY | O_NONBLOCK);
        if (w >= 0) {
          rescued = true;
          ::close(w);
        }
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  });
  const bool fifoOpened = file_.Open((dir_ / "pipe").string());
  done = true;
  guard.join();
  EXPECT_FALSE(fifoOpened);
  EXPECT_FALSE(rescued) << "Open blocked on a FIFO";
  EXPECT_FALSE(file_.IsOpen());
}

TEST_F(FluxDataFileTest, OpenFileIsHeldExclusivelyUntilClosed) {
  OpenWith(Records(1));
  FluxDataFile other;
  EXPECT_FALSE(other.Open(path_.string()));
  file_.Close();
  EXPECT_TRUE(other.Open(path_.string()));
  EXPECT_FALSE(file_.Open(path_.string()));
}

// Never opened, closed after use, and after a failed open: nothing is read,
// moved or measured, and nothing throws.
class ClosedFileTest : public FluxDataFileTest, public ::testing::WithParamInterface<int> {};

TEST_P(ClosedFileTest, ReadsNothingAndSeeksNowhere) {
  WriteFile(path_, Records(3));
  if (GetParam() >= 1) {
    ASSERT_TRUE(file_.Open(path_.string()));
    FluxRecord r;
    ASSERT_TRUE(file_.ReadRecord(r));
    file_.Close();
  }
  if (GetParam() == 2) {
    ASSERT_FALSE(file_.Open((dir_ / "missing.apl").string()));
  }

  FluxRecord record = Sentinel();
  EXPECT_FALSE(file_.ReadRecord(record));
  EXPECT_EQ(record.View(), "sentinel");
  EXPECT_EQ(file_.GetLength(), 0u);
  for (Origin origin : {Origin::Begin, Origin::Current, Origin::End}) {
    std::int64_t back = -1, ahead = -1;
    EXPECT_NO_THROW(back = file_.Seek(-100, origin));
    EXPECT_NO_THROW(ahead = file_.Seek(68, origin));
    EXPECT_EQ(back, 0);
    EXPECT_EQ(ahead, 0);
  }
  EXPECT_FALSE(file_.ReadRecord(record));
  EXPECT_TRUE(file_.GetFilePath().empty());
}

INSTANTIATE_TEST_SUITE_P(States, ClosedFileTest, ::testing::Values(0, 1, 2), [](const auto& info) -> std::string {
  if (info.param == 0) return "NeverOpened";
  return info.param == 1 ? "AfterClose" : "AfterFailedOpen";
});

TEST_F(FluxDataFileTest, FileBeyondFourGibibytesCountsAndSeeks) {
  constexpr std::int64_t k = (std::int64_t{1} << 32) / 68 + 10;  // first record past 4 GiB
  const std::string tail = Body(7) + "\r\n" + Body(8) + "\r\n";
  {
    const int fd = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ASSERT_GE(fd, 0);
    const bool made =
        ::ftruncate(fd, static_cast<off_t>(68 * k)) == 0 &&
        ::pwrite(fd, tail.data(), tail.size(), static_cast<off_t>(68 * k)) == static_cast<ssize_t>(tail.size());
    ::close(fd);
    if (!made) GTEST_SKIP() << "the file system refuses a sparse file past 4 GiB";
  }
  ASSERT_TRUE(file_.Open(path_.string()));
  EXPECT_EQ(file_.GetLength(), static_cast<std::uint64_t>(68 * (k + 2)));
  EXPECT_EQ(file_.GetLength() / kRecordBytes, static_cast<std::uint64_t>(k + 2));

  EXPECT_EQ(file_.Seek(68 * k, Origin::Begin), 68 * k);
  EXPECT_EQ(ReadAll(file_), (std::vector<std::string>{Body(7) + "\n", Body(8) + "\n"}));
  EXPECT_EQ(file_.Seek(-68, Origin::End), 68 * (k + 1));
  EXPECT_EQ(file_.Seek(-68, Origin::Current), 68 * k);
  EXPECT_EQ(ReadAll(file_, 1), std::vector<std::string>{Body(7) + "\n"});
}

}  // namespace
}  // namespace helvarra
