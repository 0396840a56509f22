// The main dialog on Qt, driven through its real widgets.

#include <QCheckBox>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include "tests/platform/qt_viewer_fixture.h"

namespace helvarra::test {
namespace {

using qt::FluxDialog;

std::string Minutes(int h, int m, int count) {
  std::string bytes;
  for (int i = 0; i < count; ++i) {
    const int t = h * 3600 + m * 60 + i;
    const int f = i % 2 + 1;  // every stroke has a length
    bytes += RecordLine("APLM", 24, 5, 14, t / 3600 % 24, t / 60 % 60, t % 60,
                        {100 * f, 200 * f, 300 * f, 400 * f, 500 * f, 600 * f, 700 * f, 800 * f});
  }
  return bytes;
}

class DialogTest : public QtViewerTest {
 protected:
  QWidget* Control(int id) { return services.MainWindow()->Control(id); }
  QCheckBox* Box(int k) { return qobject_cast<QCheckBox*>(Control(1006 + k)); }
  void Click(int id) {
    QTest::mouseClick(Control(id), Qt::LeftButton, {}, QPoint(10, Control(id)->height() / 2));
    Settle();
  }
  QImage Snapshot() {
    services.Canvas().Finish();
    return services.Canvas().Image().copy();
  }
};

TEST_F(DialogTest, StartsWithEveryChannelCheckedAndTheFocusOnQuit) {
  for (int k = 0; k < 8; ++k) {
    EXPECT_TRUE(Box(k)->isChecked()) << k;
    EXPECT_EQ(dlg.ShowFlag(k), 1);
  }
  EXPECT_EQ(services.MainWindow()->focusWidget(), Control(1));
  EXPECT_EQ(services.MainWindow()->windowTitle(), QStringLiteral("HELVARRA"));
  EXPECT_EQ(dlg.m_bIdle, 1);
}

TEST_F(DialogTest, ControlsStandWhereTheTemplatePutsThemInTabOrder) {
  FluxDialog* w = services.MainWindow();
  EXPECT_EQ(w->size(), QSize(798, 574));
  EXPECT_EQ(w->minimumSize(), w->maximumSize());
  EXPECT_FALSE(w->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(w->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_EQ(Control(1)->geometry(), QRect(704, 260, 75, 23));
  // Left, top, width and height each rounded on its own: every button and
  // check box is 23 pixels tall.
  EXPECT_EQ(Control(1000)->geometry(), QRect(704, 137, 75, 23));
  EXPECT_EQ(Control(1005)->geometry(), QRect(230, 551, 297, 18));
  EXPECT_EQ(Control(1006)->geometry(), QRect(713, 335, 75, 23));
  for (int id = 1006; id <= 1013; ++id) EXPECT_EQ(Control(id)->height(), 23) << id;
  EXPECT_EQ(qobject_cast<QPushButton*>(Control(1))->text(), QStringLiteral("&Quit"));
  EXPECT_TRUE(qobject_cast<QPushButton*>(Control(1))->isDefault());
  const int order[] = {1, 1000, 1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008, 1009, 1010, 1011, 1012, 1013};
  for (std::size_t i = 0; i + 1 < std::size(order); ++i)
    EXPECT_EQ(Control(order[i])->nextInFocusChain(), Control(order[i + 1])) << order[i];
}

TEST_F(DialogTest, SelectToggleClearsAllThenChecksAllAndTheMarksFollow) {
  Click(1004);
  for (int k = 0; k < 8; ++k) EXPECT_FALSE(Box(k)->isChecked());
  for (int k = 0; k < 8; ++k) EXPECT_EQ(dlg.ShowFlag(k), 0);
  Click(1006);  // one checked: a mixed state
  EXPECT_EQ(dlg.m_bShow245, 1);
  Click(1004);
  Click(1004);
  for (int k = 0; k < 8; ++k) {
    EXPECT_FALSE(Box(k)->isChecked());
    EXPECT_EQ(dlg.ShowFlag(k), 0);
  }
}

TEST_F(DialogTest, CheckBoxBeforeAFileFlipsItsFlagAndDrawsNothing) {
  const QImage before = Snapshot();
  Click(1010);
  EXPECT_EQ(dlg.m_bShow2695, 0);
  EXPECT_FALSE(Box(4)->isChecked());
  EXPECT_EQ(Snapshot(), before);
  Open("later.apl", Minutes(12, 0, 1900));
  // Drawn as the flags are: no 2695 MHz trace.
  EXPECT_EQ(CountColour({80, 10, 680, 510}, dlg.m_style.m_crChannel[4]), 0);
  EXPECT_GT(CountColour({80, 10, 680, 510}, dlg.m_style.m_crChannel[3]), 0);
  Click(1010);
  EXPECT_GT(CountColour({80, 10, 680, 510}, dlg.m_style.m_crChannel[4]), 0);
}

// Every open shows the file it names: its panel, with nothing of the longer
// name or the start texts before it, and its chart, which a redraw leaves
// as it is.
TEST_F(DialogTest, OpeningShowsThePanelAndTheChartOfTheFileItNames) {
  Open("sagamore.k7osi", Minutes(12, 0, 1900));
  EXPECT_EQ(dlg.m_nRecordCount, 1900);
  EXPECT_EQ(services.MainWindow()->Slider()->maximum(), 1840);
  EXPECT_TRUE(Shows(160, 545, "14-05-24 ", dlg.m_style.m_fontSmall));
  EXPECT_TRUE(Shows(530, 560, "12:31 UT ", dlg.m_style.m_fontSmall));
  EXPECT_TRUE(Shows(690, 35, "File Name: ", dlg.m_style.m_fontSmall));
  EXPECT_GT(CountColour({80, 10, 680, 510}, dlg.m_style.m_crChannel[0]), 0);
  dlg.Dispatch({.kind = EventKind::Paint});  // the start texts 5 pixels further left
  EXPECT_TRUE(Shows(155, 545, "14-05-24 ", dlg.m_style.m_fontSmall));

  const QImage first = Snapshot().copy(80, 10, 600, 500);
  Open("sagamore.k7", Minutes(6, 0, 61));
  EXPECT_EQ(services.MainWindow()->Slider()->maximum(), 1);
  EXPECT_TRUE(Shows(690, 50, "sagamore.k7   ", dlg.m_style.m_fontSmall));
  EXPECT_TRUE(Shows(160, 560, "06:00 UT ", dlg.m_style.m_fontSmall));
  EXPECT_EQ(CountColour({155, 545, 160, 573}, dlg.m_style.m_crBackground), 5 * 28);
  const QImage second = Snapshot().copy(80, 10, 600, 500);
  EXPECT_NE(second, first);
  PlotAt(0);
  EXPECT_EQ(Snapshot().copy(80, 10, 600, 500), second);
}

TEST_F(DialogTest, SliderMaximumIsSixtyRecordsBeforeTheEnd) {
  for (auto [records, maximum] : {std::pair{60, 0}, {61, 1}, {10, 0}, {1800, 1740}}) {
    Open("n" + std::to_string(records) + ".apl", Minutes(1, 0, records));
    EXPECT_EQ(services.MainWindow()->Slider()->maximum(), maximum) << records;
    EXPECT_EQ(dlg.m_nRecordIndex, 0);
  }
}

TEST_F(DialogTest, FailuresToOpenSayWhatAndKeepTheFile) {
  OpenPath("", "");  // as a cancel before any file was chosen
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], "Failed to open ");
  const std::string missing = (dir.path() / "missing.apl").string();
  OpenPath(missing, "missing.apl");
  EXPECT_EQ(messages.back(), "Failed to open " + missing);
  EXPECT_EQ(dlg.m_bFileLoaded, 0);

  Open("short.apl", std::string(30, 'x'));
  EXPECT_EQ(messages.back(), "Seek failed on " + (dir.path() / "short.apl").string());
  EXPECT_EQ(dlg.m_bFileLoaded, 0);
  EXPECT_EQ(dlg.m_bIdle, 1);
}

TEST_F(DialogTest, AnUnknownStationCodeShowsUnknownSite) {
  std::string bytes;
  for (int i = 0; i < 100; ++i) bytes += RecordLine("XXXX", 24, 5, 14, 3, i / 60, i % 60, {5, 5, 5, 5, 5, 5, 5, 5});
  Open("unknown.apl", bytes);
  const QImage expected = Rendered(690, 10, "Unknown Site  ", dlg.m_style.m_fontLarge);
  for (int y = 10; y < 28; ++y)
    for (int x = 690; x < 798; ++x) ASSERT_EQ(Pixel(x, y), qt::FromQRgb(expected.pixel(x, y))) << x << "," << y;
}

TEST_F(DialogTest, SliderReleaseRedrawsFromItsRecordUnlessBrowsing) {
  Open("slide.apl", Minutes(12, 0, 7200));
  QSlider* slider = services.MainWindow()->Slider();
  slider->setValue(3600);  // a keyboard move: nothing happens
  Settle();
  EXPECT_EQ(dlg.m_nRecordIndex, 0);
  QTest::mouseRelease(slider, Qt::LeftButton, {}, slider->rect().center());
  Settle();
  EXPECT_EQ(dlg.m_nRecordIndex, slider->value());
  EXPECT_EQ(dlg.m_nStartMinute, 12 * 60 + slider->value() / 60 + 1);

  Click(1001);  // browse
  EXPECT_TRUE(services.TimerRunning());
  const int index = dlg.m_nRecordIndex;
  QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(5, 5));
  Settle();
  EXPECT_EQ(dlg.m_nRecordIndex, index);
  services.Deliver({.kind = EventKind::TimerTick, .id = 1});
  EXPECT_EQ(dlg.m_nRecordIndex, 1861);
  EXPECT_EQ(slider->value(), 0);
  Click(1002);  // stop
  EXPECT_FALSE(services.TimerRunning());
  EXPECT_EQ(dlg.m_bBrowsing, 0);
}

TEST_F(DialogTest, RepaintsOfTheWidgetDoNotRunThePainterButExposuresDo) {
  Open("paint.apl", Minutes(12, 0, 7200));
  Click(1001);
  services.Deliver({.kind = EventKind::TimerTick, .id = 1});
  const int index = dlg.m_nRecordIndex;
  services.MainWindow()->repaint();
  QTest::mouseMove(Control(1000));
  Settle();
  EXPECT_EQ(dlg.m_nRecordIndex, index);  // no paint, so no browse step
  services.MainWindow()->showMinimized();
  Settle();
  services.MainWindow()->showNormal();
  Settle();
  EXPECT_GT(dlg.m_nRecordIndex, index);  // restored: painted, and so stepped on
}

TEST_F(DialogTest, ChannelLabelsStandOnTheirColours) {
  for (int k = 0; k < 8; ++k) {
    const QImage box = Box(k)->grab().toImage();
    int band = 0;
    for (int y = 0; y < box.height(); ++y)
      for (int x = 0; x < box.width(); ++x)
        band += qt::FromQRgb(box.pixel(x, y)) == dlg.m_style.m_crChannel[static_cast<std::size_t>(k)];
    EXPECT_GT(band, 100) << k;
  }
}

// A modal run of the real dialog, ended by what the user does.
class ModalRunTest : public ::testing::Test {
 protected:
  int RunAndThen(std::function<void(FluxDialog&)> act) {
    QTimer::singleShot(0, [&] { act(*services.MainWindow()); });
    return services.RunModal(102, &dlg);
  }
  qt::QtWindowServices services;
  CFluxViewerDlg dlg{services};
};

TEST_F(ModalRunTest, EnterEndsWithOkAndEscapeWithCancel) {
  EXPECT_EQ(RunAndThen([](FluxDialog& w) { QTest::keyClick(&w, Qt::Key_Return); }), 1);
  EXPECT_EQ(RunAndThen([](FluxDialog& w) { QTest::keyClick(w.Control(1), Qt::Key_Space); }), 1);
  EXPECT_EQ(RunAndThen([](FluxDialog& w) { QTest::keyClick(&w, Qt::Key_Escape); }), 2);
  EXPECT_EQ(RunAndThen([](FluxDialog& w) { w.close(); }), 2);
  EXPECT_EQ(
      RunAndThen([this](FluxDialog&) { services.Deliver({.kind = EventKind::SystemCommand, .command = SC_CLOSE}); }),
      2);
}

TEST_F(ModalRunTest, TheWindowMenuOpensTheAboutBoxForCommandSixteen) {
  std::vector<QString> titles;
  auto closeAbout = [&] {
    QWidget* about = QApplication::activeModalWidget();
    if (about != nullptr && about != services.MainWindow()) {
      titles.push_back(about->windowTitle());
      QTest::keyClick(about, Qt::Key_Escape);
    }
  };
  EXPECT_EQ(RunAndThen([&](FluxDialog& w) {
              const QList<QAction*> actions = w.WindowMenu().actions();
              ASSERT_GE(actions.size(), 5);
              EXPECT_TRUE(actions[actions.size() - 3]->isSeparator());
              QAction* about = actions[actions.size() - 2];
              EXPECT_EQ(about->text(), QStringLiteral("&About Tarrawin..."));
              EXPECT_EQ(actions.back()->text(), QStringLiteral("&Day Overview..."));
              QTimer::singleShot(50, closeAbout);
              about->trigger();
              QTimer::singleShot(50, closeAbout);
              services.Deliver({.kind = EventKind::SystemCommand, .command = 16 | 0xF});
              w.close();
            }),
            2);
  EXPECT_EQ(titles, (std::vector<QString>{QStringLiteral("About Tarrawin"), QStringLiteral("About Tarrawin")}));
}

}  // namespace
}  // namespace helvarra::test
