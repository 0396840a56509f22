// The pixels of whole windows of the bundled sample, pinned by checksum, so
// that making the drawing faster cannot change what is drawn. The sums were
// taken from the straightforward drawing through QPainter, with the 2-pixel
// dot a stroke of no length leaves.

#include <QTest>

#include "tests/platform/qt_viewer_fixture.h"

namespace helvarra::test {
namespace {

std::uint64_t Checksum(const QImage& image) {
  std::uint64_t h = 1469598103934665603ULL;  // FNV-1a over the pixels' RGB
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      h ^= image.pixel(x, y) & 0xFFFFFF;
      h *= 1099511628211ULL;
    }
  return h;
}

class PlotChecksumTest : public QtViewerTest {
 protected:
  std::uint64_t Sum() {
    services.Canvas().Finish();
    return Checksum(services.Canvas().Image());
  }
};

TEST_F(PlotChecksumTest, SampleWindowsDrawTheSamePixels) {
  OpenPath(HELVARRA_SOURCE_DIR "/samples/14MAY24.APL", "14MAY24.APL");
  dlg.Dispatch({.kind = EventKind::Paint});
  std::vector<std::uint64_t> sums{Sum()};
  PlotAt(2400);  // the burst
  sums.push_back(Sum());
  PlotAt(5300);  // across midnight, after the gap
  sums.push_back(Sum());
  ShowOnly({1, 4, 7});
  PlotAt(10000);  // the last, short window, with zero and blank values
  sums.push_back(Sum());
  QTest::mousePress(services.MainWindow()->Client(), Qt::LeftButton, {}, QPoint(200, 300));
  sums.push_back(Sum());
  const std::vector<std::uint64_t> expected{0x445980691ad97c14ULL, 0x3aef2cff362ef785ULL, 0x5cfbf34d8edf7d41ULL,
                                            0x3c65027b125e7592ULL, 0x365b121672e60022ULL};
  EXPECT_EQ(sums, expected);
}

}  // namespace
}  // namespace helvarra::test
