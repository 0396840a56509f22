#pragma once
// The program's strings: the string table, and the texts its dialogs use.

#include <string_view>

#include "resources/version.h"

namespace helvarra::resources {

// The string table.
inline constexpr int IDS_ABOUTBOX = 101;     // the window menu's About entry
inline constexpr int IDM_ABOUTBOX = 16;      // its command
inline constexpr int IDS_DAYOVERVIEW = 102;  // the window menu's Day Overview entry, after About
inline constexpr int IDM_DAYOVERVIEW = 32;   // its command, also Ctrl+D
// The stations open together, one after another in the main window.
inline constexpr int IDS_NEXTSTATION = 103, IDS_PREVSTATION = 104;
inline constexpr int IDM_NEXTSTATION = 48, IDM_PREVSTATION = 64;  // also Ctrl+Page Down, Ctrl+Page Up
// The bursts found at the shown station, one after another.
inline constexpr int IDS_NEXTBURST = 105, IDS_PREVBURST = 106;
inline constexpr int IDM_NEXTBURST = 80, IDM_PREVBURST = 96;  // also F3, Shift+F3

// A string of the table by its id; empty for an id the table lacks.
constexpr std::string_view LoadStringResource(int id) {
  switch (id) {
    case IDS_ABOUTBOX: return "&About Tarrawin...";
    case IDS_DAYOVERVIEW: return "&Day Overview...";
    case IDS_NEXTSTATION: return "&Next Station";
    case IDS_PREVSTATION: return "P&revious Station";
    case IDS_NEXTBURST: return "Next &Burst";
    case IDS_PREVBURST: return "Pre&vious Burst";
    default: return {};
  }
}

inline constexpr int IDR_MAINFRAME = 128;  // the program icon

inline constexpr std::string_view kExecutableName = kInternalName;

inline constexpr std::string_view kPrintDocumentName = "RSTN Display";

}  // namespace helvarra::resources
