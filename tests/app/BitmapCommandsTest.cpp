// Import and export of bitmaps through the real commands, the file dialog answered by the
// test; the bitmaps to import are written by the core's export. How bitmaps decode and why
// one is refused are the core's (tested there); here the window's side of one of each.
#include <sys/resource.h>

#include <QDir>
#include <csignal>

#include "app/AppTestSupport.h"
#include "formats/BmpExport.h"
#include "platform/UiStrings.h"
#include "support/Puzzles.h"
#include "text/StringIds.h"

using namespace quenk;
using namespace quenk::test;

namespace {

// A bitmap of a picture ('.' background, '1'-'3' colours), p x p pixels a cell.
std::string WriteBitmap(const std::string& strPath, const std::vector<std::string>& picture, int p) {
    ExportBmp(PuzzleFromPicture(picture, 4, true), strPath, p);
    return strPath;
}

// The colour every cell shows, row by row.
std::vector<COLORREF> CellColours(const CCrossword& c) {
    std::vector<COLORREF> colours;
    for (std::uint8_t v : c.Cells()) colours.push_back(c.GetCellColor(v));
    return colours;
}

}  // namespace

TEST(BitmapCommands, ImportOpensThePictureOrLeavesEverythingAsItWas) {
    CProgram p([](CSettings& s) { s.m_nImportCellSize = 2; });
    CMessageRecorder messages;
    CFileDialogAnswers files;
    const std::vector<std::string> picture = {".11.22", "..3.2.", "111..."};
    files.Answer(WriteBitmap(p.File("colours.pic.bmp"), picture, 2));
    p.Command(ID_FILE_IMPORT_BMP);
    ASSERT_TRUE(messages.Requests().empty()) << messages.Requests()[0].strText.toStdString();
    const CCrossword imported = *p.Doc().Crossword();
    EXPECT_EQ(CellColours(imported), CellColours(PuzzleFromPicture(picture, 4, true)));
    CCrossword computed = imported;
    computed.ComputeNumbers();
    EXPECT_EQ(computed, imported);
    EXPECT_EQ(p.Doc().Mode(), MODE_SOLVE);
    EXPECT_EQ(p.Caption(), p.Title() + " - colours.jcc");
    EXPECT_FALSE(p.Doc().IsModified());
    EXPECT_EQ(p.Frame().ColorBar().ButtonCount(), 4);
    EXPECT_EQ(p.UndoRedo(), std::pair(false, false));
    const CFileDialogRequest& request = files.Requests()[0];
    EXPECT_TRUE(request.bOpen);

    // Saving asks where, offering the puzzle file beside the bitmap, and never writes over
    // a file of that name unasked; nor is that file taken for the puzzle shown.
    WriteText(p.File("colours.jcc"), "mine");
    p.Key(Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(files.Requests().size(), 2u);
    EXPECT_EQ(files.Requests()[1].strProposedName, QString::fromStdString(p.File("colours.jcc")));
    EXPECT_EQ(ReadText(p.File("colours.jcc")), "mine");
    EXPECT_FALSE(p.Open(p.File("colours.jcc")));
    EXPECT_EQ(messages.Ids(), std::vector<unsigned>{IDS_CREATE_ERROR});

    // A changed puzzle: first the question whether to save, then the dialog (cancelled here).
    p.Paint(0, 0, 0, 0, CELL_CROSS);
    const CCrossword before = *p.Doc().Crossword();
    const QString strCaption = p.Caption();
    messages.Clear();
    messages.Answer(EMsgAnswer::No);
    p.Command(ID_FILE_IMPORT_BMP);
    EXPECT_EQ(messages.Ids(), std::vector<unsigned>{IDS_FW_ASK_TO_SAVE});
    EXPECT_EQ(files.Requests().size(), 3u);
    p.App().Settings().m_bAskToSave = false;

    // The core's refusal, the question of uneven cells (one cell of 2 x 2 pixels in two
    // colours) answered No, a file that cannot be read: nothing changes, not the history.
    WriteText(p.File("text.bmp"), std::string(40, 'x'));
    QDir().mkpath(QString::fromStdString(p.File("folder.bmp")));
    const struct {
        std::string strPath;
        unsigned nId;
        const char* pszText;  // a part of the message
    } refusals[] = {{p.File("text.bmp"), IDS_BMP_BAD_FILE, "Неверный формат файла!"},
                    {WriteBitmap(p.File("uneven.bmp"), {"12", "11"}, 1), IDS_BMP_FIX_BLOCKS, "Исправить?"},
                    {p.File("folder.bmp"), IDS_FW_FAILED_TO_OPEN, "folder.bmp"}};
    for (const auto& r : refusals) {
        SCOPED_TRACE(r.strPath);
        messages.Clear();
        messages.Answer(EMsgAnswer::No);
        files.Answer(r.strPath);
        p.Command(ID_FILE_IMPORT_BMP);
        ASSERT_EQ(messages.Ids(), std::vector<unsigned>{r.nId});
        EXPECT_TRUE(messages.Requests()[0].strText.contains(QString::fromUtf8(r.pszText)));
        EXPECT_EQ(*p.Doc().Crossword(), before);
        EXPECT_EQ(p.Caption(), strCaption);
    }
    p.Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(*p.Doc().Crossword(), imported);

    // Uneven cells answered Yes take their majority colour.
    files.Answer(p.File("uneven.bmp"));
    p.Command(ID_FILE_IMPORT_BMP);
    EXPECT_EQ(CellColours(*p.Doc().Crossword()), std::vector<COLORREF>{TestPalette()[1]});

    // A picture of the background alone opens for drawing.
    files.Answer(WriteBitmap(p.File("blank.bmp"), {"....", "...."}, 2));
    p.Command(ID_FILE_IMPORT_BMP);
    EXPECT_EQ(p.Doc().Mode(), MODE_EDIT);
    EXPECT_EQ(p.Caption(), p.Title() + QString::fromUtf8(" - blank.jcc (Редактор)"));
}

TEST(BitmapCommands, ExportWritesTheGridAtTheExportCellSize) {
    CProgram p([](CSettings& s) { s.m_nExportCellSize = 3; });
    CMessageRecorder messages;
    CFileDialogAnswers files;
    ASSERT_TRUE(p.Open(WritePuzzle(p.File("colours.jcc"), PuzzleFromPicture({"12.3", "x21."}, 4, true))));
    const std::string strBmp = p.File("out.bmp");
    files.Answer(strBmp);
    p.Command(ID_FILE_EXPORT_BMP);
    ASSERT_EQ(files.Requests().size(), 1u);
    EXPECT_EQ(files.Requests()[0].strProposedName, QString::fromStdString(p.File("colours.bmp")));

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
