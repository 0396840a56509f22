// The cursor read-out on the real window after a real plot: the channel
// known by the clicked pixel's colour, the flux and the time of the point.

#include <QTest>

#include "tests/platform/qt_viewer_fixture.h"

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
    return Shows(690, 80 + 15 * line, text, dlg.m_style.m_fontSmall, dlg.m_style.m_crText);
  }
  static constexpr const char* kBlank = "             ";
};

TEST_F(ReadoutTest, AClickOnATraceNamesItsChannel) {
  for (int k = 0; k < kChannelCount; ++k) {
    QPoint hit(-1, -1);
    for (int x = 300; x < 600 && hit.x() < 0; ++x)
      for (int y = 10; y < 510 && hit.x() < 0; ++y)
        if (Pixel(x, y) == dlg.m_style.m_crChannel[static_cast<std::size_t>(k)]) hit = QPoint(x, y);
    ASSERT_GE(hit.x(), 0) << k;
    ClickAt(hit.x(), hit.y());
    EXPECT_TRUE(Line(0, std::string(kChannels[static_cast<std::size_t>(k)].label))) << k;
  }
}

TEST_F(ReadoutTest, TheBlackPlotGivesFluxAndTimeOnly) {
  dlg.m_nStartMinute = 601;
  ClickAt(80, 479);
  EXPECT_TRUE(Line(0, kBlank));
  EXPECT_TRUE(Line(1, "10 SFU"));
  EXPECT_TRUE(Line(2, "10:01:01 UT"));
  ClickAt(679, 480);
  EXPECT_TRUE(Line(1, "9 SFU"));
  EXPECT_TRUE(Line(2, "10:30:58 UT"));
  ClickAt(100, 509);
  EXPECT_TRUE(Line(1, "5 SFU"));
  ClickAt(100, 10);
  EXPECT_TRUE(Line(1, "489778 SFU"));
  dlg.m_nStartMinute = 1440;
  ClickAt(80, 20);
  EXPECT_TRUE(Line(2, "00:00:01 UT"));
  EXPECT_EQ(dlg.m_bIdle, 1);
}

TEST_F(ReadoutTest, TheBorderAndOutsideOnlyBlankTheLines) {
  for (auto [x, y] : {std::pair{79, 200}, {680, 200}, {300, 9}, {300, 510}, {20, 20}, {750, 560}}) {
    ClickAt(100, 400);  // something to blank
    ClickAt(x, y);
    for (int line = 0; line < 3; ++line) EXPECT_TRUE(Line(line, kBlank)) << x << "," << y << " line " << line;
  }
}

TEST_F(ReadoutTest, NothingIsDrawnWhileBusy) {
  ClickAt(100, 400);
  services.Canvas().Finish();
  const QImage before = services.Canvas().Image().copy();
  dlg.m_bIdle = 0;
  ClickAt(300, 300);
  services.Canvas().Finish();
  EXPECT_EQ(services.Canvas().Image(), before);
}

}  // namespace
}  // namespace helvarra::test
