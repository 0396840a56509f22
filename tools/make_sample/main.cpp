// helvarra-make-sample: writes synthetic 1-second solar radio flux files, as
// 68-byte records or in the RSTN archive's layout, for trying out and testing
// the viewer. The output depends only on the options: same options, same bytes.

#include <iostream>
#include <stdexcept>

#include "tools/make_sample/archive_days.h"
#include "tools/make_sample/gzip_output.h"
#include "tools/make_sample/options.h"
#include "tools/make_sample/sample_text.h"

int main(int argc, char** argv) {
  using namespace helvarra::sample;
  try {
    Options opt;
    std::string output;
    if (!parseArgs(argc, argv, opt, output)) {
      std::cout << kHelp;
    } else if (opt.days > 0) {
      writeDays(opt, output);
    } else {
      std::string text;
      makeSampleText(opt, text);
      writeOutput(output, text, opt.gzip ? Packing::SmallestGzip : Packing::Plain);
    }
  } catch (const std::exception& e) {
    std::cerr << "helvarra-make-sample: " << e.what() << '\n';
    return 2;
  }
  return 0;
}
