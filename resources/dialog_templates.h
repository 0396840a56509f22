#pragma once
// The two dialogs' layouts: control ids, kinds, texts and positions in dialog
// units (left, top, width, height), in tab order. Dialog units convert to
// pixels with base units 6 x 13: x * 6 / 4 and y * 13 / 8, rounded.

#include <array>
#include <string_view>

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
                     IDC_SLIDER = 1005, IDC_CHECK_FIRST = 1006, IDC_CHECK_LAST = 1013;

// Main dialog, template 102.
inline constexpr int kMainDialogId = 102;
inline constexpr std::string_view kMainDialogTitle = "HELVARRA";
inline constexpr int kMainDialogWidth = 532, kMainDialogHeight = 353;
inline constexpr std::array<ControlTemplate, 15> kMainDialogControls{{
    {IDOK, ControlKind::DefaultButton, "&Quit", 469, 160, 50, 14},
    {IDC_FILES, ControlKind::Button, "&Files", 469, 84, 50, 14},
    {IDC_BROWSE, ControlKind::Button, "&Browse", 469, 103, 50, 14},
    {IDC_STOP, ControlKind::Button, "&Stop", 469, 122, 50, 14},
    {IDC_PRINT, ControlKind::Button, "&Print", 469, 141, 50, 14},
    {IDC_SELECT_TOGGLE, ControlKind::Button, "&Select Toggle", 469, 179, 50, 14},
    {IDC_SLIDER, ControlKind::Slider, "Slider1", 153, 339, 198, 11},
    {1006, ControlKind::CheckBox, "245 MHZ", 475, 206, 50, 14},
    {1007, ControlKind::CheckBox, "410 MHZ", 475, 223, 50, 14},
    {1008, ControlKind::CheckBox, "610 MHZ", 475, 241, 50, 14},
    {1009, ControlKind::CheckBox, "1415 MHZ", 475, 257, 50, 14},
    {1010, ControlKind::CheckBox, "2695 MHZ", 475, 274, 50, 14},
    {1011, ControlKind::CheckBox, "4995 MHZ", 475, 292, 50, 14},
    {1012, ControlKind::CheckBox, "8800 MHZ", 475, 308, 50, 14},
    {1013, ControlKind::CheckBox, "15400 MHZ", 475, 326, 50, 14},
}};

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
