// Fuzzing the viewer with arbitrary bytes as a data file: opened through
// "&Files", plotted at several records with browsing off and on, painted,
// and clicked for the read-out, on the real Qt window (offscreen).
//
// Built two ways: with libFuzzer (clang, `make fuzz`), and into a replay
// program that runs the saved inputs of fuzz/regressions as a test.

#include <unistd.h>
#include <QApplication>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/qt/scripted_viewer.h"
#include "tests/support/dialog_test_access.h"
#include "resources/dialog_templates.h"

namespace {

using namespace helvarra;
namespace res = resources;

struct Harness {
  Harness()
      : path((std::filesystem::temp_directory_path() / ("helvarra-fuzz-" + std::to_string(::getpid()) + ".apl"))
                 .string()) {}
  ~Harness() { std::filesystem::remove(path); }

  void Run(const std::uint8_t* data, std::size_t size) {
    {
      std::ofstream out(path, std::ios::binary | std::ios::trunc);
      out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    CFluxViewerDlg& dlg = viewer.Dialog();
    // The channels shown and a few places to look come from the input too.
    const std::uint8_t flags = size > 0 ? data[0] : 0xFF;
    for (int k = 0; k < kChannelCount; ++k) DialogTestAccess::ShowFlag(dlg, k) = (flags >> k) & 1;
    dlg.OnStop();
    viewer.Open(path, "fuzz.apl");
    const int count = dlg.RecordCount();
    const int extra = size > 2 ? (data[1] << 8 | data[2]) : 7;
    for (int index : {0, 1, count / 2, count - 1, count + 3, extra}) {
      DialogTestAccess::RecordIndex(dlg) = index;
      dlg.Dispatch({.kind = EventKind::Paint});
      viewer.Services().SetSliderPos(index);
      dlg.Dispatch({.kind = EventKind::SliderReleased, .id = res::IDC_SLIDER});
      dlg.Dispatch({.kind = EventKind::LeftButtonDown, .x = 80 + index % 600, .y = 10 + extra % 500});
    }
    dlg.Dispatch({.kind = EventKind::Command, .id = res::IDC_BROWSE});
    for (int tick = 0; tick < 4 && dlg.IsBrowsing() == 1; ++tick)
      viewer.Services().Deliver({.kind = EventKind::TimerTick, .id = 1});
    dlg.Dispatch({.kind = EventKind::Command, .id = res::IDC_CHECK_FIRST});  // a check box during the browse
    dlg.Dispatch({.kind = EventKind::Command, .id = res::IDC_SELECT_TOGGLE});
    dlg.Dispatch({.kind = EventKind::Command, .id = res::IDC_STOP});
    viewer.ClearMessages();
    std::filesystem::remove(path);  // the open handle keeps it readable until the next input
  }

  std::string path;
  qt::ScriptedViewer viewer;
};

// Made once and never destroyed: the process ends with the fuzzer, and Qt's
// own globals may be gone by the time static destructors would run.
QApplication* gApplication = nullptr;
Harness* gHarness = nullptr;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  gApplication = new QApplication(*argc, *argv);
  gHarness = new Harness();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  gHarness->Run(data, size);
  return 0;
}
