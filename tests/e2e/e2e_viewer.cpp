// The built program under a real X server, used as a person would: start it,
// open the sample through its own file dialog with the mouse and keyboard,
// look at the screen, click on a trace, print to PDF, switch channels, browse
// to the end, and quit with Escape. Nothing may be written to the working
// directory or the home directory but the printed file. Built with the
// sanitizers, the same run is the leak check of the whole program.
//
// e2e_viewer TARRAWIN SAMPLE [SCREENSHOT.png]   (DISPLAY must name the server)

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <functional>

namespace {

int passes = 0, failures = 0;

void Check(bool ok, const QString& what) {
  std::printf("%s: %s\n", ok ? "ok" : "FAILED", qPrintable(what));
  ++(ok ? passes : failures);
}

QString Xdotool(const QStringList& args) {
  QProcess p;
  p.start(QStringLiteral("xdotool"), args);
  p.waitForFinished(10000);
  return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

bool WaitFor(const std::function<bool()>& condition, int ms) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < ms) {
    if (condition()) return true;
    QThread::msleep(100);
  }
  return condition();
}

QString FindWindow(const QString& name) { return Xdotool({"search", "--onlyvisible", "--name", name}).section('\n', 0, 0); }

QPoint WindowOrigin(const QString& window) {
  // "X=..\nY=..\nWIDTH=..": the client area's top left on the screen.
  const QString shell = Xdotool({"getwindowgeometry", "--shell", window});
  int x = 0, y = 0;
  for (const QString& line : shell.split('\n')) {
    if (line.startsWith("X=")) x = line.mid(2).toInt();
    if (line.startsWith("Y=")) y = line.mid(2).toInt();
  }
  return {x, y};
}

void Click(const QPoint& at) {
  Xdotool({"mousemove", "--sync", QString::number(at.x()), QString::number(at.y())});
  Xdotool({"click", "1"});
}

QImage Screen() { return QGuiApplication::primaryScreen()->grabWindow(0).toImage(); }

QStringList Listing(const QString& dir) {
  QStringList files;
  QDirIterator it(dir, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    it.next();
    files << it.filePath() + " " + QString::number(it.fileInfo().size()) + " " +
                 it.fileInfo().lastModified().toString(Qt::ISODateWithMs);
  }
  files.sort();
  return files;
}

// Channel colours as the screen shows them (R, G, B).
const QRgb kChannels[8] = {qRgb(210, 105, 30), qRgb(255, 0, 0),   qRgb(255, 165, 0), qRgb(255, 255, 0),
                           qRgb(50, 205, 50),  qRgb(127, 255, 212), qRgb(0, 191, 255), qRgb(238, 130, 238)};

QString Run(const QString& program, const QStringList& args) {
  QProcess p;
  p.start(program, args);
  p.waitForFinished(30000);
  return QString::fromUtf8(p.readAllStandardOutput());
}

// One page, whose picture is the window's, stretched over the printable area.
void CheckPrintedPage(const QString& pdf, const QImage& window) {
  const QString info = Run("pdfinfo", {pdf});
  Check(info.contains(QRegularExpression("Pages:\\s+1\\b")), "the PDF has one page");
  Run("pdftoppm", {"-r", "216", "-png", "-singlefile", pdf, pdf + "-page"});
  const QImage page = QImage(pdf + "-page.png").convertToFormat(QImage::Format_RGB32);
  QFile::remove(pdf + "-page.png");
  Check(!page.isNull(), "the page renders");
  if (page.isNull()) return;
  // The picture fills the page but for its margins: find it by its edge
  // against the white paper, then compare it with the window point by point,
  // away from edges where a stretched pixel may land one pixel over.
  QRect picture;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x)
      if ((page.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) picture |= QRect(x, y, 1, 1);
  int same = 0, all = 0;
  for (int y = 3; y < 571; y += 9)
    for (int x = 3; x < 789; x += 9) {
      bool uniform = true;
      for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx) uniform = uniform && window.pixel(x + dx, y + dy) == window.pixel(x, y);
      if (!uniform) continue;
      const QPoint at(picture.left() + static_cast<int>((x + 0.5) * picture.width() / 792.0),
                      picture.top() + static_cast<int>((y + 0.5) * picture.height() / 574.0));
      const QRgb a = page.pixel(at), b = window.pixel(x, y);
      same += std::abs(qRed(a) - qRed(b)) <= 24 && std::abs(qGreen(a) - qGreen(b)) <= 24 &&
              std::abs(qBlue(a) - qBlue(b)) <= 24;
      ++all;
    }
  Check(all > 1000 && same >= all * 98 / 100,
        QString("the page shows the window's picture (%1 of %2 points, picture %3x%4 at %5,%6)")
            .arg(same).arg(all).arg(picture.width()).arg(picture.height()).arg(picture.left()).arg(picture.top()));
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "usage: e2e_viewer TARRAWIN SAMPLE [SCREENSHOT.png]\n");
    return 2;
  }
  QTemporaryDir work, home;
  const QString sample = QFileInfo(QString::fromLocal8Bit(argv[2])).fileName();
  QFile::copy(QString::fromLocal8Bit(argv[2]), work.filePath(sample));
  const QStringList workBefore = Listing(work.path()), homeBefore = Listing(home.path());

  QProcess viewer;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("HOME", home.path());
  env.remove("XDG_CONFIG_HOME");
  env.remove("XDG_CACHE_HOME");
  env.remove("XDG_DATA_HOME");
  env.remove("QT_QPA_PLATFORM");
  viewer.setProcessEnvironment(env);
  viewer.setWorkingDirectory(work.path());
  viewer.start(QString::fromLocal8Bit(argv[1]), {});
  Check(viewer.waitForStarted(10000), "the viewer starts");

  QString main;
  Check(WaitFor([&] { return !(main = FindWindow("^HELVARRA$")).isEmpty(); }, 15000), "its window appears");
  QThread::msleep(500);
  const QPoint origin = WindowOrigin(main);

  // "&Files" at (704, 137), 75 x 22: the file dialog opens in the working
  // directory; type the sample's name and press Enter.
  Click(origin + QPoint(741, 148));
  QString open;
  Check(WaitFor([&] { return !(open = FindWindow("^Open$")).isEmpty(); }, 10000), "the file dialog opens");
  QThread::msleep(500);
  Xdotool({"windowfocus", "--sync", open});
  Xdotool({"type", "--delay", "20", sample});
  Xdotool({"key", "Return"});
  Check(WaitFor([&] { return FindWindow("^Open$").isEmpty(); }, 10000), "the file dialog closes");
  QThread::msleep(1000);

  // The first window of the sample: 22:31 to 23:01, quiet Sun, every channel
  // drawn in its colour inside the plot.
  QImage shot = Screen().copy(QRect(origin, QSize(798, 574))).convertToFormat(QImage::Format_RGB32);
  int inPlot[8] = {};
  for (int y = 10; y < 510; ++y)
    for (int x = 80; x < 680; ++x)
      for (int k = 0; k < 8; ++k) inPlot[k] += (shot.pixel(x, y) & 0xFFFFFF) == (kChannels[k] & 0xFFFFFF);
  for (int k = 0; k < 8; ++k) Check(inPlot[k] > 100, QString("channel %1 drawn in its colour (%2 pixels)").arg(k).arg(inPlot[k]));
  Check((shot.pixel(300, 200) & 0xFFFFFF) != 0xFFFFFF, "the plot is not blank");

  // A click on a trace names it at (690, 80): find a 2695 MHz pixel.
  QPoint trace(-1, -1);
  for (int x = 300; x < 600 && trace.x() < 0; ++x)
    for (int y = 10; y < 510 && trace.x() < 0; ++y)
      if ((shot.pixel(x, y) & 0xFFFFFF) == (kChannels[4] & 0xFFFFFF)) trace = QPoint(x, y);
  Check(trace.x() > 0, "a 2695 MHz pixel to click on");
  Click(origin + trace);
  QThread::msleep(700);
  shot = Screen().copy(QRect(origin, QSize(798, 574))).convertToFormat(QImage::Format_RGB32);
  int white = 0;
  for (int y = 80; y < 95; ++y)
    for (int x = 690; x < 690 + 8 * 8; ++x) white += (shot.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF;
  Check(white > 20, QString("the read-out writes the channel's label in white (%1 pixels)").arg(white));
  if (argc > 3) shot.save(QString::fromLocal8Bit(argv[3]));

  // "&Print" at (704, 229), 75 x 23: print to the PDF printer the dialog
  // offers where there is no real printer, into the file it proposes.
  const QString pdf = home.filePath("print.pdf");
  Click(origin + QPoint(741, 240));
  QString print;
  Check(WaitFor([&] { return !(print = FindWindow("^Print$")).isEmpty(); }, 10000), "the print dialog opens");
  QThread::msleep(700);
  if (!print.isEmpty()) {
    Xdotool({"windowfocus", "--sync", print});
    Xdotool({"key", "Return"});
  }
  QString box;
  Check(WaitFor([&] { return !(box = FindWindow("^Tarrawin$")).isEmpty(); }, 15000), "a message names the printer");
  if (!box.isEmpty()) {
    Xdotool({"windowfocus", "--sync", box});
    Xdotool({"key", "Return"});
  }
  Check(WaitFor([&] { return QFileInfo::exists(pdf); }, 10000), "the PDF file is written");
  CheckPrintedPage(pdf, shot);  // printing redraws the same picture

  // Channels off and on, all at once, then a browse through to the end of
  // the three-hour sample (six windows, two seconds each).
  Click(origin + QPoint(750, 346));  // "245 MHZ"
  Click(origin + QPoint(741, 302));  // "&Select Toggle": all on
  Click(origin + QPoint(741, 302));  // all off
  Click(origin + QPoint(741, 302));  // all on
  Click(origin + QPoint(741, 178));  // "&Browse"
  QThread::msleep(14000);
  shot = Screen().copy(QRect(origin, QSize(798, 574))).convertToFormat(QImage::Format_RGB32);
  int traces = 0;
  for (int y = 10; y < 510; ++y)
    for (int x = 80; x < 680; ++x) traces += (shot.pixel(x, y) & 0xFFFFFF) == (kChannels[7] & 0xFFFFFF);
  Check(traces > 0, "the browse ends on the file's last window, traces shown");

  Xdotool({"windowfocus", "--sync", main});
  Xdotool({"key", "Escape"});
  Check(viewer.waitForFinished(10000), "Escape ends the program");
  Check(viewer.exitStatus() == QProcess::NormalExit && viewer.exitCode() == 0, "it exits normally");
  QFile::remove(pdf);
  Check(Listing(work.path()) == workBefore, "nothing written to the working directory");
  const QStringList homeAfter = Listing(home.path());
  Check(homeAfter == homeBefore, "nothing written to the home directory but the printed PDF");
  for (const QString& f : homeAfter)
    if (!homeBefore.contains(f)) std::printf("  written: %s\n", qPrintable(f));
  if (viewer.state() != QProcess::NotRunning) viewer.kill();
  std::printf("%d passed, %d failed\n", passes, failures);
  return failures == 0 ? 0 : 1;
}
