// The window surface on the backing image: strokes leave out their end
// pixel whichever way they run, colours read back exactly, text fills its
// cells, dotted pens paint their gaps, and two surfaces work at once.

#include <gtest/gtest.h>

#include "chart/chart_layout.h"
#include "data/channels.h"
#include "platform/qt/qt_window_surface.h"

namespace helvarra::test {
namespace {

constexpr Colour kBack = 0xC8D0D4;

class WindowSurfaceTest : public ::testing::Test {
 protected:
  WindowSurfaceTest() { canvas.Image().fill(Qt::black); }
  Colour At(int x, int y) {
    canvas.Finish();
    return qt::FromQRgb(canvas.Image().pixel(x, y));
  }
  // The rows of column x that hold a colour.
  std::vector<int> Rows(int x, Colour c) {
    std::vector<int> rows;
    for (int y = 0; y < 574; ++y)
      if (At(x, y) == c) rows.push_back(y);
    return rows;
  }
  static std::vector<int> Range(int from, int to) {
    std::vector<int> v;
    for (int i = from; i <= to; ++i) v.push_back(i);
    return v;
  }
  qt::QtCanvas canvas{QSize(798, 574)};
};

TEST_F(WindowSurfaceTest, StraightStrokesCoverStartToJustBeforeTheEnd) {
  qt::QtWindowSurface s(canvas);
  s.SelectPen(MakePen(PenStyle::Solid, 2, Channel(0).colour));
  s.MovePen(80, 379);
  s.DrawLineTo(80, 279);  // upwards
  s.MovePen(120, 279);
  s.DrawLineTo(120, 379);  // downwards
  s.MovePen(200, 300);
  s.DrawLineTo(200, 300);  // no length: the pen's dot
  s.SelectPen(MakePen(PenStyle::Solid, 1, kTextColour));
  s.MovePen(300, 511);
  s.DrawLineTo(300, 516);
  s.MovePen(400, 50);
  s.DrawLineTo(410, 50);
  s.DrawLineTo(410, 50);  // no length in a 1-pixel pen: nothing
  EXPECT_EQ(Rows(79, Channel(0).colour), Range(280, 379));
  EXPECT_EQ(Rows(80, Channel(0).colour), Range(280, 379));
  EXPECT_TRUE(Rows(81, Channel(0).colour).empty());
  EXPECT_EQ(Rows(119, Channel(0).colour), Range(279, 378));
  EXPECT_EQ(Rows(120, Channel(0).colour), Range(279, 378));
  EXPECT_EQ(Rows(199, Channel(0).colour), Range(299, 300));
  EXPECT_EQ(Rows(200, Channel(0).colour), Range(299, 300));
  EXPECT_EQ(Rows(300, kTextColour), Range(511, 515));
  EXPECT_EQ(At(400, 50), kTextColour);
  EXPECT_EQ(At(409, 50), kTextColour);
  EXPECT_NE(At(410, 50), kTextColour);
  EXPECT_NE(At(409, 49), kTextColour);
}

TEST_F(WindowSurfaceTest, EveryChartColourReadsBackExactly) {
  qt::QtWindowSurface s(canvas);
  std::vector<Colour> colours;
  for (const ChannelInfo& c : kChannels) colours.push_back(c.colour);
  colours.insert(colours.end(), {kGridColour, kTextColour, kBack});
  for (std::size_t i = 0; i < colours.size(); ++i) {
    const int x = 100 + 10 * static_cast<int>(i);
    s.SelectPen(MakePen(PenStyle::Solid, 2, colours[i]));
    s.MovePen(x, 100);
    s.DrawLineTo(x, 200);
    EXPECT_EQ(s.ReadPixel(x, 150), colours[i]) << std::hex << colours[i];
  }
  EXPECT_EQ(s.ReadPixel(-1, 0), 0xFFFFFFFFu);
  EXPECT_EQ(s.ReadPixel(798, 0), 0xFFFFFFFFu);
}

TEST_F(WindowSurfaceTest, DottedPenPaintsItsGapsInTheBackground) {
  qt::QtWindowSurface s(canvas);
  s.SetBackgroundColour(kBack);
  s.SelectPen(MakePen(PenStyle::Dotted, 1, kGridColour));
  s.MovePen(80, 479);
  s.DrawLineTo(680, 479);
  int dots = 0, gaps = 0;
  for (int x = 80; x < 680; ++x)
    (At(x, 479) == kGridColour ? dots : gaps) += At(x, 479) == kGridColour || At(x, 479) == kBack;
  EXPECT_EQ(dots + gaps, 600);
  EXPECT_GT(dots, 100);
  EXPECT_GT(gaps, 100);
  EXPECT_EQ(At(680, 479), 0x000000u);
}

TEST_F(WindowSurfaceTest, TextFillsEightPixelCellsWithTheBackground) {
  qt::QtWindowSurface s(canvas);
  s.SetBackgroundColour(kBack);
  s.SelectFont(MakePointFont(kSmallFontFace, kSmallFontTenths, s));
  EXPECT_EQ(MakePointFont(kSmallFontFace, kSmallFontTenths, s).pixelHeight, 13);
  EXPECT_EQ(MakePointFont(kLargeFontFace, kLargeFontTenths, s).pixelHeight, 18);
  s.PutText(100, 100, "10000");
  // Five cells of 8 pixels: every pixel of them is text (black, the fresh
  // surface's colour) or background, and nothing spills over.
  int text = 0, back = 0;
  for (int y = 100; y < 113; ++y)
    for (int x = 100; x < 140; ++x) {
      const Colour c = At(x, y);
      ASSERT_TRUE(c == 0x000000 || c == kBack) << x << "," << y;
      (c == 0 ? text : back)++;
    }
  EXPECT_GT(text, 20);
  EXPECT_EQ(At(99, 105), 0x000000u);
  EXPECT_EQ(At(140, 105), 0x000000u);
  EXPECT_EQ(At(139, 100), kBack);
  // Blanks erase: the same cells are background again.
  s.PutText(100, 100, "     ");
  for (int x = 100; x < 140; ++x) EXPECT_EQ(At(x, 105), kBack);
}

TEST_F(WindowSurfaceTest, RectanglesAndFramesCoverRightAndBottomExclusive) {
  qt::QtWindowSurface s(canvas);
  s.SelectBrush(MakeSolidBrush(kBack));
  s.DrawRectangle(kTimeAxisRect);  // outlined in the fresh black pen
  EXPECT_EQ(At(60, 520), 0x000000u);
  EXPECT_EQ(At(61, 520), kBack);
  s.FrameRectangle(kTimeAxisRect, MakeSolidBrush(kBack));
  for (auto [x, y] : {std::pair{60, 511}, {704, 534}, {60, 534}, {704, 511}, {300, 511}}) EXPECT_EQ(At(x, y), kBack);
  EXPECT_EQ(At(705, 520), 0x000000u);
  EXPECT_EQ(At(300, 535), 0x000000u);
}

TEST_F(WindowSurfaceTest, TwoSurfacesDrawAtOnceEachWithItsOwnState) {
  auto outer = std::make_unique<qt::QtWindowSurface>(canvas);
  outer->SetBackgroundColour(kBack);
  outer->SelectFont(MakePointFont(kSmallFontFace, kSmallFontTenths, *outer));
  {
    qt::QtWindowSurface inner(canvas);  // a fresh state: default colours
    inner.SelectPen(MakePen(PenStyle::Solid, 2, Channel(4).colour));
    inner.MovePen(300, 100);
    inner.DrawLineTo(300, 120);
    inner.SelectFont(outer->PixelsPerInchY() == 96 ? MakePointFont(kSmallFontFace, 100, inner) : Font{});
    inner.PutText(400, 100, " ");  // fresh background: white
  }
  outer->PutText(500, 100, " ");
  outer.reset();
  EXPECT_EQ(At(300, 110), Channel(4).colour);
  EXPECT_EQ(At(403, 105), 0xFFFFFFu);
  EXPECT_EQ(At(503, 105), kBack);
}

}  // namespace
}  // namespace helvarra::test
