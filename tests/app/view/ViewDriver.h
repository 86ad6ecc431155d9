#pragma once
// The real program offscreen with a puzzle open, driven through its view as a user would:
// mouse presses, drags and releases on named cells and slots, keys typed at the view.
#include <QScrollBar>
#include <functional>
#include <memory>
#include <set>
#include <utility>

#include "app/AppTestSupport.h"
#include "doc/PuzzleIo.h"
#include "platform/QSettingsStore.h"
#include "view/QuenkView.h"
#include "view/SmallPict.h"

namespace quenk::test {

using CellSet = std::set<std::pair<int, int>>;  // (column, row)

inline constexpr COLORREF DRIVER_PALETTE[MAX_COLORS] = {COLOR_WHITE, 0, MakeRGB(200, 0, 0), MakeRGB(0, 0, 200)};

// A blank puzzle in four colours (no numbers at all pass the check: it opens for solving).
inline CCrossword Blank(int nCols, int nRows, int nLeft, int nTop) {
    return CCrossword(nCols, nRows, nLeft, nTop, 4, DRIVER_PALETTE);
}

// The numbers of a picture (rows of cells) over an empty grid: opens for solving.
inline CCrossword NumbersOf(const std::vector<std::vector<std::uint8_t>>& rows) {
    CCrossword c = Blank(int(rows[0].size()), int(rows.size()), 0, 0);
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t col = 0; col < rows[r].size(); ++col) c.SetCell(int(r), int(col), rows[r][col]);
    c.ComputeNumbers();
    for (auto& cell : c.Cells()) cell = CELL_EMPTY;
    return c;
}

class CViewDriver {
public:
    // Starts the program with the settings adjusted, saves puzzle and opens it; bEdit then
    // switches to editing mode.
    CViewDriver(const CCrossword& puzzle, bool bEdit, const std::function<void(CSettings&)>& adjust = {})
        : m_program(adjust) {
        Open(puzzle);
        if (bEdit) m_program.Doc().OnStartEdit();
        m_program.Frame().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&m_program.Frame()));
        View().setFocus();
    }

    void Open(const CCrossword& puzzle) {
        std::string strName = std::to_string(++m_nFiles);
        strName.append(".jcc");
        const std::string strPath = m_program.File(strName);
        SavePuzzle(puzzle, strPath, {});
        ASSERT_TRUE(m_program.Open(strPath));
    }

    CProgram& Program() { return m_program; }
    CQuenkDoc& Doc() { return m_program.Doc(); }
    CQuenkView& View() { return *m_program.App().View(); }
    const CCrossword& Puzzle() { return *m_program.Doc().Crossword(); }
    CSettings& Settings() { return m_program.App().Settings(); }
    int S() { return Settings().m_nCellSize; }
    // The settings as the program's file holds them now.
    CSettings Stored() {
        CQSettingsStore store(m_program.App().Store().FileName());
        CSettings settings;
        settings.LoadSettings(store);
        return settings;
    }

    // Client point in the middle of a slot or cell; off the grid by (dx, dy) cells.
    QPoint At(int nArea, int i, int j, int dx = 0, int dy = 0) {
        int x0 = 0, y0 = 0;
        EXPECT_TRUE(GetCellOrigin(Puzzle(), S(), nArea, i, j, x0, y0)) << nArea << ' ' << i << ' ' << j;
        const CPoint client = View().LogicalToClient({x0 + S() / 2 + dx * S(), y0 + S() / 2 + dy * S()});
        return {client.x, client.y};
    }
    QPoint Cell(int i, int j) { return At(AREA_GRID, i, j); }

    void Press(Qt::MouseButton button, QPoint pos) { QTest::mousePress(View().viewport(), button, {}, pos); }
    void Move(QPoint pos) { QTest::mouseMove(View().viewport(), pos); }
    void Release(Qt::MouseButton button, QPoint pos) { QTest::mouseRelease(View().viewport(), button, {}, pos); }
    // Press on the first point, move through the others, release on the last.
    void Drag(Qt::MouseButton button, std::initializer_list<QPoint> path) {
        Press(button, *path.begin());
        for (QPoint pos : path) Move(pos);
        Release(button, *(path.end() - 1));
    }

    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) { QTest::keyClick(&View(), key, modifiers); }
    // A key held down: one key-down message with a repeat count.
    void RepeatKey(Qt::Key key, int nCount, Qt::KeyboardModifiers modifiers = {}) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers, QString(), true, quint16(nCount));
        QApplication::sendEvent(&View(), &event);
    }
    void Type(const char* pszKeys) { QTest::keyClicks(&View(), QString::fromLatin1(pszKeys)); }

    // Cells of the grid holding value v.
    CellSet CellsOf(std::uint8_t v) {
        CellSet cells;
        for (int x = 0; x < Puzzle().m_nWidth; ++x)
            for (int y = 0; y < Puzzle().m_nHeight; ++y)
                if (Puzzle().GetCell(y, x) == v) cells.emplace(x, y);
        return cells;
    }
    NUMBERCELL Top(int nColumn, int nSlot) { return Puzzle().m_pTopNumbers[size_t(nColumn)][size_t(nSlot)]; }
    NUMBERCELL Left(int nSlot, int nRow) { return Puzzle().m_pLeftNumbers[size_t(nRow)][size_t(nSlot)]; }

    // What the window shows in the middle of a cell, and what the preview shows for it.
    QRgb Shown(int nArea, int i, int j) { return View().viewport()->grab().toImage().pixel(At(nArea, i, j)); }
    QRgb Previewed(int x, int y) {
        const int p = Settings().m_nPreviewCellSize;
        return View().Preview().grab().toImage().pixel(x * p + p / 2, y * p + p / 2);
    }

private:
    CProgram m_program;
    int m_nFiles = 0;
};

}  // namespace quenk::test
