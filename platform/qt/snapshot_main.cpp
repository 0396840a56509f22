// tarrawin-snapshot: the viewer's chart for a data file, written as a PNG
// picture without a display. The real dialog runs on the real window services
// (on Qt's offscreen platform unless QT_QPA_PLATFORM names another): the file
// is opened through "&Files", the slider is let go at the chosen record, and
// the window's picture is what is saved, pixel for pixel as the viewer shows
// it. Nothing but the picture is written.

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPushButton>
#include <QSlider>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/channels.h"
#include "data/flux_data_file.h"
#include "data/record_fields.h"
#include "platform/qt/qt_icon.h"
#include "platform/qt/qt_settle.h"
#include "platform/qt/qt_window_services.h"
#include "resources/dialog_templates.h"
#include "resources/strings.h"
#include "viewer/flux_viewer_dlg.h"

namespace {

namespace res = helvarra::resources;
using helvarra::qt::Settle;
using helvarra::kChannelCount;
using helvarra::kChannels;

constexpr int kExitWritten = 0, kExitNotDrawn = 1, kExitUsage = 2;
// The part of the window that printing puts on the page.
constexpr QRect kPictureArea(helvarra::kPrintedArea.left, helvarra::kPrintedArea.top, helvarra::kPrintedArea.Width(),
                             helvarra::kPrintedArea.Height());

constexpr std::string_view kHelp = R"(Usage: tarrawin-snapshot FILE -o OUT.png [OPTIONS]

Draws HELVARRA's chart for an RSTN one-second solar radio flux file and writes
it as a PNG picture, pixel for pixel as the Tarrawin window shows it. No display
is needed.

  -o, --output OUT.png   the picture to write (required); it is written only
                         when the file could be drawn
  --index N              the window the slider fixes when it is let go at
                         record N (0 is the file's first record). The slider
                         reaches from 0 to 60 records before the end; a larger
                         N draws the window of its last position, with a note
  --time HH:MM           the window of the first record at or after that time
                         of day (UT), going on from the file's first record and
                         over midnight: in a file from 22:30 to 01:30, 00:10 is
                         after midnight and 22:00 is not in the file
  --channels LIST        the frequencies drawn, in MHz, separated by commas:
                         245,410,610,1415,2695,4995,8800,15400 (the default is
                         all of them); "none" draws the empty chart
  --browse-to-end        the window a browse from the file's first record ends
                         on: "&Browse" pressed and its steps run until the end
                         of the file stops it
  --whole-window         the window with its buttons, check boxes and slider, as
                         printing puts it on the page; without it, the chart
                         alone
  -h, --help             this text

Without --index or --time the picture is the first window of the file, as the
viewer draws it when the file is opened. The picture is 792 x 574 pixels.

Exit status: 0 the picture was written; 1 the file could not be drawn or the
picture not written (the viewer's message is on standard error); 2 a wrong
option.

Example:
  tarrawin-snapshot samples/20240514_learmonth.apl --time 23:05 \
      --channels 245,2695,15400 -o burst.png
)";

struct Options {
  std::string file;
  std::string output;
  std::optional<int> index;
  std::optional<int> minuteOfDay;
  std::array<bool, kChannelCount> channels{true, true, true, true, true, true, true, true};
  bool wholeWindow = false;
  bool browseToEnd = false;
  bool help = false;
};

struct UsageError {
  std::string text;
};

std::optional<int> ParseCount(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 0) return std::nullopt;
  return value;
}

// "HH:MM", 00:00 to 23:59, as a minute of the day.
std::optional<int> ParseTimeOfDay(std::string_view text) {
  const std::size_t colon = text.find(':');
  if (colon == std::string_view::npos || colon == 0 || colon > 2 || text.size() - colon - 1 != 2) return std::nullopt;
  const auto hour = ParseCount(text.substr(0, colon)), minute = ParseCount(text.substr(colon + 1));
  if (!hour || !minute || *hour > 23 || *minute > 59) return std::nullopt;
  return *hour * 60 + *minute;
}

std::optional<std::array<bool, kChannelCount>> ParseChannels(std::string_view text) {
  std::array<bool, kChannelCount> shown{};
  if (text == "none") return shown;
  if (text == "all") return std::array<bool, kChannelCount>{true, true, true, true, true, true, true, true};
  std::size_t at = 0;
  for (;;) {
    const std::size_t comma = text.find(',', at);
    const std::string_view item = text.substr(at, comma == std::string_view::npos ? std::string_view::npos : comma - at);
    const auto megahertz = ParseCount(item);
    bool known = false;
    for (int k = 0; k < kChannelCount && megahertz; ++k) {
      if (kChannels[static_cast<std::size_t>(k)].megahertz == *megahertz) {
        shown[static_cast<std::size_t>(k)] = true;
        known = true;
      }
    }
    if (!known) return std::nullopt;
    if (comma == std::string_view::npos) return shown;
    at = comma + 1;
  }
}

// Options and the file may come in any order; "--" ends the options.
std::optional<Options> ParseArguments(int argc, char** argv, UsageError& error) {
  Options options;
  bool optionsEnded = false;
  std::vector<std::string> files;
  for (int i = 1; i < argc; ++i) {
    std::string_view arg = argv[i];
    if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
      files.emplace_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    std::string_view name = arg, inlineValue;
    bool hasInlineValue = false;
    if (const std::size_t eq = arg.find('='); arg.starts_with("--") && eq != std::string_view::npos) {
      name = arg.substr(0, eq);
      inlineValue = arg.substr(eq + 1);
      hasInlineValue = true;
    }
    auto value = [&]() -> std::optional<std::string_view> {
      if (hasInlineValue) return inlineValue;
      if (i + 1 < argc) return std::string_view(argv[++i]);
      error.text = std::string(name) + " needs a value";
      return std::nullopt;
    };
    auto flag = [&]() {
      if (hasInlineValue) error.text = std::string(name) + " takes no value";
      return !hasInlineValue;
    };
    if (name == "-h" || name == "--help") {
      if (!flag()) return std::nullopt;
      options.help = true;
    } else if (name == "--whole-window") {
      if (!flag()) return std::nullopt;
      options.wholeWindow = true;
    } else if (name == "--browse-to-end") {
      if (!flag()) return std::nullopt;
      options.browseToEnd = true;
    } else if (name == "-o" || name == "--output") {
      const auto v = value();
      if (!v) return std::nullopt;
      if (v->empty()) {
        error.text = "the output file name is empty";
        return std::nullopt;
      }
      options.output = std::string(*v);
    } else if (name == "--index") {
      const auto v = value();
      if (!v) return std::nullopt;
      options.index = ParseCount(*v);
      if (!options.index) {
        error.text = "--index takes a record number, 0 or more: " + std::string(*v);
        return std::nullopt;
      }
    } else if (name == "--time") {
      const auto v = value();
      if (!v) return std::nullopt;
      options.minuteOfDay = ParseTimeOfDay(*v);
      if (!options.minuteOfDay) {
        error.text = "--time takes a time of day as HH:MM, 00:00 to 23:59: " + std::string(*v);
        return std::nullopt;
      }
    } else if (name == "--channels") {
      const auto v = value();
      if (!v) return std::nullopt;
      const auto shown = ParseChannels(*v);
      if (!shown) {
        error.text = "--channels takes \"none\", \"all\" or frequencies from "
                     "245,410,610,1415,2695,4995,8800,15400: " + std::string(*v);
        return std::nullopt;
      }
      options.channels = *shown;
    } else {
      error.text = "unknown option " + std::string(arg);
      return std::nullopt;
    }
  }
  if (options.help) return options;
  if (files.size() != 1) {
    error.text = files.empty() ? "no data file given" : "one data file at a time";
    return std::nullopt;
  }
  options.file = files.front();
  if (options.output.empty()) {
    error.text = "no picture to write: give -o OUT.png";
    return std::nullopt;
  }
  if ((options.index ? 1 : 0) + (options.minuteOfDay ? 1 : 0) + (options.browseToEnd ? 1 : 0) > 1) {
    error.text = "--index, --time and --browse-to-end each choose the window; give one";
    return std::nullopt;
  }
  return options;
}

// The record for --time: the first one at or after the next time the clock
// shows that minute of the day, counted from the file's first record and
// carried over midnight (a minute earlier in the day than the first record's
// is one of the following day). Records are taken where the slider puts them,
// every 68 bytes. No index when the file ends before that time, or when it
// cannot be read (opening it through the dialog then says why).
struct TimeSearch {
  std::optional<int> index;
  int firstMinute = 0, lastMinute = 0;  // of the day, for the message
};

TimeSearch FindRecordAtTime(const std::string& path, int minuteOfDay) {
  using helvarra::FluxDataFile;
  TimeSearch found;
  FluxDataFile file;
  if (!file.Open(path)) return found;
  try {
    const std::uint64_t records = file.GetLength() / helvarra::kRecordBytes;
    helvarra::FluxRecord record;
    std::int64_t day = 0, target = 0;
    file.Seek(0, FluxDataFile::Origin::Begin);
    for (std::uint64_t i = 0; i < records && i <= INT32_MAX; ++i) {
      const std::int64_t here = file.Seek(0, FluxDataFile::Origin::Current);
      file.Seek(static_cast<std::int64_t>(i) * helvarra::kRecordBytes - here, FluxDataFile::Origin::Current);
      if (!file.ReadRecord(record)) break;
      const int minute = helvarra::RecordHour(record.View()) * 60 + helvarra::RecordMinute(record.View());
      if (i == 0) {
        found.firstMinute = minute;
        target = minuteOfDay >= minute ? minuteOfDay : minuteOfDay + 1440;
      } else if (minute < found.lastMinute - 720) {
        ++day;  // past midnight
      }
      found.lastMinute = minute;
      if (day * 1440 + minute >= target) {
        found.index = static_cast<int>(i);
        break;
      }
    }
  } catch (const helvarra::FileError&) {
    found.index.reset();
  }
  return found;
}

std::string TimeText(int minuteOfDay) {
  char text[24];
  std::snprintf(text, sizeof text, "%02d:%02d", minuteOfDay / 60, minuteOfDay % 60);
  return text;
}

// The dialog's events pass through here to be counted: the first paint of
// the shown window must have been drawn before the file is opened, as it
// always is for a person.
class PaintWatch : public helvarra::DialogEvents {
 public:
  explicit PaintWatch(helvarra::CFluxViewerDlg& dlg) : dlg_(dlg) {}
  bool InitWindow() override { return dlg_.InitWindow(); }
  helvarra::EventResult Dispatch(const helvarra::WindowEvent& event) override {
    if (event.kind == helvarra::EventKind::Paint) ++paints;
    return dlg_.Dispatch(event);
  }
  int paints = 0;

 private:
  helvarra::CFluxViewerDlg& dlg_;
};

class Snapshot {
 public:
  explicit Snapshot(const Options& options) : options_(options) {}
  ~Snapshot() { services_.CloseMainWindow(); }
  Snapshot(const Snapshot&) = delete;
  Snapshot& operator=(const Snapshot&) = delete;

  // The window's picture, or nothing with the reasons in Failures().
  std::optional<QImage> Draw() {
    const QFileInfo info(QString::fromStdString(options_.file));
    const std::string pathName = info.absoluteFilePath().toStdString();

    TimeSearch atTime;
    if (options_.minuteOfDay) atTime = FindRecordAtTime(pathName, *options_.minuteOfDay);

    services_.messageShown = [this](helvarra::qt::QtWindowServices::MessageKind, const std::string& text) {
      failures_.push_back(text);
    };
    services_.fileChooser = [pathName, fileName = info.fileName().toStdString()](std::string_view, std::string_view) {
      return std::optional<helvarra::ChosenFile>(helvarra::ChosenFile{pathName, fileName});
    };
    services_.printerChooser = [] { return std::optional<helvarra::ChosenPrinter>(); };

    helvarra::qt::FluxDialog& window = services_.OpenMainWindow(&watch_);
    QElapsedTimer clock;
    clock.start();
    while (watch_.paints == 0 && clock.elapsed() < 10000) QApplication::processEvents(QEventLoop::AllEvents, 20);
    Settle();

    for (int k = 0; k < kChannelCount; ++k) {
      auto* box = qobject_cast<QCheckBox*>(window.Control(res::IDC_CHECK_FIRST + k));
      if (box != nullptr && box->isChecked() != options_.channels[static_cast<std::size_t>(k)]) box->click();
    }
    Settle();
    if (auto* files = qobject_cast<QPushButton*>(window.Control(res::IDC_FILES))) files->click();
    Settle();
    if (!failures_.empty()) return std::nullopt;
    if (dlg_.m_bFileLoaded != 1) {
      failures_.push_back("Failed to open " + pathName);
      return std::nullopt;
    }

    std::optional<int> index = options_.index;
    if (options_.minuteOfDay) {
      if (!atTime.index) {
        failures_.push_back("no record at or after " + TimeText(*options_.minuteOfDay) + " UT in " + pathName +
                            " (its records run from " + TimeText(atTime.firstMinute) + " to " +
                            TimeText(atTime.lastMinute) + " UT)");
        return std::nullopt;
      }
      index = atTime.index;
    }
    if (index) {
      QSlider* slider = window.Slider();
      slider->setValue(*index);  // held to the slider's range, as dragging it is
      if (slider->value() != *index)
        notes_.push_back("record " + std::to_string(*index) + " is beyond the slider's end; the window of record " +
                         std::to_string(slider->value()) + " is drawn");
      services_.Deliver({.kind = helvarra::EventKind::SliderReleased, .id = res::IDC_SLIDER});
      Settle();
      if (!failures_.empty()) return std::nullopt;
    }

    if (options_.browseToEnd && !BrowseToEnd(window)) return std::nullopt;

    services_.Canvas().Finish();
    const QImage picture = options_.wholeWindow ? services_.Canvas().Picture() : services_.Canvas().Image();
    return picture.copy(kPictureArea).convertToFormat(QImage::Format_RGB32);
  }

  // "&Browse", then the timer's steps one after another until the end of the
  // file stops the browse (a step moves the window on 30 minutes).
  bool BrowseToEnd(helvarra::qt::FluxDialog& window) {
    if (auto* browse = qobject_cast<QPushButton*>(window.Control(res::IDC_BROWSE))) browse->click();
    services_.StopTimer();  // the steps are run here, not by the clock
    const long limit = 10L + dlg_.m_nRecordCount / 60;
    for (long tick = 0; dlg_.m_bBrowsing == 1 && tick < limit && failures_.empty(); ++tick)
      services_.Deliver({.kind = helvarra::EventKind::TimerTick, .id = 1});
    Settle();
    if (!failures_.empty()) return false;
    if (dlg_.m_bBrowsing == 1) {
      failures_.push_back("the browse did not reach the end of the file");
      return false;
    }
    return true;
  }

  const std::vector<std::string>& Failures() const { return failures_; }
  const std::vector<std::string>& Notes() const { return notes_; }

 private:
  const Options& options_;
  helvarra::qt::QtWindowServices services_;
  helvarra::CFluxViewerDlg dlg_{services_};
  PaintWatch watch_{dlg_};
  std::vector<std::string> failures_;
  std::vector<std::string> notes_;
};

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

void Say(std::string_view text) { std::fprintf(stderr, "tarrawin-snapshot: %.*s\n", static_cast<int>(text.size()), text.data()); }

}  // namespace

int main(int argc, char* argv[]) {
  UsageError usage;
  const std::optional<Options> options = ParseArguments(argc, argv, usage);
  if (!options) {
    Say(usage.text + " (see tarrawin-snapshot --help)");
    return kExitUsage;
  }
  if (options->help) {
    std::fwrite(kHelp.data(), 1, kHelp.size(), stdout);
    return kExitWritten;
  }
  // Writing the picture over the data file would lose the data.
  const QFileInfo input(QString::fromStdString(options->file)), output(QString::fromStdString(options->output));
  if (input.exists() && output.exists() && input.canonicalFilePath() == output.canonicalFilePath()) {
    Say("the picture would overwrite the data file " + options->file + " (see tarrawin-snapshot --help)");
    return kExitUsage;
  }

  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  qtMessages = qInstallMessageHandler(QuietRuntimeFolderNotice);
  // Qt sees no arguments of the command line: they are all this program's.
  int qtArgc = 1;
  char* qtArgv[] = {argv[0], nullptr};
  QApplication application(qtArgc, qtArgv);
  QApplication::setWindowIcon(helvarra::qt::ProgramIcon(res::IDR_MAINFRAME));

  std::optional<QImage> picture;
  {
    Snapshot snapshot(*options);
    picture = snapshot.Draw();
    for (const std::string& text : snapshot.Failures()) Say(text);
    for (const std::string& text : snapshot.Notes()) Say(text);
  }
  if (!picture) return kExitNotDrawn;
  std::string error;
  if (!WritePicture(*picture, options->output, error)) {
    Say(error);
    return kExitNotDrawn;
  }
  return kExitWritten;
}
