// The steps of the end-to-end run, each as a person takes it: every step
// waits for what the screen shows, and the controls are clicked where the
// dialog's template puts them.

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include "tests/e2e/e2e_session.h"

namespace e2e {
namespace {

using namespace helvarra::resources;

// Where the dialog's template puts a control: its centre in client pixels.
QPoint Centre(int id) {
  const QRect r = TemplateRect(id);
  return {r.x() + r.width() / 2, r.y() + r.height() / 2};
}

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

// Channel colours as the screen shows them (R, G, B).
const QRgb kChannels[8] = {qRgb(210, 105, 30), qRgb(255, 0, 0),     qRgb(255, 165, 0), qRgb(255, 255, 0),
                           qRgb(50, 205, 50),  qRgb(127, 255, 212), qRgb(0, 191, 255), qRgb(238, 130, 238)};

// Whether every channel is drawn in its colour inside the plot; the counts
// in `inPlot`.
bool EveryChannelDrawn(Session& s, int (&inPlot)[8]) {
  s.shot = s.Window();
  for (int k = 0; k < 8; ++k) inPlot[k] = 0;
  for (int y = 10; y < 510; ++y)
    for (int x = 80; x < 680; ++x)
      for (int k = 0; k < 8; ++k) inPlot[k] += (s.shot.pixel(x, y) & 0xFFFFFF) == (kChannels[k] & 0xFFFFFF);
  for (int k = 0; k < 8; ++k)
    if (inPlot[k] <= 100) return false;
  return true;
}

// The picture tarrawin-snapshot draws for the arguments, or a null image.
QImage Snapshot(Session& s, const QStringList& args, const QString& png) {
  QProcess snap;
  snap.start(s.snapshot, args + QStringList{"-o", png});
  snap.waitForFinished(60000);
  return snap.exitCode() == 0 ? QImage(png).convertToFormat(QImage::Format_RGB32) : QImage();
}

}  // namespace

void StartAndSeeTheEmptyWindow(Session& s) {
  s.viewer.setProcessEnvironment(s.env);
  s.viewer.setWorkingDirectory(s.work.path());
  s.viewer.start(s.tarrawin, {});
  Check(s.viewer.waitForStarted(10000), "the viewer starts");
  Check(WaitFor([&] { return !(s.main = FindWindow("^HELVARRA$")).isEmpty(); }, 15000), "its window appears");
  s.origin = WindowGeometry(s.main).topLeft();
  // Painted: the empty black plot on the window's own colour.
  Check(WaitFor(
            [&] {
              const QImage w = s.Window();
              return (w.pixel(380, 260) & 0xFFFFFF) == 0 && (w.pixel(40, 40) & 0xFFFFFF) == 0xD4D0C8;
            },
            15000),
        "the window is painted");
  // With no file, Ctrl+D (the Day Overview's keys) opens nothing.
  Xdotool({"windowfocus", "--sync", s.main});
  Xdotool({"key", "ctrl+d"});
  Check(!WaitFor([] { return !FindWindow("^Day Overview").isEmpty(); }, 1500), "Ctrl+D with no file opens nothing");
}

// Alt+Space with the focus on "&Quit" opens the window menu at the window's
// top left, and quits nothing; Escape closes the menu only.
void AltSpaceOpensOnlyTheWindowMenu(Session& s) {
  const QRect menuCorner(0, 0, 120, 60);
  const QImage corner = s.Window().copy(menuCorner);
  Xdotool({"windowfocus", "--sync", s.main});
  Xdotool({"key", "alt+space"});
  Check(WaitFor([&] { return s.Window().copy(menuCorner) != corner; }, 10000), "Alt+Space shows the window menu");
  Check(s.viewer.state() == QProcess::Running && !FindWindow("^HELVARRA$").isEmpty(), "and the program runs on");
  Xdotool({"key", "Escape"});
  Check(WaitFor([&] { return s.Window().copy(menuCorner) == corner; }, 10000), "Escape closes the menu");
  Check(s.viewer.state() == QProcess::Running && !FindWindow("^HELVARRA$").isEmpty(), "and only the menu");
}

// "&Files": the file dialog opens in the working directory; the sample's name
// is typed (again, over what the field holds, until the dialog takes it) and
// Enter pressed. Its first window, 22:31 to 23:01, shows every channel.
void OpenTheSampleThroughItsDialog(Session& s) {
  Click(s.origin + Centre(IDC_FILES));
  QString open;
  Check(WaitFor([&] { return !(open = FindWindow("^Open$")).isEmpty(); }, 10000), "the file dialog opens");
  Check(WaitFor(
            [&] {
              Xdotool({"windowfocus", "--sync", open});
              Xdotool({"key", "ctrl+a"});
              Xdotool({"type", "--delay", "20", s.sample});
              Xdotool({"key", "Return"});
              return WaitFor([&] { return FindWindow("^Open$").isEmpty(); }, 2000);
            },
            20000),
        "the file dialog takes the name and closes");
  int inPlot[8] = {};
  WaitFor([&] { return EveryChannelDrawn(s, inPlot); }, 15000);
  for (int k = 0; k < 8; ++k)
    Check(inPlot[k] > 100, QString("channel %1 drawn in its colour (%2 pixels)").arg(k).arg(inPlot[k]));
}

// A click on a 2695 MHz pixel names the channel in white at (690, 80).
void ClickATraceForTheReadout(Session& s) {
  QPoint trace(-1, -1);
  for (int x = 300; x < 600 && trace.x() < 0; ++x)
    for (int y = 10; y < 510 && trace.x() < 0; ++y)
      if ((s.shot.pixel(x, y) & 0xFFFFFF) == (kChannels[4] & 0xFFFFFF)) trace = QPoint(x, y);
  Check(trace.x() > 0, "a 2695 MHz pixel to click on");
  Click(s.origin + trace);
  int white = 0;
  WaitFor(
      [&] {
        s.shot = s.Window();
        white = 0;
        for (int y = 80; y < 95; ++y)
          for (int x = 690; x < 690 + 8 * 8; ++x) white += (s.shot.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF;
        return white > 20;
      },
      10000);
  Check(white > 20, QString("the read-out writes the channel's label in white (%1 pixels)").arg(white));
}

// "&Print" to the PDF printer the dialog offers where there is no real
// printer, into the file it proposes; printing redraws the same picture.
void PrintToPdf(Session& s) {
  const QString pdf = s.home.filePath("print.pdf");
  Click(s.origin + Centre(IDC_PRINT));
  Check(WaitFor([&] { return !FindWindow("^Print$").isEmpty(); }, 10000), "the print dialog opens");
  Check(PressUntilGone("^Print$", "Return"), "the print dialog takes Enter");
  Check(WaitFor([&] { return !FindWindow("^Tarrawin$").isEmpty(); }, 15000), "a message names the printer");
  Check(PressUntilGone("^Tarrawin$", "Return"), "the message closes");
  Check(WaitFor([&] { return QFileInfo(pdf).size() > 0; }, 10000), "the PDF file is written");
  CheckPrintedPage(pdf, s.shot);
}

// Channels off and on, all at once.
void ToggleTheChannels(Session& s) {
  Click(s.origin + Centre(IDC_CHECK_FIRST));
  Click(s.origin + Centre(IDC_SELECT_TOGGLE));  // all on
  Click(s.origin + Centre(IDC_SELECT_TOGGLE));  // all off
  Click(s.origin + Centre(IDC_SELECT_TOGGLE));  // all on
  int inPlot[8] = {};
  Check(WaitFor([&] { return EveryChannelDrawn(s, inPlot); }, 15000), "every channel drawn again after the toggles");
}

// The records of the sample, as tarrawin-snapshot --info counts them.
int Records(Session& s) {
  QProcess info;
  info.start(s.snapshot, {"--info", s.samplePath});
  info.waitForFinished(60000);
  for (const QString& line : QString::fromUtf8(info.readAllStandardOutput()).split('\n'))
    if (line.startsWith("Records: ")) return line.mid(9).toInt();
  return 0;
}

// Tab from "&Select Toggle", clicked last, to the slider. End, let go, draws
// the window of the slider's last place, 60 records before the end, and Left
// then the window a record before it, as tarrawin-snapshot draws the windows
// of a slider let go there.
void KeysMoveTheSlider(Session& s) {
  const int last = Records(s) - 60;
  const QImage atEnd = Snapshot(s, {s.samplePath, "--index", QString::number(last)}, s.scratch.filePath("end.png"));
  const QImage before =
      Snapshot(s, {s.samplePath, "--index", QString::number(last - 1)}, s.scratch.filePath("before.png"));
  Check(last > 0 && !atEnd.isNull() && !before.isNull(), "tarrawin-snapshot draws the slider's last two places");
  const QRect chart(60, 9, 621, 527);  // plot and time axis, clear of the read-out
  Xdotool({"windowfocus", "--sync", s.main});
  Xdotool({"key", "Tab", "End"});
  Check(!atEnd.isNull() && WaitFor([&] { return s.Window().copy(chart) == atEnd.copy(chart); }, 10000),
        "Tab to the slider and End: the chart shows the slider's last place");
  Xdotool({"key", "Left"});
  Check(!before.isNull() && WaitFor([&] { return s.Window().copy(chart) == before.copy(chart); }, 10000),
        "Left: the chart shows the place before it");
}

// A browse through to the end of the three-hour sample ends on the window
// tarrawin-snapshot draws for the end of a browse: the screen must come to
// show it, which it never does if the browse does not move.
void BrowseToTheEnd(Session& s) {
  const QImage expected = Snapshot(s, {s.samplePath, "--browse-to-end"}, s.scratch.filePath("browse-end.png"));
  Check(!expected.isNull(), "tarrawin-snapshot draws the window a browse ends on");
  const QRect chart(60, 9, 621, 527);  // plot and time axis, clear of the read-out
  Click(s.origin + Centre(IDC_BROWSE));
  Check(!expected.isNull() && WaitFor([&] { return s.Window().copy(chart) == expected.copy(chart); }, 60000),
        "the browse ends on the file's last window");
  Check(s.viewer.state() == QProcess::Running, "the program runs on");
}

void QuitWithEscape(Session& s) {
  Xdotool({"windowfocus", "--sync", s.main});
  Xdotool({"key", "Escape"});
  Check(s.viewer.waitForFinished(10000), "Escape ends the program");
  Check(s.viewer.exitStatus() == QProcess::NormalExit && s.viewer.exitCode() == 0, "it exits normally");
  QFile::remove(s.home.filePath("print.pdf"));
}

// The compressed archive day named on the command line: its first window and
// its station, as tarrawin-snapshot draws them, without a dialog.
void OpenTheArchiveDayFromTheCommandLine(Session& s) {
  const QImage expected = Snapshot(s, {s.archivePath}, s.scratch.filePath("archive.png"));
  Check(!expected.isNull(), "tarrawin-snapshot draws the archive day");
  QProcess second;
  second.setProcessEnvironment(s.env);
  second.setWorkingDirectory(s.work.path());
  second.start(s.tarrawin, {s.archive});
  Check(second.waitForStarted(10000), "the viewer starts with a compressed day on its command line");
  QString window;
  Check(WaitFor([&] { return !(window = FindWindow("^HELVARRA$")).isEmpty(); }, 15000), "its window appears");
  const QPoint at = WindowGeometry(window).topLeft();
  // The chart with its labels and the panel right of it, clear of the controls.
  const QRect chartArea(0, 0, 690, 545), panel(690, 0, 102, 130);
  auto showsArchive = [&] {
    const QImage w = Screen().copy(QRect(at, QSize(798, 574)));
    return w.copy(chartArea) == expected.copy(chartArea) && w.copy(panel) == expected.copy(panel);
  };
  Check(!expected.isNull() && WaitFor(showsArchive, 20000), "the window shows the day's first window and its station");
  // Its name, 15MAY24.APL.gz, whole on the panel's file line: the last
  // letter's ink in its cell, 785 to 792, none past it to the window's edge.
  const QImage line = Screen().copy(QRect(at + QPoint(681, 50), QSize(117, 13)));
  auto inkIn = [&](int from, int to) {
    for (int y = 0; y < line.height(); ++y)
      for (int x = from - 681; x <= to - 681; ++x)
        if ((line.pixel(x, y) & 0xFFFFFF) == 0) return true;
    return false;
  };
  Check(inkIn(785, 792) && !inkIn(794, 797), "the file's name shows whole on the panel");
  Xdotool({"windowfocus", "--sync", window});
  Xdotool({"key", "Escape"});
  Check(second.waitForFinished(10000) && second.exitCode() == 0, "Escape ends it");
}

}  // namespace e2e
