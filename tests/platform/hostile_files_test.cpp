// Whatever the file dialog hands over — directories, pipes, sockets,
// devices, locked or unreadable files, odd names, files that change under the
// viewer, files of another format — the viewer neither hangs nor crashes,
// never reads past what is there, and says what went wrong.

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <QTest>

#include <random>

#include "data/flux_data_file.h"
#include "tests/support/dialog_test_access.h"
#include "resources/dialog_templates.h"
#include "tests/platform/qt_viewer_fixture.h"

namespace helvarra::test {
namespace {

std::string Records(int h, int m, int count, int value = 100) {
  std::string bytes;
  for (int i = 0; i < count; ++i) {
    const int t = h * 3600 + m * 60 + i;
    const int v = value * (i % 2 + 1);
    bytes += RecordLine("APLM", 24, 5, 14, t / 3600 % 24, t / 60 % 60, t % 60, {v, v, v, v, v, v, v, v});
  }
  return bytes;
}

class HostileFilesTest : public QtViewerTest {
 protected:
  // Everything the user can do with a loaded file, at several places in it,
  // through the window's events as the user would cause them.
  void Exercise() {
    for (int index : {0, 1, dlg.RecordCount() / 2, dlg.RecordCount() - 1, dlg.RecordCount() + 5}) {
      DialogTestAccess::RecordIndex(dlg) = index;
      dlg.Dispatch({.kind = EventKind::Paint});
      services.MainWindow()->Slider()->setValue(index);
      dlg.Dispatch({.kind = EventKind::SliderReleased, .id = resources::IDC_SLIDER});
    }
    dlg.Dispatch({.kind = EventKind::Command, .id = resources::IDC_BROWSE});
    for (int tick = 0; tick < 6 && dlg.IsBrowsing() == 1; ++tick)
      services.Deliver({.kind = EventKind::TimerTick, .id = 1});
    dlg.Dispatch({.kind = EventKind::Command, .id = resources::IDC_STOP});
    for (auto [x, y] : {std::pair{80, 10}, {300, 300}, {679, 509}, {-5, 900}})
      dlg.Dispatch({.kind = EventKind::LeftButtonDown, .x = x, .y = y});
    EXPECT_EQ(dlg.IsIdle(), 1);
    EXPECT_EQ(services.Canvas().Image().size(), QSize(798, 574));
  }
  std::string Path(const std::string& name) { return (dir.path() / name).string(); }
};

TEST_F(HostileFilesTest, OnlyRegularFilesOpenAndNothingBlocks) {
  const std::string folder = Path("a folder"), fifo = Path("pipe"), socket = Path("socket");
  std::filesystem::create_directory(folder);
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::snprintf(address.sun_path, sizeof address.sun_path, "%s", socket.c_str());
  ASSERT_EQ(::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  for (const std::string& path : {folder, fifo, socket, std::string("/dev/zero"), std::string("/dev/null")}) {
    OpenPath(path, std::filesystem::path(path).filename().string());
    EXPECT_EQ(messages.back(), "Failed to open " + path);
  }
  ::close(s);
  EXPECT_EQ(dlg.IsFileLoaded(), 0);
}

TEST_F(HostileFilesTest, AFileAnotherViewerHoldsIsReportedUntilItLetsGo) {
  WriteFile(dir / "held.apl", Records(1, 0, 100));
  FluxDataFile other;  // another viewer holds the file
  ASSERT_TRUE(other.Open(Path("held.apl")));
  OpenPath(Path("held.apl"), "held.apl");
  EXPECT_EQ(messages.back(), "Failed to open " + Path("held.apl"));
  other.Close();
  OpenPath(Path("held.apl"), "held.apl");
  EXPECT_EQ(dlg.IsFileLoaded(), 1);
}

TEST_F(HostileFilesTest, AnUnreadableFileIsReported) {
  WriteFile(dir / "secret.apl", Records(1, 0, 100));
  ::chmod(Path("secret.apl").c_str(), 0);
  // Permissions do not bind the superuser: run as nobody for the open.
  const bool root = ::geteuid() == 0;
  if (root && ::seteuid(65534) != 0) GTEST_SKIP() << "cannot run as another user here";
  OpenPath(Path("secret.apl"), "secret.apl");
  if (root) {
    ASSERT_EQ(::seteuid(0), 0);
  }
  ASSERT_FALSE(messages.empty());
  EXPECT_EQ(messages.back(), "Failed to open " + Path("secret.apl"));
  EXPECT_EQ(dlg.IsFileLoaded(), 0);
}

TEST_F(HostileFilesTest, NamesWithSpacesAccentsAndLongPathsOpen) {
  const auto odd = dir.path() / "Données de Sagamore Hill" / "relevé 14 mai.k7o";
  std::filesystem::create_directories(odd.parent_path());
  WriteFile(odd, Records(12, 0, 1900));
  OpenPath(odd.string(), odd.filename().string());
  EXPECT_EQ(dlg.IsFileLoaded(), 1);
  EXPECT_EQ(dlg.RecordCount(), 1900);
  EXPECT_TRUE(messages.empty());

  std::filesystem::path deep = dir.path();
  while (deep.string().size() < 3500) deep /= std::string(200, 'd');
  std::filesystem::create_directories(deep);
  WriteFile(deep / "deep.apl", Records(3, 0, 100));
  OpenPath((deep / "deep.apl").string(), "deep.apl");
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(dlg.RecordCount(), 100);

  const std::string tooLong =
      (deep / std::string(200, 'x') / std::string(200, 'y') / std::string(200, 'z')).string() + "/f.apl";
  OpenPath(tooLong, "f.apl");
  EXPECT_EQ(messages.back(), "Failed to open " + tooLong);
}

// The window shows the file as it was opened, whatever another program does
// to it since; opened again, as it is now.
TEST_F(HostileFilesTest, AFileChangedAfterItWasOpenedShowsWhenOpenedAgain) {
  Open("changing.apl", Records(6, 0, 4000, 100));
  std::filesystem::resize_file(dir / "changing.apl", 68 * 100 + 30);  // another program truncates it
  PlotAt(2000);
  EXPECT_GT(CountColour({80, 10, 680, 510}, dlg.Style().m_crChannel[7]), 0);
  Exercise();

  std::filesystem::resize_file(dir / "changing.apl", 68 * 100);
  {
    std::ofstream append(dir / "changing.apl", std::ios::binary | std::ios::app);
    append << Records(8, 0, 3000, 1000).substr(0, 68 * 2900);
  }
  services.fileChooser = [](std::string_view, std::string_view) { return std::optional<std::vector<ChosenFile>>(); };  // Cancel reads it again
  dlg.Dispatch({.kind = EventKind::Command, .id = resources::IDC_FILES});
  EXPECT_EQ(dlg.RecordCount(), 3000);
  PlotAt(100);
  EXPECT_EQ(dlg.StartMinute(), 8 * 60 + 1);
  EXPECT_GT(CountColour({80, 10, 680, 510}, dlg.Style().m_crChannel[7]), 0);
}

TEST_F(HostileFilesTest, FilesOfAnotherShapeDrawWhateverTheyDrawAndNothingBreaks) {
  std::mt19937 random(7);
  std::string garbage(50000, '\0');
  for (char& c : garbage) c = static_cast<char>(random());
  std::string wider, widest, blanks, silly;
  for (int i = 0; i < 3000; ++i) {
    const std::string r =
        RecordLine("LISS", 24, 5, 14, 4 + i / 3600, i / 60 % 60, i % 60, {10, 20, 30, 40, 50, 60, 70, 80});
    wider += r.substr(0, 66) + " 12345\r\n";             // 75 bytes: a seventh-character field
    widest += r.substr(0, 66) + "  123456 9999999\r\n";  // 83 bytes
    blanks += r.substr(0, 19) + std::string(47, ' ') + "\r\n";
    std::string s = r;
    s.replace(12, 6, i % 3 == 0 ? "9999-9" : i % 3 == 1 ? "+1-2ab" : "-5  ZZ");
    silly += s;
  }
  const std::vector<std::pair<std::string, std::string>> files{
      {"garbage.apl", garbage},
      {"zeros.apl", std::string(100000, '\0')},
      {"wide75.apl", wider},
      {"wide83.apl", widest},
      {"blank.apl", blanks},
      {"times.apl", silly},
      {"lf-only.apl", [] {
         std::string s;
         for (int i = 0; i < 2000; ++i)
           s += RecordLine("PHFF", 1, 1, 1, 23, 59, i % 60, {5, 6, 7, 8, 9, 10, 11, 12}).substr(0, 66) + "\n";
         return s;
       }()}};
  for (const auto& [name, bytes] : files) {
    SCOPED_TRACE(name);
    Open(name, bytes);
    Exercise();
  }
}

// Years of records in one file are more than the table holds: the file is
// refused at once, without reading it, and the window shows no file.
TEST_F(HostileFilesTest, AFileBeyondWhatTheTableHoldsIsRefusedUnread) {
  const auto path = dir / "years.apl";
  const std::int64_t records = (std::int64_t{5} << 30) / 68 + 3;
  { std::ofstream create(path); }
  std::error_code ec;
  std::filesystem::resize_file(path, static_cast<std::uintmax_t>(records * 68), ec);
  if (ec) GTEST_SKIP() << "no sparse files here";
  Open("day.apl", Records(6, 0, 100));
  OpenPath(path.string(), "years.apl");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages.back(), "Failed to open " + path.string());
  EXPECT_EQ(dlg.IsFileLoaded(), 0);
  Exercise();
}

}  // namespace
}  // namespace helvarra::test
