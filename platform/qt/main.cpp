// Tarrawin: the HELVARRA viewer. The whole life of the program is one modal
// run of the main dialog; it takes no options and writes nothing.

#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "platform/qt/qt_icon.h"
#include "platform/qt/qt_window_services.h"
#include "resources/strings.h"
#include "viewer/flux_viewer_app.h"

namespace {

helvarra::CFluxViewerApp theApp;

bool HasDisplay() {
  for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return true;
  }
  return false;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (!HasDisplay()) {
    std::fprintf(stderr, "Tarrawin: no display to show the window on (DISPLAY is not set).\n");
    return 1;
  }
  QApplication application(argc, argv);
  QApplication::setWindowIcon(helvarra::qt::ProgramIcon(helvarra::resources::IDR_MAINFRAME));
  helvarra::qt::QtWindowServices services;
  theApp.StartUp(services);
  return 0;
}
