// Import and export of bitmaps through the real commands, the file dialog answered by the
// test; the bitmaps are made by ImageMagick.
#include <sys/resource.h>

#include <QDir>
#include <QProcess>
#include <csignal>
#include <map>

#include "app/AppTestSupport.h"
#include "platform/UiStrings.h"
#include "support/Puzzles.h"
#include "text/StringIds.h"

using namespace quenk;
using namespace quenk::test;

namespace {

const QString CONVERT = QStringLiteral("/usr/bin/convert");
constexpr COLORREF W = COLOR_WHITE, K = 0, R = MakeRGB(220, 0, 0), G = MakeRGB(0, 150, 0), B = MakeRGB(0, 0, 200);

bool HasConvert() { return QFileInfo(CONVERT).isExecutable(); }

using Picture = std::vector<std::vector<COLORREF>>;  // pixel rows, top first

// A picture drawn in letters (W, K, R, G, B), every letter a p x p square.
Picture Draw(const std::vector<std::string>& rows, int p = 1) {
    const std::map<char, COLORREF> key = {{'W', W}, {'K', K}, {'R', R}, {'G', G}, {'B', B}};
    Picture pic;
    for (const std::string& row : rows)
        for (int i = 0; i < p; ++i) {
            pic.emplace_back();
            for (char ch : row) pic.back().insert(pic.back().end(), size_t(p), key.at(ch));
        }
    return pic;
}

std::string RawRgb(const Picture& pic) {
    std::string raw;
    for (const auto& row : pic)
        for (COLORREF cr : row) raw += {char(GetRValue(cr)), char(GetGValue(cr)), char(GetBValue(cr))};
    return raw;
}

// ImageMagick writes the picture as an uncompressed bitmap; options choose its kind.
std::string WriteBitmap(const std::string& strPath, const Picture& pic, const QStringList& options) {
    const std::string strRaw = strPath + ".rgb";
    WriteText(strRaw, RawRgb(pic));
    QStringList args{QStringLiteral("-size"), QStringLiteral("%1x%2").arg(pic[0].size()).arg(pic.size()),
                     QStringLiteral("-depth"), QStringLiteral("8"),
                     QStringLiteral("rgb:") + QString::fromStdString(strRaw)};
    args << options << QStringLiteral("BMP3:") + QString::fromStdString(strPath);
    EXPECT_EQ(QProcess::execute(CONVERT, args), 0);
    std::remove(strRaw.c_str());
    return strPath;
}

// The colour every cell shows, as a picture of one pixel a cell.
Picture CellColours(const CCrossword& c) {
    Picture pic(c.m_nHeight);
    for (int r = 0; r < c.m_nHeight; ++r)
        for (int col = 0; col < c.m_nWidth; ++col) pic[size_t(r)].push_back(c.GetCellColor(c.GetCell(r, col)));
    return pic;
}

bool NumbersFitPicture(const CCrossword& c) {
    CCrossword computed = c;
    computed.ComputeNumbers();
    return computed == c;
}

}  // namespace

TEST(BitmapCommands, ImportTurnsEachKindOfBitmapIntoAPuzzleOfItsPicture) {
    if (!HasConvert()) GTEST_SKIP() << "ImageMagick's convert is not installed";
    CProgram p([](CSettings& s) { s.m_nImportCellSize = 2; });
    CMessageRecorder messages;
    CFileDialogAnswers files;
    const std::vector<std::string> colour = {"WKKWRR", "WWGWRW", "BBBWWW"};
    const struct {
        const char* pszName;
        std::vector<std::string> rows;
        QStringList options;
        unsigned nBits;
    } cases[] = {
        {"bilevel", {"WKKWK", "KWWWK"}, {"-type", "Bilevel"}, 1},
        {"palette", colour, {"-type", "Palette"}, 4},
        {"truecolor", colour, {"-type", "TrueColor"}, 24},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszName);
        const std::string strBmp = WriteBitmap(p.File(std::string(c.pszName) + ".pic.bmp"), Draw(c.rows, 2), c.options);
        ASSERT_EQ(ReadBytes(strBmp).at(28), c.nBits);
        files.Answer(strBmp);
        p.Command(ID_FILE_IMPORT_BMP);
        ASSERT_TRUE(messages.Requests().empty()) << messages.Requests()[0].strText.toStdString();
        const CCrossword& x = *p.Doc().Crossword();
        EXPECT_EQ(CellColours(x), Draw(c.rows));
        EXPECT_TRUE(NumbersFitPicture(x));
        EXPECT_GT(x.m_nLeftDepth, 0);
        EXPECT_EQ(p.Doc().Mode(), MODE_SOLVE);
        EXPECT_EQ(p.Frame().MenuId(), unsigned(IDR_MENU_SOLVE));
        EXPECT_EQ(p.Caption(), p.Title() + " - " + c.pszName + ".jcc");
        EXPECT_FALSE(p.Doc().IsModified());
        EXPECT_EQ(p.Frame().ColorBar().ButtonCount(), x.m_nColors);
        EXPECT_EQ(p.Doc().CurColor(), 1);
        EXPECT_EQ(p.UndoRedo(), UndoRedoState(false, false));
    }
    // The file dialog offered bitmaps.
    const CFileDialogRequest& request = files.Requests()[0];
    EXPECT_TRUE(request.bOpen);
    EXPECT_EQ(request.filters, (QStringList{QString::fromUtf8("Точечные рисунки (*.bmp) (*.bmp)"),
                                            QString::fromUtf8("Все файлы (*.*) (*)")}));
    EXPECT_EQ(request.strDefaultSuffix, "bmp");

    // A picture in true colour: the background first, then the colours as the cells bring them in.
    const CCrossword& x = *p.Doc().Crossword();
    EXPECT_EQ(x.m_nColors, 5);
    EXPECT_EQ(std::vector<COLORREF>(x.m_crColors.begin(), x.m_crColors.begin() + 5),
              (std::vector<COLORREF>{W, K, R, G, B}));
    EXPECT_EQ(CellsOf(x), (Grid{0, 1, 1, 0, 2, 2, 0, 0, 3, 0, 2, 0, 4, 4, 4, 0, 0, 0}));

    // Saving asks where, offering the puzzle file beside the bitmap, and never writes over
    // a file of that name unasked.
    WriteText(p.File("truecolor.jcc"), "mine");
    p.Key(Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(files.Requests().size(), 4u);
    EXPECT_FALSE(files.Requests()[3].bOpen);
    EXPECT_EQ(files.Requests()[3].strProposedName, QString::fromStdString(p.File("truecolor.jcc")));
    EXPECT_EQ(ReadText(p.File("truecolor.jcc")), "mine");
    // Nor is that file taken for the puzzle shown.
    EXPECT_FALSE(p.Open(p.File("truecolor.jcc")));
    EXPECT_EQ(messages.Ids(), std::vector<unsigned>{IDS_CREATE_ERROR});
}

TEST(BitmapCommands, APictureOfTheBackgroundAloneOpensForDrawing) {
    if (!HasConvert()) GTEST_SKIP() << "ImageMagick's convert is not installed";
    CProgram p;
    CFileDialogAnswers files;
    files.Answer(WriteBitmap(p.File("blank.bmp"), Draw({"WWWW", "WWWW", "WWWW"}), {"-type", "TrueColor"}));
    p.Command(ID_FILE_IMPORT_BMP);
    const CCrossword& x = *p.Doc().Crossword();
    EXPECT_EQ(std::vector<int>({x.m_nWidth, x.m_nHeight, x.m_nLeftDepth, x.m_nTopDepth}),
              std::vector<int>({4, 3, 0, 0}));
    EXPECT_EQ(x.m_nColors, 2);  // a colour to draw with besides the background
    EXPECT_EQ(p.Doc().Mode(), MODE_EDIT);
    EXPECT_EQ(p.Frame().MenuId(), unsigned(IDR_MENU_EDIT));
    EXPECT_EQ(p.Caption(), p.Title() + QString::fromUtf8(" - blank.jcc (Редактор)"));
    EXPECT_EQ(p.UndoRedo(), UndoRedoState(false, false));
}

TEST(BitmapCommands, ARefusedImportLeavesPuzzleModeAndHistory) {
    if (!HasConvert()) GTEST_SKIP() << "ImageMagick's convert is not installed";
    CProgram p([](CSettings& s) { s.m_nImportCellSize = 2; });
    CMessageRecorder messages;
    CFileDialogAnswers files;
    ASSERT_TRUE(p.Open(WriteSmallPuzzle(p.File("small.jcc"))));
    p.Paint(1, 1, 1, 1, CELL_CROSS);
    const CCrossword before = *p.Doc().Crossword();
    const QString strCaption = p.Caption();

    // First the question whether to save; then the dialog (cancelled here).
    messages.Answer(EMsgAnswer::No);
    p.Command(ID_FILE_IMPORT_BMP);
    EXPECT_EQ(messages.Ids(), std::vector<unsigned>{IDS_FW_ASK_TO_SAVE});
    EXPECT_EQ(files.Requests().size(), 1u);
    p.App().Settings().m_bAskToSave = false;

    Picture uneven = Draw({"KW", "WW"}, 2);
    uneven[0][0] = R;  // one pixel row of a cell in two colours

    const std::string strDepth = WriteBitmap(p.File("depth.bmp"), Draw({"KW"}, 2), {"-type", "TrueColor"});
    std::vector<unsigned char> bytes = ReadBytes(strDepth);
    bytes[28] = 16;
    WriteBytes(strDepth, bytes);
    WriteText(p.File("text.bmp"), std::string(40, 'x'));
    QDir().mkpath(QString::fromStdString(p.File("folder.bmp")));
    const struct {
        std::string strPath;
        unsigned nId;
        const char* pszText;
    } refusals[] = {
        {p.File("text.bmp"), IDS_BMP_BAD_FILE, "Неверный формат файла!"},
        {WriteBitmap(p.File("wide.bmp"), Picture(2, std::vector<COLORREF>(512, W)), {"-type", "TrueColor"}),
         IDS_BMP_TOO_LARGE, "Слишком большой рисунок!\nРазмер не должен превышать 255x255."},
        {WriteBitmap(p.File("odd.bmp"), Picture(2, std::vector<COLORREF>(5, W)), {"-type", "TrueColor"}),
         IDS_BMP_CELL_MISMATCH, "Размеры картинки не соответствуют размеру клетки!"},
        {strDepth, IDS_BMP_BAD_DEPTH, "Неподходящее количество цветов: 16 бит."},
        {WriteBitmap(p.File("uneven.bmp"), uneven, {"-type", "TrueColor"}), IDS_BMP_FIX_BLOCKS,
         "Картинка не подходит под указанный размер клетки. Исправить?"},
        {p.File("folder.bmp"), IDS_FW_FAILED_TO_OPEN, nullptr},
    };
    for (const auto& r : refusals) {
        SCOPED_TRACE(r.strPath);
        messages.Clear();
        messages.Answer(EMsgAnswer::No);  // to the question of uneven cells
        files.Answer(r.strPath);
        p.Command(ID_FILE_IMPORT_BMP);
        ASSERT_EQ(messages.Ids(), std::vector<unsigned>{r.nId});
        if (r.pszText) {
            EXPECT_EQ(messages.Requests()[0].strText, QString::fromUtf8(r.pszText));
        }
        EXPECT_EQ(*p.Doc().Crossword(), before);
        EXPECT_EQ(p.Doc().Mode(), MODE_SOLVE);
        EXPECT_EQ(p.Caption(), strCaption);
        EXPECT_EQ(p.UndoRedo(), UndoRedoState(true, false));
    }
    // The history is the old puzzle's still.
    p.Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(p.Doc().Crossword()->GetCell(1, 1), 1);

    // Uneven cells answered Yes take their majority colour.
    files.Answer(p.File("uneven.bmp"));
    p.Command(ID_FILE_IMPORT_BMP);
    EXPECT_EQ(CellColours(*p.Doc().Crossword()), Draw({"KW", "WW"}));
}

TEST(BitmapCommands, ExportWritesTheGridAtTheExportCellSize) {
    if (!HasConvert()) GTEST_SKIP() << "ImageMagick's convert is not installed";
    CProgram p([](CSettings& s) { s.m_nExportCellSize = 3; });
    CMessageRecorder messages;
    CFileDialogAnswers files;
    const CCrossword puzzle = PuzzleFromPicture({"12.3", "x21."}, 4, true);
    ASSERT_TRUE(p.Open(WritePuzzle(p.File("colours.jcc"), puzzle)));
    const std::string strBmp = p.File("out.bmp");
    files.Answer(strBmp);
    p.Command(ID_FILE_EXPORT_BMP);
    ASSERT_EQ(files.Requests().size(), 1u);
    EXPECT_FALSE(files.Requests()[0].bOpen);
    EXPECT_EQ(files.Requests()[0].strProposedName, QString::fromStdString(p.File("colours.bmp")));
    EXPECT_EQ(files.Requests()[0].strDefaultSuffix, "bmp");

    // A 4-bit bitmap, every cell a 3 x 3 square (the pixels are the codec's own business).
    const std::vector<unsigned char> bytes = ReadBytes(strBmp);
    ASSERT_GE(bytes.size(), 54u);
    EXPECT_EQ(std::vector<int>({bytes[18], bytes[22], bytes[28]}), std::vector<int>({12, 6, 4}));
    EXPECT_TRUE(messages.Requests().empty());
    EXPECT_FALSE(p.Doc().IsModified());

    // A write that fails half-way is reported, and the file that was there stays whole.
    const std::string strOld = ReadText(strBmp);
    const std::string strRow(99, '1');  // 297 x 6 pixels: more than 1000 bytes
    ASSERT_TRUE(p.Open(WritePuzzle(p.File("big.jcc"), PuzzleFromPicture({strRow, strRow}, 2, true))));
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    files.Answer(strBmp);
    p.Command(ID_FILE_EXPORT_BMP);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(messages.Ids(), std::vector<unsigned>{IDS_FW_FAILED_TO_SAVE});
    EXPECT_EQ(ReadText(strBmp), strOld);
    EXPECT_EQ(QDir(QString::fromStdString(p.Dir().Path().string())).entryList({".quenk-*"}, QDir::Hidden | QDir::Files),
              QStringList{});

    // Cancelled: nothing written.
    p.Command(ID_FILE_EXPORT_BMP);
    EXPECT_EQ(ReadText(strBmp), strOld);
}
