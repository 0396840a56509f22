#include "apps/snapshot/snapshot_png.h"

#include <QBuffer>
#include <QFile>

namespace helvarra::snapshot {

bool WritePng(const QImage& picture, const QString& path, std::string& error, int quality) {
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  if (!picture.save(&buffer, "PNG", quality)) {
    error = "cannot make the PNG picture";
    return false;
  }
  QFile out(path);
  if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(png) != png.size() || !out.flush()) {
    error = "cannot write " + path.toStdString() + ": " + out.errorString().toStdString();
    if (out.isOpen()) {
      out.close();
      out.remove();
    }
    return false;
  }
  return true;
}

}  // namespace helvarra::snapshot
