#include "view/Render.h"

#include <QFile>
#include <QGuiApplication>
#include <charconv>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "formats/FormatDispatch.h"
#include "platform/QSettingsStore.h"
#include "solver/NumberCheck.h"
#include "view/SheetExport.h"

namespace quenk {

namespace {

constexpr int EXIT_RENDER_OK = 0;
constexpr int EXIT_RENDER_USAGE = 2;
constexpr int EXIT_RENDER_LOAD = 3;
constexpr int EXIT_RENDER_WRITE = 4;

struct CRenderArgs {
    std::string strPuzzle;
    std::string strOut;
    std::optional<int> nCellSize;
    bool bBlank = false;
};

int UsageError(const std::string& strMessage) {
    std::fprintf(stderr,
                 "quenk: %s\n"
                 "usage: quenk --render PUZZLE OUT.png|OUT.svg|OUT.pdf [--cell S] [--blank]\n"
                 "  draws PUZZLE as the program shows it and writes it as a PNG picture, an SVG\n"
                 "  drawing or a PDF page, by OUT's extension; S is the cell size in pixels,\n"
                 "  10 to 255 (default: the program's setting); --blank leaves every cell empty\n",
                 strMessage.c_str());
    return EXIT_RENDER_USAGE;
}

// False with a message for anything but PUZZLE OUT [--cell S] [--blank] after "--render".
bool ParseRenderArgs(int argc, char** argv, CRenderArgs& args, std::string& strError) {
    std::vector<std::string> files;
    for (int n = 2; n < argc; ++n) {
        const std::string strArg = argv[n];
        if (strArg == "--cell") {
            if (n + 1 >= argc) {
                strError = "--cell needs a size";
                return false;
            }
            const std::string strSize = argv[++n];
            int nSize = 0;
            const auto [ptr, ec] = std::from_chars(strSize.data(), strSize.data() + strSize.size(), nSize);
            if (ec != std::errc() || ptr != strSize.data() + strSize.size() || nSize < MIN_CELL_SIZE || nSize > 255) {
                strError = "--cell wants a whole number from 10 to 255";
                return false;
            }
            args.nCellSize = nSize;
        } else if (strArg == "--blank") {
            args.bBlank = true;
        } else if (strArg.size() > 1 && strArg[0] == '-') {
            strError = "unknown option " + strArg;
            return false;
        } else {
            files.push_back(strArg);
        }
    }
    if (files.size() != 2) {
        strError = "expected PUZZLE and OUT";
        return false;
    }
    if (!SheetFormatOf(QFile::decodeName(files[1].c_str()))) {
        strError = "OUT must end in .png, .svg or .pdf";
        return false;
    }
    args.strPuzzle = files[0];
    args.strOut = files[1];
    return true;
}

// Opens a puzzle as the program's Open does: a load failure gives its message; a puzzle
// whose numbers have a fault would open for editing, so it loses its crosses and marks.
std::unique_ptr<CCrossword> OpenPuzzle(const std::string& strPath, const CSettings& settings, std::string& strMessage) {
    CFormatOptions options;
    options.m_crMonoColor = settings.m_crMonoColor;
    CLoadResult result = LoadCrossword(strPath, options);
    if (!result.crossword) {
        strMessage = LoadResultMessage(result);
        return nullptr;
    }
    if (CheckNumbers(*result.crossword)) result.crossword->ClearMarks(nullptr, true, true);
    return std::make_unique<CCrossword>(std::move(*result.crossword));
}

}  // namespace

int RunRender(int argc, char** argv) {
    // The stored settings are only read: a render never creates or changes the store.
    CQSettingsStore store;
    CSettings settings;
    settings.LoadSettings(store);
    return RunRender(argc, argv, settings);
}

int RunRender(int argc, char** argv, const CSettings& settings) {
    CRenderArgs args;
    std::string strError;
    if (!ParseRenderArgs(argc, argv, args, strError)) return UsageError(strError);

    std::string strMessage;
    const auto pCrossword = OpenPuzzle(args.strPuzzle, settings, strMessage);
    if (!pCrossword) {
        std::fprintf(stderr, "%s\n", strMessage.c_str());
        return EXIT_RENDER_LOAD;
    }

    // Fonts need a GUI application; without a display it draws offscreen and shows nothing.
    std::unique_ptr<QGuiApplication> pApp;
    if (!QGuiApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int nAppArgc = 1;
        static char* appArgv[] = {argv[0], nullptr};
        pApp = std::make_unique<QGuiApplication>(nAppArgc, appArgv);
    }

    CDrawOptions options;
    options.nCellSize = args.nCellSize.value_or(settings.m_nCellSize);
    options.bRasterFont = settings.m_bRasterFont;
    options.bThinStrikeLine = settings.m_bThinStrikeLine;
    const QString strOut = QFile::decodeName(args.strOut.c_str());
    QString strWriteError;
    if (!ExportSheet(args.bBlank ? BlankSheet(*pCrossword) : *pCrossword, options, *SheetFormatOf(strOut), strOut,
                     strWriteError)) {
        std::fprintf(stderr, "quenk: cannot write %s: %s\n", args.strOut.c_str(),
                     strWriteError.toLocal8Bit().constData());
        return EXIT_RENDER_WRITE;
    }
    return EXIT_RENDER_OK;
}

}  // namespace quenk
