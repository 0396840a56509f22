#pragma once
// The program's icon resources.

#include <QIcon>

namespace helvarra::qt {

QIcon ProgramIcon(int resourceId);

}  // namespace helvarra::qt
