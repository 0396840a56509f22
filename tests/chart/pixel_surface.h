#pragma once
// A drawing surface that keeps its pixels in memory, for tests that look at
// a picture: lines and rectangles as the window's surface draws them (a
// line leaves out its end pixel, a dotted pen puts every other pixel in the
// background colour), text as its cells in the background colour, 8 pixels
// a character, with each text kept besides.

#include <algorithm>
#include <string>
#include <vector>

#include "chart/drawing_surface.h"

namespace helvarra::test {

struct PlacedText {
  int x, y;
  std::string text;
};

class PixelSurface : public DrawingSurface {
 public:
  static constexpr Colour kUnpainted = 0xFF000000;  // no colour a drawing has

  explicit PixelSurface(Size size)
      : size_(size), pixels_(static_cast<std::size_t>(size.width * size.height), kUnpainted) {}

  std::vector<PlacedText> texts;

  int PixelsPerInchY() const override { return 96; }
  void SelectFont(const Font& font) override { cellHeight_ = font.pixelHeight; }
  void SelectPen(const Pen& pen) override { pen_ = pen; }
  void SelectBrush(const Brush& brush) override { brush_ = brush; }
  void SetBackgroundColour(Colour colour) override { background_ = colour; }
  void SetTextColour(Colour) override {}
  void PutText(int x, int y, std::string_view text) override {
    texts.push_back({x, y, std::string(text)});
    Fill({x, y, x + 8 * static_cast<int>(text.size()), y + cellHeight_}, background_);
  }
  void MovePen(int x, int y) override { x_ = x, y_ = y; }
  void DrawLineTo(int x, int y) override {
    const int dx = x > x_ ? 1 : x < x_ ? -1 : 0, dy = y > y_ ? 1 : y < y_ ? -1 : 0;
    for (int i = 0; x_ != x || y_ != y; ++i, x_ += dx, y_ += dy) {
      const bool gap = pen_.style == PenStyle::Dotted && i % 2 == 1;
      const int lo = pen_.width / 2, hi = (pen_.width - 1) / 2;
      const Rect dot = dx == 0 ? Rect{x_ - lo, y_, x_ + hi + 1, y_ + 1} : Rect{x_, y_ - lo, x_ + 1, y_ + hi + 1};
      Fill(dot, gap ? background_ : pen_.colour);
    }
  }
  void DrawRectangle(const Rect& r) override {
    Fill(r, brush_.colour);
    FrameRectangle(r, Brush{pen_.colour});
  }
  void FrameRectangle(const Rect& r, const Brush& brush) override {
    Fill({r.left, r.top, r.right, r.top + 1}, brush.colour);
    Fill({r.left, r.bottom - 1, r.right, r.bottom}, brush.colour);
    Fill({r.left, r.top, r.left + 1, r.bottom}, brush.colour);
    Fill({r.right - 1, r.top, r.right, r.bottom}, brush.colour);
  }
  Colour ReadPixel(int x, int y) const override {
    if (x < 0 || y < 0 || x >= size_.width || y >= size_.height) return kUnpainted;
    return pixels_[static_cast<std::size_t>(y * size_.width + x)];
  }
  void DrawIconAt(int, int, const Icon&) override {}

 private:
  void Fill(const Rect& r, Colour colour) {
    for (int y = std::max(r.top, 0); y < std::min(r.bottom, size_.height); ++y)
      for (int x = std::max(r.left, 0); x < std::min(r.right, size_.width); ++x)
        pixels_[static_cast<std::size_t>(y * size_.width + x)] = colour;
  }

  Size size_;
  std::vector<Colour> pixels_;
  Pen pen_;
  Brush brush_;
  Colour background_ = 0xFFFFFF;
  int cellHeight_ = 13;
  int x_ = 0, y_ = 0;
};

}  // namespace helvarra::test
