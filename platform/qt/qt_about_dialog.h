#pragma once
// The About box of template 100: the icon, the program's name and version,
// three lines about it, and "OK".

#include <QDialog>

namespace helvarra::qt {

class AboutDialog : public QDialog {
 public:
  explicit AboutDialog(QWidget* parent);
};

}  // namespace helvarra::qt
