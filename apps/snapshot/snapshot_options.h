#pragma once
// tarrawin-snapshot's command line: the options as one table, the parser
// that reads them, and the help text.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/channels.h"
#include "data/time_of_day.h"

namespace helvarra::snapshot {

// What the tool does: the chart's picture, the file's account (--info), the
// day overview's picture (--overview, one file or many), a burst measured
// (--measure), the records as CSV (--csv), two stations' calibrations
// compared (--agreement), or the bursts found (--bursts).
enum class Mode { Chart, Info, Overview, Measure, Csv, Agreement, Bursts };

struct Options {
  Mode mode = Mode::Chart;
  std::string file;                // the data file (the first, with several)
  std::vector<std::string> files;  // every data file given
  bool join = false;               // --join: the files opened together, as the viewer opens them
  std::string output;
  std::optional<int> index;
  std::optional<int> minuteOfDay;
  std::array<bool, kChannelCount> channels{true, true, true, true, true, true, true, true};
  bool wholeWindow = false;
  bool browseToEnd = false;
  std::optional<TimeOfDayRange> measure;
  bool eventsList = false;  // --events-list: the events lists' lines in place of a table
  std::optional<int> from, to;  // --csv's rows, seconds of the day
  bool help = false;
  bool windowOption = false;   // an option that chooses or shapes the chart's window
  bool channelsGiven = false;  // --channels: for a picture only
};

// The options, or what is wrong with the command line.
struct Parsed {
  std::optional<Options> options;
  std::string error;
};

// The arguments after the program's name. Options and files may come in any
// order; "--" ends the options; "--name=value" and "--name value" alike.
Parsed ParseArguments(const std::vector<std::string_view>& arguments);

// The text of --help.
std::string HelpText();

// "245,410,...": the frequencies of the channel table.
std::string ChannelList();

}  // namespace helvarra::snapshot
