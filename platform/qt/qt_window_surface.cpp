#include "platform/qt/qt_window_surface.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

#include "platform/qt/qt_fonts.h"
#include "platform/qt/qt_glyph_masks.h"
#include "platform/qt/qt_icon.h"

namespace helvarra::qt {

QColor ToQColor(Colour c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

Colour FromQRgb(QRgb rgb) { return MakeColour(qRed(rgb), qGreen(rgb), qBlue(rgb)); }

// A fresh surface draws text in Qt's default font until one is selected.
QtWindowSurface::QtWindowSurface(QtCanvas& canvas) : canvas_(canvas) {
  const QFontMetrics metrics(font_);
  cellHeight_ = metrics.height();
  ascent_ = metrics.ascent();
  maxCharWidth_ = metrics.maxWidth();
}

void QtWindowSurface::TakePixels() {
  if (pixels_ != nullptr) return;
  QImage& image = canvas_.Image();
  pixels_ = image.bits();
  stride_ = image.bytesPerLine();
  width_ = image.width();
  height_ = image.height();
}

// Straight into the image's pixels: what QPainter's fill would write, at a
// fraction of its cost, for the many short strokes of a chart.
void QtWindowSurface::Fill(int left, int top, int right, int bottom, Colour colour) {
  TakePixels();
  left = std::max(left, 0);
  top = std::max(top, 0);
  right = std::min(right, width_);
  bottom = std::min(bottom, height_);
  if (right <= left || bottom <= top) return;
  const QRgb rgb = qRgb(RedOf(colour), GreenOf(colour), BlueOf(colour));
  uchar* const bits = pixels_;
  const qsizetype stride = stride_;
  auto* first = reinterpret_cast<QRgb*>(bits + top * stride) + left;
  if (right - left <= 2) {  // a trace's stroke
    for (int y = top; y < bottom; ++y, first = reinterpret_cast<QRgb*>(reinterpret_cast<uchar*>(first) + stride)) {
      first[0] = rgb;
      if (right - left == 2) first[1] = rgb;
    }
    return;
  }
  std::fill(first, first + (right - left), rgb);
  const std::size_t rowBytes = static_cast<std::size_t>(right - left) * sizeof(QRgb);
  for (int y = top + 1; y < bottom; ++y)
    std::memcpy(reinterpret_cast<uchar*>(first) + (y - top) * stride, first, rowBytes);
}

void QtWindowSurface::SelectFont(const Font& font) {
  font_ = ToQFont(font);
  const QFontMetrics metrics(font_);
  cellHeight_ = metrics.height();
  ascent_ = metrics.ascent();
  maxCharWidth_ = metrics.maxWidth();
  cellWidth_ = 0;
  glyphs_ = nullptr;
  if (QFontInfo(font_).fixedPitch()) {
    cellWidth_ = static_cast<int>(std::lround(QFontMetricsF(font_).horizontalAdvance(QLatin1Char('0'))));
    glyphs_ = GlyphMasks::For(font_, cellWidth_);
  }
}

// Text comes as UTF-8 (file names may hold accents); a character, not a
// byte, takes a cell.
void QtWindowSurface::PutText(int x, int y, std::string_view text) {
  const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  const int count = static_cast<int>(s.size());
  // The character cells take the background colour first. A proportional
  // font's cells are as wide as its widest character, so that a text padded
  // to a number of characters erases any other text of that many.
  const int width =
      cellWidth_ > 0 ? cellWidth_ * count : std::max(QFontMetrics(font_).horizontalAdvance(s), maxCharWidth_ * count);
  Fill(x, y, x + width, y + cellHeight_, background_);
  QPainter* painter = nullptr;
  auto usePainter = [&]() -> QPainter& {
    if (painter == nullptr) {
      painter = &canvas_.Painter();
      painter->setFont(font_);
      painter->setPen(ToQColor(text_));
      painter->setBackgroundMode(Qt::TransparentMode);
    }
    return *painter;
  };
  const int baseline = y + ascent_;
  if (cellWidth_ == 0) {
    usePainter().drawText(x, baseline, s);
    return;
  }
  const QRgb ink = qRgb(RedOf(text_), GreenOf(text_), BlueOf(text_));
  for (int i = 0; i < count; ++i) {
    const QChar c = s[i];
    if (c == QLatin1Char(' ')) continue;
    const int cellX = x + cellWidth_ * i;
    if (glyphs_ == nullptr || c.unicode() > 0xFF) {
      usePainter().drawText(cellX, baseline, QString(c));
      continue;
    }
    for (const QPoint& d : glyphs_->Of(static_cast<unsigned char>(c.unicode()))) {
      const int px = cellX + d.x(), py = y + d.y();
      if (px >= 0 && py >= 0 && px < width_ && py < height_) reinterpret_cast<QRgb*>(pixels_ + py * stride_)[px] = ink;
    }
  }
}

void QtWindowSurface::DrawLineTo(int x, int y) {
  const int width = pen_.width < 1 ? 1 : pen_.width;
  if (x == penX_ && y == penY_) {
    // A stroke of no length: a pen wider than a pixel leaves its dot, the
    // width spread as a stroke's is, so a steady trace stays drawn.
    if (pen_.style == PenStyle::Solid && width > 1)
      Fill(x - width / 2, y - width / 2, x + (width - 1) / 2 + 1, y + (width - 1) / 2 + 1, pen_.colour);
  } else if (pen_.style == PenStyle::Solid && (x == penX_ || y == penY_)) {
    // Straight strokes are filled pixel for pixel: from the start pixel up to
    // but not including the end pixel, whichever way the line runs, the pen's
    // width spread over the columns (rows) x - width/2 .. x + (width-1)/2.
    const int lo = width / 2, hi = (width - 1) / 2;
    if (x == penX_ && y != penY_) {
      VerticalStroke(x, y > penY_ ? penY_ : y + 1, y > penY_ ? y : penY_ + 1);
    } else if (y == penY_ && x != penX_) {
      const int left = x > penX_ ? penX_ : x + 1, right = x > penX_ ? x : penX_ + 1;
      Fill(left, y - lo, right, y + hi + 1, pen_.colour);
    }
  } else if (pen_.style == PenStyle::Dotted && width == 1 && (x == penX_ || y == penY_)) {
    DottedLine(x, y);
  } else {
    PaintLine(x, y);
  }
  penX_ = x;
  penY_ = y;
}

// A window's strokes, each as DrawLineTo would draw it in its pen (a stroke
// of no length the pen's dot), written straight into the pixels: the pens'
// colours and widths worked out once. A dotted pen goes the long way.
void QtWindowSurface::DrawStrokes(std::span<const Pen> pens, std::span<const Stroke> strokes) {
  if (strokes.empty()) return;
  struct Ink {
    QRgb rgb;
    int left, right;  // columns about x: x - left .. x + right
  };
  std::array<Ink, 256> inks{};
  for (std::size_t i = 0; i < pens.size() && i < inks.size(); ++i) {
    if (pens[i].style != PenStyle::Solid) return DrawingSurface::DrawStrokes(pens, strokes);
    const int w = std::max(pens[i].width, 1);
    inks[i] = {qRgb(RedOf(pens[i].colour), GreenOf(pens[i].colour), BlueOf(pens[i].colour)), w / 2, (w - 1) / 2};
  }
  TakePixels();
  for (const Stroke& s : strokes) {
    const Ink& ink = inks[s.pen];
    int top = s.to > s.from ? s.from : s.to + 1, bottom = s.to > s.from ? s.to : s.from + 1;
    if (s.to == s.from) {  // the pen's dot, where it is wider than a pixel
      if (ink.left + ink.right == 0) continue;
      top = s.to - ink.left, bottom = s.to + ink.right + 1;
    }
    const int left = std::max(s.x - ink.left, 0), right = std::min(s.x + ink.right + 1, width_);
    top = std::max(top, 0), bottom = std::min(bottom, height_);
    uchar* row = pixels_ + top * stride_;
    if (right - left == 2) {  // a trace's pen
      for (int y = top; y < bottom; ++y, row += stride_) {
        reinterpret_cast<QRgb*>(row)[left] = ink.rgb;
        reinterpret_cast<QRgb*>(row)[left + 1] = ink.rgb;
      }
      continue;
    }
    for (int y = top; y < bottom; ++y, row += stride_)
      for (int c = left; c < right; ++c) reinterpret_cast<QRgb*>(row)[c] = ink.rgb;
  }
  SelectPen(pens[strokes.back().pen]);
  MovePen(strokes.back().x, strokes.back().to);
}

// The trace's strokes, the bulk of a chart: the same pixels as Fill, with
// the pen's colour worked out when it was selected.
void QtWindowSurface::VerticalStroke(int x, int top, int bottom) {
  TakePixels();
  const int width = pen_.width < 1 ? 1 : pen_.width;
  const int left = std::max(x - width / 2, 0), right = std::min(x + (width - 1) / 2 + 1, width_);
  top = std::max(top, 0);
  bottom = std::min(bottom, height_);
  if (right <= left || bottom <= top) return;
  uchar* row = pixels_ + top * stride_;
  for (int y = top; y < bottom; ++y, row += stride_) {
    auto* p = reinterpret_cast<QRgb*>(row);
    for (int c = left; c < right; ++c) p[c] = penRgb_;
  }
}

// A straight 1-pixel dotted line as Qt draws one: a dot on the start pixel
// and every third after it, the two between in the background colour, the
// end pixel left out.
void QtWindowSurface::DottedLine(int x, int y) {
  TakePixels();
  const int dx = x > penX_ ? 1 : x < penX_ ? -1 : 0, dy = y > penY_ ? 1 : y < penY_ ? -1 : 0;
  const int steps = std::max(std::abs(x - penX_), std::abs(y - penY_));
  const QRgb gap = qRgb(RedOf(background_), GreenOf(background_), BlueOf(background_));
  for (int i = 0, px = penX_, py = penY_; i < steps; ++i, px += dx, py += dy)
    if (px >= 0 && py >= 0 && px < width_ && py < height_)
      reinterpret_cast<QRgb*>(pixels_ + py * stride_)[px] = i % 3 == 0 ? penRgb_ : gap;
}

// Slanting lines go through QPainter.
void QtWindowSurface::PaintLine(int x, int y) {
  QPainter& p = canvas_.Painter();
  p.setPen(QPen(ToQColor(pen_.colour), pen_.width < 1 ? 1 : pen_.width,
                pen_.style == PenStyle::Dotted ? Qt::DotLine : Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  // A dotted pen draws its gaps in the background colour.
  p.setBackgroundMode(Qt::OpaqueMode);
  p.setBackground(ToQColor(background_));
  p.drawLine(penX_, penY_, x, y);
}

void QtWindowSurface::DrawRectangle(const Rect& r) {
  Fill(r.left, r.top, r.right, r.bottom, brush_.colour);
  const int w = pen_.width < 1 ? 1 : pen_.width;
  Fill(r.left, r.top, r.right, r.top + w, pen_.colour);
  Fill(r.left, r.bottom - w, r.right, r.bottom, pen_.colour);
  Fill(r.left, r.top, r.left + w, r.bottom, pen_.colour);
  Fill(r.right - w, r.top, r.right, r.bottom, pen_.colour);
}

void QtWindowSurface::FrameRectangle(const Rect& r, const Brush& brush) {
  Fill(r.left, r.top, r.right, r.top + 1, brush.colour);
  Fill(r.left, r.bottom - 1, r.right, r.bottom, brush.colour);
  Fill(r.left, r.top, r.left + 1, r.bottom, brush.colour);
  Fill(r.right - 1, r.top, r.right, r.bottom, brush.colour);
}

Colour QtWindowSurface::ReadPixel(int x, int y) const {
  const QImage& image = canvas_.Image();
  if (!image.valid(x, y)) return 0xFFFFFFFF;  // no pixel there
  return FromQRgb(image.pixel(x, y));
}

void QtWindowSurface::DrawIconAt(int x, int y, const Icon& icon) {
  canvas_.Painter().drawPixmap(x, y, ProgramIcon(icon.resourceId).pixmap(32, 32));
}

}  // namespace helvarra::qt
