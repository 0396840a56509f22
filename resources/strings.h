#pragma once
// The program's strings and version record.

#include <string_view>

namespace helvarra::resources {

inline constexpr int IDS_ABOUTBOX = 101;
inline constexpr std::string_view kAboutMenuText = "&About Tarrawin...";  // string 101
inline constexpr int IDM_ABOUTBOX = 16;                                  // its command

inline constexpr int IDR_MAINFRAME = 128;  // the program icon

inline constexpr std::string_view kExecutableName = "Tarrawin";
inline constexpr std::string_view kFileVersion = "1, 0, 0, 1";
inline constexpr std::string_view kProductName = "Tarrawin Application";
inline constexpr std::string_view kFileDescription = "Tarrawin MFC Application";

// The open-file dialog: pairs of description and pattern, "|" between them.
inline constexpr std::string_view kOpenFileFilter =
    "All Files (*.*)|*.*|Learmonth Files (*.apl)|*.apl|Palehua Files (*.phf)|*.phf|"
    "Sagamore Hill Files (*.k7o)|*.k7O|San Vito Files (*.lis)|*.lis||";
inline constexpr std::string_view kOpenFileInitialName = "D:*.*";

inline constexpr std::string_view kPrintDocumentName = "RSTN Display";

}  // namespace helvarra::resources
