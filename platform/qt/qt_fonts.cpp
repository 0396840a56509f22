#include "platform/qt/qt_fonts.h"

#include <QHash>
#include <QString>
#include <mutex>

namespace helvarra::qt {
namespace {

struct StandIn {
  const char* face;
  const char* family;
  QFont::StyleHint hint;
};

constexpr StandIn kStandIns[] = {
    {"Courier", "Liberation Mono", QFont::TypeWriter},
    {"New Roman", "Liberation Serif", QFont::Serif},
};

}  // namespace

QFont ToQFont(const Font& font) {
  static QHash<QString, QFont> cache;
  static std::mutex guard;  // the snapshot tool draws on several threads
  const std::lock_guard<std::mutex> lock(guard);
  const QString key = QString::fromStdString(font.face) + QLatin1Char('/') + QString::number(font.pixelHeight);
  auto found = cache.constFind(key);
  if (found != cache.constEnd()) return *found;

  QFont f;
  f.setFamily(QString::fromStdString(font.face));
  for (const StandIn& s : kStandIns) {
    if (font.face == s.face) {
      f.setFamilies({QString::fromLatin1(s.family), QString::fromLatin1(s.face)});
      f.setStyleHint(s.hint, QFont::NoAntialias);
    }
  }
  f.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
  f.setHintingPreference(QFont::PreferFullHinting);
  f.setKerning(false);
  f.setPixelSize(font.pixelHeight > 0 ? font.pixelHeight : 13);
  cache.insert(key, f);
  return f;
}

}  // namespace helvarra::qt
