#include "apps/snapshot/snapshot_overview.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <map>
#include <thread>
#include <vector>

#include "apps/snapshot/snapshot_png.h"
#include "chart/day_overview.h"
#include "data/flux_files.h"
#include "data/stations.h"
#include "platform/qt/qt_dialog_look.h"
#include "platform/qt/qt_window_surface.h"

namespace helvarra::snapshot {
namespace {

constexpr int kPngQuality = 50;  // Qt's scale: 0 the smallest file, 100 the quickest
constexpr int kExitRefused = 2;

// The chart's colours and fonts, as the main window makes them.
ChartStyle Style() {
  ChartStyle style;
  qt::QtCanvas canvas(QSize(8, 8));
  qt::QtWindowSurface surface(canvas);
  MakeChartFonts(style, surface);
  MakeChartColours(style, qt::kDialogWindowColour);
  surface.SelectFont(style.m_fontSmall);  // the fonts' caches filled before any thread draws
  surface.SelectFont(style.m_fontLarge);
  return style;
}

// Where a file's picture goes: -o itself for one file not naming a folder,
// else DIR/NAME.png.
QString PicturePath(const Options& o, const std::string& file) {
  const QString output = QString::fromStdString(o.output);
  const bool folder = (o.files.size() > 1 && !o.join) || output.endsWith(QLatin1Char('/')) || QFileInfo(output).isDir();
  if (!folder) return output;
  return QDir(output).filePath(QFileInfo(QString::fromStdString(file)).fileName() + QStringLiteral(".png"));
}

// The message for the files, or nothing when their picture is written.
std::string DrawOne(const Options& o, const ChartStyle& style, const std::vector<std::string>& files) {
  FluxFiles open;
  if (const auto failure = open.Open(files)) return failure->message;
  OverviewRequest request;
  request.size = Size{kOverviewWidth, kOverviewHeight};
  request.shown = o.channels;
  for (const FluxSeries& s : open.Network().stations) request.strips.push_back({&s.table, StationName(s.StationCode())});
  qt::QtCanvas canvas(QSize(kOverviewWidth, kOverviewHeight));
  {
    qt::QtWindowSurface surface(canvas);
    DrawDayOverview(surface, style, request);
  }
  canvas.Finish();
  // The overview holds a few colours only: as an 8-bit picture with their
  // exact table it is written in a third of the time, and smaller.
  const QImage picture = canvas.Image().convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
  std::string error;
  return WritePng(picture, PicturePath(o, files.front()), error, kPngQuality) ? std::string() : error;
}

// Two files of the batch whose pictures would have the same name, if any.
std::string SameNames(const Options& o) {
  std::map<QString, std::string> taken;
  for (const std::string& file : o.files) {
    const QString path = QDir::cleanPath(PicturePath(o, file));
    if (const auto [it, fresh] = taken.emplace(path, file); !fresh)
      return "two pictures would be " + path.toStdString() + ": of " + it->second + " and of " + file +
             " (give each batch files of different names)";
  }
  return {};
}

// One picture a file, on every core.
std::vector<std::string> DrawBatch(const Options& options, const ChartStyle& style) {
  std::vector<std::string> messages(options.files.size());
  std::atomic<std::size_t> next{0};
  const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
  const std::size_t workers = std::min<std::size_t>(cores, options.files.size());
  std::vector<std::thread> threads;
  for (std::size_t w = 0; w < workers; ++w)
    threads.emplace_back([&] {
      for (std::size_t i = next++; i < options.files.size(); i = next++)
        messages[i] = DrawOne(options, style, {options.files[i]});
    });
  for (std::thread& t : threads) t.join();
  return messages;
}

}  // namespace

int WriteOverviews(const Options& options) {
  if (!options.join) {
    if (const std::string same = SameNames(options); !same.empty()) {
      std::fprintf(stderr, "tarrawin-snapshot: %s\n", same.c_str());
      return kExitRefused;
    }
  }
  const QString output = QString::fromStdString(options.output);
  if ((options.files.size() > 1 && !options.join) || output.endsWith(QLatin1Char('/'))) QDir().mkpath(output);
  const ChartStyle style = Style();
  const std::vector<std::string> messages =
      options.join ? std::vector<std::string>{DrawOne(options, style, options.files)} : DrawBatch(options, style);
  int status = 0;
  for (const std::string& m : messages) {
    if (m.empty()) continue;
    std::fprintf(stderr, "tarrawin-snapshot: %s\n", m.c_str());
    status = 1;
  }
  return status;
}

}  // namespace helvarra::snapshot
