// The printed page: one page, whose picture is the window's, stretched over
// the printable area, looked at through poppler's tools.

#include <QFile>
#include <QRegularExpression>

#include "tests/e2e/e2e_session.h"

namespace e2e {
namespace {

QString Run(const QString& program, const QStringList& args) {
  QProcess p;
  p.start(program, args);
  p.waitForFinished(30000);
  return QString::fromUtf8(p.readAllStandardOutput());
}

}  // namespace

void CheckPrintedPage(const QString& pdf, const QImage& window) {
  const QString info = Run("pdfinfo", {pdf});
  Check(info.contains(QRegularExpression("Pages:\\s+1\\b")), "the PDF has one page");
  Run("pdftoppm", {"-r", "216", "-png", "-singlefile", pdf, pdf + "-page"});
  const QImage page = QImage(pdf + "-page.png").convertToFormat(QImage::Format_RGB32);
  QFile::remove(pdf + "-page.png");
  Check(!page.isNull(), "the page renders");
  if (page.isNull()) return;
  // The picture fills the page but for its margins: find it by its edge
  // against the white paper, then compare it with the window point by point,
  // away from edges where a stretched pixel may land one pixel over.
  QRect picture;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x)
      if ((page.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) picture |= QRect(x, y, 1, 1);
  int same = 0, all = 0;
  for (int y = 3; y < 571; y += 9)
    for (int x = 3; x < 789; x += 9) {
      bool uniform = true;
      for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx) uniform = uniform && window.pixel(x + dx, y + dy) == window.pixel(x, y);
      if (!uniform) continue;
      const QPoint at(picture.left() + static_cast<int>((x + 0.5) * picture.width() / 792.0),
                      picture.top() + static_cast<int>((y + 0.5) * picture.height() / 574.0));
      const QRgb a = page.pixel(at), b = window.pixel(x, y);
      same += std::abs(qRed(a) - qRed(b)) <= 24 && std::abs(qGreen(a) - qGreen(b)) <= 24 &&
              std::abs(qBlue(a) - qBlue(b)) <= 24;
      ++all;
    }
  Check(all > 1000 && same >= all * 98 / 100,
        QString("the page shows the window's picture (%1 of %2 points, picture %3x%4 at %5,%6)")
            .arg(same)
            .arg(all)
            .arg(picture.width())
            .arg(picture.height())
            .arg(picture.left())
            .arg(picture.top()));
}

}  // namespace e2e
