#pragma once
// The real viewer on the real Qt window, driven by the scripted viewer, with
// what tests of pixels need: pixels, colours counted, texts as drawn.

#include <gtest/gtest.h>
#include <QApplication>
#include <QImage>
#include <algorithm>
#include <string>
#include <vector>

#include "platform/qt/qt_window_surface.h"
#include "tests/support/dialog_test_access.h"
#include "platform/qt/scripted_viewer.h"
#include "tests/support/record_text.h"
#include "viewer/flux_viewer_dlg.h"

namespace helvarra::test {

class QtViewerTest : public ::testing::Test {
 protected:
  static void Settle() { qt::ScriptedViewer::Settle(); }

  // Writes a data file and opens it through "&Files".
  void Open(const std::string& name, const std::string& bytes) {
    const auto path = dir.path() / name;
    WriteFile(path, bytes);
    OpenPath(path.string(), name);
  }
  void OpenPath(const std::string& path, const std::string& name) { viewer.Open(path, name); }
  // Plots the window of a record index, as a slider release there would.
  void PlotAt(int index) {
    DialogTestAccess::PlotAt(dlg, index);
  }
  void ShowOnly(std::initializer_list<int> channels) {
    for (int k = 0; k < kChannelCount; ++k) DialogTestAccess::ShowFlag(dlg, k) = 0;
    for (int k : channels) DialogTestAccess::ShowFlag(dlg, k) = 1;
  }

  Colour Pixel(int x, int y) {
    services.Canvas().Finish();
    const QImage& image = services.Canvas().Image();
    return qt::FromQRgb(image.pixel(x, y));
  }
  // How many pixels of a rectangle (right, bottom exclusive) have a colour.
  int CountColour(const Rect& r, Colour colour) {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) n += Pixel(x, y) == colour;
    return n;
  }

  // The pixels a text leaves when drawn alone at (x, y).
  QImage Rendered(int x, int y, const std::string& text, const Font& font, Colour textColour = 0) {
    qt::QtCanvas reference(QSize(798, 574));
    reference.Image().fill(qt::ToQColor(dlg.Style().m_crBackground));
    {
      qt::QtWindowSurface s(reference);
      s.SetBackgroundColour(dlg.Style().m_crBackground);
      s.SetTextColour(textColour);
      s.SelectFont(font);
      s.PutText(x, y, text);
    }
    reference.Finish();
    return reference.Image();
  }
  // Whether the window shows the text at (x, y) in the small font's cells,
  // those the window has.
  bool Shows(int x, int y, const std::string& text, const Font& font, Colour textColour = 0) {
    const QImage expected = Rendered(x, y, text, font, textColour);
    const int right = std::min(x + 8 * static_cast<int>(text.size()), expected.width());
    for (int yy = y; yy < y + 13; ++yy)
      for (int xx = x; xx < right; ++xx)
        if (Pixel(xx, yy) != qt::FromQRgb(expected.pixel(xx, yy))) return false;
    return true;
  }

  // Whether the window shows the text at (x, y) in the large font, and only
  // it, to the window's right edge (nothing of an earlier text beside it).
  bool ShowsLarge(int x, int y, const std::string& text) {
    const QImage expected = Rendered(x, y, text, dlg.Style().m_fontLarge);
    for (int yy = y; yy < y + 18; ++yy)
      for (int xx = x; xx < 798; ++xx)
        if (Pixel(xx, yy) != qt::FromQRgb(expected.pixel(xx, yy))) return false;
    return true;
  }

  TempDir dir;
  qt::ScriptedViewer viewer;
  qt::QtWindowServices& services = viewer.Services();
  CFluxViewerDlg& dlg = viewer.Dialog();
  const std::vector<std::string>& messages = viewer.Messages();
};

}  // namespace helvarra::test
