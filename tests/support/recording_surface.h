#pragma once
// A drawing surface for tests of the drawing: every operation is logged, with
// the surface state it was drawn in, into a list the test owns, and pixels
// read back from whatever the test gives it to read them from.

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "chart/drawing_surface.h"

namespace helvarra::test {

enum class Op { SelectFont, SelectPen, SelectBrush, Background, TextColour, Text, Move, Line, Rectangle, Frame, Icon };

// One drawing operation, with the surface state it was drawn in.
struct DrawOp {
  Op op = Op::Text;
  int surface = 0;                   // serial of the surface that drew it
  int x = 0, y = 0, x2 = 0, y2 = 0;  // Line: from (x, y) to (x2, y2); Rectangle/Frame: the rect; Icon: x2 the id
  std::string text{};                // Text: the text; SelectFont: the face
  Pen pen{};
  Colour brush = 0;
  Colour background = 0;
  Colour textColour = 0;
  std::string font{};
};

using DrawLog = std::vector<DrawOp>;

class RecordingSurface : public DrawingSurface {
 public:
  using PixelReader = std::function<Colour(int x, int y)>;
  // Logs into `log` (null: nothing is logged); reads pixels through `pixels`
  // (empty: every pixel reads 0).
  explicit RecordingSurface(DrawLog* log, int serial = 1, PixelReader pixels = {})
      : log_(log), serial_(serial), pixels_(std::move(pixels)) {}

  int PixelsPerInchY() const override { return 96; }
  void SelectFont(const Font& font) override;
  void SelectPen(const Pen& pen) override;
  void SelectBrush(const Brush& brush) override;
  void SetBackgroundColour(Colour colour) override;
  void SetTextColour(Colour colour) override;
  void PutText(int x, int y, std::string_view text) override;
  void MovePen(int x, int y) override;
  void DrawLineTo(int x, int y) override;
  void DrawRectangle(const Rect& rect) override;
  void FrameRectangle(const Rect& rect, const Brush& brush) override;
  Colour ReadPixel(int x, int y) const override { return pixels_ ? pixels_(x, y) : 0; }
  void DrawIconAt(int x, int y, const Icon& icon) override;

  Colour background() const { return background_; }
  int serial() const { return serial_; }

 private:
  void Log(DrawOp op);

  DrawLog* log_;
  int serial_;
  PixelReader pixels_;
  Font font_;
  Pen pen_;
  Brush brush_;
  Colour background_ = 0xFFFFFF, textColour_ = 0;
  int penX_ = 0, penY_ = 0;
};

// The operations of a kind, oldest first.
DrawLog OpsOf(const DrawLog& log, Op kind);
// Text drawn at a point, oldest first.
std::vector<std::string> TextsAt(const DrawLog& log, int x, int y);
// Strokes in a solid 2-pixel pen: the channel traces.
DrawLog TraceStrokes(const DrawLog& log);

}  // namespace helvarra::test
