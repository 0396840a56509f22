#include "apps/snapshot/snapshot_options.h"

#include <charconv>

namespace helvarra::snapshot {
namespace {

std::optional<int> ParseCount(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 0) return std::nullopt;
  return value;
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

template <Mode mode>
std::string SetMode(Options& o, std::string_view) {
  if (o.mode != Mode::Chart && o.mode != mode)
    return "give one of --info, --overview, --measure, --csv, --agreement and --bursts";
  o.mode = mode;
  return {};
}

// "HH:MM" or "HH:MM:SS" for --from and --to.
std::string SetTime(std::optional<int>& to, std::string_view name, std::string_view v) {
  to = ParseTimeOfDay(v);
  return to ? "" : std::string(name) + " takes a time of day as HH:MM or HH:MM:SS: " + std::string(v);
}

// A flag option's setting.
template <bool Options::*flag>
std::string Set(Options& o, std::string_view) {
  o.*flag = true;
  return {};
}

constexpr std::array<OptionRow, 18> kOptions{{
    {"-o", "--output", true,
     [](Options& o, std::string_view v) -> std::string {
       if (v.empty()) return "the output file name is empty";
       o.output = std::string(v);
       return {};
     }},
    {"", "--index", true,
     [](Options& o, std::string_view v) -> std::string {
       o.index = ParseCount(v);
       o.windowOption = true;
       return o.index ? "" : "--index takes a record number, 0 or more: " + std::string(v);
     }},
    {"", "--time", true,
     [](Options& o, std::string_view v) -> std::string {
       const std::optional<int> second = v.size() <= 5 ? ParseTimeOfDay(v) : std::nullopt;
       if (second) o.minuteOfDay = *second / 60;
       o.windowOption = true;
       return second ? "" : "--time takes a time of day as HH:MM, 00:00 to 23:59: " + std::string(v);
     }},
    {"", "--channels", true,
     [](Options& o, std::string_view v) -> std::string {
       const auto shown = ParseChannels(v);
       if (!shown)
         return "--channels takes \"none\", \"all\" or frequencies from " + ChannelList() + ": " + std::string(v);
       o.channels = *shown;
       o.channelsGiven = true;
       return {};
     }},
    {"", "--whole-window", false,
     [](Options& o, std::string_view) -> std::string {
       o.wholeWindow = o.windowOption = true;
       return {};
     }},
    {"", "--browse-to-end", false,
     [](Options& o, std::string_view) -> std::string {
       o.browseToEnd = o.windowOption = true;
       return {};
     }},
    {"", "--info", false, SetMode<Mode::Info>},
    {"", "--overview", false, SetMode<Mode::Overview>},
    {"", "--measure", true,
     [](Options& o, std::string_view v) -> std::string {
       o.measure = ParseTimeRange(v);
       if (!o.measure) return "--measure takes a time range as HH:MM[:SS]-HH:MM[:SS]: " + std::string(v);
       return SetMode<Mode::Measure>(o, v);
     }},
    {"", "--csv", false, SetMode<Mode::Csv>},
    {"", "--agreement", false, SetMode<Mode::Agreement>},
    {"", "--bursts", false, SetMode<Mode::Bursts>},
    {"", "--join", false, Set<&Options::join>},
    {"", "--events-list", false, Set<&Options::eventsList>},
    {"", "--from", true, [](Options& o, std::string_view v) { return SetTime(o.from, "--from", v); }},
    {"", "--to", true, [](Options& o, std::string_view v) { return SetTime(o.to, "--to", v); }},
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
  if (files == 0) return "no data file given";
  if (files > 1 && !o.join && o.mode != Mode::Overview && o.mode != Mode::Bursts)
    return "several files: give --join to open them together (or --overview for a picture each)";
  if ((o.from || o.to) && o.mode != Mode::Csv) return "--from and --to choose the records of --csv";
  if (o.eventsList && o.mode != Mode::Measure && o.mode != Mode::Bursts)
    return "--events-list gives the events-list lines of --measure or --bursts";
  if (o.mode == Mode::Agreement && (!o.join || files < 2))
    return "--agreement compares stations: give --join and the files of two of them";
  switch (o.mode) {
    case Mode::Info:
      return o.windowOption || o.channelsGiven || !o.output.empty() ? "--info prints what was read; it draws no picture"
                                                                    : "";
    case Mode::Measure:
    case Mode::Agreement:
      return o.windowOption || o.channelsGiven || !o.output.empty()
                 ? (o.mode == Mode::Measure ? "--measure" : "--agreement") + std::string(" prints its table; it draws nothing")
                 : "";
    case Mode::Csv: return o.windowOption || o.channelsGiven ? "--csv writes records; it draws no picture" : "";
    case Mode::Bursts: return o.windowOption || o.channelsGiven ? "--bursts lists bursts; it draws no picture" : "";
    case Mode::Overview:
      if (o.windowOption)
        return "--overview draws the whole file; --index, --time and the window options are the chart's";
      if (o.output.empty())
        return files > 1 && !o.join ? "no folder for the pictures: give -o DIR/" : "no picture to write: give -o OUT.png";
      return {};
    case Mode::Chart: break;
  }
  if (o.output.empty()) return "no picture to write: give -o OUT.png";
  if ((o.index ? 1 : 0) + (o.minuteOfDay ? 1 : 0) + (o.browseToEnd ? 1 : 0) > 1)
    return "--index, --time and --browse-to-end each choose the window; give one";
  return {};
}

}  // namespace

std::string ChannelList() {
  std::string list;
  for (const ChannelInfo& c : kChannels) list += (list.empty() ? "" : ",") + std::to_string(c.megahertz);
  return list;
}

Parsed ParseArguments(const std::vector<std::string_view>& arguments) {
  Options options;
  bool optionsEnded = false;
  auto fail = [](std::string text) { return Parsed{std::nullopt, std::move(text)}; };
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view arg = arguments[i];
    if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
      options.files.emplace_back(arg);
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
  if (std::string wrong = CheckTogether(options, options.files.size()); !wrong.empty()) return fail(std::move(wrong));
  options.file = options.files.front();
  return {options, {}};
}

}  // namespace helvarra::snapshot
