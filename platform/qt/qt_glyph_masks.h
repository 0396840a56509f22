#pragma once
// The pixels each character of a fixed-pitch font sets, relative to the top
// left of its cell, rendered once by Qt and then laid onto the image
// directly. Text is drawn without antialiasing, so a glyph is exactly a set
// of pixels in the text colour.

#include <QFont>
#include <QPoint>
#include <vector>

namespace helvarra::qt {

class GlyphMasks {
 public:
  // Null when the font's glyphs are not plain on/off pixels.
  static const GlyphMasks* For(const QFont& font, int cellWidth);
  const std::vector<QPoint>& Of(unsigned char c) const { return masks_[c]; }

 private:
  std::vector<QPoint> masks_[256];
};

}  // namespace helvarra::qt
