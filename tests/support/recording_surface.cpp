#include "tests/support/recording_surface.h"

namespace helvarra::test {

void RecordingSurface::Log(DrawOp op) {
  if (log_ == nullptr) return;
  op.surface = serial_;
  op.pen = pen_;
  op.brush = brush_.colour;
  op.background = background_;
  op.textColour = textColour_;
  op.font = font_.face;
  log_->push_back(std::move(op));
}

void RecordingSurface::SelectFont(const Font& font) {
  font_ = font;
  Log({.op = Op::SelectFont, .text = font.face});
}
void RecordingSurface::SelectPen(const Pen& pen) {
  pen_ = pen;
  Log({.op = Op::SelectPen});
}
void RecordingSurface::SelectBrush(const Brush& brush) {
  brush_ = brush;
  Log({.op = Op::SelectBrush});
}
void RecordingSurface::SetBackgroundColour(Colour colour) {
  background_ = colour;
  Log({.op = Op::Background});
}
void RecordingSurface::SetTextColour(Colour colour) {
  textColour_ = colour;
  Log({.op = Op::TextColour});
}
void RecordingSurface::PutText(int x, int y, std::string_view text) {
  Log({.op = Op::Text, .x = x, .y = y, .text = std::string(text)});
}
void RecordingSurface::MovePen(int x, int y) {
  penX_ = x;
  penY_ = y;
  Log({.op = Op::Move, .x = x, .y = y});
}
void RecordingSurface::DrawLineTo(int x, int y) {
  Log({.op = Op::Line, .x = penX_, .y = penY_, .x2 = x, .y2 = y});
  penX_ = x;
  penY_ = y;
}
void RecordingSurface::DrawRectangle(const Rect& r) {
  Log({.op = Op::Rectangle, .x = r.left, .y = r.top, .x2 = r.right, .y2 = r.bottom});
}
void RecordingSurface::FrameRectangle(const Rect& r, const Brush& brush) {
  DrawOp op{.op = Op::Frame, .x = r.left, .y = r.top, .x2 = r.right, .y2 = r.bottom};
  const Brush selected = brush_;
  brush_ = brush;  // logged with the frame's own brush
  Log(std::move(op));
  brush_ = selected;
}
void RecordingSurface::DrawIconAt(int x, int y, const Icon& icon) {
  Log({.op = Op::Icon, .x = x, .y = y, .x2 = icon.resourceId});
}

DrawLog OpsOf(const DrawLog& log, Op kind) {
  DrawLog out;
  for (const DrawOp& op : log)
    if (op.op == kind) out.push_back(op);
  return out;
}

std::vector<std::string> TextsAt(const DrawLog& log, int x, int y) {
  std::vector<std::string> out;
  for (const DrawOp& op : log)
    if (op.op == Op::Text && op.x == x && op.y == y) out.push_back(op.text);
  return out;
}

DrawLog TraceStrokes(const DrawLog& log) {
  DrawLog out;
  for (const DrawOp& op : log)
    if (op.op == Op::Line && op.pen.width == 2 && op.pen.style == PenStyle::Solid) out.push_back(op);
  return out;
}

}  // namespace helvarra::test
