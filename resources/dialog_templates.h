#pragma once
// The two dialogs' layouts: control ids, kinds, texts and positions in dialog
// units (left, top, width, height), in tab order. Dialog units convert to
// pixels with base units 6 x 13: x * 6 / 4 and y * 13 / 8, rounded.

#include <array>
#include <string_view>

#include "data/channels.h"

namespace helvarra::resources {

enum class ControlKind { DefaultButton, Button, Slider, CheckBox, Icon, Label };

struct ControlTemplate {
  int id;  // -1: a static control without id
  ControlKind kind;
  std::string_view text;
  int x, y, width, height;  // dialog units
};

inline constexpr int kBaseUnitX = 6, kBaseUnitY = 13;
constexpr int DialogUnitsToPixelsX(int units) { return (units * kBaseUnitX * 2 + 4) / 8; }
constexpr int DialogUnitsToPixelsY(int units) { return (units * kBaseUnitY * 2 + 8) / 16; }

// Control ids of the main dialog.
inline constexpr int IDOK = 1, IDCANCEL = 2;
inline constexpr int IDC_FILES = 1000, IDC_BROWSE = 1001, IDC_STOP = 1002, IDC_PRINT = 1003, IDC_SELECT_TOGGLE = 1004,
                     IDC_SLIDER = 1005;
// The channels' check boxes, one per channel in channel order (data/channels.h).
inline constexpr int IDC_CHECK_FIRST = Channel(0).controlId, IDC_CHECK_LAST = Channel(kChannelCount - 1).controlId;

// Main dialog, template 102.
inline constexpr int kMainDialogId = 102;
inline constexpr std::string_view kMainDialogTitle = "HELVARRA";
inline constexpr int kMainDialogWidth = 532, kMainDialogHeight = 353;
// The check boxes stand one under the other in channel order, at these tops.
inline constexpr std::array<int, kChannelCount> kCheckBoxTops{206, 223, 241, 257, 274, 292, 308, 326};

inline constexpr std::array<ControlTemplate, 7 + kChannelCount> kMainDialogControls = [] {
  std::array<ControlTemplate, 7 + kChannelCount> controls{{
      {IDOK, ControlKind::DefaultButton, "&Quit", 469, 160, 50, 14},
      {IDC_FILES, ControlKind::Button, "&Files", 469, 84, 50, 14},
      {IDC_BROWSE, ControlKind::Button, "&Browse", 469, 103, 50, 14},
      {IDC_STOP, ControlKind::Button, "&Stop", 469, 122, 50, 14},
      {IDC_PRINT, ControlKind::Button, "&Print", 469, 141, 50, 14},
      {IDC_SELECT_TOGGLE, ControlKind::Button, "&Select Toggle", 469, 179, 50, 14},
      {IDC_SLIDER, ControlKind::Slider, "Slider1", 153, 339, 198, 11},
  }};
  for (int k = 0; k < kChannelCount; ++k)
    controls[static_cast<std::size_t>(7 + k)] = {Channel(k).controlId,
                                                 ControlKind::CheckBox,
                                                 Channel(k).label,
                                                 475,
                                                 kCheckBoxTops[static_cast<std::size_t>(k)],
                                                 50,
                                                 14};
  return controls;
}();

// The control of a template by its id.
constexpr const ControlTemplate& MainDialogControl(int id) {
  for (const ControlTemplate& c : kMainDialogControls)
    if (c.id == id) return c;
  return kMainDialogControls[0];
}

// The day overview: a window of its own the user may resize, titled "Day
// Overview - NAME" (NAME the file's name), its picture over the measurement
// table and the two buttons.
inline constexpr std::string_view kOverviewTitle = "Day Overview";
inline constexpr int IDC_OVERVIEW_COPY = 1020, IDC_OVERVIEW_EXPORT = 1021, IDC_OVERVIEW_BURSTS = 1022;
inline constexpr std::string_view kOverviewCopyText = "Copy", kOverviewExportText = "Export CSV...";

// About box, template 100.
inline constexpr int kAboutDialogId = 100;
inline constexpr std::string_view kAboutDialogTitle = "About Tarrawin";
inline constexpr int kAboutDialogWidth = 235, kAboutDialogHeight = 86;
inline constexpr std::array<ControlTemplate, 6> kAboutDialogControls{{
    {-1, ControlKind::Icon, "", 11, 17, 20, 20},
    {-1, ControlKind::Label, "HELVARRA Version 1.0", 45, 18, 90, 8},
    {-1, ControlKind::Label, "HELVARRA developers", 45, 31, 102, 8},
    {IDOK, ControlKind::DefaultButton, "OK", 178, 7, 50, 14},
    {-1, ControlKind::Label, "Radio Solar Telescope Network", 45, 44, 105, 8},
    {-1, ControlKind::Label, "Dec 2026", 45, 57, 48, 8},
}};

}  // namespace helvarra::resources
