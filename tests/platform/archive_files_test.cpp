// The RSTN archive's files in the real window: listed by the open dialog
// under their station in any letter case and compressed, and every layout
// opened through "&Files", a drop and the command line, then drawn, browsed,
// read out and printed as a 68-byte file is.

#include <QAbstractItemModel>
#include <QListView>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include "data/stations.h"
#include "platform/qt/qt_file_dialog.h"
#include "platform/qt/qt_printer_surface.h"
#include "resources/dialog_templates.h"
#include "tests/platform/qt_viewer_fixture.h"

namespace helvarra::test {
namespace {

TEST(ArchiveFileDialogTest, EachStationListsItsFilesInAnyCaseAndCompressed) {
  TempDir dir;
  for (const char* name : {"04SEP02.K7O.gz", "08jan23.k7o.gz", "day.k7o", "DAY.K7O", "15MAY24.APL.gz", "notes.txt"})
    WriteFile(dir / name, "x");
  QFileDialog dialog(nullptr, QStringLiteral("Open"), QString::fromStdString(dir.path().string()));
  qt::SetUpOpenFileDialog(dialog, OpenFileFilter());
  const QStringList filters = dialog.nameFilters();
  ASSERT_EQ(filters.size(), 5);
  dialog.selectNameFilter(filters[3]);
  EXPECT_TRUE(filters[3].startsWith(QStringLiteral("Sagamore Hill Files (*.k7o)")));
  dialog.show();
  auto* list = dialog.findChild<QListView*>(QStringLiteral("listView"));
  ASSERT_NE(list, nullptr);
  QStringList shown;
  (void)QTest::qWaitFor([&] {
    shown.clear();
    for (int r = 0; r < list->model()->rowCount(list->rootIndex()); ++r)
      shown << list->model()->index(r, 0, list->rootIndex()).data().toString();
    return shown.size() == 4;
  });
  shown.sort();
  EXPECT_EQ(shown, (QStringList{"04SEP02.K7O.gz", "08jan23.k7o.gz", "DAY.K7O", "day.k7o"}));
}

// One file of each archive layout: half an hour and more of Learmonth data
// from 23:50 over midnight, a record a second.
struct Variant {
  const char* name;
  int width;
  bool crlf, gzip;
};

std::string ArchiveDay(const Variant& v) {
  std::string text;
  for (int i = 0; i < 3700; ++i) {
    const int t = (23 * 3600 + 50 * 60 + i) % 86400, day = i < 600 ? 14 : 15;
    const int f = 100 * (i % 2 + 1);
    const int spike = i % 600 == 300 ? 2000000 : 0;  // 15400 MHz beyond six digits now and then
    text += ArchiveBody("LEAR", 2024, 5, day, t / 3600, t / 60 % 60, t % 60,
                        {f, f + 1, f + 2, f + 3, f + 4, f + 5, f + 6, f + 7 + spike}, v.width);
    text += v.crlf ? "\r\n" : "\n";
  }
  return v.gzip ? Gzip(text) : text;
}

class ArchiveVariantTest : public QtViewerTest, public ::testing::WithParamInterface<Variant> {
 protected:
  std::string Path() const { return (dir / (std::string(GetParam().name) + ".apl.gz")).string(); }
  void CheckOpened() {
    ASSERT_TRUE(messages.empty()) << messages.front();
    EXPECT_EQ(dlg.IsFileLoaded(), 1);
    EXPECT_EQ(dlg.RecordCount(), 3700);
    EXPECT_EQ(dlg.Panel().startDate, "14-05-24 ");
    EXPECT_EQ(dlg.Panel().startTime, "23:50 UT ");
    EXPECT_EQ(dlg.Panel().endDate, "15-05-24 ");
    EXPECT_EQ(dlg.Panel().endTime, "00:51 UT ");
  }
  // In a window of its own, gone before the next.
  void OpensWhenNamedOnTheCommandLine(const QString& path) {
    qt::QtWindowServices atStart;
    qt::QtOverviewServices atStartOverview{atStart};
    CFluxViewerDlg started{atStart, atStartOverview};
    atStart.OpenAtStart({qt::ChoiceOf(path)});
    atStart.OpenMainWindow(&started);
    EXPECT_TRUE(QTest::qWaitFor([&] { return started.IsFileLoaded() == 1; }, 2000));
    EXPECT_EQ(started.RecordCount(), 3700);
    EXPECT_EQ(started.FileName(), std::filesystem::path(Path()).filename().string());
    atStart.CloseMainWindow();
  }
};

TEST_P(ArchiveVariantTest, OpensDrawsBrowsesReadsOutAndPrints) {
  WriteFile(Path(), ArchiveDay(GetParam()));
  const QString path = QString::fromStdString(Path());

  OpensWhenNamedOnTheCommandLine(path);

  // By "&Files": the first window, 23:51 to 00:21, every channel in its
  // colour, the station by its archive code.
  OpenPath(Path(), std::filesystem::path(Path()).filename().string());
  CheckOpened();
  EXPECT_EQ(dlg.StartMinute(), 23 * 60 + 51);
  EXPECT_GT(CountColour({80, 10, 680, 510}, dlg.Style().m_crChannel[7]), 100);
  EXPECT_TRUE(ShowsLarge(690, 10, "Learmonth     "));

  // A value beyond the fields' old six characters reaches the top of the
  // plot, as its full value does: row 100 log10(2000307) - 69 is above it.
  int top = 0;
  for (int x = 80; x < 680; ++x) top += Pixel(x, 10) == dlg.Style().m_crChannel[7];
  EXPECT_GT(top, 0);

  // The read-out on the trace; then a browse to the end of the file.
  QPoint hit(-1, -1);
  for (int x = 200; x < 600 && hit.x() < 0; ++x)
    for (int y = 10; y < 510 && hit.x() < 0; ++y)
      if (Pixel(x, y) == dlg.Style().m_crChannel[7]) hit = QPoint(x, y);
  ASSERT_GE(hit.x(), 0);
  dlg.Dispatch({.kind = EventKind::LeftButtonDown, .x = hit.x(), .y = hit.y()});
  EXPECT_TRUE(Shows(690, 80, "15400 MHZ", dlg.Style().m_fontSmall, dlg.Style().m_crText));
  dlg.Dispatch({.kind = EventKind::Command, .id = resources::IDC_BROWSE});
  int ticks = 0;
  for (; dlg.IsBrowsing() == 1 && ticks < 10; ++ticks) services.Deliver({.kind = EventKind::TimerTick, .id = 1});
  EXPECT_EQ(ticks, 3);
  EXPECT_EQ(dlg.StartMinute(), 51);  // the last window, 00:51, after midnight

  // Dropped on the window: the same file, the same panel.
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(path)});
  QDropEvent drop(QPointF(300, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(services.MainWindow(), &drop);
  CheckOpened();

  // Printed: one page of the window's picture.
  const QString pdf = QString::fromStdString((dir / "page.pdf").string());
  services.printerChooser = [pdf] {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(pdf);
    return std::optional<ChosenPrinter>(
        ChosenPrinter{std::make_unique<qt::QtPrinterSurface>(std::move(printer)), "PDF"});
  };
  dlg.Dispatch({.kind = EventKind::Command, .id = resources::IDC_PRINT});
  EXPECT_EQ(messages, std::vector<std::string>{"printed to: PDF"});
  EXPECT_GT(QFileInfo(pdf).size(), 1000);
}

INSTANTIATE_TEST_SUITE_P(Layouts, ArchiveVariantTest,
                         ::testing::Values(Variant{"w6_lf", 6, false, false}, Variant{"w6_crlf_gz", 6, true, true},
                                           Variant{"w7_crlf", 7, true, false}, Variant{"w7_lf_gz", 7, false, true},
                                           Variant{"w8_lf_gz", 8, false, true}, Variant{"w8_crlf", 8, true, false}),
                         [](const ::testing::TestParamInfo<Variant>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace helvarra::test
