// The desktop window measured offscreen through the program's own surface (the application,
// its window and view, keys and mouse): opening and first paint of a 255 x 255 puzzle with
// numbers 120 deep, a stroke's repaint, a zoom step, a full repaint of the window, and the
// resident memory after opening at several cell sizes.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPaintEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "formats/FormatDispatch.h"
#include "model/Crossword.h"
#include "shell/MainFrame.h"
#include "shell/QuenkApp.h"
#include "view/QuenkView.h"

using namespace quenk;

namespace {

constexpr int WINDOW_WIDTH = 1280, WINDOW_HEIGHT = 960;

QTemporaryDir& Folder() {
    static QTemporaryDir dir;
    return dir;
}

QString PathIn(const QString& strName) { return Folder().filePath(strName); }

// A line of n cells with k one-cell blocks one cell apart, the cells left over doubling
// blocks spread along the line (needs 2k - 1 <= n <= 3k - 1).
std::vector<bool> Pattern(int n, int k) {
    std::vector<bool> line;
    const int nDoubled = n - (2 * k - 1);
    for (int b = 0; b < k; ++b) {
        line.push_back(true);
        if ((b * nDoubled) / k != ((b + 1) * nDoubled) / k) line.push_back(true);
        if (b + 1 < k) line.push_back(false);
    }
    return line;
}

// The shape the benchmarks aim their clicks by.
struct CShape {
    int nCols, nRows, nLeft, nTop;
};

// A one-colour n x n puzzle whose every row and column has up to k blocks: cell (x, y) is
// a[x] xor b[y], so each line is the pattern or its complement. Written twice, so that
// consecutive opens never read the file just written.
CShape WritePuzzles(int n, int k, const QString& strName) {
    std::array<COLORREF, MAX_COLORS> palette{};
    palette[0] = COLOR_WHITE;
    CCrossword puzzle(n, n, 0, 0, 2, palette.data());
    const std::vector<bool> a = Pattern(n, k), b = Pattern(n, k);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) puzzle.SetCell(y, x, a[size_t(x)] != b[size_t(y)] ? 1 : 0);
    puzzle.ComputeNumbers();
    for (const char* pszCopy : {"-a.jcc", "-b.jcc"})
        SaveCrossword(puzzle, PathIn(strName + QLatin1String(pszCopy)).toStdString());
    return {puzzle.m_nWidth, puzzle.m_nHeight, puzzle.m_nLeftDepth, puzzle.m_nTopDepth};
}

const CShape& LargePuzzle() {
    static const CShape shape = WritePuzzles(255, 120, QStringLiteral("large"));
    return shape;
}
const CShape& SmallPuzzle() {
    static const CShape shape = WritePuzzles(10, 4, QStringLiteral("small"));
    return shape;
}
QString LargeFile(int nCopy = 0) { return PathIn(nCopy % 2 ? "large-b.jcc" : "large-a.jcc"); }
QString SmallFile() { return PathIn("small-a.jcc"); }

double ResidentMb() {
    long nPages = 0, nResident = 0;
    if (FILE* pFile = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(pFile, "%ld %ld", &nPages, &nResident) != 2) nResident = 0;
        std::fclose(pFile);
    }
    return double(nResident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// What the timed part of a benchmark spent: the actions (an open, mouse events, a key) and
// the event loop's turns after them, which deliver the paints; the paint events the view's
// window received and the pixels they covered.
class CMeter : public QObject {
public:
    // Watches every widget, so the paints of the rest of the window (status bar, toolbars)
    // are counted apart from the view's.
    explicit CMeter(QWidget* pWindow) : m_pWindow(pWindow) { qApp->installEventFilter(this); }
    ~CMeter() override { qApp->removeEventFilter(this); }

    bool m_bOn = false;
    std::int64_t m_nActionNs = 0;
    std::int64_t m_nSettleNs = 0;
    std::int64_t m_nPaints = 0;
    std::int64_t m_nPixels = 0;
    std::int64_t m_nOtherPaints = 0;

    // Per iteration, times in unit (1e6 for milliseconds, 1e3 for microseconds).
    void Report(benchmark::State& state, double unit, const char* pszUnit) const {
        const double n = double(std::max<std::int64_t>(1, state.iterations()));
        state.counters[std::string("action_") + pszUnit] = double(m_nActionNs) / n / unit;
        state.counters[std::string("paint_") + pszUnit] = double(m_nSettleNs) / n / unit;
        state.counters["paints"] = double(m_nPaints) / n;
        state.counters["painted_kpx"] = double(m_nPixels) / n / 1000.0;
        state.counters["other_paints"] = double(m_nOtherPaints) / n;
    }

protected:
    bool eventFilter(QObject* pObject, QEvent* pEvent) override {
        if (!m_bOn || pEvent->type() != QEvent::Paint) return false;
        if (pObject != m_pWindow) {
            ++m_nOtherPaints;
            return false;
        }
        ++m_nPaints;
        for (const QRect& rect : static_cast<QPaintEvent*>(pEvent)->region())
            m_nPixels += std::int64_t(rect.width()) * rect.height();
        return false;
    }

private:
    QWidget* m_pWindow;
};

// The program started as a user would, with its own settings file, at a fixed window size.
class CSession {
public:
    explicit CSession(int nCellSize) {
        static int nSession = 0;
        const QString strSettings = PathIn(QStringLiteral("settings-%1.ini").arg(++nSession));
        QFile::remove(strSettings);
        m_pApp = std::make_unique<CQuenkApp>(strSettings);
        // Read from the new settings file; changed before start-up as the options would be.
        CSettings& settings = m_pApp->Settings();
        settings.m_nCellSize = std::uint8_t(nCellSize);
        // The window keeps its size, so every puzzle is painted into the same area.
        settings.m_bFitWindowOnOpen = false;
        // Strokes modify the puzzle; nobody is there to answer the question.
        settings.m_bAskToSave = false;
        m_bStarted = m_pApp->InitInstance({});
        MainFrame()->resize(WINDOW_WIDTH, WINDOW_HEIGHT);
        MainFrame()->activateWindow();
        m_bStarted = m_bStarted && QTest::qWaitForWindowActive(MainFrame());
        m_pMeter = std::make_unique<CMeter>(View()->viewport());
        Settle();
    }
    ~CSession() {
        m_pMeter.reset();
        m_pApp.reset();
        QCoreApplication::processEvents();
    }

    bool Started() const { return m_bStarted; }
    CMainFrame* MainFrame() const { return m_pApp->MainFrame(); }
    CQuenkView* View() const { return m_pApp->View(); }
    int CellSize() const { return m_pApp->Settings().m_nCellSize; }
    CMeter& Meter() { return *m_pMeter; }

    template <class F>
    auto Act(F&& action) {
        QElapsedTimer clock;
        clock.start();
        auto result = action();
        if (m_pMeter->m_bOn) m_pMeter->m_nActionNs += clock.nsecsElapsed();
        return result;
    }
    bool Open(const QString& strPath) {
        return Act([&] { return m_pApp->OpenDocumentFile(strPath); });
    }

    // Delivers what is pending (layout, resizes, the posted update request), so the window
    // paints what the last action made dirty, as the event loop would right after it.
    void Settle() {
        QElapsedTimer clock;
        clock.start();
        QCoreApplication::processEvents();
        if (m_pMeter->m_bOn) m_pMeter->m_nSettleNs += clock.nsecsElapsed();
    }

    // A paint of the whole view window now, whatever is dirty.
    void RepaintView() {
        Act([&] {
            View()->viewport()->repaint();
            return true;
        });
        Settle();
    }

    void ScrollTo(int x, int y) {
        View()->horizontalScrollBar()->setValue(x);
        View()->verticalScrollBar()->setValue(y);
        Settle();
    }
    void ScrollToEnd() { ScrollTo(View()->horizontalScrollBar()->maximum(), View()->verticalScrollBar()->maximum()); }

    // Where the centre of grid cell (x, y) is in the view's window, by the drawing's layout:
    // a 17-pixel margin, one pixel more after every five lines, the whole drawing W + 30 by
    // H + 30 and centred when it fits.
    QPoint CellCentre(const CShape& shape, int x, int y) const {
        const int s = CellSize();
        const int nWidth = (shape.nLeft + shape.nCols) * s + (shape.nCols - 1) / 5 + 34;
        const int nHeight = (shape.nTop + shape.nRows) * s + (shape.nRows - 1) / 5 + 34;
        const QSize client = View()->viewport()->size();
        const int dx = client.width() - nWidth, dy = client.height() - nHeight;
        const QPoint offset(dx >= 0 ? dx / 2 : 0, dy >= 0 ? dy / 2 : 0);
        const QPoint scroll(View()->horizontalScrollBar()->value(), View()->verticalScrollBar()->value());
        const QPoint picture(17 + (shape.nLeft + x) * s + x / 5 + s / 2, 17 + (shape.nTop + y) * s + y / 5 + s / 2);
        return offset + picture - scroll;
    }

    // A stroke along a row from cell (x0, y) to (x1, y): press, a move per cell, release,
    // the window settling after each, as a hand's drag gives the event loop time to paint.
    void Stroke(const CShape& shape, int x0, int x1, int y, Qt::MouseButton button) {
        QWidget* pWindow = View()->viewport();
        const QPoint first = CellCentre(shape, x0, y), last = CellCentre(shape, x1, y);
        Act([&] {
            QTest::mousePress(pWindow, button, Qt::NoModifier, first);
            return true;
        });
        Settle();
        for (int x = x0 + 1; x <= x1; ++x) {
            const QPoint point = CellCentre(shape, x, y);
            Act([&] {
                QTest::mouseMove(pWindow, point);
                return true;
            });
            Settle();
        }
        Act([&] {
            QTest::mouseRelease(pWindow, button, Qt::NoModifier, last);
            return true;
        });
        Settle();
    }

    void Zoom(bool bIn) {
        Act([&] {
            QTest::keyClick(View(), bIn ? Qt::Key_Plus : Qt::Key_Minus, Qt::KeypadModifier);
            return true;
        });
        Settle();
    }

    // The window's pixels as painted now (for comparing before and after an action).
    QImage GrabView() const {
        QImage image(View()->viewport()->size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        View()->viewport()->render(&image);
        return image;
    }

private:
    std::unique_ptr<CQuenkApp> m_pApp;
    std::unique_ptr<CMeter> m_pMeter;
    bool m_bStarted = false;
};

// What the view's window shows, rendered over a colour the program never paints: the share
// of pixels left unpainted, and whether everything painted is one colour (no puzzle shown).
struct CViewShot {
    double unpaintedPct = 0;
    bool bBlank = true;
};
CViewShot ShootView(const CSession& session) {
    constexpr QRgb UNPAINTED = qRgb(1, 254, 3);
    QImage image(session.View()->viewport()->size(), QImage::Format_RGB32);
    image.fill(UNPAINTED);
    session.View()->viewport()->render(&image);
    std::int64_t nUnpainted = 0;
    std::optional<QRgb> painted;
    CViewShot shot;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (pixel == UNPAINTED)
                ++nUnpainted;
            else if (!painted)
                painted = pixel;
            else if (pixel != *painted)
                shot.bBlank = false;
        }
    shot.unpaintedPct = 100.0 * double(nUnpainted) / double(std::max<qsizetype>(1, image.width() * image.height()));
    return shot;
}

// Open plus the first paint: the open runs what a user's Open runs (read, check, build
// what the window needs), then the event loop's turn paints whatever became dirty.
void BM_OpenAndPaint(benchmark::State& state) {
    const CShape& shape = LargePuzzle();
    CSession session(12);
    if (!session.Started()) return state.SkipWithError("the program did not start");
    int nCopy = 0;
    session.Meter().m_bOn = true;
    for (auto _ : state) {
        if (!session.Open(LargeFile(++nCopy))) return state.SkipWithError("open failed");
        session.Settle();
    }
    session.Meter().Report(state, 1e6, "ms");
    state.counters["depth"] = shape.nLeft;
    state.counters["viewport_w"] = session.View()->viewport()->width();
    state.counters["viewport_h"] = session.View()->viewport()->height();
}
BENCHMARK(BM_OpenAndPaint)->Unit(benchmark::kMillisecond);

// A whole repaint of the view's window, forced, at the top-left as opened (the empty corner
// and the margins) and where the numbers meet the grid (numbers, cells and labels).
void BM_RepaintView(benchmark::State& state) {
    const CShape& shape = LargePuzzle();
    CSession session(12);
    if (!session.Started() || !session.Open(LargeFile())) return state.SkipWithError("the puzzle did not open");
    if (state.range(0) == 1) {
        // The grid's top-left cell in the middle of the window.
        const QPoint cell = session.CellCentre(shape, 0, 0);
        const QSize client = session.View()->viewport()->size();
        session.ScrollTo(cell.x() - client.width() / 2, cell.y() - client.height() / 2);
    }
    session.RepaintView();
    session.Meter().m_bOn = true;
    for (auto _ : state) session.RepaintView();
    session.Meter().Report(state, 1e3, "us");
}
BENCHMARK(BM_RepaintView)->ArgName("at_grid")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// One stroke over three cells of the bottom row and its repaint, on a 10 x 10 puzzle and on
// the 255 x 255 one. Strokes alternate the left button (the colour) and the right (crosses),
// so each changes its cells.
void BM_Stroke(benchmark::State& state) {
    const bool bLarge = state.range(0) == 255;
    const CShape& shape = bLarge ? LargePuzzle() : SmallPuzzle();
    CSession session(12);
    if (!session.Started() || !session.Open(bLarge ? LargeFile() : SmallFile()))
        return state.SkipWithError("the puzzle did not open");
    session.ScrollToEnd();
    const int y = shape.nRows - 1, x1 = shape.nCols - 1, x0 = x1 - 2;

    // The clicks must land on the cells: the first stroke changes what the first cell shows.
    const int s = session.CellSize();
    const QRect probe(session.CellCentre(shape, x0, y) - QPoint(s / 2 - 1, s / 2 - 1), QSize(s - 2, s - 2));
    const QImage before = session.GrabView().copy(probe);
    session.Stroke(shape, x0, x1, y, Qt::RightButton);
    if (session.GrabView().copy(probe) == before) return state.SkipWithError("the stroke missed the grid");

    bool bLeft = true;
    session.Meter().m_bOn = true;
    for (auto _ : state) {
        session.Stroke(shape, x0, x1, y, bLeft ? Qt::LeftButton : Qt::RightButton);
        bLeft = !bLeft;
    }
    session.Meter().Report(state, 1e3, "us");
}
BENCHMARK(BM_Stroke)->ArgName("size")->Arg(10)->Arg(255)->Unit(benchmark::kMicrosecond);

// One zoom step (keypad plus) and the repaint, from a given cell size, on the 255 x 255
// puzzle, the window in the middle of the drawing; the step back is not timed.
void BM_ZoomStep(benchmark::State& state) {
    LargePuzzle();
    const int nFrom = int(state.range(0));
    CSession session(nFrom);
    if (!session.Started() || !session.Open(LargeFile())) return state.SkipWithError("the puzzle did not open");
    session.ScrollTo(session.View()->horizontalScrollBar()->maximum() / 2,
                     session.View()->verticalScrollBar()->maximum() / 2);
    double rssMax = 0;
    CViewShot shot;
    for (auto _ : state) {
        session.Meter().m_bOn = true;
        session.Zoom(true);
        session.Meter().m_bOn = false;
        state.PauseTiming();
        if (session.CellSize() != nFrom + 1) return state.SkipWithError("the zoom key did nothing");
        rssMax = std::max(rssMax, ResidentMb());
        shot = ShootView(session);
        session.Zoom(false);
        state.ResumeTiming();
    }
    session.Meter().Report(state, 1e6, "ms");
    state.counters["rss_MB"] = rssMax;
    state.counters["blank_after"] = shot.bBlank;
    state.counters["unpainted_pct"] = shot.unpaintedPct;
}
BENCHMARK(BM_ZoomStep)->ArgName("from")->Arg(12)->Arg(40)->Arg(60)->Arg(200)->Unit(benchmark::kMillisecond);

// Resident memory after opening and painting the 255 x 255 puzzle at a cell size, and its
// growth over the started program; whether the window then shows anything.
void BM_Memory(benchmark::State& state) {
    LargePuzzle();
    for (auto _ : state) {
        CSession session(int(state.range(0)));
        if (!session.Started()) return state.SkipWithError("the program did not start");
        const double rssBefore = ResidentMb();
        if (!session.Open(LargeFile())) return state.SkipWithError("the puzzle did not open");
        session.Settle();
        const double rssAfter = ResidentMb();
        state.counters["rss_before_MB"] = rssBefore;
        state.counters["rss_after_MB"] = rssAfter;
        state.counters["growth_MB"] = rssAfter - rssBefore;
        // As opened (the empty corner and the frame's first lines), then over the grid's
        // bottom-right corner (cells, borders and labels).
        state.counters["blank_top_left"] = ShootView(session).bBlank;
        session.ScrollToEnd();
        const CViewShot shot = ShootView(session);
        state.counters["blank"] = shot.bBlank;
        state.counters["unpainted_pct"] = shot.unpaintedPct;
    }
}
BENCHMARK(BM_Memory)
    ->ArgName("cell")
    ->Arg(12)
    ->Arg(30)
    ->Arg(43)
    ->Arg(44)
    ->Arg(61)
    ->Arg(62)
    ->Arg(254)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// The offscreen platform says on every window shown that it cannot pass size hints on.
QtMessageHandler g_previousHandler = nullptr;
void DropPlatformNoise(QtMsgType type, const QMessageLogContext& context, const QString& strMessage) {
    if (strMessage.contains(QLatin1String("propagateSizeHints"))) return;
    if (g_previousHandler) g_previousHandler(type, context, strMessage);
}

}  // namespace

int main(int argc, char** argv) {
    // No display is needed: the offscreen platform, on a screen larger than the window (its
    // own default is 800 x 600).
    QTemporaryDir platformDir;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        QFile config(platformDir.filePath(QStringLiteral("offscreen.json")));
        if (config.open(QIODevice::WriteOnly)) {
            config.write(R"({"screens": [{"name": "bench", "x": 0, "y": 0, "width": 1920, "height": 1080,
                             "logicalDpi": 96, "logicalBpp": 32, "dpr": 1.0}]})");
            config.close();
            qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toUtf8());
        } else {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
    }
    g_previousHandler = qInstallMessageHandler(DropPlatformNoise);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
