// Printing: one page at the printing cell size, the drawing the window shows enlarged,
// through the print dialog to a PDF file and onto a page of known resolution.
#include <QFile>
#include <QPainter>
#include <QPrinter>

#include "app/AppTestSupport.h"
#include "platform/UiStrings.h"
#include "support/Puzzles.h"
#include "view/DrawingPainter.h"
#include "view/PagePainter.h"
#include "view/ViewGeometry.h"

using namespace quenk;
using namespace quenk::test;

namespace {

// The first and last black pixels of row y.
std::pair<int, int> InkSpan(const QImage& image, int y) {
    int nFirst = -1, nLast = -1;
    for (int x = 0; x < image.width(); ++x)
        if (image.pixel(x, y) == qRgb(0, 0, 0)) {
            if (nFirst < 0) nFirst = x;
            nLast = x;
        }
    return {nFirst, nLast};
}

}  // namespace

// A 20 x 20 puzzle with both depths 5 at s = 12 is W = 307 pixels wide: at 3 mm a cell it
// measures 307 * 3 / 12 = 76.75 mm without its margins, whatever the screen's cell size.
TEST(Printing, OneCellIsTheCellSizeInMillimetres) {
    const CCrossword puzzle = BlankPuzzle(20, 20, 5, 5);
    for (int s : {12, 20}) {
        QImage page(2400, 2400, QImage::Format_RGB32);
        page.setDotsPerMeterX(int(600 / 0.0254));
        page.setDotsPerMeterY(int(600 / 0.0254));
        page.fill(Qt::white);
        QPainter painter(&page);
        PaintPage(painter, puzzle, CDrawOptions{s, true, false}, 3);
        painter.end();
        // The frame's outer lines, one pixel outside the outermost borders, are W - 1 picture
        // pixels apart.
        const CPixelSize size = CalcPixelSize(puzzle, s);
        const auto [nLeft, nRight] = InkSpan(page, page.height() / 2);
        const double dotsPerPixel = 3.0 * 600 * 5 / (s * 127.0);
        EXPECT_NEAR(nRight - nLeft, (size.nWidth - 1) * dotsPerPixel, dotsPerPixel + 1) << s;
        EXPECT_NEAR(nLeft, 15 * dotsPerPixel, dotsPerPixel + 1) << s;
        if (s == 12) {
            EXPECT_NEAR((nRight - nLeft) / 600.0 * 25.4, 76.5, 0.3);
        }
    }
}

// Print through the print dialog into a PDF file: one page; a printer that cannot be written
// to is reported.
TEST(Printing, ThePrintCommandWritesAPdf) {
    CProgram p;
    CMessageRecorder messages;
    ASSERT_TRUE(p.Open(WriteSmallPuzzle(p.File("small.jcc"))));
    const QString strPdf = QString::fromStdString(p.File("small.pdf"));
    p.Frame().Printer().setOutputFormat(QPrinter::PdfFormat);
    p.Frame().Printer().setOutputFileName(strPdf);
    AnswerDialog({});
    ASSERT_TRUE(p.Command(ID_FILE_PRINT));
    QFile pdf(strPdf);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r"), 1);
    EXPECT_TRUE(messages.Requests().empty());

    p.Frame().Printer().setOutputFileName(QString::fromStdString(p.File("missing/small.pdf")));
    EXPECT_FALSE(p.Frame().PrintTo(p.Frame().Printer()));
    EXPECT_EQ(messages.Ids(), std::vector<unsigned>{IDS_FW_PRINT_FAILED});
}
