#pragma once
// A picture written as a PNG file: made in memory first, so that a failure
// leaves no file behind.

#include <QImage>
#include <QString>
#include <string>

namespace helvarra::snapshot {

// False, with the reason in `error`, if it could not be made or written.
// `quality` is Qt's PNG setting (0 the smallest file, 100 the quickest; -1
// Qt's default).
bool WritePng(const QImage& picture, const QString& path, std::string& error, int quality = -1);

}  // namespace helvarra::snapshot
