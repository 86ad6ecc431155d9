#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QImage>
#include <QSettings>
#include <cstdlib>

#include "app/view/ViewTestSupport.h"
#include "formats/FormatDispatch.h"
#include "support/TempDir.h"
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

TEST(Render, WritesTheDrawingAtTheStoredOrGivenCellSize) {
    const CTempDir dir;
    QSettings(QString::fromStdString(dir.File("config/Ostrel/Quenk Crosswords.ini")), QSettings::IniFormat)
        .setValue("Settings/Options1", QByteArray("\0\1\1\x14\3\3\1\1\1", 9));  // cell size 20
    const std::string strSample = std::string(QUENK_RESOURCES_DIR) + "/samples/heart.jcc";
    const CCrossword sample = *LoadCrossword(strSample).crossword;
    const int L = sample.m_nLeftDepth, T = sample.m_nTopDepth, nCols = sample.m_nWidth, nRows = sample.m_nHeight;
    for (int s : {20, 12}) {
        const std::string strOut = dir.File("out.png");
        std::string strErr;
        ASSERT_EQ(Render(dir, Quoted(strSample) + " " + Quoted(strOut) + (s == 12 ? " --cell 12" : ""), &strErr), 0)
            << strErr;
        const QImage png(QString::fromStdString(strOut));
        EXPECT_EQ(png.size(), QSize((L + nCols) * s + (nCols - 1) / 5 + 34, (T + nRows) * s + (nRows - 1) / 5 + 34));
        EXPECT_EQ(png.pixel(0, 0), 0xFFFFFFFF);
        EXPECT_EQ(png.pixel(15, 15), 0xFF000000);
        EXPECT_EQ(png.pixel(png.width() - 16, png.height() - 16), 0xFF000000);
        int x0 = 0, y0 = 0;  // the last top slot of column 0 is filled in its number's colour
        ASSERT_TRUE(GetCellOrigin(sample, s, AREA_TOP, 0, T - 1, x0, y0));
        const COLORREF cr = sample.m_crColors[sample.m_pTopNumbers[0][size_t(T - 1)].color];
        EXPECT_EQ(png.pixel(x0 + 1, y0 + 1), qRgb(GetRValue(cr), GetGValue(cr), GetBValue(cr)));
    }
}

// Opened as the program opens it: a puzzle with faulty numbers loses its crosses.
TEST(Render, FaultyNumbersDropCrossesAndFailuresHaveTheirExitCodes) {
    const CTempDir dir;
    const std::string strIn = Quoted(dir.File("p.jcc")), strOut = Quoted(dir.File("p.png"));
    for (bool bFaulty : {false, true}) {
        auto p = MakePuzzle(2, 1, 1, 1);
        p->SetCell(0, 0, 1);
        p->SetCell(0, 1, CELL_CROSS);
        p->m_pLeftNumbers[0][0] = p->m_pTopNumbers[0][0] = {1, 1};
        if (bFaulty) p->m_pTopNumbers[1][0] = {100, 1};
        SaveCrossword(*p, dir.File("p.jcc"));
        ASSERT_EQ(Render(dir, strIn + " " + strOut + " --cell 12"), 0);
        int x0 = 0, y0 = 0;
        ASSERT_TRUE(GetCellOrigin(*p, 12, AREA_GRID, 1, 0, x0, y0));
        const QImage png(QString::fromStdString(dir.File("p.png")));
        EXPECT_EQ(png.pixel(x0 + 3, y0 + 3), bFaulty ? 0xFFFFFFFF : 0xFF000000);
    }
    const std::string strMissing = dir.File("missing.jcc");
    std::string strErr;
    EXPECT_EQ(Render(dir, Quoted(strMissing) + " " + strOut, &strErr), 3);
    EXPECT_NE(strErr.find(LoadStatusMessage(ELoadStatus::STATUS_FILE_ERROR)), std::string::npos) << strErr;
    for (const std::string strArgs : {"", "--cell 9", "--cell 256", "--cell 12x", "extra", "--zoom 2"})
        EXPECT_EQ(Render(dir, strIn + (strArgs.empty() ? "" : " " + strOut + " " + strArgs)), 2) << strArgs;
    EXPECT_EQ(Render(dir, strIn + " " + Quoted(dir.File("no/such/dir/q.png"))), 4);
}
