// helvarra-make-sample's help text and its parser: a table of the options,
// each with what it sets, and the checks of options that go together.

#include "tools/make_sample/options.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <stdexcept>
#include <string_view>

namespace helvarra::sample {

using namespace std::chrono;

const char* const kHelp =
    "usage: helvarra-make-sample [options] OUTPUT\n"
    "Writes a sample 1-second solar radio flux file (68-byte records, CR LF, or\n"
    "with --width the layout of the RSTN archive's files), or with --days a\n"
    "folder of them.\n\n"
    "  --station CODE      4-character station code (default APLM)\n"
    "  --date YYYY-MM-DD   date of the first record (default 2024-05-14)\n"
    "  --start HH:MM:SS    UT of the first record (default 00:00:00)\n"
    "  --seconds N         seconds covered, one record each (default 7200, with\n"
    "                      --days 86400)\n"
    "  --seed N            random seed (default 1)\n"
    "  --burst HH:MM:SS    start of a solar radio burst\n"
    "  --gap HH:MM:SS+N    leave out N records from that time (repeatable)\n"
    "  --zero HH:MM:SS+N   write 0 in every channel for N records (repeatable)\n"
    "  --blank HH:MM:SS+N  write all-blank channel fields for N records (repeatable)\n"
    "  --constant V        every channel is V, no noise (-9999..99999)\n"
    "  --ramp              channel k = (second of day mod 1000) + 10*(k+1)\n"
    "  --lf                end lines with LF only (67-byte records)\n"
    "  --realistic         quiet Sun with noise plus one burst, gap, zero\n"
    "                      stretch and blank stretch inside the file\n"
    "  --width W           the archive's layout: four-digit year, the eight\n"
    "                      values as \"%*d\" of width W (6, 7 or 8) from column 18\n"
    "                      (66, 74 or 82 characters a line)\n"
    "  --broken            with --width: the archive's broken lines, one each at\n"
    "                      15%, 30%, 45%, 60% and 75% of the span: a 245 MHz\n"
    "                      value one digit wider than its field, a 15400 MHz\n"
    "                      negative two wider, a record cut short after three\n"
    "                      fields with the next one on the same line, a line of\n"
    "                      noise before the record, a blank 610 MHz field\n"
    "  --gzip              compress the output (gzip, no time in its header)\n"
    "  --days N            write N files (1..10000) into the folder OUTPUT, made\n"
    "                      if missing, one a day from --date: day i (0, 1, ...)\n"
    "                      is the file these options make with --date i days on\n"
    "                      and --seed plus i (with --gzip, compressed at zlib's\n"
    "                      fastest level), named as the archive names its files,\n"
    "                      for the date of its first record: ddMONyy.EXT\n"
    "                      (14MAY24.APL, 14MAY24.APL.gz), EXT from the station\n"
    "                      code: APL (APLM, LEAR), PHF (PHFF, PALE), K7O (K7OL,\n"
    "                      SGMR), LIS (LISS, SVTO), HOL (KHMN, HOLL), else DAT\n"
    "  -h, --help          show this help\n\n"
    "Times of day are taken at their first occurrence at or after --start, so\n"
    "they may fall after midnight. A gap wins over blank, blank over zero.\n"
    "Without --constant or --ramp, values are quiet-Sun levels with noise;\n"
    "--burst only affects those. In the archive's layout values are kept\n"
    "below 10^W, except those --broken writes.\n\n"
    "samples/15MAY24.APL.gz, a Learmonth day as the archive serves it, was made by\n"
    "  helvarra-make-sample --station LEAR --date 2024-05-14 --start 22:30:00 \\\n"
    "    --seconds 43200 --realistic --seed 15 --width 8 --lf --broken \\\n"
    "    --gzip samples/15MAY24.APL.gz\n";

namespace {

[[noreturn]] void fail(const std::string& message) { throw std::runtime_error(message); }

long toNumber(std::string_view text, long lo, long hi, const char* what) {
  long value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc{} || end != text.data() + text.size() || value < lo || value > hi)
    fail(std::string("bad ") + what + ": '" + std::string(text) + "'");
  return value;
}

long parseTimeOfDay(std::string_view text) {
  if (text.size() != 8 || text[2] != ':' || text[5] != ':') fail("bad time (HH:MM:SS): '" + std::string(text) + "'");
  return toNumber(text.substr(0, 2), 0, 23, "hour") * 3600 + toNumber(text.substr(3, 2), 0, 59, "minute") * 60 +
         toNumber(text.substr(6, 2), 0, 59, "second");
}

sys_days parseDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') fail("bad date (YYYY-MM-DD): '" + std::string(text) + "'");
  year_month_day ymd{year{int(toNumber(text.substr(0, 4), 1, 9999, "year"))},
                     month{unsigned(toNumber(text.substr(5, 2), 1, 12, "month"))},
                     day{unsigned(toNumber(text.substr(8, 2), 1, 31, "day"))}};
  if (!ymd.ok()) fail("no such date: '" + std::string(text) + "'");
  return sys_days{ymd};
}

std::pair<long, long> parseStretch(std::string_view text) {
  auto plus = text.find('+');
  if (plus == std::string_view::npos) fail("expected HH:MM:SS+N: '" + std::string(text) + "'");
  return {parseTimeOfDay(text.substr(0, plus)), toNumber(text.substr(plus + 1), 1, 100'000'000, "count")};
}

std::string parseStation(std::string_view text) {
  if (text.size() != 4 || !std::all_of(text.begin(), text.end(), [](char c) { return c >= ' ' && c < 127; }))
    fail("station code must be 4 printable characters: '" + std::string(text) + "'");
  return std::string(text);
}

struct OptionRow {
  std::string_view name;
  bool takesValue;  // a flag ignores a value given as --flag=value
  void (*apply)(Options& opt, std::string_view value);
};

constexpr std::array<OptionRow, 17> kOptions{{
    {"--station", true, [](Options& o, std::string_view v) { o.station = parseStation(v); }},
    {"--date", true, [](Options& o, std::string_view v) { o.date = parseDate(v); }},
    {"--start", true, [](Options& o, std::string_view v) { o.startTod = parseTimeOfDay(v); }},
    {"--seconds", true, [](Options& o, std::string_view v) { o.seconds = toNumber(v, 0, 100'000'000, "--seconds"); }},
    {"--seed", true,
     [](Options& o, std::string_view v) { o.seed = std::uint32_t(toNumber(v, 0, 4294967295L, "--seed")); }},
    {"--burst", true, [](Options& o, std::string_view v) { o.burstTod = parseTimeOfDay(v); }},
    {"--gap", true, [](Options& o, std::string_view v) { o.gaps.push_back(parseStretch(v)); }},
    {"--zero", true, [](Options& o, std::string_view v) { o.zeros.push_back(parseStretch(v)); }},
    {"--blank", true, [](Options& o, std::string_view v) { o.blanks.push_back(parseStretch(v)); }},
    {"--constant", true, [](Options& o, std::string_view v) { o.constant = toNumber(v, -9999, 99999, "--constant"); }},
    {"--ramp", false, [](Options& o, std::string_view) { o.ramp = true; }},
    {"--lf", false, [](Options& o, std::string_view) { o.lfOnly = true; }},
    {"--realistic", false, [](Options& o, std::string_view) { o.realistic = true; }},
    {"--width", true, [](Options& o, std::string_view v) { o.width = int(toNumber(v, 6, 8, "--width (6, 7 or 8)")); }},
    {"--gzip", false, [](Options& o, std::string_view) { o.gzip = true; }},
    {"--broken", false, [](Options& o, std::string_view) { o.broken = true; }},
    {"--days", true, [](Options& o, std::string_view v) { o.days = toNumber(v, 1, 10000, "--days"); }},
}};

const OptionRow* findOption(std::string_view name) {
  for (const OptionRow& row : kOptions)
    if (row.name == name) return &row;
  return nullptr;
}

void checkTogether(const Options& opt, const std::string& output) {
  if (output.empty()) fail(opt.days > 0 ? "no OUTPUT folder given (see --help)" : "no OUTPUT file given (see --help)");
  if (opt.constant && opt.ramp) fail("--constant and --ramp exclude each other");
  if (opt.broken && opt.width == 0) fail("--broken needs --width");
}

}  // namespace

bool parseArgs(int argc, char** argv, Options& opt, std::string& output) {
  std::vector<std::string> args(argv + 1, argv + argc);
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string arg = args[i];
    std::optional<std::string> value;
    if (auto eq = arg.find('='); arg.rfind("--", 0) == 0 && eq != std::string::npos) {
      value = arg.substr(eq + 1);
      arg.resize(eq);
    }
    if (arg == "-h" || arg == "--help") return false;
    if (const OptionRow* row = findOption(arg)) {
      if (row->takesValue && !value) {
        if (++i >= args.size()) fail(arg + " needs a value");
        value = args[i];
      }
      row->apply(opt, value.value_or(""));
    } else if (arg.size() > 1 && arg[0] == '-') {
      fail("unknown option " + arg);
    } else if (output.empty()) {
      output = arg;
    } else {
      fail("more than one OUTPUT given");
    }
  }
  checkTogether(opt, output);
  return true;
}

}  // namespace helvarra::sample
