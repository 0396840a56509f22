#pragma once
// Lets the window's queued events run: paint requests, slider releases and
// the other work Qt posts for later, the way a person waits a moment between
// actions.

#include <QApplication>

namespace helvarra::qt {

inline void Settle() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

}  // namespace helvarra::qt
