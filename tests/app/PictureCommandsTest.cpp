// Pictures beyond bitmaps through the real commands: a PNG made by ImageMagick imports as
// the bitmap it was made from, transparency is background, a picture of many colours is
// reduced as the user chooses; the puzzle sheet is exported as PNG, SVG and PDF, the SVG
// read back by Qt's own renderer.
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QSvgRenderer>

#include "app/AppTestSupport.h"
#include "formats/BmpExport.h"
#include "platform/UiStrings.h"
#include "support/Puzzles.h"
#include "text/StringIds.h"
#include "view/DrawingPainter.h"
#include "view/QuenkView.h"
#include "view/SheetExport.h"

using namespace quenk;
using namespace quenk::test;

namespace {

const char* const IMAGEMAGICK_CONVERT = "/usr/bin/convert";

std::vector<COLORREF> CellColours(const CCrossword& c) {
    std::vector<COLORREF> colours;
    for (std::uint8_t v : c.Cells()) colours.push_back(c.GetCellColor(v));
    return colours;
}

CCrossword Import(CProgram& p, CFileDialogAnswers& files, const std::string& strPath) {
    files.Answer(strPath);
    p.Command(ID_FILE_IMPORT_BMP);
    return *p.Doc().Crossword();
}

QImage RenderSvg(const std::string& strPath, QSize size) {
    QSvgRenderer renderer(QString::fromStdString(strPath));
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

}  // namespace

TEST(PictureCommands, PngImportsLikeTheBitmapItWasMadeFrom) {
    CProgram p([](CSettings& s) { s.m_nImportCellSize = 2; });
    p.App().Settings().m_bAskToSave = false;
    CMessageRecorder messages;
    CFileDialogAnswers files;
    const CCrossword source = PuzzleFromPicture({".11.22", "..3.2.", "111..."}, 4, true);
    ExportBmp(source, p.File("pic.bmp"), 2);
    const CCrossword fromBitmap = Import(p, files, p.File("pic.bmp"));
    ASSERT_EQ(CellColours(fromBitmap), CellColours(source));
    const CFileDialogRequest& request = files.Requests()[0];
    EXPECT_TRUE(request.filters[0].contains("*.png")) << request.filters[0].toStdString();
    EXPECT_EQ(request.filters.mid(1), (QStringList{QString::fromUtf8("Точечные рисунки (*.bmp) (*.bmp)"),
                                                   QString::fromUtf8("Все файлы (*.*) (*)")}));

    if (QFile::exists(IMAGEMAGICK_CONVERT)) {
        for (const char* pszFormat : {"png", "gif"}) {
            const std::string strOut = p.File(std::string("magick.") + pszFormat);
            ASSERT_EQ(QProcess::execute(IMAGEMAGICK_CONVERT,
                                        {QString::fromStdString(p.File("pic.bmp")), QString::fromStdString(strOut)}),
                      0);
            EXPECT_EQ(Import(p, files, strOut), fromBitmap) << pszFormat;
        }
    } else {
        std::printf("ImageMagick's %s is absent: only Qt's own PNG checked\n", IMAGEMAGICK_CONVERT);
    }
    // Qt's PNG with transparent pixels: those are background.
    QImage image(12, 6, QImage::Format_ARGB32);
    image.fill(qRgba(0, 0, 0, 0));
    for (int y = 0; y < 2; ++y)
        for (int x = 2; x < 4; ++x) image.setPixel(x, y, qRgb(200, 10, 10));
    ASSERT_TRUE(image.save(QString::fromStdString(p.File("alpha.png"))));
    const CCrossword alpha = Import(p, files, p.File("alpha.png"));
    EXPECT_EQ(alpha.m_nWidth, 6);
    EXPECT_EQ(alpha.m_nColors, 2);
    EXPECT_EQ(alpha.m_crColors[0], COLOR_WHITE);
    EXPECT_EQ(alpha.m_crColors[1], MakeRGB(200, 10, 10));
    EXPECT_EQ(alpha.GetCell(0, 1), 1);
    EXPECT_TRUE(messages.Requests().empty());

    // Refused before decoding, and a file no reader takes: nothing changes.
    QImage(13, 6, QImage::Format_RGB32).save(QString::fromStdString(p.File("odd.png")));
    WriteText(p.File("text.png"), "not a picture");
    const struct {
        std::string strPath;
        unsigned nId;
    } refusals[] = {{p.File("odd.png"), IDS_BMP_CELL_MISMATCH}, {p.File("text.png"), IDS_FW_FAILED_TO_OPEN}};
    for (const auto& r : refusals) {
        messages.Clear();
        Import(p, files, r.strPath);
        EXPECT_EQ(messages.Ids(), std::vector<unsigned>{r.nId}) << r.strPath;
        EXPECT_EQ(*p.Doc().Crossword(), alpha);
    }
}

TEST(PictureCommands, ManyColoursAreReducedToTheNumberChosen) {
    CProgram p([](CSettings& s) { s.m_nImportCellSize = 1; });
    p.App().Settings().m_bAskToSave = false;
    CMessageRecorder messages;
    CFileDialogAnswers files;
    // Two flat colours with a band of shades between: 40 colours in all.
    QImage image(40, 4, QImage::Format_RGB32);
    for (int x = 0; x < 40; ++x)
        for (int y = 0; y < 4; ++y)
            image.setPixel(x, y, x < 10 ? qRgb(0, 0, 0) : x >= 30 ? qRgb(255, 255, 255) : qRgb(x * 6, 0, 255 - x * 6));
    ASSERT_TRUE(image.save(QString::fromStdString(p.File("shades.png"))));

    // Cancelled: nothing is imported.
    auto pAnswered = AnswerDialog({}, true);
    files.Answer(p.File("shades.png"));
    p.Command(ID_FILE_IMPORT_BMP);
    EXPECT_EQ(*pAnswered, 1);
    EXPECT_FALSE(p.Doc().HasPuzzle());

    pAnswered = AnswerDialog([](QWidget& dialog) {
        dialog.findChild<QSpinBox*>("colors")->setValue(3);
        EXPECT_FALSE(dialog.findChild<QLabel*>("preview")->pixmap().isNull());
    });
    const CCrossword reduced = Import(p, files, p.File("shades.png"));
    EXPECT_EQ(*pAnswered, 1);
    ASSERT_EQ(reduced.m_nColors, 3);
    EXPECT_EQ(reduced.m_crColors[0], COLOR_WHITE);
    EXPECT_EQ(reduced.GetCell(0, 0), reduced.GetCell(3, 9));  // the black part is one colour
    EXPECT_NE(reduced.GetCell(0, 0), 0);
    EXPECT_EQ(reduced.GetCell(0, 39), 0);  // the white part is background
    EXPECT_TRUE(messages.Requests().empty());
}

TEST(PictureCommands, SheetIsExportedBlankOrWithItsCellsInEachFormat) {
    CProgram p;
    CMessageRecorder messages;
    CFileDialogAnswers files;
    CCrossword puzzle = PuzzleFromPicture({"12.3", "x21."}, 4, true);
    ASSERT_TRUE(p.Open(WritePuzzle(p.File("sheet.jcc"), puzzle)));
    const CDrawOptions options = p.Frame().findChild<CQuenkView*>()->DrawOptions();
    const QImage withCells = RenderDrawing(*p.Doc().Crossword(), options);
    const QImage blank = RenderDrawing(BlankSheet(*p.Doc().Crossword()), options);
    ASSERT_NE(withCells, blank);

    const auto Export = [&](const std::string& strName, bool bBlank) {
        AnswerDialog([bBlank](QWidget& dialog) {
            dialog.findChild<QRadioButton*>(bBlank ? "blank" : "cells")->setChecked(true);
        });
        files.Answer(p.File(strName));
        p.Command(ID_FILE_EXPORT_SHEET);
    };
    Export("cells.png", false);
    EXPECT_EQ(QImage(QString::fromStdString(p.File("cells.png"))).convertToFormat(QImage::Format_RGB32), withCells);
    EXPECT_EQ(files.Requests()[0].strProposedName, QString::fromStdString(p.File("sheet.png")));
    EXPECT_EQ(files.Requests()[0].filters.size(), 3);

    Export("blank.svg", true);
    EXPECT_EQ(RenderSvg(p.File("blank.svg"), blank.size()), blank);
    Export("cells.svg", false);
    EXPECT_EQ(RenderSvg(p.File("cells.svg"), withCells.size()), withCells);
    // The last format is offered again.
    EXPECT_EQ(files.Requests().back().strProposedName, QString::fromStdString(p.File("sheet.svg")));
    EXPECT_EQ(files.Requests().back().nInitialFilter, 1);

    // One page of the drawing's size, one drawing pixel a 96th of an inch.
    Export("cells.pdf", false);
    QFile pdfFile(QString::fromStdString(p.File("cells.pdf")));
    ASSERT_TRUE(pdfFile.open(QIODevice::ReadOnly));
    const QByteArray pdf = pdfFile.readAll();
    ASSERT_TRUE(pdf.startsWith("%PDF-"));
    const QRegularExpressionMatch box = QRegularExpression(R"(/MediaBox \[0 0 ([\d.]+) ([\d.]+)\])").match(pdf);
    ASSERT_TRUE(box.hasMatch());
    EXPECT_NEAR(box.captured(1).toDouble(), withCells.width() * 0.75, 0.5);
    EXPECT_NEAR(box.captured(2).toDouble(), withCells.height() * 0.75, 0.5);
    EXPECT_EQ(pdf.count("/Type /Page") - pdf.count("/Type /Pages"), 1);
    EXPECT_TRUE(messages.Requests().empty());

    // Another extension, or a folder that is not there: the save failure, no file.
    Export("sheet.txt", false);
    Export("missing/sheet.png", false);
    EXPECT_EQ(messages.Ids(), (std::vector<unsigned>{IDS_FW_FAILED_TO_SAVE, IDS_FW_FAILED_TO_SAVE}));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(p.File("sheet.txt"))));
}
