#include "platform/qt/snapshot_overview.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <thread>
#include <vector>

#include "chart/day_overview.h"
#include "platform/qt/qt_dialog_look.h"
#include "platform/qt/qt_window_surface.h"
#include "platform/qt/snapshot_input.h"

namespace helvarra::snapshot {
namespace {

constexpr int kPngQuality = 50;  // Qt's scale: 0 the smallest file, 100 the quickest

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
  const bool folder = o.files.size() > 1 || output.endsWith(QLatin1Char('/')) || QFileInfo(output).isDir();
  if (!folder) return output;
  return QDir(output).filePath(QFileInfo(QString::fromStdString(file)).fileName() + QStringLiteral(".png"));
}

// The message for a file, or nothing when its picture is written.
std::string DrawOne(const Options& o, const ChartStyle& style, const std::string& file) {
  const Input in = OpenInput(file);
  if (!in.error.empty()) return in.error;
  qt::QtCanvas canvas(QSize(kOverviewWidth, kOverviewHeight));
  {
    qt::QtWindowSurface surface(canvas);
    DrawDayOverview(surface, style,
                    {in.file->Table(), Size{kOverviewWidth, kOverviewHeight}, o.channels, std::nullopt, std::nullopt});
  }
  canvas.Finish();
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  const QString path = PicturePath(o, file);
  QFile out(path);
  // The overview holds a few colours only: as an 8-bit picture with their
  // exact table it is written in a third of the time, and smaller.
  const QImage picture = canvas.Image().convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
  if (!picture.save(&buffer, "PNG", kPngQuality) || !out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      out.write(png) != png.size() || !out.flush()) {
    out.remove();
    return "cannot write " + path.toStdString();
  }
  return {};
}

}  // namespace

int WriteOverviews(const Options& options) {
  const QString output = QString::fromStdString(options.output);
  if (options.files.size() > 1 || output.endsWith(QLatin1Char('/'))) QDir().mkpath(output);
  const ChartStyle style = Style();
  std::vector<std::string> messages(options.files.size());
  std::atomic<std::size_t> next{0};
  const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
  const std::size_t workers = std::min<std::size_t>(cores, options.files.size());
  std::vector<std::thread> threads;
  for (std::size_t w = 0; w < workers; ++w)
    threads.emplace_back([&] {
      for (std::size_t i = next++; i < options.files.size(); i = next++)
        messages[i] = DrawOne(options, style, options.files[i]);
    });
  for (std::thread& t : threads) t.join();
  int status = 0;
  for (const std::string& m : messages) {
    if (m.empty()) continue;
    std::fprintf(stderr, "tarrawin-snapshot: %s\n", m.c_str());
    status = 1;
  }
  return status;
}

}  // namespace helvarra::snapshot
