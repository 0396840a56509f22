#pragma once
// The drawing operations the viewer takes from the platform.
//
// Coordinates are pixels of the main window's client area, origin at the top
// left, y growing downwards; colours are 0x00BBGGRR. What is drawn goes
// straight onto the window and stays until something draws over it.
//
// Every surface starts afresh: black text, an opaque text background, a black
// solid 1-pixel pen, no brush. Text always fills its character cells with the
// background colour first, and a dotted pen draws its gaps in that colour.
// Lines leave out their end pixel. ReadPixel returns the exact colour drawn.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "chart/colour.h"

namespace helvarra {

// A rectangle (left, top, right, bottom); right and bottom are exclusive.
struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  constexpr int Width() const { return right - left; }
  constexpr int Height() const { return bottom - top; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

struct Size {
  int width = 0, height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

enum class PenStyle { Solid, Dotted };

struct Pen {
  PenStyle style = PenStyle::Solid;
  int width = 1;
  Colour colour = 0;
  friend bool operator==(const Pen&, const Pen&) = default;
};

struct Brush {
  Colour colour = 0;
  friend bool operator==(const Brush&, const Brush&) = default;
};

// A font asked for by face name; the platform matches a face it lacks.
struct Font {
  std::string face;
  int tenthsOfPoint = 0;
  int pixelHeight = 0;  // character height in pixels
  friend bool operator==(const Font&, const Font&) = default;
};

// An icon resource of the program.
struct Icon {
  int resourceId = 0;
  friend bool operator==(const Icon&, const Icon&) = default;
};

// A vertical stroke of a trace: at column x, from row `from` to row `to`
// (the end pixel left out, as a line's), in the pen of the given number.
struct Stroke {
  std::int16_t x = 0, from = 0, to = 0;
  std::uint8_t pen = 0;
  friend bool operator==(const Stroke&, const Stroke&) = default;
};

class DrawingSurface {
 public:
  virtual ~DrawingSurface() = default;

  virtual int PixelsPerInchY() const = 0;

  virtual void SelectFont(const Font& font) = 0;
  virtual void SelectPen(const Pen& pen) = 0;
  virtual void SelectBrush(const Brush& brush) = 0;
  virtual void SetBackgroundColour(Colour colour) = 0;
  virtual void SetTextColour(Colour colour) = 0;

  // One line of text, the top left of its first character cell at (x, y).
  virtual void PutText(int x, int y, std::string_view text) = 0;
  virtual void MovePen(int x, int y) = 0;
  // A line in the current pen to (x, y), end pixel excluded; (x, y) becomes
  // the current position.
  virtual void DrawLineTo(int x, int y) = 0;
  // Filled with the current brush and outlined with the current pen.
  virtual void DrawRectangle(const Rect& rect) = 0;
  // A one-pixel border on the rectangle's outermost pixels.
  virtual void FrameRectangle(const Rect& rect, const Brush& brush) = 0;
  virtual Colour ReadPixel(int x, int y) const = 0;
  virtual void DrawIconAt(int x, int y, const Icon& icon) = 0;

  // A window's strokes in one call, in order (a later one covers an
  // earlier): each as SelectPen(pens[pen]), MovePen(x, from), DrawLineTo(x,
  // to), which is what this does unless a surface does it faster. The last
  // stroke's pen and end are left current.
  virtual void DrawStrokes(std::span<const Pen> pens, std::span<const Stroke> strokes) {
    for (const Stroke& s : strokes) {
      SelectPen(pens[s.pen]);
      MovePen(s.x, s.from);
      DrawLineTo(s.x, s.to);
    }
  }
};

// Pens, brushes and fonts. A font's height is a character height of
// pixels-per-inch x tenths / 720 pixels, measured on the given surface.
Pen MakePen(PenStyle style, int width, Colour colour);
Brush MakeSolidBrush(Colour colour);
Font MakePointFont(std::string_view face, int tenthsOfPoint, const DrawingSurface& surface);

// A printer's surface, as the print dialog returns it. Results of the print
// job calls are positive on success and zero or negative on failure.
class PrinterSurface {
 public:
  virtual ~PrinterSurface() = default;
  // The printable width and height, in the printer's pixels.
  virtual Size GetPageSize() const = 0;
  // Copies a rectangle of a window surface onto the page, scaled to fit the
  // destination rectangle.
  virtual void StretchCopy(const Rect& destination, const DrawingSurface& source, const Rect& sourceRect) = 0;
  virtual int BeginPrintDocument(std::string_view documentName) = 0;
  virtual int BeginPrintPage() = 0;
  virtual int EndPrintPage() = 0;
  virtual int EndPrintDocument() = 0;
};

inline void DeletePrinterSurface(std::unique_ptr<PrinterSurface>& surface) { surface.reset(); }

}  // namespace helvarra
