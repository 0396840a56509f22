// The main dialog on Qt, driven through its real widgets: where they stand,
// the check marks following the flags, the slider's range and release, the
// buttons reaching their handlers, paints and the modal run. What the
// handlers do is tested on the fakes in tests/viewer.

#include <QCheckBox>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include "resources/dialog_templates.h"
#include "tests/platform/qt_viewer_fixture.h"

namespace helvarra::test {
namespace {

using qt::FluxDialog;
namespace res = resources;

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
  QCheckBox* Box(int k) { return qobject_cast<QCheckBox*>(Control(Channel(k).controlId)); }
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
  for (int k = 0; k < kChannelCount; ++k) EXPECT_TRUE(Box(k)->isChecked()) << k;
  EXPECT_EQ(services.MainWindow()->focusWidget(), Control(res::IDOK));
  EXPECT_EQ(services.MainWindow()->windowTitle(), QStringLiteral("HELVARRA"));
}

TEST_F(DialogTest, ControlsStandWhereTheTemplatePutsThemInTabOrder) {
  FluxDialog* w = services.MainWindow();
  EXPECT_EQ(w->size(), QSize(798, 574));
  EXPECT_EQ(w->minimumSize(), w->maximumSize());
  EXPECT_FALSE(w->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(w->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_EQ(Control(res::IDOK)->geometry(), QRect(704, 260, 75, 23));
  // Left, top, width and height each rounded on its own: every button and
  // check box is 23 pixels tall.
  EXPECT_EQ(Control(res::IDC_FILES)->geometry(), QRect(704, 137, 75, 23));
  EXPECT_EQ(Control(res::IDC_SLIDER)->geometry(), QRect(230, 551, 297, 18));
  EXPECT_EQ(Control(res::IDC_CHECK_FIRST)->geometry(), QRect(713, 335, 75, 23));
  for (int id = res::IDC_CHECK_FIRST; id <= res::IDC_CHECK_LAST; ++id) EXPECT_EQ(Control(id)->height(), 23) << id;
  EXPECT_EQ(qobject_cast<QPushButton*>(Control(res::IDOK))->text(), QStringLiteral("&Quit"));
  EXPECT_TRUE(qobject_cast<QPushButton*>(Control(res::IDOK))->isDefault());
  // The tab order is the template's.
  const auto& order = res::kMainDialogControls;
  for (std::size_t i = 0; i + 1 < order.size(); ++i)
    EXPECT_EQ(Control(order[i].id)->nextInFocusChain(), Control(order[i + 1].id)) << order[i].id;
}

// A real click on each box flips its own channel's flag, and "&Select
// Toggle" sets the real marks as it sets the flags.
TEST_F(DialogTest, TheCheckMarksAndTheFlagsFollowEachOther) {
  Click(res::IDC_SELECT_TOGGLE);
  for (int k = 0; k < kChannelCount; ++k) EXPECT_FALSE(Box(k)->isChecked()) << k;
  for (int k = 0; k < kChannelCount; ++k) {
    Click(Channel(k).controlId);
    EXPECT_TRUE(Box(k)->isChecked()) << k;
    for (int j = 0; j < kChannelCount; ++j) EXPECT_EQ(dlg.ShowFlag(j), j <= k ? 1 : 0) << k << " " << j;
  }
  Click(res::IDC_SELECT_TOGGLE);
  for (int k = 0; k < kChannelCount; ++k) EXPECT_FALSE(Box(k)->isChecked()) << k;
  Click(Channel(2).controlId);
  Click(res::IDC_SELECT_TOGGLE);  // mixed: all shown
  for (int k = 0; k < kChannelCount; ++k) EXPECT_TRUE(Box(k)->isChecked()) << k;
}

// Every open shows the file it names: its panel, with nothing of the longer
// name or the start texts before it, and its chart, which a redraw leaves
// as it is.
TEST_F(DialogTest, OpeningShowsThePanelAndTheChartOfTheFileItNames) {
  Open("sagamore.k7osi", Minutes(12, 0, 1900));
  EXPECT_TRUE(Shows(160, 545, "14-05-24 ", dlg.Style().m_fontSmall));
  EXPECT_TRUE(Shows(530, 560, "12:31 UT ", dlg.Style().m_fontSmall));
  EXPECT_TRUE(Shows(690, 35, "File Name: ", dlg.Style().m_fontSmall));
  EXPECT_GT(CountColour({80, 10, 680, 510}, dlg.Style().m_crChannel[0]), 0);
  dlg.Dispatch({.kind = EventKind::Paint});  // the start texts 5 pixels further left
  EXPECT_TRUE(Shows(155, 545, "14-05-24 ", dlg.Style().m_fontSmall));

  const QImage first = Snapshot().copy(80, 10, 600, 500);
  Open("sagamore.k7", Minutes(6, 0, 61));
  EXPECT_TRUE(Shows(690, 50, "sagamore.k7   ", dlg.Style().m_fontSmall));
  EXPECT_TRUE(Shows(160, 560, "06:00 UT ", dlg.Style().m_fontSmall));
  EXPECT_EQ(CountColour({155, 545, 160, 573}, dlg.Style().m_crBackground), 5 * 28);
  const QImage second = Snapshot().copy(80, 10, 600, 500);
  EXPECT_NE(second, first);
  PlotAt(0);
  EXPECT_EQ(Snapshot().copy(80, 10, 600, 500), second);
}

// The viewer sends a negative maximum for fewer than 60 records; the real
// slider holds it at 0, so a position read back is never negative.
TEST_F(DialogTest, TheRealSliderTakesNoNegativeMaximum) {
  for (auto [records, maximum] : {std::pair{10, 0}, {61, 1}}) {
    Open("n" + std::to_string(records) + ".apl", Minutes(1, 0, records));
    EXPECT_EQ(services.MainWindow()->Slider()->minimum(), 0) << records;
    EXPECT_EQ(services.MainWindow()->Slider()->maximum(), maximum) << records;
    EXPECT_EQ(dlg.RecordIndex(), 0) << records;
  }
}

// The mouse letting go of the real slider is a release, and its index
// is the real slider's; "&Browse" and "&Stop" run and stop the real timer.
TEST_F(DialogTest, TheRealSliderAndTimerReachTheirHandlers) {
  Open("slide.apl", Minutes(12, 0, 7200));
  QSlider* slider = services.MainWindow()->Slider();
  slider->setValue(3600);  // moved by the program alone: nothing happens
  Settle();
  EXPECT_EQ(dlg.RecordIndex(), 0);
  QTest::mouseRelease(slider, Qt::LeftButton, {}, slider->rect().center());
  Settle();
  EXPECT_GT(slider->value(), 0);
  EXPECT_EQ(dlg.RecordIndex(), slider->value());

  Click(res::IDC_BROWSE);
  EXPECT_TRUE(services.TimerRunning());
  Click(res::IDC_STOP);
  EXPECT_FALSE(services.TimerRunning());
  EXPECT_EQ(dlg.IsBrowsing(), 0);
}

TEST_F(DialogTest, RepaintsOfTheWidgetDoNotRunThePainterButExposuresDo) {
  Open("paint.apl", Minutes(12, 0, 7200));
  Click(res::IDC_BROWSE);
  services.Deliver({.kind = EventKind::TimerTick, .id = 1});
  const int index = dlg.RecordIndex();
  services.MainWindow()->repaint();
  QTest::mouseMove(Control(res::IDC_FILES));
  Settle();
  EXPECT_EQ(dlg.RecordIndex(), index);  // no paint, so no browse step
  services.MainWindow()->showMinimized();
  Settle();
  services.MainWindow()->showNormal();
  Settle();
  EXPECT_GT(dlg.RecordIndex(), index);  // restored: painted, and so stepped on
}

TEST_F(DialogTest, ChannelLabelsStandOnTheirColours) {
  for (int k = 0; k < kChannelCount; ++k) {
    const QImage box = Box(k)->grab().toImage();
    int band = 0;
    for (int y = 0; y < box.height(); ++y)
      for (int x = 0; x < box.width(); ++x)
        band += qt::FromQRgb(box.pixel(x, y)) == dlg.Style().m_crChannel[static_cast<std::size_t>(k)];
    EXPECT_GT(band, 100) << k;
  }
}

// A modal run of the real dialog, ended by what the user does.
class ModalRunTest : public ::testing::Test {
 protected:
  int RunAndThen(std::function<void(FluxDialog&)> act) {
    QTimer::singleShot(0, [&] { act(*services.MainWindow()); });
    return services.RunModal(res::kMainDialogId, &dlg);
  }
  qt::QtWindowServices services;
  qt::QtOverviewServices servicesOverview{services};
  CFluxViewerDlg dlg{services, servicesOverview};
};

TEST_F(ModalRunTest, EnterEndsWithOkAndEscapeWithCancel) {
  EXPECT_EQ(RunAndThen([](FluxDialog& w) { QTest::keyClick(&w, Qt::Key_Return); }), 1);
  EXPECT_EQ(RunAndThen([](FluxDialog& w) { QTest::keyClick(w.Control(res::IDOK), Qt::Key_Space); }), 1);
  EXPECT_EQ(RunAndThen([](FluxDialog& w) { QTest::keyClick(&w, Qt::Key_Escape); }), 2);
  EXPECT_EQ(RunAndThen([](FluxDialog& w) { w.close(); }), 2);
  EXPECT_EQ(
      RunAndThen([this](FluxDialog&) { services.Deliver({.kind = EventKind::SystemCommand, .command = SC_CLOSE}); }),
      2);
}

TEST_F(ModalRunTest, TheWindowMenusAboutEntryOpensTheAboutBox) {
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
              ASSERT_GE(actions.size(), 9);
              EXPECT_TRUE(actions[actions.size() - 7]->isSeparator());
              QAction* about = actions[actions.size() - 6];
              EXPECT_EQ(about->text(), QStringLiteral("&About Tarrawin..."));
              QAction* overview = actions[actions.size() - 5];
              EXPECT_EQ(overview->text(), QStringLiteral("&Day Overview..."));
              EXPECT_FALSE(overview->isEnabled());  // no file yet
              EXPECT_EQ(overview->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_D));
              QTimer::singleShot(50, closeAbout);
              about->trigger();
              w.close();
            }),
            2);
  EXPECT_EQ(titles, std::vector<QString>{QStringLiteral("About Tarrawin")});
}

}  // namespace
}  // namespace helvarra::test
