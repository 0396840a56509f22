// helvarra-make-sample: writes 1-second solar radio flux files for trying out
// and testing the viewer.
//
// By default a record is 68 bytes: 66 characters, then CR LF.
//   0-3   station code          4-5   two blanks
//   6-17  YYMMDDhhmmss (UT)     18    blank
//   19-60 channels 0..6, "%6d" each
//   61-65 channel 7, "%5d" (so it stays <= 99999)
// With --width W, the layout of the RSTN archive's files:
//   0-3   station code          4-17  YYYYMMDDhhmmss (UT)
//   18-   channels 0..7, "%*d" with width W (6, 7 or 8): 66, 74 or 82 characters
// Channels are 245, 410, 610, 1415, 2695, 4995, 8800 and 15400 MHz.
// The output depends only on the options: same options, same bytes (a gzip
// header carries no time and no name).

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <numbers>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include <zlib.h>

namespace {

using namespace std::chrono;

constexpr int kChannels = 8;
constexpr long kDay = 86400;
constexpr std::array<double, kChannels> kQuietSfu{15, 35, 50, 70, 95, 150, 250, 550};
constexpr std::array<double, kChannels> kNoise{0.05, 0.04, 0.03, 0.025, 0.02, 0.02, 0.02, 0.025};
// Burst peak excess, share of it coming in type-III-like spikes, time to peak.
constexpr std::array<double, kChannels> kBurstPeak{4e5, 2.5e5, 1.5e5, 4e4, 1.2e4, 2e4, 4.5e4, 1.3e5};
constexpr std::array<double, kChannels> kSpiky{0.7, 0.6, 0.5, 0.25, 0, 0, 0, 0};
constexpr std::array<double, kChannels> kRiseSec{300, 300, 300, 270, 240, 240, 240, 240};
constexpr double kDecaySec = 1200;  // after the peak, excess falls to ~2% of quiet in this time

struct Stretch {
  long offset;
  long count;
};  // seconds from the first record

struct Options {
  std::string station = "APLM";
  sys_days date = sys_days{year{2024} / May / 14};
  long startTod = 0;
  long seconds = 7200;
  std::uint32_t seed = 1;
  std::optional<long> burstTod;
  std::vector<std::pair<long, long>> gaps, zeros, blanks;  // (time of day, count)
  std::optional<long> constant;
  bool ramp = false, lfOnly = false, realistic = false;
  int width = 0;  // 0: the 68-byte record; 6, 7, 8: the archive's layout
  bool gzip = false, broken = false;
};

const char* kHelp =
    "usage: helvarra-make-sample [options] OUTPUT\n"
    "Writes a sample 1-second solar radio flux file (68-byte records, CR LF, or\n"
    "with --width the layout of the RSTN archive's files).\n\n"
    "  --station CODE      4-character station code (default APLM)\n"
    "  --date YYYY-MM-DD   date of the first record (default 2024-05-14)\n"
    "  --start HH:MM:SS    UT of the first record (default 00:00:00)\n"
    "  --seconds N         seconds covered, one record each (default 7200)\n"
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

// Returns false if help was asked for.
bool parseArgs(int argc, char** argv, Options& opt, std::string& output) {
  std::vector<std::string> args(argv + 1, argv + argc);
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string arg = args[i];
    std::optional<std::string> value;
    if (auto eq = arg.find('='); arg.rfind("--", 0) == 0 && eq != std::string::npos) {
      value = arg.substr(eq + 1);
      arg.resize(eq);
    }
    auto next = [&]() -> std::string {
      if (value) return *value;
      if (++i >= args.size()) fail(arg + " needs a value");
      return args[i];
    };
    if (arg == "-h" || arg == "--help")
      return false;
    else if (arg == "--station")
      opt.station = parseStation(next());
    else if (arg == "--date")
      opt.date = parseDate(next());
    else if (arg == "--start")
      opt.startTod = parseTimeOfDay(next());
    else if (arg == "--seconds")
      opt.seconds = toNumber(next(), 0, 100'000'000, "--seconds");
    else if (arg == "--seed")
      opt.seed = std::uint32_t(toNumber(next(), 0, 4294967295L, "--seed"));
    else if (arg == "--burst")
      opt.burstTod = parseTimeOfDay(next());
    else if (arg == "--gap")
      opt.gaps.push_back(parseStretch(next()));
    else if (arg == "--zero")
      opt.zeros.push_back(parseStretch(next()));
    else if (arg == "--blank")
      opt.blanks.push_back(parseStretch(next()));
    else if (arg == "--constant")
      opt.constant = toNumber(next(), -9999, 99999, "--constant");
    else if (arg == "--ramp")
      opt.ramp = true;
    else if (arg == "--lf")
      opt.lfOnly = true;
    else if (arg == "--realistic")
      opt.realistic = true;
    else if (arg == "--width")
      opt.width = int(toNumber(next(), 6, 8, "--width (6, 7 or 8)"));
    else if (arg == "--gzip")
      opt.gzip = true;
    else if (arg == "--broken")
      opt.broken = true;
    else if (arg.size() > 1 && arg[0] == '-')
      fail("unknown option " + arg);
    else if (output.empty())
      output = arg;
    else
      fail("more than one OUTPUT given");
  }
  if (output.empty()) fail("no OUTPUT file given (see --help)");
  if (opt.constant && opt.ramp) fail("--constant and --ramp exclude each other");
  if (opt.broken && opt.width == 0) fail("--broken needs --width");
  return true;
}

long offsetFromStart(long tod, const Options& opt) { return ((tod - opt.startTod) % kDay + kDay) % kDay; }

std::vector<Stretch> toStretches(const std::vector<std::pair<long, long>>& list, const Options& opt) {
  std::vector<Stretch> out;
  for (auto [tod, count] : list) out.push_back({offsetFromStart(tod, opt), count});
  return out;
}

bool inside(const std::vector<Stretch>& stretches, long offset) {
  return std::any_of(stretches.begin(), stretches.end(),
                     [&](const Stretch& s) { return offset >= s.offset && offset < s.offset + s.count; });
}

// Own distributions on top of mt19937, so every library gives the same numbers.
struct Random {
  std::mt19937 engine;
  double uniform() { return double(engine()) / 4294967296.0; }
  double gauss() {  // Irwin-Hall: sum of 12 uniforms, mean 0, sd 1
    double sum = -6;
    for (int i = 0; i < 12; ++i) sum += uniform();
    return sum;
  }
};

struct Spike {
  double time, amplitude, decay;
};

class FluxModel {
 public:
  FluxModel(Random& rng, std::optional<long> burstOffset) : rng_(rng), burst_(burstOffset) {
    for (double& p : phase_) p = rng_.uniform();
    for (int i = 0; i < 90; ++i)
      spikes_.push_back(
          {kRiseSec[0] * 0.4 + rng_.uniform() * 700, std::pow(10.0, -2 * rng_.uniform()), 1.5 + 2.5 * rng_.uniform()});
  }

  // Draws the same amount of noise every second, so gaps do not shift the values.
  std::array<double, kChannels> at(long offset) {
    std::array<double, kChannels> flux{};
    for (int k = 0; k < kChannels; ++k) {
      double drift = 1 + 0.02 * std::sin(2 * std::numbers::pi * (double(offset) / (5400.0 + 700 * k) + phase_[k]));
      flux[k] = (kQuietSfu[k] * drift + burst(k, offset)) * (1 + kNoise[k] * rng_.gauss());
    }
    return flux;
  }

 private:
  // Smooth profile, 0..1: in log, rises from 1% of quiet to the peak, then decays exponentially.
  static double envelope(int k, double t) {
    if (t < 0) return 0;
    if (t < kRiseSec[k]) {
      double x = t / kRiseSec[k], decades = std::log10(kBurstPeak[k] / (0.01 * kQuietSfu[k]));
      return std::pow(10.0, -decades * (1 - x * x * (3 - 2 * x)));
    }
    double tau = kDecaySec / std::log(kBurstPeak[k] / (0.02 * kQuietSfu[k]));
    return std::exp(-(t - kRiseSec[k]) / tau);
  }

  // Type-III-like spikes drift from high to low frequency: 610 MHz first, 245 MHz 2 s later.
  double spikes(int k, double t) const {
    double sum = 0, delay = std::max(0, 2 - k);
    for (const Spike& s : spikes_) {
      double dt = t - s.time - delay;
      if (dt < -1 || dt > 10 * s.decay) continue;
      double shape = dt < 0 ? 0.3 : std::exp(-dt / s.decay);
      sum += envelope(k, s.time) * s.amplitude * shape;
    }
    return sum;
  }

  double burst(int k, long offset) const {
    if (!burst_ || offset < *burst_) return 0;
    double t = double(offset - *burst_);
    if (t > 3 * (kRiseSec[k] + kDecaySec)) return 0;
    double smooth = (1 - kSpiky[k]) * envelope(k, t);
    double spiky = kSpiky[k] > 0 ? kSpiky[k] * 2.5 * spikes(k, t) : 0;
    return kBurstPeak[k] * (smooth + spiky);
  }

  Random& rng_;
  std::optional<long> burst_;
  std::array<double, kChannels> phase_{};
  std::vector<Spike> spikes_;
};

// --realistic: one burst, gap, zero and blank stretch at fixed fractions of the span.
void addRealisticEvents(const Options& opt, std::optional<long>& burst, std::vector<Stretch>& gaps,
                        std::vector<Stretch>& zeros, std::vector<Stretch>& blanks) {
  long span = opt.seconds;
  auto length = [span](long wanted) { return std::max(1L, std::min(wanted, span / 20)); };
  if (!burst) burst = span * 222 / 1000;
  gaps.push_back({span * 401 / 1000, length(40)});
  zeros.push_back({span * 640 / 1000, length(20)});
  blanks.push_back({span * 860 / 1000, length(15)});
}

std::string timeStamp(sys_seconds when) {
  auto dayStart = floor<days>(when);
  year_month_day ymd{dayStart};
  hh_mm_ss hms{when - dayStart};
  char text[16];
  std::snprintf(text, sizeof text, "%02d%02u%02u%02d%02d%02d", (int(ymd.year()) % 100 + 100) % 100,
                unsigned(ymd.month()), unsigned(ymd.day()), int(hms.hours().count()), int(hms.minutes().count()),
                int(hms.seconds().count()));
  return text;
}

std::string formatValues(const std::array<long, kChannels>& v) {
  char text[80];
  std::snprintf(text, sizeof text, "%6ld%6ld%6ld%6ld%6ld%6ld%6ld%5ld", v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]);
  return text;
}

std::array<long, kChannels> roundFlux(const std::array<double, kChannels>& flux) {
  std::array<long, kChannels> v{};
  for (int k = 0; k < kChannels; ++k)
    v[k] = std::clamp(std::lround(flux[k]), 0L, k == kChannels - 1 ? 99999L : 999999L);
  return v;
}

// The archive's layout: YYYYMMDDhhmmss, values "%*d".
std::string archiveStamp(sys_seconds when) {
  auto dayStart = floor<days>(when);
  year_month_day ymd{dayStart};
  hh_mm_ss hms{when - dayStart};
  char text[32];
  std::snprintf(text, sizeof text, "%04d%02u%02u%02d%02d%02d", int(ymd.year()), unsigned(ymd.month()),
                unsigned(ymd.day()), int(hms.hours().count()), int(hms.minutes().count()), int(hms.seconds().count()));
  return text;
}

std::string archiveValue(long v, int width) {
  char text[32];
  std::snprintf(text, sizeof text, "%*ld", width, v);
  return text;
}

std::array<long, kChannels> archiveFlux(const std::array<double, kChannels>& flux, const Options& opt) {
  long top = 1;
  for (int i = 0; i < opt.width; ++i) top *= 10;
  std::array<long, kChannels> v{};
  for (int k = 0; k < kChannels; ++k) v[k] = std::clamp(std::lround(flux[k]), 0L, top - 1);
  return v;
}

// --broken: where the archive's broken lines go, as offsets into the span.
struct Breaks {
  long overflow, negative, cut, noise, blank;
};

Breaks breaksFor(long span) {
  return {span * 150 / 1000, span * 300 / 1000, span * 450 / 1000, span * 600 / 1000, span * 750 / 1000};
}

// A value the given number of characters wider than its field.
long widerThan(int width, int extra, bool negative) {
  const char* digits = negative ? "254264591000" : "142386251000";
  const int n = width + extra - (negative ? 1 : 0);
  return (negative ? -1 : 1) * std::stol(std::string(digits, std::size_t(n)));
}

void writeOutput(const std::string& output, const std::string& text, bool gzip) {
  std::string bytes = text;
  if (gzip) {
    z_stream zs{};
    if (deflateInit2(&zs, 9, Z_DEFLATED, 16 + MAX_WBITS, 9, Z_DEFAULT_STRATEGY) != Z_OK) fail("zlib: deflateInit2");
    gz_header header{};
    header.os = 3;  // Unix, whatever the machine
    deflateSetHeader(&zs, &header);
    bytes.assign(deflateBound(&zs, uLong(text.size())), '\0');
    zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
    zs.avail_in = uInt(text.size());
    zs.next_out = reinterpret_cast<Bytef*>(bytes.data());
    zs.avail_out = uInt(bytes.size());
    const int result = deflate(&zs, Z_FINISH);
    bytes.resize(zs.total_out);
    deflateEnd(&zs);
    if (result != Z_STREAM_END) fail("zlib: deflate");
  }
  std::ofstream file(output, std::ios::binary);
  if (!file.write(bytes.data(), std::streamsize(bytes.size())) || !file.flush()) fail("cannot write " + output);
}

void writeFile(const Options& opt, const std::string& output) {
  Random rng{std::mt19937{opt.seed}};
  std::optional<long> burst;
  if (opt.burstTod) burst = offsetFromStart(*opt.burstTod, opt);
  auto gaps = toStretches(opt.gaps, opt), zeros = toStretches(opt.zeros, opt), blanks = toStretches(opt.blanks, opt);
  if (opt.realistic) addRealisticEvents(opt, burst, gaps, zeros, blanks);
  FluxModel model(rng, burst);
  const Breaks breaks = breaksFor(opt.seconds);
  const std::string lineEnd = opt.lfOnly ? "\n" : "\r\n";

  std::string text;
  const sys_seconds first = sys_seconds{opt.date} + seconds{opt.startTod};
  for (long offset = 0; offset < opt.seconds; ++offset) {
    auto flux = model.at(offset);
    if (inside(gaps, offset)) continue;
    sys_seconds when = first + seconds{offset};
    std::array<long, kChannels> values{};
    if (opt.constant)
      values.fill(*opt.constant);
    else if (opt.ramp)
      for (int k = 0; k < kChannels; ++k) values[k] = (when - floor<days>(when)).count() % 1000 + 10 * (k + 1);
    else
      values = opt.width == 0 ? roundFlux(flux) : archiveFlux(flux, opt);

    if (opt.width == 0) {
      std::string line = opt.station + "  " + timeStamp(when) + " ";
      if (inside(blanks, offset))
        line += std::string(47, ' ');
      else
        line += formatValues(inside(zeros, offset) ? std::array<long, kChannels>{} : values);
      if (line.size() != 66) fail("internal error: record is not 66 characters");
      text += line + lineEnd;
      continue;
    }

    if (inside(zeros, offset)) values.fill(0);
    std::array<std::string, kChannels> fields;
    for (int k = 0; k < kChannels; ++k) fields[k] = archiveValue(values[k], opt.width);
    if (inside(blanks, offset)) fields.fill(std::string(std::size_t(opt.width), ' '));
    bool cut = false;
    if (opt.broken) {
      if (offset == breaks.overflow) fields[0] = archiveValue(widerThan(opt.width, 1, false), opt.width);
      if (offset == breaks.negative) fields[7] = archiveValue(widerThan(opt.width, 2, true), opt.width);
      if (offset == breaks.noise) text += "#### noise ####" + lineEnd;
      if (offset == breaks.blank) fields[2] = std::string(std::size_t(opt.width), ' ');
      cut = offset == breaks.cut && offset + 1 < opt.seconds && !inside(gaps, offset + 1);
    }
    std::string line = opt.station + archiveStamp(when);
    for (int k = 0; k < (cut ? 3 : kChannels); ++k) line += fields[k];
    text += cut ? line + "  " : line + lineEnd;  // cut short: the next record follows on this line
  }
  writeOutput(output, text, opt.gzip);
}

}  // namespace

int main(int argc, char** argv) {
  try {
    Options opt;
    std::string output;
    if (parseArgs(argc, argv, opt, output))
      writeFile(opt, output);
    else
      std::cout << kHelp;
  } catch (const std::exception& e) {
    std::cerr << "helvarra-make-sample: " << e.what() << '\n';
    return 2;
  }
  return 0;
}
