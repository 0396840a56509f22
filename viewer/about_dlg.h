#pragma once
// The About box, template 100: the icon, the program's name and version, and
// "OK". It has no state of its own.

#include "resources/dialog_templates.h"
#include "viewer/window_services.h"

namespace helvarra {

class CAboutDlg {
 public:
  explicit CAboutDlg(WindowServices& services) : services_(services) {}
  int DoModal() { return services_.RunModal(resources::kAboutDialogId, nullptr); }

 private:
  WindowServices& services_;
};

}  // namespace helvarra
