// tarrawin-snapshot's command line, read in-process: what each option sets,
// and every wrong command line refused with what is wrong.

#include <gtest/gtest.h>

#include "apps/snapshot/snapshot_options.h"

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
  EXPECT_EQ(Parse({"--info", "day.apl.gz"}).options->mode, Mode::Info);
  const Parsed many = Parse({"--overview", "a.apl", "b.apl.gz", "-o", "looks/"});
  ASSERT_TRUE(many.options) << many.error;
  EXPECT_EQ(many.options->mode, Mode::Overview);
  EXPECT_EQ(many.options->files, (std::vector<std::string>{"a.apl", "b.apl.gz"}));
  const Parsed measure = Parse({"day.apl", "--measure", "23:05-23:40:30"});
  ASSERT_TRUE(measure.options) << measure.error;
  EXPECT_EQ(measure.options->measure->start, 23 * 3600 + 5 * 60);
  EXPECT_EQ(measure.options->measure->end, 23 * 3600 + 40 * 60 + 30);
  const Parsed csv = Parse({"day.apl", "--csv", "--from", "22:59:30", "--to=00:10"});
  ASSERT_TRUE(csv.options) << csv.error;
  EXPECT_EQ(csv.options->from, 22 * 3600 + 59 * 60 + 30);
  EXPECT_EQ(csv.options->to, 10 * 60);
  EXPECT_TRUE(Parse({"-h"}).options->help);
  EXPECT_TRUE(Parse({"--help", "--colour"}).options == std::nullopt);  // an unknown option still is one
}

TEST(SnapshotOptionsTest, WrongCommandLinesSayWhatIsWrong) {
  const std::vector<std::pair<std::vector<std::string_view>, std::string>> wrong{
      {{"f"}, "no picture to write: give -o OUT.png"},
      {{"-o", "o.png"}, "no data file given"},
      {{"f", "g", "-o", "o.png"}, "several files: give --join to open them together (or --overview for a picture each)"},
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
      {{"--info", "--csv", "f"}, "give one of --info, --overview, --measure, --csv, --agreement and --bursts"},
      {{"--overview", "f", "g"}, "no folder for the pictures: give -o DIR/"},
      {{"--overview", "f", "-o", "o.png", "--index", "3"},
       "--overview draws the whole file; --index, --time and the window options are the chart's"},
      {{"f", "--measure", "23:05"}, "--measure takes a time range as HH:MM[:SS]-HH:MM[:SS]: 23:05"},
      {{"f", "--measure", "23:05-23:10", "-o", "x.csv"}, "--measure prints its table; it draws nothing"},
      {{"f", "--csv", "--from", "25:00"}, "--from takes a time of day as HH:MM or HH:MM:SS: 25:00"},
      {{"f", "-o", "o.png", "--to", "10:00"}, "--from and --to choose the records of --csv"},
      {{"f", "g", "--csv"}, "several files: give --join to open them together (or --overview for a picture each)"},
  };
  for (const auto& [args, error] : wrong) {
    const Parsed p = Parse(args);
    EXPECT_FALSE(p.options) << error;
    EXPECT_EQ(p.error, error);
  }
}

TEST(SnapshotOptionsTest, TheHelpNamesEveryOptionAndTheChannels) {
  const std::string help = HelpText();
  for (const char* text : {"-o, --output", "--index N", "--time HH:MM", "--channels LIST", "--browse-to-end",
                           "--whole-window", "--info", "--overview", "--measure RANGE", "--csv", "--from, --to",
                           "-h, --help", "245,410,610,1415,2695,4995,8800,15400", "Exit status"})
    EXPECT_NE(help.find(text), std::string::npos) << text;
}

}  // namespace
}  // namespace helvarra::snapshot
