// tarrawin-snapshot's command line, read in-process: what each option sets,
// and every wrong command line refused with what is wrong.

#include <gtest/gtest.h>

#include "platform/qt/snapshot_options.h"

namespace helvarra::snapshot {
namespace {

Parsed Parse(std::vector<std::string_view> args) { return ParseArguments(args); }

TEST(SnapshotOptionsTest, EachOptionSetsWhatItSays) {
  const Parsed p = Parse({"--index=2500", "day.apl", "-o", "out.png", "--channels", "245,15400", "--whole-window"});
  ASSERT_TRUE(p.options) << p.error;
  EXPECT_EQ(p.options->file, "day.apl");
  EXPECT_EQ(p.options->output, "out.png");
  EXPECT_EQ(p.options->index, 2500);
  EXPECT_EQ(p.options->channels, (std::array<bool, 8>{true, false, false, false, false, false, false, true}));
  EXPECT_TRUE(p.options->wholeWindow);

  EXPECT_EQ(Parse({"f", "--output=o.png", "--time", "0:05"}).options->minuteOfDay, 5);
  EXPECT_EQ(Parse({"f", "-o", "o.png", "--time=23:59"}).options->minuteOfDay, 23 * 60 + 59);
  EXPECT_EQ(Parse({"f", "-o", "o.png", "--channels=none"}).options->channels, (std::array<bool, 8>{}));
  EXPECT_TRUE(Parse({"f", "-o", "o.png", "--browse-to-end"}).options->browseToEnd);
  EXPECT_EQ(Parse({"-o", "o.png", "--", "-odd name.apl"}).options->file, "-odd name.apl");
  EXPECT_TRUE(Parse({"--info", "day.apl.gz"}).options->info);
  EXPECT_TRUE(Parse({"-h"}).options->help);
  EXPECT_TRUE(Parse({"--help", "--colour"}).options == std::nullopt);  // an unknown option still is one
}

TEST(SnapshotOptionsTest, WrongCommandLinesSayWhatIsWrong) {
  const std::vector<std::pair<std::vector<std::string_view>, std::string>> wrong{
      {{"f"}, "no picture to write: give -o OUT.png"},
      {{"-o", "o.png"}, "no data file given"},
      {{"f", "g", "-o", "o.png"}, "one data file at a time"},
      {{"f", "-o"}, "-o needs a value"},
      {{"f", "-o", ""}, "the output file name is empty"},
      {{"f", "-o", "o.png", "--index", "-3"}, "--index takes a record number, 0 or more: -3"},
      {{"f", "-o", "o.png", "--index", "12x"}, "--index takes a record number, 0 or more: 12x"},
      {{"f", "-o", "o.png", "--time", "24:00"}, "--time takes a time of day as HH:MM, 00:00 to 23:59: 24:00"},
      {{"f", "-o", "o.png", "--time", "7:5"}, "--time takes a time of day as HH:MM, 00:00 to 23:59: 7:5"},
      {{"f", "-o", "o.png", "--channels", "245,300"},
       "--channels takes \"none\", \"all\" or frequencies from 245,410,610,1415,2695,4995,8800,15400: 245,300"},
      {{"f", "-o", "o.png", "--channels", "245,"},
       "--channels takes \"none\", \"all\" or frequencies from 245,410,610,1415,2695,4995,8800,15400: 245,"},
      {{"f", "-o", "o.png", "--index", "3", "--time", "00:10"},
       "--index, --time and --browse-to-end each choose the window; give one"},
      {{"f", "-o", "o.png", "--browse-to-end", "--index", "3"},
       "--index, --time and --browse-to-end each choose the window; give one"},
      {{"f", "-o", "o.png", "--whole-window=yes"}, "--whole-window takes no value"},
      {{"f", "-o", "o.png", "--colour"}, "unknown option --colour"},
      {{"--info", "f", "-o", "o.png"}, "--info prints what was read; it draws no picture"},
      {{"--info", "f", "--time", "10:00"}, "--info prints what was read; it draws no picture"},
  };
  for (const auto& [args, error] : wrong) {
    const Parsed p = Parse(args);
    EXPECT_FALSE(p.options) << error;
    EXPECT_EQ(p.error, error);
  }
}

TEST(SnapshotOptionsTest, TheHelpNamesEveryOptionAndTheChannels) {
  const std::string help = HelpText();
  for (const char* text :
       {"-o, --output", "--index N", "--time HH:MM", "--channels LIST", "--browse-to-end", "--whole-window", "--info",
        "-h, --help", "245,410,610,1415,2695,4995,8800,15400", "Exit status"})
    EXPECT_NE(help.find(text), std::string::npos) << text;
}

}  // namespace
}  // namespace helvarra::snapshot
