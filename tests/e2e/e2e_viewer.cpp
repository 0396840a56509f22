// The built program under a real X server, used as a person would: start it,
// open its window menu with Alt+Space, open the sample through its own file
// dialog with the mouse and keyboard, look at the screen, click on a trace,
// print to PDF, switch channels, open the day overview from the window menu,
// click it, measure a stretch on it and shrink it, move the slider with the
// keys, browse to the end, and quit with Escape.
// Nothing may be written to the working directory or the home directory but
// the printed file. Built with the sanitizers, the same run is the leak check
// of the whole program.
//
// Then the program is started again with a compressed archive day on its
// command line, and must show the window tarrawin-snapshot draws for it.
//
// e2e_viewer TARRAWIN SNAPSHOT SAMPLE ARCHIVE_DAY   (DISPLAY must name the server)

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include "tests/e2e/e2e_session.h"

namespace {

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

// The program's own folders, fresh and empty; the sample and the archive day
// copied into its working folder.
void Prepare(e2e::Session& s, char** argv) {
  s.tarrawin = QString::fromLocal8Bit(argv[1]);
  s.snapshot = QString::fromLocal8Bit(argv[2]);
  s.samplePath = QString::fromLocal8Bit(argv[3]);
  s.sample = QFileInfo(s.samplePath).fileName();
  s.archivePath = QString::fromLocal8Bit(argv[4]);
  s.archive = QFileInfo(s.archivePath).fileName();
  QFile::copy(s.samplePath, s.work.filePath(s.sample));
  QFile::copy(s.archivePath, s.work.filePath(s.archive));
  s.workBefore = Listing(s.work.path());
  s.homeBefore = Listing(s.home.path());
  s.env = QProcessEnvironment::systemEnvironment();
  s.env.insert("HOME", s.home.path());
  for (const char* name : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "QT_QPA_PLATFORM"}) s.env.remove(name);
}

}  // namespace

namespace e2e {

void NothingWrittenButThePrint(Session& s) {
  Check(Listing(s.work.path()) == s.workBefore, "nothing written to the working directory");
  const QStringList homeAfter = Listing(s.home.path());
  Check(homeAfter == s.homeBefore, "nothing written to the home directory but the printed PDF");
  for (const QString& f : homeAfter)
    if (!s.homeBefore.contains(f)) std::printf("  written: %s\n", qPrintable(f));
}

}  // namespace e2e

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc < 5) {
    std::fprintf(stderr, "usage: e2e_viewer TARRAWIN SNAPSHOT SAMPLE ARCHIVE_DAY\n");
    return 2;
  }
  e2e::Session s;
  Prepare(s, argv);
  for (auto step :
       {e2e::StartAndSeeTheEmptyWindow, e2e::AltSpaceOpensOnlyTheWindowMenu, e2e::OpenTheSampleThroughItsDialog,
        e2e::ClickATraceForTheReadout, e2e::PrintToPdf, e2e::ToggleTheChannels, e2e::ClickTheDayOverview,
        e2e::ShrinkTheDayOverview, e2e::KeysMoveTheSlider, e2e::BrowseToTheEnd, e2e::QuitWithEscape,
        e2e::OpenTheArchiveDayFromTheCommandLine, e2e::NothingWrittenButThePrint})
    step(s);
  if (s.viewer.state() != QProcess::NotRunning) s.viewer.kill();
  std::printf("%d passed, %d failed\n", e2e::passes, e2e::failures);
  return e2e::failures == 0 ? 0 : 1;
}
