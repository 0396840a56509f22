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
  dialog.setFileMode(QFileDialog::ExistingFiles);
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  QStringList names;
  for (const auto& [description, pattern] : ParseFilter(filter)) names << QtNameFilter(description, pattern);
  dialog.setNameFilters(names);
  if (!names.isEmpty()) dialog.selectNameFilter(names.front());
}

std::optional<std::vector<ChosenFile>> RunOpenFileDialog(QWidget* parent, std::string_view filter,
                                                         std::string_view folder) {
  const QString start = QString::fromUtf8(folder.data(), static_cast<qsizetype>(folder.size()));
  QFileDialog dialog(parent, QObject::tr("Open"), start.isEmpty() || !QDir(start).exists() ? QDir::currentPath() : start);
  SetUpOpenFileDialog(dialog, filter);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return ChoicesOf(dialog.selectedFiles());
}

std::vector<ChosenFile> ChoicesOf(const QStringList& paths) {
  std::vector<ChosenFile> files;
  for (const QString& p : paths) files.push_back(ChoiceOf(p));
  return files;
}

ChosenFile ChoiceOf(const QString& path) {
  const QFileInfo file(path);
  return ChosenFile{file.absoluteFilePath().toStdString(), file.fileName().toStdString()};
}

}  // namespace helvarra::qt
