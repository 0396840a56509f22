#pragma once
// What the window's design names but has no effect on this platform, kept
// together so that the design stays whole and nothing else carries it. Nothing
// in the program reads these.

#include <string_view>

namespace helvarra::resources {

// The rest of the version record (the version itself and the internal name
// are in version.h): U.S. English, the Unicode code page, no company name and
// no trademarks.
inline constexpr std::string_view kOriginalFilename = "Tarrawin.EXE";
inline constexpr std::string_view kProductName = "Tarrawin Application";
inline constexpr std::string_view kFileDescription = "Tarrawin MFC Application";
inline constexpr std::string_view kCompanyName = "";
inline constexpr std::string_view kLegalTrademarks = "";

// The open-file dialog's initial file name. Qt's dialog opens on the current
// folder with no name typed, so it is not passed.
inline constexpr std::string_view kOpenFileInitialName = "D:*.*";

// Not here because there is nothing to keep: the design also sets the program
// icon as the window's small icon after its big one; Qt draws one icon at
// every size, so it is set once.

}  // namespace helvarra::resources
