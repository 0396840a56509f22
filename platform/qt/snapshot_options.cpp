#include "platform/qt/snapshot_options.h"

#include <charconv>

namespace helvarra::snapshot {
namespace {

std::optional<int> ParseCount(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 0) return std::nullopt;
  return value;
}

// "HH:MM", 00:00 to 23:59, as a minute of the day.
std::optional<int> ParseTimeOfDay(std::string_view text) {
  const std::size_t colon = text.find(':');
  if (colon == std::string_view::npos || colon == 0 || colon > 2 || text.size() - colon - 1 != 2) return std::nullopt;
  const auto hour = ParseCount(text.substr(0, colon)), minute = ParseCount(text.substr(colon + 1));
  if (!hour || !minute || *hour > 23 || *minute > 59) return std::nullopt;
  return *hour * 60 + *minute;
}

// "245,410,...": the frequencies of the channel table.
std::string ChannelList() {
  std::string list;
  for (const ChannelInfo& c : kChannels) list += (list.empty() ? "" : ",") + std::to_string(c.megahertz);
  return list;
}

std::optional<std::array<bool, kChannelCount>> ParseChannels(std::string_view text) {
  std::array<bool, kChannelCount> shown{};
  if (text == "none") return shown;
  if (text == "all") return std::array<bool, kChannelCount>{true, true, true, true, true, true, true, true};
  for (std::size_t at = 0;;) {
    const std::size_t comma = text.find(',', at);
    const auto megahertz =
        ParseCount(text.substr(at, comma == std::string_view::npos ? std::string_view::npos : comma - at));
    bool known = false;
    for (std::size_t k = 0; k < kChannels.size() && megahertz; ++k)
      if (kChannels[k].megahertz == *megahertz) shown[k] = known = true;
    if (!known) return std::nullopt;
    if (comma == std::string_view::npos) return shown;
    at = comma + 1;
  }
}

// An option: its names, whether it takes a value, and what it does. A
// non-empty result says what is wrong with the value.
struct OptionRow {
  std::string_view shortName, longName;
  bool takesValue;
  std::string (*apply)(Options& options, std::string_view value);
};

constexpr std::array<OptionRow, 8> kOptions{{
    {"-o", "--output", true,
     [](Options& o, std::string_view v) -> std::string {
       if (v.empty()) return "the output file name is empty";
       o.output = std::string(v);
       return {};
     }},
    {"", "--index", true,
     [](Options& o, std::string_view v) -> std::string {
       o.index = ParseCount(v);
       o.pictureOption = true;
       return o.index ? "" : "--index takes a record number, 0 or more: " + std::string(v);
     }},
    {"", "--time", true,
     [](Options& o, std::string_view v) -> std::string {
       o.minuteOfDay = ParseTimeOfDay(v);
       o.pictureOption = true;
       return o.minuteOfDay ? "" : "--time takes a time of day as HH:MM, 00:00 to 23:59: " + std::string(v);
     }},
    {"", "--channels", true,
     [](Options& o, std::string_view v) -> std::string {
       const auto shown = ParseChannels(v);
       o.pictureOption = true;
       if (!shown)
         return "--channels takes \"none\", \"all\" or frequencies from " + ChannelList() + ": " + std::string(v);
       o.channels = *shown;
       return {};
     }},
    {"", "--whole-window", false,
     [](Options& o, std::string_view) -> std::string {
       o.wholeWindow = o.pictureOption = true;
       return {};
     }},
    {"", "--browse-to-end", false,
     [](Options& o, std::string_view) -> std::string {
       o.browseToEnd = o.pictureOption = true;
       return {};
     }},
    {"", "--info", false,
     [](Options& o, std::string_view) -> std::string {
       o.info = true;
       return {};
     }},
    {"-h", "--help", false,
     [](Options& o, std::string_view) -> std::string {
       o.help = true;
       return {};
     }},
}};

const OptionRow* FindOption(std::string_view name) {
  for (const OptionRow& option : kOptions)
    if (name == option.longName || (!option.shortName.empty() && name == option.shortName)) return &option;
  return nullptr;
}

// What the options given together say against each other, once all are read.
std::string CheckTogether(const Options& o, std::size_t files) {
  if (files != 1) return files == 0 ? "no data file given" : "one data file at a time";
  if (o.info) return o.pictureOption || !o.output.empty() ? "--info prints what was read; it draws no picture" : "";
  if (o.output.empty()) return "no picture to write: give -o OUT.png";
  if ((o.index ? 1 : 0) + (o.minuteOfDay ? 1 : 0) + (o.browseToEnd ? 1 : 0) > 1)
    return "--index, --time and --browse-to-end each choose the window; give one";
  return {};
}

}  // namespace

Parsed ParseArguments(const std::vector<std::string_view>& arguments) {
  Options options;
  std::vector<std::string_view> files;
  bool optionsEnded = false;
  auto fail = [](std::string text) { return Parsed{std::nullopt, std::move(text)}; };
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view arg = arguments[i];
    if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
      files.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    const std::size_t eq = arg.starts_with("--") ? arg.find('=') : std::string_view::npos;
    const std::string_view name = arg.substr(0, eq);
    const OptionRow* option = FindOption(name);
    if (option == nullptr) return fail("unknown option " + std::string(arg));
    std::string_view value;
    if (eq != std::string_view::npos) {
      if (!option->takesValue) return fail(std::string(name) + " takes no value");
      value = arg.substr(eq + 1);
    } else if (option->takesValue) {
      if (i + 1 >= arguments.size()) return fail(std::string(name) + " needs a value");
      value = arguments[++i];
    }
    if (std::string wrong = option->apply(options, value); !wrong.empty()) return fail(std::move(wrong));
  }
  if (options.help) return {options, {}};
  if (std::string wrong = CheckTogether(options, files.size()); !wrong.empty()) return fail(std::move(wrong));
  options.file = std::string(files.front());
  return {options, {}};
}

std::string HelpText() {
  return R"(Usage: tarrawin-snapshot FILE -o OUT.png [OPTIONS]
       tarrawin-snapshot --info FILE

Draws HELVARRA's chart for an RSTN one-second solar radio flux file and writes
it as a PNG picture, pixel for pixel as the Tarrawin window shows it. No display
is needed. The file may be of 68-byte records or as the RSTN archive serves it
(gzip-compressed or not, 6-, 7- or 8-character fields).

  -o, --output OUT.png   the picture to write (required); it is written only
                         when the file could be drawn
  --index N              the window the slider fixes when it is let go at
                         record N (0 is the file's first record). The slider
                         reaches from 0 to 60 records before the end; a larger
                         N draws the window of its last position, with a note
  --time HH:MM           the window of the first record at or after that time
                         of day (UT), going on from the file's first record and
                         over midnight: in a file from 22:30 to 01:30, 00:10 is
                         after midnight and 22:00 is not in the file
  --channels LIST        the frequencies drawn, in MHz, separated by commas:
                         )" +
         ChannelList() + R"( (the default is
                         all of them); "none" draws the empty chart
  --browse-to-end        the window a browse from the file's first record ends
                         on: "&Browse" pressed and its steps run until the end
                         of the file stops it
  --whole-window         the window with its buttons, check boxes and slider, as
                         printing puts it on the page; without it, the chart
                         alone
  --info                 no picture: prints what was read from the file, its
                         layout, records, first and last times, station, lines
                         skipped and re-synchronised, and per channel the
                         fields that hold no value, by cause
  -h, --help             this text

Without --index or --time the picture is the first window of the file, as the
viewer draws it when the file is opened. The picture is 792 x 574 pixels.

Exit status: 0 the picture was written (or the file described); 1 the file
could not be drawn or the picture not written (the viewer's message is on
standard error); 2 a wrong option.

Example:
  tarrawin-snapshot samples/14MAY24.APL --time 23:05 \
      --channels 245,2695,15400 -o burst.png
)";
}

}  // namespace helvarra::snapshot
