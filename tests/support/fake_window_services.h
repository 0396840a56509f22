#pragma once
// Window services for tests of the viewer core: every control, timer, dialog
// and message is recorded, file and printer choices are scripted, and window
// surfaces (recording surfaces) log their drawing into one shared list and
// read pixels from a plain array the test may paint into.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "resources/dialog_templates.h"
#include "tests/support/dialog_test_access.h"
#include "tests/support/record_text.h"
#include "tests/support/recording_surface.h"
#include "viewer/flux_viewer_dlg.h"
#include "viewer/overview_services.h"
#include "viewer/window_services.h"

namespace helvarra::test {

// What the printer surface was asked, in order: "GetPageSize",
// "BeginDoc <name>", "BeginPage", "StretchCopy", "EndPage", "EndDoc".
struct PrinterLog {
  std::vector<std::string> calls;
  Rect stretchDestination, stretchSource;
  bool stretchFromWindowSurface = false;
  int deleted = 0;
};

class FakePrinterSurface : public PrinterSurface {
 public:
  FakePrinterSurface(PrinterLog& log, Size page, int beginResult) : log_(log), page_(page), beginResult_(beginResult) {}
  ~FakePrinterSurface() override { ++log_.deleted; }
  Size GetPageSize() const override;
  void StretchCopy(const Rect& destination, const DrawingSurface& source, const Rect& sourceRect) override;
  int BeginPrintDocument(std::string_view documentName) override;
  int BeginPrintPage() override;
  int EndPrintPage() override;
  int EndPrintDocument() override;

 private:
  PrinterLog& log_;
  Size page_;
  int beginResult_;
};

class FakeWindowServices : public WindowServices {
 public:
  enum class MessageKind { Warning, Plain, Error };
  struct Message {
    MessageKind kind;
    std::string text;
  };

  static constexpr int kWidth = 798, kHeight = 574;
  static constexpr Colour kBorderColour = 0xC8D0D4;

  FakeWindowServices();

  std::unique_ptr<DrawingSurface> AcquireWindowSurface() override;
  int ReleaseWindowSurface(std::unique_ptr<DrawingSurface> surface) override;
  std::unique_ptr<DrawingSurface> BeginPaintCycle() override;
  void EndPaintCycle(std::unique_ptr<DrawingSurface> surface) override;

  void SetSliderPos(int position) override;
  int GetSliderPos() const override { return sliderPos; }
  void StopTimer() override;
  bool IsMinimised() const override { return minimised; }
  Size GetClientSize() const override { return {kWidth, kHeight}; }
  Size GetIconSize() const override { return {32, 32}; }
  void EraseIconBackground(DrawingSurface& paintSurface) override;

  // WindowServices
  int RunModal(int templateId, DialogEvents* events) override;
  void EndModal(int code) override { endModalCodes.push_back(code); }
  void WriteControls(int controlId, int check) override;
  int ReadControls(int controlId) const override;
  void SetSliderMax(int maximum) override;
  void StartTimer() override;
  std::optional<std::vector<ChosenFile>> ChooseOpenFiles(std::string_view filter, std::string_view folder) override;
  std::optional<ChosenPrinter> ChoosePrinter() override;
  void ShowWarning(std::string_view text) override { messages.push_back({MessageKind::Warning, std::string(text)}); }
  void ShowMessage(std::string_view text) override { messages.push_back({MessageKind::Plain, std::string(text)}); }
  void ShowError(std::string_view text) override { messages.push_back({MessageKind::Error, std::string(text)}); }
  bool HasSystemMenu() const override { return true; }
  void AppendSystemMenuSeparator() override { systemMenu.push_back({"", 0}); }
  void AppendSystemMenuItem(std::string_view text, unsigned command) override {
    systemMenu.push_back({std::string(text), command});
  }
  void EnableSystemMenuItem(unsigned command, bool enabled) override { menuEnabled[command] = enabled; }
  void SetFileNameTip(std::string_view text) override { fileNameTip = std::string(text); }
  void SetWindowIcon(const Icon& icon) override { windowIcons.push_back(icon); }
  Colour GetActiveBorderColour() const override { return kBorderColour; }
  void DefaultHandling() override { ++defaultHandling; }
  // Test side.
  void SetPixel(int x, int y, Colour c);
  Colour Pixel(int x, int y) const;
  DrawLog Ops(Op kind) const { return OpsOf(log, kind); }
  std::vector<std::string> TextsAt(int x, int y) const { return test::TextsAt(log, x, y); }
  DrawLog TraceStrokes() const { return test::TraceStrokes(log); }
  void ClearLog() { log.clear(); }
  // Scripts the next open-file dialog; nullopt cancels it.
  void NextFile(std::optional<ChosenFile> file) {
    fileChoice = file ? std::optional<std::vector<ChosenFile>>({*file}) : std::nullopt;
  }
  void NextFiles(std::vector<ChosenFile> files) { fileChoice = std::move(files); }
  void NextPrinter(std::string device, int beginResult = 1, Size page = {4800, 3500});
  void CancelPrinter() { printerDevice.reset(); }

  DrawLog log;
  std::map<int, int> checks;           // check box states by control id
  int sliderPos = 0, sliderMax = 100;  // the maximum as last sent
  bool timerRunning = false;
  int timerStarts = 0, timerStops = 0;
  std::vector<Message> messages;
  std::vector<std::pair<std::string, unsigned>> systemMenu;  // "" : a separator
  std::vector<Icon> windowIcons;
  int defaultHandling = 0;
  std::vector<int> endModalCodes;
  std::vector<int> modalRuns;  // template ids
  std::optional<std::vector<ChosenFile>> fileChoice;
  int fileDialogs = 0;
  std::string fileDialogFilter, fileDialogFolder;  // as the last dialog got them
  std::map<unsigned, bool> menuEnabled;            // window-menu items by command
  std::string fileNameTip;
  std::optional<std::string> printerDevice;
  int printerBeginResult = 1;
  Size printerPage;
  int printDialogs = 0;
  PrinterLog printer;
  bool minimised = false;
  int acquired = 0, released = 0, held = 0, maxHeld = 0;
  int paintCycles = 0, paintCyclesEnded = 0, iconErasures = 0;
  int surfaceSerial = 0;
  std::vector<Colour> pixels;

 private:
  // A window surface that logs into `log` and reads `pixels`.
  std::unique_ptr<DrawingSurface> NewSurface() {
    return std::make_unique<RecordingSurface>(&log, ++surfaceSerial, [this](int x, int y) { return Pixel(x, y); });
  }
};

// The day overview's services: what it was asked, recorded.
class FakeOverviewServices : public OverviewServices {
 public:
  void ShowOverview(DialogEvents& events, std::string_view title) override {
    overviewEvents = &events;
    overviewTitle = std::string(title);
    ++overviewShown;
  }
  void RetitleOverview(std::string_view title) override { overviewTitle = std::string(title); }
  void RepaintOverview() override { ++overviewRepaints; }
  std::unique_ptr<DrawingSurface> AcquireOverviewSurface() override {
    return std::make_unique<RecordingSurface>(nullptr);  // drawn, not logged: the overview's own tests look
  }
  void ReleaseOverviewSurface(std::unique_ptr<DrawingSurface> surface) override { surface.reset(); }
  Size GetOverviewSize() const override { return overviewSize; }
  void ShowMeasurement(const TextTable& table) override { measurementShown = table; }
  void ShowAgreement(const TextTable& table) override { agreementShown = table; }
  void ShowBursts(const TextTable& table) override { burstsShown = table; }
  void EnableOverviewButtons(bool copy, bool exportCsv) override { buttons = {copy, exportCsv}; }
  void SetClipboardText(std::string_view text) override { clipboard = std::string(text); }
  std::optional<std::string> ChooseSaveFile(std::string_view suggested) override {
    saveSuggested = std::string(suggested);
    return savePath;
  }
  void ShowOverviewWarning(std::string_view text) override { warnings.emplace_back(text); }

  DialogEvents* overviewEvents = nullptr;
  std::string overviewTitle, clipboard, saveSuggested;
  TextTable measurementShown, agreementShown, burstsShown;
  std::pair<bool, bool> buttons{};  // Copy, Export CSV...
  int overviewShown = 0, overviewRepaints = 0;
  Size overviewSize{1200, 400};
  std::optional<std::string> savePath;  // the export's answer; nothing: cancelled
  std::vector<std::string> warnings;
};

// The main dialog on fake services, initialised as a modal run would, with a
// scratch directory for its data files.
class FakeViewer {
 public:
  FakeViewer() { dlg.InitWindow(); }

  // Records one a given number of seconds apart from a second of 15 March
  // 2024 (on into the next days), all channels at the given values, station
  // APLM.
  static std::string Series(int firstSecond, int count, int step = 1,
                            const std::array<int, 8>& values = {100, 100, 100, 100, 100, 100, 100, 100}) {
    std::string bytes;
    for (int i = 0; i < count; ++i) {
      const int at = firstSecond + i * step, t = at % 86400;
      bytes += RecordLine("APLM", 24, 3, 15 + at / 86400, t / 3600, t / 60 % 60, t % 60, values);
    }
    return bytes;
  }
  static int Second(int h, int m, int s) { return h * 3600 + m * 60 + s; }

  // Writes a file into the scratch directory; returns its full path.
  std::string Write(const std::string& name, std::string_view bytes) const {
    WriteFile(dir / name, bytes);
    return (dir / name).string();
  }
  // "&Files" with the named file chosen (written first unless bytes is null).
  void Open(const std::string& name, std::optional<std::string_view> bytes) {
    const std::string path = bytes ? Write(name, *bytes) : (dir / name).string();
    fake.NextFile(ChosenFile{path, name});
    Send(EventKind::Command, resources::IDC_FILES);
  }
  // "&Files" with several files chosen together, each written first.
  void OpenAll(const std::vector<std::pair<std::string, std::string>>& files) {
    std::vector<ChosenFile> chosen;
    for (const auto& [name, bytes] : files) chosen.push_back({Write(name, bytes), name});
    fake.NextFiles(chosen);
    Send(EventKind::Command, resources::IDC_FILES);
  }
  EventResult Send(EventKind kind, int id = 0) { return dlg.Dispatch({.kind = kind, .id = id}); }
  EventResult Click(int x, int y) { return dlg.Dispatch({.kind = EventKind::LeftButtonDown, .x = x, .y = y}); }
  void ShowOnly(std::initializer_list<int> channels) { DialogTestAccess::ShowOnly(dlg, channels); }

  TempDir dir;
  FakeWindowServices fake;
  FakeOverviewServices overview;
  CFluxViewerDlg dlg{fake, overview};
};

}  // namespace helvarra::test
