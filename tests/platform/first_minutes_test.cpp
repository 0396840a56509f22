// What a user meets in the first minutes with the window: the window menu
// from the keyboard whatever has the focus, control texts that fit their
// boxes, the look kept on a dark desktop, station names and accented file
// names drawn whole, and the printed picture at any screen scale.

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <cstdlib>

#include "platform/qt/qt_about_dialog.h"
#include "platform/qt/qt_channel_check_box.h"
#include "platform/qt/qt_fonts.h"
#include "resources/dialog_templates.h"
#include "tests/platform/qt_viewer_fixture.h"

namespace helvarra::test {
namespace {

namespace res = resources;

std::string Day(std::string_view station, int count = 1900) {
  std::string bytes;
  for (int i = 0; i < count; ++i) {
    const int v = 100 * (i % 2 + 1);
    bytes += RecordLine(station, 24, 5, 14, 12, i / 60, i % 60, {v, v, v, v, v, v, v, v});
  }
  return bytes;
}

class FirstMinutesTest : public QtViewerTest {
 protected:
  QWidget* Control(int id) { return services.MainWindow()->Control(id); }
  QMenu& Menu() { return services.MainWindow()->WindowMenu(); }
  void AltSpaceOn(QWidget* w) {
    w->setFocus();
    Settle();
    QTest::keyClick(w, Qt::Key_Space, Qt::AltModifier);
    Settle();
  }
};

TEST_F(FirstMinutesTest, AltSpaceOpensTheWindowMenuWhateverHasTheFocus) {
  Open("menu.apl", Day("APLM"));
  for (int id : {res::IDOK, res::IDC_FILES, res::IDC_CHECK_FIRST, res::IDC_SLIDER}) {
    AltSpaceOn(Control(id));
    EXPECT_TRUE(Menu().isVisible()) << id;
    Menu().hide();
    Settle();
  }
  // The right click outside the plot too, the focus on a check box.
  Control(res::IDC_CHECK_FIRST)->setFocus();
  QTest::mouseClick(services.MainWindow()->Client(), Qt::RightButton, {}, QPoint(30, 540));
  Settle();
  EXPECT_TRUE(Menu().isVisible());
  Menu().hide();
  // Nothing was pressed: no end of the run, the channel still shown.
  EXPECT_TRUE(services.MainWindow()->isVisible());
  EXPECT_EQ(dlg.ShowFlag(0), 1);
  EXPECT_TRUE(qobject_cast<QCheckBox*>(Control(res::IDC_CHECK_FIRST))->isChecked());
  // Space alone still presses the focused control.
  Control(res::IDC_CHECK_FIRST)->setFocus();
  QTest::keyClick(Control(res::IDC_CHECK_FIRST), Qt::Key_Space);
  Settle();
  EXPECT_EQ(dlg.ShowFlag(0), 0);
}

TEST_F(FirstMinutesTest, EveryControlTextFitsItsBox) {
  const QFontMetrics metrics(Control(res::IDOK)->font());
  for (const resources::ControlTemplate& c : resources::kMainDialogControls) {
    QWidget* w = Control(c.id);
    if (auto* box = dynamic_cast<qt::ChannelCheckBox*>(w)) {
      // The label's colour band runs a pixel either side of the whole text,
      // cut by nothing.
      QImage image(box->size(), QImage::Format_RGB32);
      box->render(&image);
      const QColor band = qt::ToQColor(dlg.Style().m_crChannel[static_cast<std::size_t>(c.id - res::IDC_CHECK_FIRST)]);
      int left = image.width(), right = -1;
      for (int x = 0; x < image.width(); ++x)
        if (image.pixelColor(x, image.height() / 2 - 6) == band) left = std::min(left, x), right = x;
      const int text = metrics.boundingRect(QRect(0, 0, 1000, 100), Qt::AlignLeft, box->text()).width();
      EXPECT_EQ(right - left + 1, text + 2) << c.id;
    } else if (auto* button = qobject_cast<QPushButton*>(w)) {
      QStyleOptionButton option;
      option.initFrom(button);
      option.text = button->text();
      const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
      EXPECT_LE(metrics.horizontalAdvance(QString(button->text()).remove('&')), room.width()) << c.id;
    }
  }
  qt::AboutDialog about(services.MainWindow());
  const QList<QLabel*> labels = about.findChildren<QLabel*>();
  ASSERT_EQ(labels.size(), 5);
  for (QLabel* label : labels) {
    if (label->text().isEmpty()) continue;  // the icon
    EXPECT_EQ(label->font().pixelSize(), 11) << label->text().toStdString();
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().width())
        << label->text().toStdString();
  }
}

// On a desktop with a dark palette the window looks as it does anywhere:
// black labels on the channel bands, light buttons.
TEST(DarkDesktopTest, TheDialogKeepsItsOwnLightLook) {
  const QPalette desktop = QApplication::palette();
  QPalette dark(QColor(230, 230, 230), QColor(40, 40, 40), QColor(70, 70, 70), QColor(20, 20, 20), QColor(50, 50, 50),
                QColor(230, 230, 230), Qt::white, QColor(30, 30, 30), QColor(35, 35, 35));
  QApplication::setPalette(dark);
  {
    qt::QtWindowServices services;
    qt::QtOverviewServices servicesOverview{services};
    CFluxViewerDlg dlg{services, servicesOverview};
    services.OpenMainWindow(&dlg);
    for (int k : {3, 5}) {  // yellow and aquamarine, where light text vanishes
      auto* box = dynamic_cast<qt::ChannelCheckBox*>(services.MainWindow()->Control(Channel(k).controlId));
      QImage image(box->size(), QImage::Format_RGB32);
      box->render(&image);
      int dark = 0, light = 0;
      const QRect area = box->TextArea();
      for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
          const QColor c = image.pixelColor(x, y);
          dark += c.lightness() < 60;
          light += c.lightness() > 220;
        }
      EXPECT_GT(dark, 20) << k;
      EXPECT_EQ(light, 0) << k;
    }
    const QImage quit = services.MainWindow()->Control(res::IDOK)->grab().toImage();
    EXPECT_GT(quit.pixelColor(quit.width() / 2, 3).lightness(), 150);
    services.CloseMainWindow();
  }
  QApplication::setPalette(desktop);
}

TEST_F(FirstMinutesTest, AShorterStationNameErasesTheLongerOne) {
  Open("long.k7o", Day("K7OL"));
  Open("short.phf", Day("PHFF"));
  EXPECT_TRUE(ShowsLarge(690, 10, "Palehua       "));
  Open("unknown.xyz", Day("ZZZZ"));
  Open("short.phf", Day("PHFF"));
  EXPECT_TRUE(ShowsLarge(690, 10, "Palehua       "));
}

TEST_F(FirstMinutesTest, AnAccentedFileNameIsDrawnAsItsCharacters) {
  Open("relevé.apl", Day("APLM"));
  // Ten characters in ten cells: the accented letter is one glyph, and the
  // cell after the name stays empty.
  QImage expected(8, 13, QImage::Format_RGB32);
  expected.fill(qt::ToQColor(dlg.Style().m_crBackground));
  {
    QPainter p(&expected);
    p.setFont(qt::ToQFont(dlg.Style().m_fontSmall));
    p.setPen(Qt::black);
    p.drawText(0, QFontMetrics(qt::ToQFont(dlg.Style().m_fontSmall)).ascent(), QString(QChar(0xE9)));
  }
  for (int y = 0; y < 13; ++y)
    for (int x = 0; x < 8; ++x)
      ASSERT_EQ(Pixel(690 + 5 * 8 + x, 50 + y), qt::FromQRgb(expected.pixel(x, y))) << x << "," << y;
  EXPECT_EQ(CountColour({690 + 10 * 8, 50, 690 + 11 * 8, 63}, 0), 0);
}

// Run also with QT_SCALE_FACTOR=2: the printed picture is the window's pixels,
// one for one, not the top left of a magnified grab.
TEST_F(FirstMinutesTest, ThePrintedPictureIsTheWindowAtAnyScale) {
  Open("scaled.apl", Day("APLM"));
  if (const char* scale = std::getenv("QT_SCALE_FACTOR")) {
    EXPECT_DOUBLE_EQ(services.MainWindow()->devicePixelRatio(), std::atof(scale));
  }
  services.Canvas().Finish();
  const QImage picture = services.Canvas().Picture();
  ASSERT_EQ(picture.size(), QSize(798, 574));
  const QImage& canvas = services.Canvas().Image();
  for (int y = 0; y < 545; y += 3)
    for (int x = 0; x < 690; x += 3)  // the chart and its labels, clear of the controls
      ASSERT_EQ(picture.pixel(x, y) & 0xFFFFFF, canvas.pixel(x, y) & 0xFFFFFF) << x << "," << y;
}

}  // namespace
}  // namespace helvarra::test
