// The day overview's window: where it opens by the main window, and what it
// shows at its least size.

#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "platform/qt/qt_overview_window.h"
#include "resources/dialog_templates.h"
#include "resources/strings.h"
#include "tests/platform/qt_viewer_fixture.h"

namespace helvarra::test {
namespace {

using qt::FrameBeside;

// On a 1280 x 1000 area: right of the main window where there is room, left
// where there is not, below or above a wide one, slid along its side to stay
// on the screen; where no side has room, over as little of it as can be, and
// never off the area.
TEST(FrameBesideTest, BesideTheMainWindowWhereThereIsRoomElseHidingTheLeastOfIt) {
  const QRect area(0, 0, 1280, 1000);
  const struct {
    QRect main;
    QSize size;
    QRect expected;
  } cases[] = {
      {{100, 100, 400, 300}, {500, 400}, {500, 100, 500, 400}},    // right
      {{800, 100, 400, 300}, {500, 400}, {300, 100, 500, 400}},    // left
      {{100, 800, 400, 150}, {500, 400}, {500, 600, 500, 400}},    // right, slid up
      {{100, 0, 1000, 300}, {900, 500}, {100, 300, 900, 500}},     // below
      {{100, 700, 1000, 300}, {900, 500}, {100, 200, 900, 500}},   // above
      {{241, 225, 798, 574}, {1224, 680}, {56, 0, 1224, 680}},     // centred: above, slid into the area
      {{0, 0, 100, 100}, {2000, 1500}, {0, 0, 1280, 1000}},        // larger than the area
      {{0, 0, 798, 574}, {1224, 680}, {56, 320, 1224, 680}},       // the far corner
      {{-300, -50, 798, 574}, {1224, 680}, {56, 320, 1224, 680}},  // the main window partly off
  };
  for (const auto& c : cases) {
    const QRect placed = FrameBeside(c.main, c.size, area);
    EXPECT_EQ(placed, c.expected) << c.main.x() << "," << c.main.y() << ": " << placed.x() << "," << placed.y() << " "
                                  << placed.width() << "x" << placed.height();
    EXPECT_TRUE(area.contains(placed)) << c.main.x() << "," << c.main.y();
  }
}

std::string Day() {
  std::string bytes;
  for (int t = 0; t < 3600; ++t) {
    const int f = t > 1200 && t < 1500 ? 50 : 1;  // a burst
    bytes += RecordLine("APLM", 24, 5, 14, 12 + t / 3600, t / 60 % 60, t % 60,
                        {100 * f, 200 * f, 300 * f, 400 * f, 500 * f, 600 * f, 700 * f, 800 * f});
  }
  return bytes;
}

class OverviewWindowTest : public QtViewerTest {};

// Shrunk as far as it goes with a burst measured: the picture above the
// table, every header text whole, the eight rows in view, the buttons whole.
TEST_F(OverviewWindowTest, AtItsLeastSizeEverythingShowsWhole) {
  Open("day.apl", Day());
  services.Deliver({.kind = EventKind::SystemCommand, .command = resources::IDM_DAYOVERVIEW});
  Settle();
  qt::OverviewWindow& w = *viewer.OverviewServices().Window();
  QWidget& picture = w.Picture();
  QTest::mousePress(&picture, Qt::LeftButton, {}, QPoint(picture.width() / 4, picture.height() / 2));
  QTest::mouseRelease(&picture, Qt::LeftButton, {}, QPoint(picture.width() / 2, picture.height() / 2));
  Settle();
  QTableWidget& table = w.Table();
  ASSERT_EQ(table.rowCount(), kChannelCount);

  w.resize(1, 1);
  Settle();
  EXPECT_EQ(w.size(), w.minimumSize());
  const QRect tableInWindow(table.mapTo(&w, QPoint(0, 0)), table.size());
  EXPECT_FALSE(picture.geometry().intersects(tableInWindow));
  const QHeaderView& header = *table.horizontalHeader();
  for (int c = 0; c < table.columnCount(); ++c)
    EXPECT_GE(header.sectionSize(c), header.sectionSizeHint(c))
        << header.model()->headerData(c, Qt::Horizontal).toString().toStdString();
  EXPECT_FALSE(table.horizontalScrollBar()->isVisible());
  EXPECT_LE(table.rowViewportPosition(kChannelCount - 1) + table.rowHeight(kChannelCount - 1),
            table.viewport()->height());
  for (const QPushButton* button : w.findChildren<QPushButton*>()) {
    EXPECT_TRUE(w.rect().contains(button->geometry())) << button->text().toStdString();
    EXPECT_GE(button->width(), button->sizeHint().width()) << button->text().toStdString();
  }
}

}  // namespace
}  // namespace helvarra::test
