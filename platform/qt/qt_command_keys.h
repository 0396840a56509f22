#pragma once
// The keys that choose a window-menu command besides the menu: Ctrl+D the
// day overview; Ctrl+Page Down and Ctrl+Page Up the next and the previous
// station (as a browser goes from tab to tab); F3 and Shift+F3 the next and
// the previous burst (as "find next" goes from match to match).

#include <QKeySequence>
#include <QList>

#include "resources/strings.h"

namespace helvarra::qt {

inline QList<QKeySequence> CommandKeys(unsigned command) {
  namespace res = resources;
  switch (command) {
    case res::IDM_DAYOVERVIEW: return {QKeySequence(Qt::CTRL | Qt::Key_D)};
    case res::IDM_NEXTSTATION: return {QKeySequence(Qt::CTRL | Qt::Key_PageDown)};
    case res::IDM_PREVSTATION: return {QKeySequence(Qt::CTRL | Qt::Key_PageUp)};
    case res::IDM_NEXTBURST: return {QKeySequence(Qt::Key_F3)};
    case res::IDM_PREVBURST: return {QKeySequence(Qt::SHIFT | Qt::Key_F3)};
    default: return {};
  }
}

}  // namespace helvarra::qt
