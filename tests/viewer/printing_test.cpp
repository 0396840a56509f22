// "&Print": the window redrawn and copied onto one page.

#include <gtest/gtest.h>

#include "resources/dialog_templates.h"
#include "tests/support/fake_window_services.h"

namespace helvarra::test {
namespace {

namespace res = resources;

using Kind = FakeWindowServices::MessageKind;

class PrintTest : public ::testing::Test {
 protected:
  PrintTest() { v.Open("a.apl", FakeViewer::Series(3600, 14400)); }
  FakeViewer v;
};

TEST_F(PrintTest, CancelledDialogPrintsNothing) {
  v.fake.CancelPrinter();
  const int acquired = v.fake.acquired;
  v.Send(EventKind::Command, res::IDC_PRINT);
  EXPECT_EQ(v.fake.printDialogs, 1);
  EXPECT_TRUE(v.fake.printer.calls.empty());
  EXPECT_TRUE(v.fake.messages.empty());
  EXPECT_EQ(v.fake.acquired, acquired);
}

TEST_F(PrintTest, CopiesTheRedrawnWindowOntoOnePage) {
  v.fake.NextPrinter("Laser 5", 1, {4800, 3500});
  v.fake.ClearLog();
  v.Send(EventKind::Command, res::IDC_PRINT);
  EXPECT_EQ(v.fake.printer.calls, (std::vector<std::string>{"GetPageSize", "BeginDoc RSTN Display", "BeginPage",
                                                            "StretchCopy", "EndPage", "EndDoc"}));
  EXPECT_EQ(v.fake.printer.stretchDestination, (Rect{0, 0, 4800, 3500}));
  EXPECT_EQ(v.fake.printer.stretchSource, (Rect{0, 0, 792, 574}));
  EXPECT_TRUE(v.fake.printer.stretchFromWindowSurface);
  EXPECT_EQ(v.fake.printer.deleted, 1);
  EXPECT_EQ(v.fake.TextsAt(305, 535), std::vector<std::string>{"UNIVERSAL TIME (UT)"});  // painted first
  EXPECT_FALSE(v.fake.TraceStrokes().empty());
  ASSERT_EQ(v.fake.messages.size(), 1u);
  EXPECT_EQ(v.fake.messages[0].kind, Kind::Plain);
  EXPECT_EQ(v.fake.messages[0].text, "printed to: Laser 5");
  EXPECT_EQ(v.fake.held, 0);
  EXPECT_EQ(v.dlg.IsIdle(), 1);

  v.Send(EventKind::Command, res::IDC_PRINT);
  EXPECT_EQ(v.fake.printer.calls.size(), 12u);
  EXPECT_EQ(v.fake.messages.size(), 2u);
}

TEST_F(PrintTest, DocumentThatCannotStartIsReportedAsNotPrinted) {
  v.fake.NextPrinter("Laser 5", 0);
  v.Send(EventKind::Command, res::IDC_PRINT);
  EXPECT_EQ(v.fake.printer.calls, (std::vector<std::string>{"GetPageSize", "BeginDoc RSTN Display"}));
  EXPECT_EQ(v.fake.printer.deleted, 1);
  ASSERT_EQ(v.fake.messages.size(), 1u);
  EXPECT_EQ(v.fake.messages[0].kind, Kind::Warning);
  EXPECT_EQ(v.fake.messages[0].text, "Nothing was printed: the document could not be started on Laser 5.");
  EXPECT_EQ(v.dlg.IsIdle(), 1);
}

TEST(PrintWithoutAFileTest, PrintsTheEmptyWindow) {
  FakeViewer v;
  v.fake.NextPrinter("Laser 5");
  v.fake.ClearLog();
  v.Send(EventKind::Command, res::IDC_PRINT);
  EXPECT_EQ(v.fake.printer.calls, (std::vector<std::string>{"GetPageSize", "BeginDoc RSTN Display", "BeginPage",
                                                            "StretchCopy", "EndPage", "EndDoc"}));
  EXPECT_EQ(v.fake.Ops(Op::Rectangle).size(), 1u);  // the empty plot
  EXPECT_TRUE(v.fake.Ops(Op::Line).empty());
  ASSERT_EQ(v.fake.messages.size(), 1u);
  EXPECT_EQ(v.fake.messages[0].text, "printed to: Laser 5");
}

TEST_F(PrintTest, PrintingDoesNotStopABrowse) {
  v.Send(EventKind::Command, res::IDC_BROWSE);
  v.Send(EventKind::TimerTick);
  v.fake.NextPrinter("Laser 5");
  v.Send(EventKind::Command, res::IDC_PRINT);
  EXPECT_TRUE(v.fake.timerRunning);
  EXPECT_EQ(v.dlg.IsBrowsing(), 1);
  EXPECT_EQ(v.fake.timerStops, 0);
}

}  // namespace
}  // namespace helvarra::test
