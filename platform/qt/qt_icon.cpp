#include "platform/qt/qt_icon.h"

#include "resources/strings.h"

// The resources are linked from a static library, so they are registered by
// hand before their first use.
static void InitResources() { Q_INIT_RESOURCE(resources); }

namespace helvarra::qt {

QIcon ProgramIcon(int resourceId) {
  if (resourceId != resources::IDR_MAINFRAME) return {};
  static const bool registered = (InitResources(), true);
  (void)registered;
  static const QIcon icon(QStringLiteral(":/helvarra/icon.svg"));
  return icon;
}

}  // namespace helvarra::qt
