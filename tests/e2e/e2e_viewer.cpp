// The built program under a real X server, used as a person would: start it,
// open its window menu with Alt+Space, open the sample through its own file
// dialog with the mouse and keyboard, look at the screen, click on a trace,
// print to PDF, switch channels, browse to the end, and quit with Escape.
// Every step waits for what the screen shows, and the controls are clicked
// where the dialog's template puts them. Nothing may be written to the working
// directory or the home directory but the printed file. Built with the
// sanitizers, the same run is the leak check of the whole program.
//
// Then the program is started again with a compressed archive day on its
// command line, and must show the window tarrawin-snapshot draws for it.
//
// e2e_viewer TARRAWIN SNAPSHOT SAMPLE ARCHIVE_DAY [SCREENSHOT.png]   (DISPLAY must name the server)

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "tests/e2e/e2e_desktop.h"

namespace {

using e2e::Check, e2e::Click, e2e::FindWindow, e2e::WaitFor, e2e::Xdotool;

// The main window's client area as the screen shows it.
QImage Window(const QPoint& origin) { return e2e::Screen().copy(QRect(origin, QSize(798, 574))); }

// Where the dialog's template puts a control: its centre in client pixels.
QPoint Centre(int id) {
  const QRect r = e2e::TemplateRect(id);
  return {r.x() + r.width() / 2, r.y() + r.height() / 2};
}

using helvarra::resources::IDC_BROWSE, helvarra::resources::IDC_FILES, helvarra::resources::IDC_PRINT,
    helvarra::resources::IDC_SELECT_TOGGLE, helvarra::resources::IDC_CHECK_FIRST;

// Presses a key in a dialog until it goes away: a dialog may not take keys in
// the first moments after it appears.
bool PressUntilGone(const QString& title, const QString& key) {
  return WaitFor(
      [&] {
        const QString window = FindWindow(title);
        if (window.isEmpty()) return true;
        Xdotool({"windowfocus", "--sync", window});
        Xdotool({"key", key});
        return WaitFor([&] { return FindWindow(title).isEmpty(); }, 1500);
      },
      20000);
}

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
const QRgb kChannels[8] = {qRgb(210, 105, 30), qRgb(255, 0, 0),     qRgb(255, 165, 0), qRgb(255, 255, 0),
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
            .arg(same)
            .arg(all)
            .arg(picture.width())
            .arg(picture.height())
            .arg(picture.left())
            .arg(picture.top()));
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc < 5) {
    std::fprintf(stderr, "usage: e2e_viewer TARRAWIN SNAPSHOT SAMPLE ARCHIVE_DAY [SCREENSHOT.png]\n");
    return 2;
  }
  QTemporaryDir work, home, scratch;
  const QString snapshot = QString::fromLocal8Bit(argv[2]), samplePath = QString::fromLocal8Bit(argv[3]);
  const QString sample = QFileInfo(samplePath).fileName();
  QFile::copy(samplePath, work.filePath(sample));
  const QString archivePath = QString::fromLocal8Bit(argv[4]), archive = QFileInfo(archivePath).fileName();
  QFile::copy(archivePath, work.filePath(archive));
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
  const QPoint origin = e2e::WindowGeometry(main).topLeft();
  // Painted: the empty black plot on the window's own colour.
  Check(WaitFor(
            [&] {
              const QImage w = Window(origin);
              return (w.pixel(380, 260) & 0xFFFFFF) == 0 && (w.pixel(40, 40) & 0xFFFFFF) == 0xD4D0C8;
            },
            15000),
        "the window is painted");

  // Alt+Space with the focus on "&Quit" opens the window menu at the window's
  // top left, and quits nothing; Escape closes the menu only.
  const QRect menuCorner(0, 0, 120, 60);
  const QImage corner = Window(origin).copy(menuCorner);
  Xdotool({"windowfocus", "--sync", main});
  Xdotool({"key", "alt+space"});
  Check(WaitFor([&] { return Window(origin).copy(menuCorner) != corner; }, 10000), "Alt+Space shows the window menu");
  Check(viewer.state() == QProcess::Running && !FindWindow("^HELVARRA$").isEmpty(), "and the program runs on");
  Xdotool({"key", "Escape"});
  Check(WaitFor([&] { return Window(origin).copy(menuCorner) == corner; }, 10000), "Escape closes the menu");
  Check(viewer.state() == QProcess::Running && !FindWindow("^HELVARRA$").isEmpty(), "and only the menu");

  // "&Files": the file dialog opens in the working directory; type the
  // sample's name and press Enter.
  Click(origin + Centre(IDC_FILES));
  QString open;
  Check(WaitFor([&] { return !(open = FindWindow("^Open$")).isEmpty(); }, 10000), "the file dialog opens");
  // The name is typed again (over what the field holds) until the dialog
  // takes it: a dialog may not take keys in its first moments.
  Check(WaitFor(
            [&] {
              Xdotool({"windowfocus", "--sync", open});
              Xdotool({"key", "ctrl+a"});
              Xdotool({"type", "--delay", "20", sample});
              Xdotool({"key", "Return"});
              return WaitFor([&] { return FindWindow("^Open$").isEmpty(); }, 2000);
            },
            20000),
        "the file dialog takes the name and closes");

  // The first window of the sample: 22:31 to 23:01, quiet Sun, every channel
  // drawn in its colour inside the plot.
  QImage shot;
  int inPlot[8] = {};
  auto countChannels = [&] {
    shot = Window(origin);
    for (int k = 0; k < 8; ++k) inPlot[k] = 0;
    for (int y = 10; y < 510; ++y)
      for (int x = 80; x < 680; ++x)
        for (int k = 0; k < 8; ++k) inPlot[k] += (shot.pixel(x, y) & 0xFFFFFF) == (kChannels[k] & 0xFFFFFF);
    for (int k = 0; k < 8; ++k)
      if (inPlot[k] <= 100) return false;
    return true;
  };
  WaitFor(countChannels, 15000);
  for (int k = 0; k < 8; ++k)
    Check(inPlot[k] > 100, QString("channel %1 drawn in its colour (%2 pixels)").arg(k).arg(inPlot[k]));

  // A click on a trace names it at (690, 80): find a 2695 MHz pixel.
  QPoint trace(-1, -1);
  for (int x = 300; x < 600 && trace.x() < 0; ++x)
    for (int y = 10; y < 510 && trace.x() < 0; ++y)
      if ((shot.pixel(x, y) & 0xFFFFFF) == (kChannels[4] & 0xFFFFFF)) trace = QPoint(x, y);
  Check(trace.x() > 0, "a 2695 MHz pixel to click on");
  Click(origin + trace);
  int white = 0;
  WaitFor(
      [&] {
        shot = Window(origin);
        white = 0;
        for (int y = 80; y < 95; ++y)
          for (int x = 690; x < 690 + 8 * 8; ++x) white += (shot.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF;
        return white > 20;
      },
      10000);
  Check(white > 20, QString("the read-out writes the channel's label in white (%1 pixels)").arg(white));
  if (argc > 5) shot.save(QString::fromLocal8Bit(argv[5]));

  // "&Print": print to the PDF printer the dialog offers where there is no
  // real printer, into the file it proposes.
  const QString pdf = home.filePath("print.pdf");
  Click(origin + Centre(IDC_PRINT));
  Check(WaitFor([&] { return !FindWindow("^Print$").isEmpty(); }, 10000), "the print dialog opens");
  Check(PressUntilGone("^Print$", "Return"), "the print dialog takes Enter");
  Check(WaitFor([&] { return !FindWindow("^Tarrawin$").isEmpty(); }, 15000), "a message names the printer");
  Check(PressUntilGone("^Tarrawin$", "Return"), "the message closes");
  Check(WaitFor([&] { return QFileInfo(pdf).size() > 0; }, 10000), "the PDF file is written");
  CheckPrintedPage(pdf, shot);  // printing redraws the same picture

  // Channels off and on, all at once.
  Click(origin + Centre(IDC_CHECK_FIRST));
  Click(origin + Centre(IDC_SELECT_TOGGLE));  // all on
  Click(origin + Centre(IDC_SELECT_TOGGLE));  // all off
  Click(origin + Centre(IDC_SELECT_TOGGLE));  // all on
  Check(WaitFor(countChannels, 15000), "every channel drawn again after the toggles");

  // A browse through to the end of the three-hour sample ends on the window
  // tarrawin-snapshot draws for the end of a browse: the screen must come to
  // show it, which it never does if the browse does not move.
  const QString expectedPng = scratch.filePath("browse-end.png");
  QProcess snap;
  snap.start(snapshot, {samplePath, "--browse-to-end", "-o", expectedPng});
  snap.waitForFinished(60000);
  const QImage expected = QImage(expectedPng).convertToFormat(QImage::Format_RGB32);
  Check(snap.exitCode() == 0 && !expected.isNull(), "tarrawin-snapshot draws the window a browse ends on");
  const QRect chart(60, 9, 621, 527);  // plot and time axis, clear of the read-out
  Click(origin + Centre(IDC_BROWSE));
  const bool ended =
      !expected.isNull() && WaitFor([&] { return Window(origin).copy(chart) == expected.copy(chart); }, 60000);
  Check(ended, "the browse ends on the file's last window");
  Check(viewer.state() == QProcess::Running, "the program runs on");

  Xdotool({"windowfocus", "--sync", main});
  Xdotool({"key", "Escape"});
  Check(viewer.waitForFinished(10000), "Escape ends the program");
  Check(viewer.exitStatus() == QProcess::NormalExit && viewer.exitCode() == 0, "it exits normally");
  QFile::remove(pdf);

  // The compressed archive day named on the command line: its first window,
  // as tarrawin-snapshot draws it, without a dialog.
  const QString archivePng = scratch.filePath("archive.png");
  QProcess snapArchive;
  snapArchive.start(snapshot, {archivePath, "-o", archivePng});
  snapArchive.waitForFinished(60000);
  const QImage archiveExpected = QImage(archivePng).convertToFormat(QImage::Format_RGB32);
  Check(snapArchive.exitCode() == 0 && !archiveExpected.isNull(), "tarrawin-snapshot draws the archive day");
  QProcess second;
  second.setProcessEnvironment(env);
  second.setWorkingDirectory(work.path());
  second.start(QString::fromLocal8Bit(argv[1]), {archive});
  Check(second.waitForStarted(10000), "the viewer starts with a compressed day on its command line");
  QString secondWindow;
  Check(WaitFor([&] { return !(secondWindow = FindWindow("^HELVARRA$")).isEmpty(); }, 15000), "its window appears");
  const QPoint at = e2e::WindowGeometry(secondWindow).topLeft();
  // The chart with its labels and the panel right of it, clear of the controls.
  const QRect chartArea(0, 0, 690, 545), panel(690, 0, 102, 130);
  auto showsArchive = [&] {
    const QImage w = Window(at);
    return w.copy(chartArea) == archiveExpected.copy(chartArea) && w.copy(panel) == archiveExpected.copy(panel);
  };
  Check(!archiveExpected.isNull() && WaitFor(showsArchive, 20000),
        "the window shows the day's first window and its station");
  Xdotool({"windowfocus", "--sync", secondWindow});
  Xdotool({"key", "Escape"});
  Check(second.waitForFinished(10000) && second.exitCode() == 0, "Escape ends it");

  Check(Listing(work.path()) == workBefore, "nothing written to the working directory");
  const QStringList homeAfter = Listing(home.path());
  Check(homeAfter == homeBefore, "nothing written to the home directory but the printed PDF");
  for (const QString& f : homeAfter)
    if (!homeBefore.contains(f)) std::printf("  written: %s\n", qPrintable(f));
  if (viewer.state() != QProcess::NotRunning) viewer.kill();
  std::printf("%d passed, %d failed\n", e2e::passes, e2e::failures);
  return e2e::failures == 0 ? 0 : 1;
}
