#pragma once
// The look of the program's own dialogs, the same on every desktop: Qt's
// Fusion style, a light palette on the window colour, black text, and the
// dialogs' 8-point sans-serif face (Liberation Sans, 11 pixels). Whatever the
// desktop's palette, style or scale, the channel labels stay readable on
// their colour bands and every control text fits its box.

#include <QWidget>

#include "chart/colour.h"

namespace helvarra::qt {

// The window colour of the dialogs, which is also the chart's background:
// this platform has no colour of active window borders, and a light warm
// grey stands in for it.
inline constexpr Colour kDialogWindowColour = MakeColour(212, 208, 200);

// Gives the dialog and every control on it the look; call after the controls
// exist.
void ApplyDialogLook(QWidget& dialog);

}  // namespace helvarra::qt
