#pragma once
// tarrawin-snapshot's command line: the options as one table, the parser
// that reads them, and the help text.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/channels.h"

namespace helvarra::snapshot {

struct Options {
  std::string file;
  std::string output;
  std::optional<int> index;
  std::optional<int> minuteOfDay;
  std::array<bool, kChannelCount> channels{true, true, true, true, true, true, true, true};
  bool wholeWindow = false;
  bool browseToEnd = false;
  bool info = false;
  bool help = false;
  bool pictureOption = false;  // an option that shapes the picture was given
};

// The options, or what is wrong with the command line.
struct Parsed {
  std::optional<Options> options;
  std::string error;
};

// The arguments after the program's name. Options and the file may come in
// any order; "--" ends the options; "--name=value" and "--name value" alike.
Parsed ParseArguments(const std::vector<std::string_view>& arguments);

// The text of --help.
std::string HelpText();

}  // namespace helvarra::snapshot
