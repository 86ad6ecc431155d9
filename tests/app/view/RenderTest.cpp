#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QImage>
#include <QPainter>
#include <QSettings>
#include <QSvgRenderer>
#include <cstdlib>

#include "app/view/ViewTestSupport.h"
#include "formats/FormatDispatch.h"
#include "support/TempDir.h"
#include "view/DrawingPainter.h"
#include "view/SheetExport.h"
#include "view/ViewGeometry.h"

using namespace quenk;
using namespace quenk::test;

namespace {

// quenk --render ARGS with no platform chosen and the stored settings in their usual place under
// dir; the exit code.
int Render(const CTempDir& dir, const std::string& strArgs, std::string* pErr = nullptr) {
    const std::string strCommand = "env -u QT_QPA_PLATFORM -u QUENK_SETTINGS_FILE XDG_CONFIG_HOME='" +
                                   dir.File("config") + "' '" + QUENK_APP_PATH + "' --render " + strArgs + " 2>'" +
                                   dir.File("err") + "'";
    const int nStatus = std::system(strCommand.c_str());
    if (pErr) *pErr = ReadText(dir.File("err"));
    return WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : -1;
}

std::string Quoted(const std::string& str) { return "'" + str + "'"; }

}  // namespace

// The drawing at the stored cell size or the one given, of the puzzle as the program opens
// it: faulty numbers lose its crosses. What the drawing holds is the drawing's (tested there).
TEST(Render, WritesTheDrawingAndEachFailureHasItsExitCode) {
    const CTempDir dir;
    QSettings(QString::fromStdString(dir.File("config/Ostrel/Quenk Crosswords.ini")), QSettings::IniFormat)
        .setValue("Settings/Options1", QByteArray("\0\1\1\x14\3\3\1\1\1", 9));  // cell size 20
    const std::string strIn = Quoted(dir.File("p.jcc")), strOut = Quoted(dir.File("p.png"));
    for (bool bFaulty : {false, true}) {
        auto p = MakePuzzle(2, 1, 1, 1);
        p->SetCell(0, 0, 1);
        p->SetCell(0, 1, CELL_CROSS);
        p->m_pLeftNumbers[0][0] = p->m_pTopNumbers[0][0] = {1, 1};
        if (bFaulty) p->m_pTopNumbers[1][0] = {100, 1};
        SaveCrossword(*p, dir.File("p.jcc"));
        for (int s : {20, 12}) {
            std::string strErr;
            ASSERT_EQ(Render(dir, strIn + " " + strOut + (s == 12 ? " --cell 12" : ""), &strErr), 0) << strErr;
            const QImage png(QString::fromStdString(dir.File("p.png")));
            EXPECT_EQ(png.size(), QSize(GetDrawingSize(*p, s).nWidth, GetDrawingSize(*p, s).nHeight));
            int x0 = 0, y0 = 0;
            ASSERT_TRUE(GetCellOrigin(*p, s, AREA_GRID, 1, 0, x0, y0));
            EXPECT_EQ(png.pixel(x0 + 3, y0 + 3), bFaulty ? 0xFFFFFFFF : 0xFF000000) << s;
        }
    }
    const std::string strMissing = dir.File("missing.jcc");
    std::string strErr;
    EXPECT_EQ(Render(dir, Quoted(strMissing) + " " + strOut, &strErr), 3);
    EXPECT_NE(strErr.find(LoadStatusMessage(ELoadStatus::STATUS_FILE_ERROR)), std::string::npos) << strErr;
    for (const std::string strArgs : {"", "--cell 9", "--cell 256", "--cell 12x", "extra", "--zoom 2"})
        EXPECT_EQ(Render(dir, strIn + (strArgs.empty() ? "" : " " + strOut + " " + strArgs)), 2) << strArgs;
    EXPECT_EQ(Render(dir, strIn + " " + Quoted(dir.File("p.gif"))), 2);
    EXPECT_EQ(Render(dir, strIn + " " + Quoted(dir.File("no/such/dir/q.png"))), 4);
}

// The same drawing as an SVG (read back by Qt's renderer) and as a one-page PDF, with the
// cells or blank.
TEST(Render, WritesSvgAndPdfByTheExtension) {
    const CTempDir dir;
    auto p = MakePuzzle(3, 2, 1, 1);
    p->SetCell(0, 0, 1);
    p->SetCell(1, 2, CELL_CROSS);
    p->m_pLeftNumbers[0][0] = p->m_pTopNumbers[0][0] = {1, 1};
    SaveCrossword(*p, dir.File("p.jcc"));
    CDrawOptions options;
    options.nCellSize = 16;
    for (bool bBlank : {false, true}) {
        const std::string strArgs = Quoted(dir.File("p.jcc")) + " --cell 16" + (bBlank ? " --blank " : " ");
        ASSERT_EQ(Render(dir, strArgs + Quoted(dir.File("p.svg"))), 0);
        ASSERT_EQ(Render(dir, strArgs + Quoted(dir.File("p.pdf"))), 0);
        const QImage expected = RenderDrawing(bBlank ? BlankSheet(*p) : *p, options);
        QSvgRenderer svg(QString::fromStdString(dir.File("p.svg")));
        QImage drawn(expected.size(), QImage::Format_RGB32);
        QPainter painter(&drawn);
        svg.render(&painter, QRectF(QPointF(0, 0), QSizeF(expected.size())));
        painter.end();
        EXPECT_EQ(drawn, expected) << bBlank;
        EXPECT_EQ(ReadText(dir.File("p.pdf")).rfind("%PDF-", 0), 0u);
    }
}
