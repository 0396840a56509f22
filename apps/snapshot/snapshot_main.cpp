// tarrawin-snapshot: the viewer's chart for a data file (or files opened
// together, --join), written as a PNG picture without a display, pixel for
// pixel as the viewer shows it; the day overview of one file or many; a
// burst measured; the records as CSV; two stations compared; or, with
// --info, what was read from the files. Nothing but the picture, the
// pictures or the CSV asked for is written.

#include <QApplication>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "apps/snapshot/snapshot_bursts.h"
#include "apps/snapshot/snapshot_png.h"
#include "platform/qt/qt_icon.h"
#include "apps/snapshot/snapshot_options.h"
#include "apps/snapshot/snapshot_overview.h"
#include "apps/snapshot/snapshot_tables.h"
#include "apps/snapshot/snapshot_window.h"
#include "resources/strings.h"

namespace {

using helvarra::snapshot::Mode;
using helvarra::snapshot::Options;

constexpr int kExitWritten = 0, kExitNotDrawn = 1, kExitUsage = 2;

// Qt says on every start without a session runtime folder that it uses its
// own; that says nothing about the picture, and only the picture's messages
// go to standard error.
QtMessageHandler qtMessages = nullptr;

void QuietRuntimeFolderNotice(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))) return;
  if (qtMessages != nullptr) {
    qtMessages(type, context, message);
  } else {
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
  }
}

void Say(std::string_view text) {
  std::fprintf(stderr, "tarrawin-snapshot: %.*s\n", static_cast<int>(text.size()), text.data());
}

// Writing the output over a data file would lose the data.
bool WouldOverwriteData(const Options& options) {
  const QFileInfo output(QString::fromStdString(options.output));
  for (const std::string& file : options.files) {
    const QFileInfo input(QString::fromStdString(file));
    if (input.exists() && output.exists() && input.canonicalFilePath() == output.canonicalFilePath()) return true;
  }
  return false;
}

// The chart's picture, drawn by the viewer's own window.
int DrawChart(const Options& options) {
  std::optional<QImage> picture;
  {
    helvarra::snapshot::SnapshotWindow snapshot(options);
    picture = snapshot.Draw();
    for (const std::string& text : snapshot.Failures()) Say(text);
    for (const std::string& text : snapshot.Notes()) Say(text);
  }
  if (!picture) return kExitNotDrawn;
  std::string error;
  if (!helvarra::snapshot::WritePng(*picture, QString::fromStdString(options.output), error)) {
    Say(error);
    return kExitNotDrawn;
  }
  return kExitWritten;
}

// The pictures need Qt; the tables and the account do not.
int DrawPictures(const Options& options, char* argv0) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  qtMessages = qInstallMessageHandler(QuietRuntimeFolderNotice);
  // Qt sees no arguments of the command line: they are all this program's.
  int qtArgc = 1;
  char* qtArgv[] = {argv0, nullptr};
  QApplication application(qtArgc, qtArgv);
  QApplication::setWindowIcon(helvarra::qt::ProgramIcon(helvarra::resources::IDR_MAINFRAME));
  return options.mode == Mode::Overview ? helvarra::snapshot::WriteOverviews(options) : DrawChart(options);
}

}  // namespace

int main(int argc, char* argv[]) {
  const helvarra::snapshot::Parsed parsed = helvarra::snapshot::ParseArguments({argv + 1, argv + argc});
  if (!parsed.options) {
    Say(parsed.error + " (see tarrawin-snapshot --help)");
    return kExitUsage;
  }
  const Options& options = *parsed.options;
  if (options.help) {
    const std::string help = helvarra::snapshot::HelpText();
    std::fwrite(help.data(), 1, help.size(), stdout);
    return kExitWritten;
  }
  if (!options.output.empty() && WouldOverwriteData(options)) {
    Say("the output would overwrite the data file " + options.output + " (see tarrawin-snapshot --help)");
    return kExitUsage;
  }
  switch (options.mode) {
    case Mode::Info: return helvarra::snapshot::PrintInfo(options);
    case Mode::Measure: return helvarra::snapshot::PrintMeasurement(options);
    case Mode::Csv: return helvarra::snapshot::WriteCsv(options);
    case Mode::Agreement: return helvarra::snapshot::PrintAgreement(options);
    case Mode::Bursts: return helvarra::snapshot::WriteBursts(options);
    case Mode::Chart:
    case Mode::Overview: break;
  }
  return DrawPictures(options, argv[0]);
}
