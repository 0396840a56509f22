#pragma once
// helvarra-make-sample's command line: the options it sets, the help text and
// the parser.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace helvarra::sample {

constexpr long kDay = 86400;  // seconds

struct Options {
  std::string station = "APLM";
  std::chrono::sys_days date = std::chrono::sys_days{std::chrono::year{2024} / std::chrono::May / 14};
  long startTod = 0;
  std::optional<long> seconds;  // --seconds; span() is what a file covers
  std::uint32_t seed = 1;
  std::optional<long> burstTod;
  std::vector<std::pair<long, long>> gaps, zeros, blanks;  // (time of day, count)
  std::optional<long> constant;
  bool ramp = false, lfOnly = false, realistic = false;
  int width = 0;  // 0: the 68-byte record; 6, 7, 8: the archive's layout
  bool gzip = false, broken = false;
  long days = 0;  // --days: that many files, one a day, in the OUTPUT folder

  // Seconds a file covers, one record each: --seconds, else two hours, or a
  // whole day with --days.
  long span() const { return seconds.value_or(days > 0 ? kDay : 7200); }
};

extern const char* const kHelp;

// Reads the command line into `opt` and `output`; false if help was asked
// for. A bad command line throws std::runtime_error saying what is wrong.
bool parseArgs(int argc, char** argv, Options& opt, std::string& output);

}  // namespace helvarra::sample
