#include "app/AppTestSupport.h"

#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <QPainter>
#include "doc/PuzzleIo.h"
#include "platform/NumberEdit.h"
#include "support/Puzzles.h"
#include "view/DrawingPainter.h"
#include "view/QuenkView.h"

namespace quenk::test {

void SetField(QWidget& dialog, const char* pszName, const QString& strText) {
    auto* pEdit = dialog.findChild<CNumberEdit*>(QString::fromLatin1(pszName));
    ASSERT_NE(pEdit, nullptr) << pszName;
    pEdit->Edit()->selectAll();
    QTest::keyClicks(pEdit->Edit(), strText);
    ASSERT_EQ(pEdit->Text(), strText);
}

void FillCreateDialog(QWidget& create, int nWidth, int nHeight, int nLeft, int nTop) {
    SetField(create, "width", QString::number(nWidth));
    SetField(create, "height", QString::number(nHeight));
    SetField(create, "leftDepth", QString::number(nLeft));
    SetField(create, "topDepth", QString::number(nTop));
}

void WhenModal(std::function<void(QWidget&)> action) {
    auto* pTimer = new QTimer(qApp);
    QElapsedTimer clock;
    clock.start();
    pTimer->setInterval(5);
    QObject::connect(pTimer, &QTimer::timeout, pTimer, [pTimer, clock, action] {
        QWidget* pModal = QApplication::activeModalWidget();
        const bool bShown = pModal && pModal->isVisible();
        if (!bShown && clock.elapsed() < 2000) return;
        pTimer->stop();
        pTimer->deleteLater();
        if (bShown) action(*pModal);
    });
    pTimer->start();
}

namespace {

// Presses OK, or Cancel, of a dialog with a button box.
void FinishDialog(QWidget& dialog, bool bCancel) {
    auto* pBox = dialog.findChild<QDialogButtonBox*>();
    ASSERT_NE(pBox, nullptr);
    for (QAbstractButton* pButton : pBox->buttons())
        if (pBox->buttonRole(pButton) == (bCancel ? QDialogButtonBox::RejectRole : QDialogButtonBox::AcceptRole))
            pButton->click();
}

}  // namespace

std::shared_ptr<int> AnswerDialog(std::function<void(QWidget&)> adjust, bool bCancel) {
    auto pAnswered = std::make_shared<int>(0);
    WhenModal([=](QWidget& dialog) {
        ++*pAnswered;
        if (adjust) adjust(dialog);
        FinishDialog(dialog, bCancel);
    });
    return pAnswered;
}

std::shared_ptr<int> AnswerCreateDialog(int nWidth, int nHeight, int nLeft, int nTop, bool bCancel) {
    return AnswerDialog([=](QWidget& create) { FillCreateDialog(create, nWidth, nHeight, nLeft, nTop); }, bCancel);
}

std::shared_ptr<int> AnswerNewPuzzleDialogs(int nWidth, int nHeight, int nLeft, int nTop, bool bCancelCreate,
                                            bool bCancelPalette) {
    auto pAnswered = std::make_shared<int>(0);
    WhenModal([=](QWidget& create) {
        ++*pAnswered;
        FillCreateDialog(create, nWidth, nHeight, nLeft, nTop);
        if (!bCancelCreate)
            WhenModal([=](QWidget& palette) {
                ++*pAnswered;
                FinishDialog(palette, bCancelPalette);
            });
        FinishDialog(create, bCancelCreate);
    });
    return pAnswered;
}

CProgram::CProgram(const std::function<void(CSettings&)>& adjust, QStringList arguments) {
    const QString strSettings = QString::fromStdString(m_dir.File("settings.ini"));
    if (adjust) {
        CQSettingsStore store(strSettings);
        store.CreateContainer();
        CSettings settings;
        adjust(settings);
        EXPECT_TRUE(settings.SaveSettings(store));
    }
    m_pApp = std::make_unique<CQuenkApp>(strSettings);
    m_bStarted = m_pApp->InitInstance(arguments);
    Frame().activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&Frame()));
}

CProgram::~CProgram() = default;

void CProgram::Key(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    Frame().activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&Frame()));
    QTest::keyClick(&Frame().View(), key, modifiers);
}

bool CProgram::Command(unsigned nId) {
    QAction* pAction = Frame().Action(nId);
    if (!pAction || !pAction->isEnabled()) return false;
    pAction->trigger();
    return true;
}

void CProgram::Paint(int x0, int y0, int x1, int y1, std::uint8_t v) {
    std::vector<std::pair<int, int>> cells;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) cells.emplace_back(x, y);
    Doc().PaintCells(x0, y0, x1, y1, cells, v);
}

::testing::AssertionResult ShowsTheDrawing(CProgram& p) {
    CQuenkView& view = *p.App().View();
    const QImage shown = view.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const CCrossword* pPuzzle = p.Doc().Crossword();
    QImage drawing = pPuzzle ? RenderDrawing(*pPuzzle, view.DrawOptions()) : QImage();
    if (pPuzzle && drawing.isNull()) return ::testing::AssertionFailure() << "no drawing rendered";
    if (const std::optional<CSlotPos> caret = view.ShownCaret()) {
        int x0 = 0, y0 = 0;
        const int s = view.DrawOptions().nCellSize;
        if (GetCellOrigin(*pPuzzle, s, caret->nArea, caret->i, caret->j, x0, y0)) {
            QImage block = drawing.copy(x0, y0, s + 1, s + 1);
            block.invertPixels();
            QPainter(&drawing).drawImage(x0, y0, block);
        }
    }
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            const CPoint at = view.ClientToLogical({x, y});
            const QRgb expected = drawing.valid(at.x, at.y) ? drawing.pixel(at.x, at.y) : qRgb(255, 255, 255);
            if (shown.pixel(x, y) != expected)
                return ::testing::AssertionFailure()
                       << "window pixel " << x << "," << y << " (drawing " << at.x << "," << at.y << ") is " << std::hex
                       << shown.pixel(x, y) << ", not " << expected;
        }
    return ::testing::AssertionSuccess();
}

std::string WritePuzzle(const std::string& strPath, const CCrossword& puzzle) {
    SavePuzzle(puzzle, strPath, {});
    return strPath;
}

std::string WriteJcc(const std::string& strPath, int nWidth, int nHeight, int nLeft, int nTop, int nColors,
                     const std::function<void(std::vector<std::uint8_t>&, std::vector<std::uint8_t>&,
                                              std::vector<std::uint8_t>&, std::vector<std::uint8_t>&)>& fill) {
    std::vector<std::uint8_t> head = {'Q', 'U', 'E', 'N', 'K', std::uint8_t(nColors)};
    for (COLORREF c : TestPalette())
        for (int b = 0; b < 4; ++b) head.push_back(std::uint8_t(c >> (8 * b)));
    head.insert(head.end(), {std::uint8_t(nWidth), std::uint8_t(nHeight), std::uint8_t(nLeft), std::uint8_t(nTop), 0});
    std::vector<std::uint8_t> top(size_t(2 * nWidth * nTop)), left(size_t(2 * nHeight * nLeft)),
        cells(size_t(nWidth * nHeight));
    if (fill) fill(head, top, left, cells);
    std::vector<unsigned char> bytes(head.begin(), head.end());
    for (const auto* pPart : {&top, &left, &cells}) bytes.insert(bytes.end(), pPart->begin(), pPart->end());
    WriteBytes(strPath, bytes);
    return strPath;
}

std::string WriteSmallPuzzle(const std::string& strPath, bool bFaulty) {
    return WriteJcc(strPath, 2, 2, 1, 1, 2, [bFaulty](auto&, auto& top, auto& left, auto& cells) {
        top = {0x81, 1, 1, 1};  // column 0: 1 (crossed out), column 1: 1
        left = {1, 1, std::uint8_t(bFaulty ? 2 : 1), 1};
        cells = {1, 255, 0, 1};
    });
}

}  // namespace quenk::test
