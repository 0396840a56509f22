// The cursor read-out on the real window after a real plot: the channel
// known by the clicked pixel's exact colour, and the point a real click lands
// on, in the lines' glyphs. What the read-out says where is tested on the
// fakes.

#include <QTest>

#include "data/record_time.h"
#include "tests/platform/qt_viewer_fixture.h"
#include "tests/support/dialog_test_access.h"

namespace helvarra::test {
namespace {

class ReadoutTest : public QtViewerTest {
 protected:
  void SetUp() override {
    std::string bytes;
    for (int i = 0; i < 1900; ++i) {
      const int f = i % 2 + 1;
      bytes += RecordLine("APLM", 24, 5, 14, 10, i / 60, i % 60,
                          {20 * f, 40 * f, 80 * f, 160 * f, 320 * f, 640 * f, 1280 * f, 2560 * f});
    }
    Open("readout.apl", bytes);
  }
  // A real mouse press on the window, in client coordinates.
  void ClickAt(int x, int y) {
    QTest::mousePress(services.MainWindow()->Client(), Qt::LeftButton, {}, QPoint(x, y));
    QTest::mouseRelease(services.MainWindow()->Client(), Qt::LeftButton, {}, QPoint(x, y));
  }
  bool Line(int line, const std::string& text) {
    return Shows(690, 80 + 15 * line, text, dlg.Style().m_fontSmall, dlg.Style().m_crText);
  }
  static constexpr const char* kBlank = "             ";
};

TEST_F(ReadoutTest, AClickOnATraceNamesItsChannel) {
  for (int k = 0; k < kChannelCount; ++k) {
    QPoint hit(-1, -1);
    for (int x = 300; x < 600 && hit.x() < 0; ++x)
      for (int y = 10; y < 510 && hit.x() < 0; ++y)
        if (Pixel(x, y) == dlg.Style().m_crChannel[static_cast<std::size_t>(k)]) hit = QPoint(x, y);
    ASSERT_GE(hit.x(), 0) << k;
    ClickAt(hit.x(), hit.y());
    EXPECT_TRUE(Line(0, std::string(kChannels[static_cast<std::size_t>(k)].label))) << k;
  }
}

// A real click's client coordinates are the read-out's: the plot's corner
// pixels give their own flux and time, and the black plot no channel.
TEST_F(ReadoutTest, ARealClickReadsOutThePixelItLandsOn) {
  DialogTestAccess::WindowStart(dlg) = DaysFromCivil(2024, 5, 14) * kSecondsPerDay + 601 * 60;
  ClickAt(80, 479);
  EXPECT_TRUE(Line(0, kBlank));
  EXPECT_TRUE(Line(1, "10 SFU"));
  EXPECT_TRUE(Line(2, "10:01:01 UT"));
  ClickAt(679, 480);
  EXPECT_TRUE(Line(1, "9 SFU"));
  EXPECT_TRUE(Line(2, "10:30:58 UT"));
}

}  // namespace
}  // namespace helvarra::test
