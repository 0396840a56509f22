// tarrawin-snapshot: the viewer's chart for a data file, written as a PNG
// picture without a display, pixel for pixel as the viewer shows it; the day
// overview of one file or many; a burst measured; the records as CSV; or,
// with --info, what was read from the file. Nothing but the picture, the
// pictures or the CSV asked for is written.

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "data/file_report.h"
#include "data/flux_data_file.h"
#include "platform/qt/qt_icon.h"
#include "platform/qt/snapshot_options.h"
#include "platform/qt/snapshot_overview.h"
#include "platform/qt/snapshot_tables.h"
#include "platform/qt/snapshot_window.h"
#include "resources/strings.h"

namespace {

using helvarra::snapshot::Mode;
using helvarra::snapshot::Options;

constexpr int kExitWritten = 0, kExitNotDrawn = 1, kExitUsage = 2;

// The PNG is made in memory first, so that a failure leaves no file behind.
bool WritePicture(const QImage& picture, const std::string& path, std::string& error) {
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  if (!picture.save(&buffer, "PNG")) {
    error = "cannot make the PNG picture";
    return false;
  }
  QFile out(QString::fromStdString(path));
  if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    error = "cannot write " + path + ": " + out.errorString().toStdString();
    return false;
  }
  if (out.write(png) != png.size() || !out.flush()) {
    error = "cannot write " + path + ": " + out.errorString().toStdString();
    out.close();
    out.remove();
    return false;
  }
  out.close();
  return true;
}

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

// --info: the decoder's account of the file, on standard output.
int Describe(const Options& options) {
  helvarra::FluxDataFile file;
  const std::string path = QFileInfo(QString::fromStdString(options.file)).absoluteFilePath().toStdString();
  try {
    if (!file.Open(path)) {
      Say("Failed to open " + path);
      return kExitNotDrawn;
    }
  } catch (const helvarra::FileError& error) {
    Say(error.Message());
    return kExitNotDrawn;
  }
  const std::string report = helvarra::FormatFileReport(file.GetFilePath(), file.Table());
  std::fwrite(report.data(), 1, report.size(), stdout);
  return kExitWritten;
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
  if (!WritePicture(*picture, options.output, error)) {
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
    case Mode::Info: return Describe(options);
    case Mode::Measure: return helvarra::snapshot::PrintMeasurement(options);
    case Mode::Csv: return helvarra::snapshot::WriteCsv(options);
    case Mode::Chart:
    case Mode::Overview: break;
  }
  return DrawPictures(options, argv[0]);
}
