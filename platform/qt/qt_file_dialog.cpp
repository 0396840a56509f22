#include "platform/qt/qt_file_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace helvarra::qt {

std::vector<std::pair<QString, QString>> ParseFilter(std::string_view filter) {
  const QStringList parts =
      QString::fromUtf8(filter.data(), static_cast<qsizetype>(filter.size())).split(QLatin1Char('|'));
  std::vector<std::pair<QString, QString>> entries;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i].isEmpty()) break;  // "||" ends the string
    entries.emplace_back(parts[i], parts[i + 1]);
  }
  return entries;
}

QString QtNameFilter(const QString& description, const QString& pattern) {
  // Qt takes the patterns from the last parentheses of the entry, separated
  // by blanks where the filter string has ';'; the shown text keeps the
  // description exactly.
  QStringList patterns = pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts);
  for (QString& p : patterns)
    if (p == QLatin1String("*.*")) p = QStringLiteral("*");
  return description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
}

void SetUpOpenFileDialog(QFileDialog& dialog, std::string_view filter) {
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  QStringList names;
  for (const auto& [description, pattern] : ParseFilter(filter)) names << QtNameFilter(description, pattern);
  dialog.setNameFilters(names);
  if (!names.isEmpty()) dialog.selectNameFilter(names.front());
}

std::optional<ChosenFile> RunOpenFileDialog(QWidget* parent, std::string_view filter) {
  QFileDialog dialog(parent, QObject::tr("Open"), QDir::currentPath());
  SetUpOpenFileDialog(dialog, filter);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return ChoiceOf(dialog.selectedFiles().front());
}

ChosenFile ChoiceOf(const QString& path) {
  const QFileInfo file(path);
  return ChosenFile{file.absoluteFilePath().toStdString(), file.fileName().toStdString()};
}

}  // namespace helvarra::qt
