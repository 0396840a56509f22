// The day overview's steps of the end-to-end run: opened from the window
// menu on the screen, hiding as little of the main window as it can;
// clicked; a stretch dragged across it measured into its table; shrunk as far
// as it goes, where the picture, the table's header and eight rows and the
// buttons all still show, one under another; closed with Escape.

#include "tests/e2e/e2e_session.h"

namespace e2e {
namespace {

// What each row of pixels of the overview shows, top to bottom.
struct Rows {
  int plotBottom = -1;                  // the picture's plot: black
  int tableTop = -1, tableBottom = -1;  // the table's cells: white
  // Lines of text (dark pixels) above the table and below the plot, in the
  // table, and under it.
  int linesBetween = 0, linesInTable = 0, linesUnder = 0;
};

Rows Classify(const QImage& w) {
  Rows rows;
  std::vector<bool> text(static_cast<std::size_t>(w.height()));
  for (int y = 0; y < w.height(); ++y) {
    int black = 0, white = 0, dark = 0;
    for (int x = 0; x < w.width(); ++x) {
      const QRgb p = w.pixel(x, y) & 0xFFFFFF;
      black += p == 0;
      white += p == 0xFFFFFF;
      dark += qGray(p) < 100;
    }
    if (black > w.width() / 4) rows.plotBottom = y;
    if (white > w.width() / 2) {
      if (rows.tableTop < 0) rows.tableTop = y;
      rows.tableBottom = y;
    }
    text[static_cast<std::size_t>(y)] = dark > 0;
  }
  for (int y = rows.plotBottom + 1; y < w.height(); ++y) {
    if (!text[static_cast<std::size_t>(y)] || (y > 0 && text[static_cast<std::size_t>(y - 1)])) continue;
    // a line of text starts here
    if (y < rows.tableTop)
      ++rows.linesBetween;
    else if (y <= rows.tableBottom)
      ++rows.linesInTable;
    else
      ++rows.linesUnder;
  }
  return rows;
}

}  // namespace

// With the main window moved to the screen's top left, the window menu's
// "&Day Overview..." opens the overview of the sample on the screen, where
// it hides not all of the main window (at the top left, it would). A click
// three quarters along it moves the chart there.
void ClickTheDayOverview(Session& s) {
  Xdotool({"windowmove", "--sync", s.main, "0", "0"});
  WaitFor([&] { return (s.origin = WindowGeometry(s.main).topLeft()) == QPoint(0, 0); }, 10000);
  const QRect labels(60, 521, 640, 14);
  s.labelsBefore = s.Window().copy(labels);
  const QRect menuCorner(0, 0, 120, 60);
  const QImage corner = s.Window().copy(menuCorner);
  Xdotool({"windowfocus", "--sync", s.main});
  Xdotool({"key", "alt+space"});
  WaitFor([&] { return s.Window().copy(menuCorner) != corner; }, 10000);  // the menu is up
  Xdotool({"key", "d"});
  Check(WaitFor([&] { return !(s.overview = FindWindow("^Day Overview - " + s.sample + "$")).isEmpty(); }, 10000),
        "the window menu opens the day overview, titled with the file's name");
  const QRect frame = WindowGeometry(s.overview), main(s.origin, QSize(798, 574));
  Check(Screen().rect().contains(frame), "the overview lies on the screen");
  Check(!frame.contains(main), QString("and hides not all of the main window at its top left (%1 x %2 at %3, %4)")
                                   .arg(frame.width())
                                   .arg(frame.height())
                                   .arg(frame.x())
                                   .arg(frame.y()));
  const QPoint inPlot = frame.topLeft() + QPoint(64 + (frame.width() - 100) * 3 / 4, frame.height() / 4);
  Check(WaitFor([&] { return Screen().copy(QRect(inPlot, QSize(1, 1))).pixel(0, 0) != qRgb(212, 208, 200); }, 10000),
        "the overview draws its plot");
  Click(inPlot);
}

// A drag across a third of the overview measures that stretch into the
// table; shrunk to nothing, the window keeps its least size, where the plot
// ends above the table, the header shows over the eight rows and the buttons
// under them. Escape closes it, and the main window shows where the click
// moved it.
void ShrinkTheDayOverview(Session& s) {
  QRect frame = WindowGeometry(s.overview);
  const int y = frame.top() + frame.height() / 4;
  Xdotool({"mousemove", "--sync", QString::number(frame.left() + frame.width() / 3), QString::number(y)});
  Xdotool({"mousedown", "1"});
  Xdotool({"mousemove", "--sync", QString::number(frame.left() + frame.width() * 2 / 3), QString::number(y)});
  Xdotool({"mouseup", "1"});
  Xdotool({"windowsize", s.overview, "1", "1"});
  Rows rows;
  WaitFor(
      [&] {
        frame = WindowGeometry(s.overview);
        rows = Classify(Screen().copy(frame));
        return rows.linesInTable == 8 && frame.width() > 1;
      },
      10000);
  std::printf("  the overview shrunk: %d x %d\n", frame.width(), frame.height());
  Check(rows.plotBottom >= 0 && rows.plotBottom < rows.tableTop, "at its least size the plot ends above the table");
  Check(rows.linesBetween >= 2, "the time axis and the table's header show between them");
  Check(rows.linesInTable == 8, QString("the eight rows show in the table (%1)").arg(rows.linesInTable));
  Check(rows.linesUnder >= 1, "the buttons show under it");
  Xdotool({"windowfocus", "--sync", s.overview});
  Xdotool({"key", "Escape"});
  Check(WaitFor([&] { return FindWindow("^Day Overview").isEmpty(); }, 10000), "Escape closes the overview");
  Check(WaitFor([&] { return s.Window().copy(QRect(60, 521, 640, 14)) != s.labelsBefore; }, 10000),
        "the click on it moved the chart there");
}

}  // namespace e2e
