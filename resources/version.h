#pragma once
// The program's version record: the one place its version is written. The
// build reads kFileVersion from here for the package, the software-centre
// description and the manual pages; the program's name is the executable's.

#include <string_view>

namespace helvarra::resources {

inline constexpr std::string_view kFileVersion = "1, 0, 0, 1";  // also the product version
inline constexpr std::string_view kInternalName = "Tarrawin";

}  // namespace helvarra::resources
