// Printing on Qt's printer, to PDF files chosen in place of the print dialog:
// one document of one page, the window's picture stretched over the
// printable area, and a printer that cannot start the document. What a print
// asks of the printer and says is tested on the fakes.

#include <QPainter>
#include <QProcess>
#include <QTest>

#include "platform/qt/qt_printer_surface.h"
#include "resources/dialog_templates.h"
#include "tests/platform/qt_viewer_fixture.h"

namespace helvarra::test {
namespace {

class PrintTest : public QtViewerTest {
 protected:
  // The next print goes to this PDF file.
  void PrintTo(const std::string& name) {
    const QString file = QString::fromStdString((dir.path() / name).string());
    services.printerChooser = [file, this] {
      auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
      printer->setOutputFormat(QPrinter::PdfFormat);
      printer->setOutputFileName(file);
      paintRect = printer->pageLayout().paintRect(QPageLayout::Point);
      return std::optional<ChosenPrinter>(
          ChosenPrinter{std::make_unique<qt::QtPrinterSurface>(std::move(printer)), "PDF printer"});
    };
    dlg.Dispatch({.kind = EventKind::Command, .id = resources::IDC_PRINT});
    Settle();
  }
  static QString Run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
  }
  int Pages(const std::string& name) {
    const QString info = Run("pdfinfo", {QString::fromStdString((dir.path() / name).string())});
    for (const QString& line : info.split('\n'))
      if (line.startsWith("Pages:")) return line.mid(6).trimmed().toInt();
    return 0;
  }
  // The page rendered at 216 dots per inch, three pixels a point, so that
  // every window pixel covers a few page pixels.
  QImage Page(const std::string& name) {
    const QString pdf = QString::fromStdString((dir.path() / name).string());
    Run("pdftoppm", {"-r", "216", "-png", "-singlefile", pdf, pdf + "-page"});
    return QImage(pdf + "-page.png").convertToFormat(QImage::Format_RGB32);
  }
  QPointF PagePoint(int x, int y) const {
    return QPointF(paintRect.left() + (x + 0.5) * paintRect.width() / 792.0,
                   paintRect.top() + (y + 0.5) * paintRect.height() / 574.0) *
           3.0;
  }
  // How many of a grid of window points show on the page as they are on the
  // window, within a small tolerance; points next to an edge, where a
  // stretched pixel may land one pixel over, are left out.
  double Agreement(const QImage& page, const QImage& window) {
    int same = 0, all = 0;
    for (int y = 2; y < 574; y += 7)
      for (int x = 2; x < 792; x += 7) {
        bool uniform = true;
        for (int dy = -1; dy <= 1; ++dy)
          for (int dx = -1; dx <= 1; ++dx) uniform = uniform && window.pixel(x + dx, y + dy) == window.pixel(x, y);
        if (!uniform) continue;
        const QRgb a = page.pixel(PagePoint(x, y).toPoint()), b = window.pixel(x, y);
        same += std::abs(qRed(a) - qRed(b)) <= 24 && std::abs(qGreen(a) - qGreen(b)) <= 24 &&
                std::abs(qBlue(a) - qBlue(b)) <= 24;
        ++all;
      }
    return static_cast<double>(same) / all;
  }
  QRectF paintRect;
};

std::string Burst() {
  std::string bytes;
  for (int i = 0; i < 2000; ++i) {
    const int v = 50 + (i % 7) * 20 + (i > 600 && i < 900 ? (i - 600) * 100 : 0);
    bytes += RecordLine("LISS", 24, 5, 14, 9 + i / 3600, i / 60 % 60, i % 60,
                        {v, v + 10, v + 20, v + 30, v + 40, v + 50, v + 60, v + 70});
  }
  return bytes;
}

TEST_F(PrintTest, OnePageHoldsTheWholeWindowStretched) {
  Open("burst.lis", Burst());
  PrintTo("one.pdf");
  EXPECT_EQ(Pages("one.pdf"), 1);
  const QImage page = Page("one.pdf");
  ASSERT_FALSE(page.isNull());
  const QImage window = services.Canvas().Picture().convertToFormat(QImage::Format_RGB32);
  EXPECT_GT(Agreement(page, window), 0.99);
  // A control and a trace are on the page: the "&Quit" button's face and a
  // 245 MHz pixel of the window.
  const QRect quit = services.MainWindow()->Control(resources::IDOK)->geometry();
  EXPECT_NE(window.pixel(quit.center()), window.pixel(quit.topLeft() - QPoint(3, 3)));
  bool trace = false;
  for (int x = 80; x < 680 && !trace; ++x)
    for (int y = 10; y < 510 && !trace; ++y) trace = qt::FromQRgb(window.pixel(x, y)) == dlg.Style().m_crChannel[0];
  EXPECT_TRUE(trace);
}

TEST_F(PrintTest, TheEmptyWindowPrintsItsBlackPlot) {
  PrintTo("empty.pdf");  // before any file
  EXPECT_EQ(Pages("empty.pdf"), 1);
  const QImage page = Page("empty.pdf");
  EXPECT_EQ(page.pixel(PagePoint(380, 260).toPoint()) & 0xFFFFFF, 0u);
}

// The real printer's failure to start reaches the viewer.
TEST_F(PrintTest, APrinterThatCannotStartTheDocumentIsNotReportedAsPrinted) {
  Open("burst.lis", Burst());
  PrintTo("no-such-folder/out.pdf");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].rfind("printed to: ", 0), std::string::npos);
}

}  // namespace
}  // namespace helvarra::test
