// The main window's window menu: the items the viewer appends, each with
// the keys that choose it too (qt_command_keys.h), offered or greyed out.

#include "platform/qt/qt_command_keys.h"
#include "platform/qt/qt_flux_dialog.h"

namespace helvarra::qt {

void FluxDialog::ShowWindowMenu(const QPoint& globalPos) { windowMenu_.popup(globalPos); }

void FluxDialog::AddCommand(const QString& text, unsigned command) {
  QAction* action = windowMenu_.addAction(text);
  action->setShortcuts(CommandKeys(command));
  addAction(action);  // its keys work wherever the focus is in the window
  connect(action, &QAction::triggered, this, [this, command] { Send({.kind = EventKind::SystemCommand, .command = command}); });
  commands_[command] = action;
}

void FluxDialog::EnableCommand(unsigned command, bool enabled) {
  if (QAction* action = Command(command)) action->setEnabled(enabled);
}

QAction* FluxDialog::Command(unsigned command) const {
  const auto found = commands_.find(command);
  return found == commands_.end() ? nullptr : found->second;
}

}  // namespace helvarra::qt
