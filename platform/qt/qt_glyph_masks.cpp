#include "platform/qt/qt_glyph_masks.h"

#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <memory>
#include <mutex>

namespace helvarra::qt {

const GlyphMasks* GlyphMasks::For(const QFont& font, int cellWidth) {
  static QHash<QString, std::shared_ptr<GlyphMasks>> cache;
  static std::mutex guard;  // the snapshot tool draws on several threads
  const std::lock_guard<std::mutex> lock(guard);
  const QString key = font.key() + QLatin1Char('/') + QString::number(cellWidth);
  if (auto found = cache.constFind(key); found != cache.constEnd()) return found->get();

  auto masks = std::make_shared<GlyphMasks>();
  const QFontMetrics metrics(font);
  const int pad = metrics.height();  // room for glyphs that reach out of their cell
  QImage cell(cellWidth + 2 * pad, metrics.height() + 2 * pad, QImage::Format_RGB32);
  bool plain = true;
  for (int c = 33; c < 256 && plain; ++c) {
    cell.fill(Qt::white);
    {
      QPainter p(&cell);
      p.setRenderHint(QPainter::TextAntialiasing, false);
      p.setFont(font);
      p.setPen(Qt::black);
      p.drawText(pad, pad + metrics.ascent(), QString(QChar::fromLatin1(static_cast<char>(c))));
    }
    for (int y = 0; y < cell.height(); ++y)
      for (int x = 0; x < cell.width(); ++x) {
        const QRgb rgb = cell.pixel(x, y) & 0xFFFFFF;
        if (rgb == 0)
          masks->masks_[c].emplace_back(x - pad, y - pad);
        else if (rgb != 0xFFFFFF)
          plain = false;
      }
  }
  cache.insert(key, plain ? masks : nullptr);
  return plain ? masks.get() : nullptr;
}

}  // namespace helvarra::qt
