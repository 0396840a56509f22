#include "platform/qt/qt_about_dialog.h"

#include <QLabel>
#include <QPushButton>

#include "platform/qt/qt_dialog_look.h"
#include "platform/qt/qt_dialog_units.h"
#include "platform/qt/qt_icon.h"
#include "resources/dialog_templates.h"
#include "resources/strings.h"

namespace helvarra::qt {
namespace {

namespace res = resources;

}  // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  setWindowTitle(QString::fromLatin1(res::kAboutDialogTitle.data(), res::kAboutDialogTitle.size()));
  setFixedSize(res::DialogUnitsToPixelsX(res::kAboutDialogWidth), res::DialogUnitsToPixelsY(res::kAboutDialogHeight));
  for (const res::ControlTemplate& c : res::kAboutDialogControls) {
    const QString text = QString::fromLatin1(c.text.data(), static_cast<qsizetype>(c.text.size()));
    QWidget* control = nullptr;
    if (c.kind == res::ControlKind::Icon) {
      auto* icon = new QLabel(this);
      icon->setPixmap(ProgramIcon(res::IDR_MAINFRAME).pixmap(32, 32));
      control = icon;
    } else if (c.kind == res::ControlKind::Label) {
      auto* label = new QLabel(text, this);
      label->setTextFormat(Qt::PlainText);  // '&' is not a mnemonic mark here
      control = label;
    } else {
      auto* ok = new QPushButton(text, this);
      ok->setDefault(true);
      connect(ok, &QPushButton::clicked, this, &QDialog::accept);
      control = ok;
    }
    control->setGeometry(PixelRect(c));
    if (c.kind == res::ControlKind::Icon) control->resize(32, 32);
  }
  // Its own window, so it takes the dialogs' look itself.
  ApplyDialogLook(*this);
  if (auto* ok = findChild<QPushButton*>()) ok->setFocus();
}

}  // namespace helvarra::qt
