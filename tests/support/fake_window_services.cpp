#include "tests/support/fake_window_services.h"

#include <algorithm>
#include <stdexcept>

namespace helvarra::test {

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
  return NewSurface();
}

int FakeWindowServices::ReleaseWindowSurface(std::unique_ptr<DrawingSurface> surface) {
  if (!surface) throw std::logic_error("released a null surface");
  ++released;
  --held;
  return 1;
}

std::unique_ptr<DrawingSurface> FakeWindowServices::BeginPaintCycle() {
  ++paintCycles;
  return NewSurface();
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
  if (templateId == resources::kMainDialogId && events != nullptr) events->InitWindow();
  return 1;
}

void FakeWindowServices::WriteControls(int controlId, int check) { checks[controlId] = check; }

int FakeWindowServices::ReadControls(int controlId) const {
  const auto it = checks.find(controlId);
  return it == checks.end() ? 0 : it->second;
}

std::optional<std::vector<ChosenFile>> FakeWindowServices::ChooseOpenFiles(std::string_view filter,
                                                                          std::string_view folder) {
  ++fileDialogs;
  fileDialogFilter = std::string(filter);
  fileDialogFolder = std::string(folder);
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

}  // namespace helvarra::test
