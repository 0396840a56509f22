#pragma once
// Writing a sample file: as it is, or gzip-compressed with nothing in the gzip
// header that changes from run to run (no time, no name).

#include <string>

namespace helvarra::sample {

// Plain text, or gzip at zlib's smallest (a single file) or fastest (--days) settings.
enum class Packing { Plain, SmallestGzip, FastestGzip };

// Writes `text` to `path`; throws std::runtime_error if it cannot.
void writeOutput(const std::string& path, const std::string& text, Packing packing);

}  // namespace helvarra::sample
