#include "tests/support/fake_window_services.h"

#include <algorithm>
#include <stdexcept>

namespace helvarra::test {

// --- RecordingSurface --------------------------------------------------------

void RecordingSurface::Log(DrawOp op) {
  if (owner_ == nullptr) return;
  op.surface = serial_;
  op.pen = pen_;
  op.brush = brush_.colour;
  op.background = background_;
  op.textColour = textColour_;
  op.font = font_.face;
  owner_->log.push_back(std::move(op));
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
Colour RecordingSurface::ReadPixel(int x, int y) const { return owner_ ? owner_->Pixel(x, y) : 0; }
void RecordingSurface::DrawIconAt(int x, int y, const Icon& icon) {
  Log({.op = Op::Icon, .x = x, .y = y, .x2 = icon.resourceId});
}

// --- FakePrinterSurface ------------------------------------------------------

Size FakePrinterSurface::GetPageSize() const {
  log_.calls.push_back("GetPageSize");
  return page_;
}
void FakePrinterSurface::StretchCopy(const Rect& destination, const DrawingSurface& source, const Rect& sourceRect) {
  log_.calls.push_back("StretchCopy");
  log_.stretchDestination = destination;
  log_.stretchSource = sourceRect;
  log_.stretchFromWindowSurface = dynamic_cast<const RecordingSurface*>(&source) != nullptr;
}
int FakePrinterSurface::BeginPrintDocument(std::string_view documentName) {
  log_.calls.push_back("BeginDoc " + std::string(documentName));
  return beginResult_;
}
int FakePrinterSurface::BeginPrintPage() {
  log_.calls.push_back("BeginPage");
  return 1;
}
int FakePrinterSurface::EndPrintPage() {
  log_.calls.push_back("EndPage");
  return 1;
}
int FakePrinterSurface::EndPrintDocument() {
  log_.calls.push_back("EndDoc");
  return 1;
}

// --- FakeWindowServices ------------------------------------------------------

FakeWindowServices::FakeWindowServices() : pixels(static_cast<std::size_t>(kWidth * kHeight), 0) {}

std::unique_ptr<DrawingSurface> FakeWindowServices::AcquireWindowSurface() {
  ++acquired;
  maxHeld = std::max(maxHeld, ++held);
  return std::make_unique<RecordingSurface>(this, ++surfaceSerial);
}

int FakeWindowServices::ReleaseWindowSurface(std::unique_ptr<DrawingSurface> surface) {
  if (!surface) throw std::logic_error("released a null surface");
  ++released;
  --held;
  return 1;
}

std::unique_ptr<DrawingSurface> FakeWindowServices::BeginPaintCycle() {
  ++paintCycles;
  return std::make_unique<RecordingSurface>(this, ++surfaceSerial);
}

void FakeWindowServices::EndPaintCycle(std::unique_ptr<DrawingSurface>) { ++paintCyclesEnded; }

void FakeWindowServices::EraseIconBackground(DrawingSurface&) { ++iconErasures; }

// Like the real slider, a position is held to the range and never negative,
// even while the maximum the viewer sent is.
void FakeWindowServices::SetSliderPos(int position) { sliderPos = std::clamp(position, 0, std::max(sliderMax, 0)); }

// The maximum is kept as the viewer sent it, negative or not.
void FakeWindowServices::SetSliderMax(int maximum) {
  sliderMax = maximum;
  sliderPos = std::clamp(sliderPos, 0, std::max(sliderMax, 0));
}

void FakeWindowServices::StopTimer() {
  ++timerStops;
  timerRunning = false;
}

void FakeWindowServices::StartTimer() {
  ++timerStarts;
  timerRunning = true;
}

int FakeWindowServices::RunModal(int templateId, DialogEvents* events) {
  modalRuns.push_back(templateId);
  if (templateId == 102 && events != nullptr) events->InitWindow();
  return 1;
}

void FakeWindowServices::WriteControls(int controlId, int check) { checks[controlId] = check; }

int FakeWindowServices::ReadControls(int controlId) const {
  const auto it = checks.find(controlId);
  return it == checks.end() ? 0 : it->second;
}

std::optional<ChosenFile> FakeWindowServices::ChooseOpenFile(std::string_view filter) {
  ++fileDialogs;
  fileDialogFilter = std::string(filter);
  return fileChoice;
}

std::optional<ChosenPrinter> FakeWindowServices::ChoosePrinter() {
  ++printDialogs;
  if (!printerDevice) return std::nullopt;
  ChosenPrinter chosen;
  chosen.surface = std::make_unique<FakePrinterSurface>(printer, printerPage, printerBeginResult);
  chosen.deviceName = *printerDevice;
  return chosen;
}

void FakeWindowServices::NextPrinter(std::string device, int beginResult, Size page) {
  printerDevice = std::move(device);
  printerBeginResult = beginResult;
  printerPage = page;
}

void FakeWindowServices::SetPixel(int x, int y, Colour c) {
  if (x >= 0 && x < kWidth && y >= 0 && y < kHeight) pixels[static_cast<std::size_t>(y * kWidth + x)] = c;
}

Colour FakeWindowServices::Pixel(int x, int y) const {
  if (x < 0 || x >= kWidth || y < 0 || y >= kHeight) return 0;
  return pixels[static_cast<std::size_t>(y * kWidth + x)];
}

std::vector<DrawOp> FakeWindowServices::Ops(Op kind) const {
  std::vector<DrawOp> out;
  for (const DrawOp& op : log)
    if (op.op == kind) out.push_back(op);
  return out;
}

std::vector<std::string> FakeWindowServices::TextsAt(int x, int y) const {
  std::vector<std::string> out;
  for (const DrawOp& op : log)
    if (op.op == Op::Text && op.x == x && op.y == y) out.push_back(op.text);
  return out;
}

std::vector<DrawOp> FakeWindowServices::TraceStrokes() const {
  std::vector<DrawOp> out;
  for (const DrawOp& op : log)
    if (op.op == Op::Line && op.pen.width == 2 && op.pen.style == PenStyle::Solid) out.push_back(op);
  return out;
}

std::unique_ptr<DrawingSurface> FakeWindowServices::AcquireOverviewSurface() {
  return std::make_unique<RecordingSurface>(nullptr, 0);  // drawn, not logged: the overview's own tests look
}

}  // namespace helvarra::test
