// helvarra-render-icon: draws the program icon's SVG as a square PNG of a
// given size, for the icon theme's fixed-size folders. Run at build time.
//
//   helvarra-render-icon ICON.svg SIZE OUT.png
//
// The SVG is read through Qt's SVG image plugin (libqt6svg6).

#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: helvarra-render-icon ICON.svg SIZE OUT.png\n");
    return 2;
  }
  QCoreApplication application(argc, argv);
  const int size = std::atoi(argv[2]);
  if (size < 1 || size > 4096) {
    std::fprintf(stderr, "helvarra-render-icon: bad size %s\n", argv[2]);
    return 2;
  }
  QImageReader reader(QString::fromLocal8Bit(argv[1]), "svg");
  reader.setScaledSize(QSize(size, size));
  const QImage image = reader.read();
  if (image.isNull()) {
    std::fprintf(stderr, "helvarra-render-icon: cannot read %s: %s (is the SVG image plugin installed?)\n", argv[1],
                 qPrintable(reader.errorString()));
    return 1;
  }
  // A picture with no opaque pixel means the drawing went wrong.
  bool drawn = false;
  for (int y = 0; y < image.height() && !drawn; ++y)
    for (int x = 0; x < image.width() && !drawn; ++x) drawn = qAlpha(image.pixel(x, y)) != 0;
  if (!drawn || image.size() != QSize(size, size)) {
    std::fprintf(stderr, "helvarra-render-icon: %s drew nothing at %d pixels\n", argv[1], size);
    return 1;
  }
  if (!image.convertToFormat(QImage::Format_ARGB32).save(QString::fromLocal8Bit(argv[3]), "PNG")) {
    std::fprintf(stderr, "helvarra-render-icon: cannot write %s\n", argv[3]);
    return 1;
  }
  return 0;
}
