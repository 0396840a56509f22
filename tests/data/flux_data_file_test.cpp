// Opening a data file: what opens and what does not, locking, the closed
// state, a file changed after it was opened, and what is written (nothing).

#include "data/flux_data_file.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <random>
#include <string>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/support/record_text.h"

namespace helvarra {
namespace {

namespace fs = std::filesystem;
using test::TempDir;
using test::WriteFile;

// `count` records of the record table, one a second from 12:00:00, CR LF.
std::string Records(int count, const char* end = "\r\n") {
  std::string s;
  for (int i = 0; i < count; ++i)
    s += test::RecordBody("APLM", 24, 5, 14, 12, i / 60 % 60, i % 60, {i, 2, 3, 4, 5, 6, 7, 8}) + end;
  return s;
}

std::string RandomBytes(std::size_t n) {
  std::mt19937 random(11);
  std::string s(n, '\0');
  for (char& c : s) c = static_cast<char>(random() % 96 + 32);  // printable, no header
  for (std::size_t i = 0; i < n; i += 40) s[i] = '\n';
  return s;
}

class FluxDataFileTest : public ::testing::Test {
 protected:
  bool OpenWith(std::string_view bytes) {
    WriteFile(path_, bytes);
    return file_.Open(path_.string());
  }
  TempDir dir_;
  fs::path path_ = dir_ / "flux.apl";
  FluxDataFile file_;
};

struct OpenCase {
  const char* name;
  std::string bytes;
  bool opens;
  std::size_t records;
};
void PrintTo(const OpenCase& c, std::ostream* os) { *os << c.name; }

class OpenCaseTest : public FluxDataFileTest, public ::testing::WithParamInterface<OpenCase> {};

TEST_P(OpenCaseTest, OpensWhatHoldsRecords) {
  const OpenCase& c = GetParam();
  ASSERT_EQ(OpenWith(c.bytes), c.opens);
  EXPECT_EQ(file_.IsOpen(), c.opens);
  EXPECT_EQ(file_.Table().size(), c.records);
}

INSTANTIATE_TEST_SUITE_P(
    Files, OpenCaseTest,
    ::testing::Values(OpenCase{"RecordTable", Records(5), true, 5}, OpenCase{"LfOnly", Records(5, "\n"), true, 5},
                      OpenCase{"StrayBytesAtTheEnd", Records(5) + "APLM  2405", true, 5},
                      OpenCase{"LastRecordWithoutItsLineEnd", Records(5) + Records(1, ""), true, 6},
                      OpenCase{"Compressed", test::Gzip(Records(5)), true, 5},
                      // Shorter than one record: it opens, with no record in it.
                      OpenCase{"Empty", "", true, 0}, OpenCase{"ThirtyBytes", std::string(30, 'x'), true, 0},
                      OpenCase{"TextWithoutARecord", RandomBytes(5000), false, 0},
                      OpenCase{"CompressedWithoutARecord", test::Gzip("no record here\n"), false, 0},
                      OpenCase{"CompressedEmpty", test::Gzip(""), false, 0}),
    [](const auto& info) { return std::string(info.param.name); });

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

// Held against other openers until closed; closed, it holds no path and no
// record, and a failed open leaves it closed.
TEST_F(FluxDataFileTest, OpenFileIsHeldExclusivelyUntilClosed) {
  ASSERT_TRUE(OpenWith(Records(3)));
  EXPECT_EQ(file_.GetFilePath(), fs::absolute(path_).lexically_normal().string());
  FluxDataFile other;
  EXPECT_FALSE(other.Open(path_.string()));
  file_.Close();
  EXPECT_TRUE(file_.GetFilePath().empty());
  EXPECT_TRUE(file_.Table().empty());
  EXPECT_TRUE(other.Open(path_.string()));
  EXPECT_FALSE(file_.Open(path_.string()));
  EXPECT_FALSE(file_.IsOpen());
  EXPECT_TRUE(file_.Table().empty());
}

// The table is what the file held when it was opened; opened again, what it
// holds now. Nothing is written beside it.
TEST_F(FluxDataFileTest, AChangeShowsWhenTheFileIsOpenedAgain) {
  ASSERT_TRUE(OpenWith(Records(3)));
  {
    // The lock keeps other openers out, not a writer that does not ask for it.
    std::ofstream out(path_, std::ios::binary | std::ios::app);
    out << Records(2);
  }
  EXPECT_EQ(file_.Table().size(), 3u);
  file_.Close();
  ASSERT_TRUE(file_.Open(path_.string()));
  EXPECT_EQ(file_.Table().size(), 5u);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_.path()), fs::directory_iterator()), 1);
}

TEST_F(FluxDataFileTest, TextPast64MiBIsRefused) {
  ASSERT_TRUE(OpenWith(Records(10)));
  file_.Close();
  fs::resize_file(path_, (std::size_t{64} << 20) + 1);
  EXPECT_FALSE(file_.Open(path_.string()));
  fs::resize_file(path_, std::size_t{64} << 20);
  EXPECT_TRUE(file_.Open(path_.string()));
  EXPECT_EQ(file_.Table().size(), 10u);
}

}  // namespace
}  // namespace helvarra
