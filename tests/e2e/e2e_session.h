#pragma once
// The end-to-end run of the viewer: what its steps share (the folders it
// works in, the program's environment, the running program, where its
// window stands, what the screen last showed) and the steps themselves, in
// the order main() takes them.

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include "tests/e2e/e2e_desktop.h"

namespace e2e {

struct Session {
  QString tarrawin, snapshot, samplePath, sample, archivePath, archive;
  QTemporaryDir work, home, scratch;
  QProcessEnvironment env;
  QProcess viewer;
  QString main;         // the main window, as xdotool knows it
  QString overview;     // the day overview's window
  QPoint origin;        // its client area's top left on the screen
  QImage shot;          // the client area as last looked at
  QImage labelsBefore;  // the chart's time labels before the overview moves it
  QStringList workBefore, homeBefore;

  // The main window's client area as the screen shows it.
  QImage Window() const { return Screen().copy(QRect(origin, QSize(798, 574))); }
};

void StartAndSeeTheEmptyWindow(Session& s);
void AltSpaceOpensOnlyTheWindowMenu(Session& s);
void OpenTheSampleThroughItsDialog(Session& s);
void ClickATraceForTheReadout(Session& s);
void PrintToPdf(Session& s);
void ToggleTheChannels(Session& s);
void ClickTheDayOverview(Session& s);
void ShrinkTheDayOverview(Session& s);
void KeysMoveTheSlider(Session& s);
void BrowseToTheEnd(Session& s);
void QuitWithEscape(Session& s);
void OpenTheArchiveDayFromTheCommandLine(Session& s);
void NothingWrittenButThePrint(Session& s);

// One page, whose picture is the window's, stretched over the printable area.
void CheckPrintedPage(const QString& pdf, const QImage& window);

}  // namespace e2e
