// Files given to the window rather than chosen in its dialog: dropped on it,
// or named on the command line and opened once the window is up.

#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include "platform/qt/qt_file_dialog.h"
#include "tests/support/dialog_test_access.h"
#include "tests/platform/qt_viewer_fixture.h"

namespace helvarra::test {
namespace {

std::string HalfHour() {
  std::string bytes;
  for (int i = 0; i < 1900; ++i) {
    const int v = 90 * (i % 2 + 1);  // every stroke has a length
    bytes += RecordLine("APLM", 24, 5, 14, 6, i / 60, i % 60, {v, v, v, v, v, v, v, v});
  }
  return bytes;
}

class OpenGivenFileTest : public QtViewerTest {
 protected:
  // A drag of local files over the window, let go over a control.
  void Drop(const QStringList& files) {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& f : files) urls << QUrl::fromLocalFile(f);
    data.setUrls(urls);
    const QPointF at(50, 300);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(services.MainWindow(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(services.MainWindow(), &drop);
    Settle();
  }
};

TEST_F(OpenGivenFileTest, ADroppedFileOpensAsIfChosenWithFiles) {
  WriteFile(dir / "dropped.apl", HalfHour());
  WriteFile(dir / "second.apl", HalfHour());
  Drop({QString::fromStdString((dir / "dropped.apl").string()), QString::fromStdString((dir / "second.apl").string())});
  EXPECT_EQ(dlg.IsFileLoaded(), 1);
  EXPECT_EQ(DialogTestAccess::PathName(dlg), (dir / "dropped.apl").string());  // the first of several
  EXPECT_TRUE(Shows(690, 50, "dropped.apl", dlg.Style().m_fontSmall));
  EXPECT_GT(CountColour({80, 10, 680, 510}, dlg.Style().m_crChannel[7]), 0);  // the first open's chart
  EXPECT_TRUE(messages.empty());

  const std::string missing = (dir / "missing.apl").string();
  Drop({QString::fromStdString(missing)});
  EXPECT_EQ(messages, std::vector<std::string>{"Failed to open " + missing});
}

TEST_F(OpenGivenFileTest, SomethingOtherThanAFileIsNotTaken) {
  QMimeData text;
  text.setText(QStringLiteral("K7OL20151029110157       4"));
  QDragEnterEvent enter(QPoint(50, 300), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(services.MainWindow(), &enter);
  EXPECT_FALSE(enter.isAccepted());
}

// As the program does with a file on its command line: the window is painted
// first, then the file opens, or its message says why not.
TEST(OpenAtStartTest, TheFileOpensOnceTheWindowIsPainted) {
  TempDir dir;
  WriteFile(dir / "start.apl", HalfHour());
  for (const std::string name : {"start.apl", "absent.apl"}) {
    qt::QtWindowServices services;
    qt::QtOverviewServices servicesOverview{services};
    std::vector<std::string> messages;
    services.messageShown = [&](auto, const std::string& text) { messages.push_back(text); };
    CFluxViewerDlg dlg{services, servicesOverview};
    const std::string path = (dir / name).string();
    services.OpenAtStart({qt::ChoiceOf(QString::fromStdString(path))});
    services.OpenMainWindow(&dlg);
    for (int i = 0; i < 50 && dlg.IsFileLoaded() == 0 && messages.empty(); ++i) QTest::qWait(10);
    if (name == "start.apl") {
      EXPECT_EQ(dlg.IsFileLoaded(), 1);
      EXPECT_EQ(dlg.FileName(), "start.apl");
      EXPECT_TRUE(messages.empty());
    } else {
      EXPECT_EQ(dlg.IsFileLoaded(), 0);
      EXPECT_EQ(messages, std::vector<std::string>{"Failed to open " + path});
    }
    services.CloseMainWindow();
  }
}

}  // namespace
}  // namespace helvarra::test
