// --days: the archive's file names and the loop over the days.

#include "tools/make_sample/archive_days.h"

#include <array>
#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "tools/make_sample/gzip_output.h"
#include "tools/make_sample/sample_text.h"

namespace helvarra::sample {

using namespace std::chrono;

namespace {

struct Extension {
  std::string_view code, extension;
};

// The stations' codes, current and older, and the extension of their files.
constexpr std::array<Extension, 10> kExtensions{{
    {"APLM", "APL"},
    {"LEAR", "APL"},
    {"PHFF", "PHF"},
    {"PALE", "PHF"},
    {"K7OL", "K7O"},
    {"SGMR", "K7O"},
    {"LISS", "LIS"},
    {"SVTO", "LIS"},
    {"KHMN", "HOL"},
    {"HOLL", "HOL"},
}};

std::string_view extensionFor(std::string_view station) {
  for (const Extension& e : kExtensions)
    if (e.code == station) return e.extension;
  return "DAT";
}

}  // namespace

std::string archiveFileName(std::string_view station, sys_days day, bool gzip) {
  static constexpr std::array<const char*, 12> kMonths{"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                       "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
  const year_month_day ymd{day};
  const unsigned dd = unsigned(ymd.day()), yy = unsigned((int(ymd.year()) % 100 + 100) % 100);
  std::string name{char('0' + dd / 10), char('0' + dd % 10)};
  name += kMonths[unsigned(ymd.month()) - 1];
  name += {char('0' + yy / 10), char('0' + yy % 10), '.'};
  name += extensionFor(station);
  return gzip ? name + ".gz" : name;
}

void writeDays(const Options& opt, const std::string& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) throw std::runtime_error("cannot make the folder " + folder + ": " + error.message());
  std::string text;
  for (long i = 0; i < opt.days; ++i) {
    Options day = opt;
    day.date = opt.date + days{i};
    day.seed = opt.seed + std::uint32_t(i);
    const std::string path =
        (std::filesystem::path(folder) / archiveFileName(opt.station, day.date, opt.gzip)).string();
    makeSampleText(day, text);
    writeOutput(path, text, opt.gzip ? Packing::FastestGzip : Packing::Plain);
  }
}

}  // namespace helvarra::sample
