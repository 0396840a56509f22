#pragma once
// A drawing surface on the window's backing image: the client area's pixels,
// drawn with QPainter without antialiasing and flat-capped pens, so that a
// line leaves out its end pixel and every pixel holds the exact colour drawn.
// A line of no length in a pen wider than a pixel leaves the pen's dot.

#include <QFont>

#include "chart/drawing_surface.h"
#include "platform/qt/qt_canvas.h"

namespace helvarra::qt {

class GlyphMasks;

QColor ToQColor(Colour c);
Colour FromQRgb(QRgb rgb);

class QtWindowSurface : public DrawingSurface {
 public:
  explicit QtWindowSurface(QtCanvas& canvas);

  int PixelsPerInchY() const override { return 96; }
  void SelectFont(const Font& font) override;
  void SelectPen(const Pen& pen) override {
    pen_ = pen;
    penRgb_ = qRgb(RedOf(pen.colour), GreenOf(pen.colour), BlueOf(pen.colour));
  }
  void SelectBrush(const Brush& brush) override { brush_ = brush; }
  void SetBackgroundColour(Colour colour) override { background_ = colour; }
  void SetTextColour(Colour colour) override { text_ = colour; }
  void PutText(int x, int y, std::string_view text) override;
  void MovePen(int x, int y) override { penX_ = x, penY_ = y; }
  void DrawLineTo(int x, int y) override;
  void DrawRectangle(const Rect& rect) override;
  void FrameRectangle(const Rect& rect, const Brush& brush) override;
  Colour ReadPixel(int x, int y) const override;
  void DrawIconAt(int x, int y, const Icon& icon) override;
  // Straight into the pixels, as DrawLineTo draws each.
  void DrawStrokes(std::span<const Pen> pens, std::span<const Stroke> strokes) override;

  QtCanvas& Canvas() const { return canvas_; }

 private:
  void TakePixels();
  void PaintLine(int x, int y);
  // A solid vertical stroke of the pen's width from row `top` to `bottom`
  // (exclusive) about column x: straight into the pixels.
  void VerticalStroke(int x, int top, int bottom);
  void DottedLine(int x, int y);
  void Fill(int left, int top, int right, int bottom, Colour colour);  // right, bottom exclusive

  QtCanvas& canvas_;
  // The image's pixels, taken at the surface's first fill: a surface lives
  // for one drawing routine, during which nothing else holds the image.
  uchar* pixels_ = nullptr;
  qsizetype stride_ = 0;
  int width_ = 0, height_ = 0;
  Pen pen_;  // a fresh surface: black solid 1-pixel pen, white brush
  QRgb penRgb_ = qRgb(0, 0, 0);
  Brush brush_{0xFFFFFF};
  Colour background_ = 0xFFFFFF;
  Colour text_ = 0x000000;
  QFont font_;
  int cellWidth_ = 0;  // fixed-pitch fonts are drawn a cell at a time
  int cellHeight_ = 0, ascent_ = 0;
  int maxCharWidth_ = 0;  // a proportional font's widest character
  const GlyphMasks* glyphs_ = nullptr;
  int penX_ = 0, penY_ = 0;
};

}  // namespace helvarra::qt
