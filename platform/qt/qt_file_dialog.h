#pragma once
// The open-file dialog: the viewer's filter entries, opening in the folder
// it is given (the last file's); one file or several may be chosen.

#include <QFileDialog>
#include <QStringList>
#include <QWidget>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "viewer/window_services.h"

namespace helvarra::qt {

// The entries of a filter string: "description|pattern|...||".
std::vector<std::pair<QString, QString>> ParseFilter(std::string_view filter);
// A filter entry as Qt's dialog takes it: the description shown as it is, the
// patterns (";" between them) matched as the data files' home system matches
// them (letter case ignored; "*.*" is every file, with or without a dot).
QString QtNameFilter(const QString& description, const QString& pattern);

// The open dialog as the viewer shows it: open mode, existing files, one or
// several, the filter's entries with the first one chosen.
void SetUpOpenFileDialog(QFileDialog& dialog, std::string_view filter);
std::optional<std::vector<ChosenFile>> RunOpenFileDialog(QWidget* parent, std::string_view filter,
                                                         std::string_view folder);

// A file named by the user (in the dialog, on the command line, by a drop)
// as the viewer takes it: its full path and its name without the folder.
ChosenFile ChoiceOf(const QString& path);
std::vector<ChosenFile> ChoicesOf(const QStringList& paths);

}  // namespace helvarra::qt
