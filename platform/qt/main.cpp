// Tarrawin: the HELVARRA viewer. The whole life of the program is one modal
// run of the main dialog; it writes nothing. A file named on the command line
// is opened once the window is up, as if chosen with "&Files".

#include <QApplication>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/qt/qt_file_dialog.h"
#include "platform/qt/qt_icon.h"
#include "platform/qt/qt_overview_services.h"
#include "platform/qt/qt_window_services.h"
#include "resources/strings.h"
#include "viewer/flux_viewer_app.h"

namespace {

helvarra::CFluxViewerApp theApp;

constexpr const char* kUsage =
    "Usage: Tarrawin [FILE...]\n"
    "Shows the HELVARRA window for RSTN one-second solar radio flux files. With\n"
    "FILE (a station file such as 15MAY24.APL.gz or 14MAY24.APL), opens it at\n"
    "start as the Files button would; several files open together, a station's\n"
    "files as one series and the stations on one time axis.\n";

bool HasDisplay() {
  for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return true;
  }
  return false;
}

// The files to open from the arguments Qt leaves (its own options taken
// out), "--" ending the options. False: a wrong command line, already
// reported.
bool FileArguments(const QStringList& arguments, QStringList& files) {
  bool optionsEnded = false;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& arg = arguments[i];
    if (!optionsEnded && arg == QLatin1String("--")) {
      optionsEnded = true;
    } else if (!optionsEnded && arg.startsWith(QLatin1Char('-')) && arg.size() > 1) {
      std::fprintf(stderr, "Tarrawin: unknown option %s\n%s", qPrintable(arg), kUsage);
      return false;
    } else {
      files << arg;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
    if (std::strcmp(argv[i], "-h") == 0 || std::strcmp(argv[i], "--help") == 0) {
      std::fputs(kUsage, stdout);
      return 0;
    }
  }
  if (!HasDisplay()) {
    std::fprintf(stderr, "Tarrawin: no display to show the window on (DISPLAY is not set).\n");
    return 1;
  }
  QApplication application(argc, argv);
  QStringList files;
  if (!FileArguments(QApplication::arguments(), files)) return 2;
  QApplication::setWindowIcon(helvarra::qt::ProgramIcon(helvarra::resources::IDR_MAINFRAME));
  helvarra::qt::QtWindowServices services;
  helvarra::qt::QtOverviewServices overview(services);
  if (!files.isEmpty()) services.OpenAtStart(helvarra::qt::ChoicesOf(files));
  theApp.StartUp(services, overview);
  return 0;
}
