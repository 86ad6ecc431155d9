#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "core/formats/FormatTestSupport.h"
#include "formats/FormatDispatch.h"
#include "formats/FormatLimits.h"
#include "formats/SafeFile.h"

using namespace quenk;
using namespace quenk::test;

TEST(FormatDispatch, ExtensionAndFormatOfAPath) {
    const struct {
        const char* path;
        const char* ext;
        EFormat format;
    } cases[] = {
        {"PUZZLE.JCR", ".JCR", EFormat::JCR},  {"/home/u/puzzle.Jcr", ".Jcr", EFormat::JCR},
        {"a.b.jcw", ".jcw", EFormat::JCW},     {"x.JCP", ".JCP", EFormat::JCP},
        {"x.pp", ".pp", EFormat::PPIFF},       {"x.Ppc", ".Ppc", EFormat::PPIFF},
        {"x.PPS", ".PPS", EFormat::PPIFF},     {"puzzle.jcc", ".jcc", EFormat::JCC},
        {"puzzle.txt", ".txt", EFormat::JCC},  {"puzzle", "", EFormat::JCC},
        {"dir/x.pp/puzzle", "", EFormat::JCC}, {"x.jcr.bak", ".bak", EFormat::JCC},
        {"set.XML", ".XML", EFormat::XML},     {"set.pbn", ".pbn", EFormat::XML},
        {"a.non", ".non", EFormat::NON},       {"a.Nin", ".Nin", EFormat::NIN},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PathFindExtension(c.path), c.ext) << c.path;
        EXPECT_EQ(FormatFromPath(c.path), c.format) << c.path;
    }
}

TEST(FormatDispatch, LoadStatusAndItsMessage) {
    CTempDir dir;
    const std::string jcr("\x02\x02\x02\x01\x02\x01\x02\x00\x01\x00", 10);
    std::filesystem::create_directory(dir.File("folder.pp"));
    SaveCrossword(PuzzleFromPicture({"1.", "11"}), dir.File("folder.pp/puzzle"));  // JCC, whatever the folder is called
    ASSERT_EQ(::mkfifo(dir.File("pipe.jcc").c_str(), 0600), 0);                    // opening must not wait for a writer

    using enum ELoadStatus;
    const struct {
        std::string name;
        std::string data;  // written first unless empty
        ELoadStatus status;
    } cases[] = {
        {"puzzle.Jcr", jcr, STATUS_OK},
        {"puzzle.txt", jcr, STATUS_FILE_ERROR},  // read as JCC: shorter than its head
        {"puzzle", std::string(200, 'x'), STATUS_BAD_FORMAT},
        {"folder.pp/puzzle", "", STATUS_OK},
        {"missing.pp", "", STATUS_FILE_ERROR},
        {"folder.pp", "", STATUS_FILE_ERROR},
        {"pipe.jcc", "", STATUS_FILE_ERROR},
        {"/dev/zero", "", STATUS_FILE_ERROR},
    };
    for (const auto& c : cases) {
        if (!c.data.empty()) WriteText(dir.File(c.name), c.data);
        const CLoadResult result = LoadCrossword(c.name[0] == '/' ? c.name : dir.File(c.name));
        EXPECT_EQ(result.nStatus, c.status) << c.name;
        EXPECT_EQ(result.crossword.has_value(), c.status == STATUS_OK) << c.name;
    }
    EXPECT_EQ(LoadStatusMessage(STATUS_OK), "");
    EXPECT_EQ(LoadStatusMessage(STATUS_FILE_ERROR), "Ошибка при создании кроссворда:\nНевозможно открыть файл.");
}

// Files the readers refuse, and the limits they accept. A grid of no cells has nothing to
// show, solve or export: whatever format says so, the file is refused. A file that ends
// before a field it promises is a file error, not a format error.
TEST(FormatDispatch, RefusedFiles) {
    CTempDir dir;
    // A JCC head up to the palette, then width, height, depths and the flag of no cells.
    const auto jcc = [](const char* pszSignature, char nColors, const char* pszShape) {
        return pszSignature + std::string(1, nColors) + std::string(64, '\0') + std::string(pszShape, 5);
    };
    using enum ELoadStatus;
    const struct {
        const char* name;
        std::string data;
        ELoadStatus status;
    } cases[] = {
        {"zero.jcc", jcc("QUENK", 2, "\x00\x03\x00\x00\x01"), STATUS_BAD_FORMAT},
        {"zero2.jcc", jcc("QUENK", 2, "\x02\x00\x00\x00\x01"), STATUS_BAD_FORMAT},
        {"signature.jcc", jcc("quenk", 2, "\x02\x02\x00\x00\x01"), STATUS_BAD_FORMAT},
        {"one-colour.jcc", jcc("QUENK", 1, "\x02\x02\x00\x00\x01"), STATUS_BAD_FORMAT},
        {"17.jcc", jcc("QUENK", 17, "\x02\x02\x00\x00\x01"), STATUS_BAD_FORMAT},
        {"16.jcc", jcc("QUENK", 16, "\x02\x02\x00\x00\x01"), STATUS_OK},
        {"zero.jcr", std::string("\x00\x03\x01\x01\x00\x00\x00", 7), STATUS_BAD_FORMAT},
        {"zero.jcw", std::string("\x00\x00", 2), STATUS_BAD_FORMAT},
        {"zero.jcp", "00\r\n", STATUS_BAD_FORMAT},
        {"zero.pp", "0 3\n- - -\n", STATUS_BAD_FORMAT},
        {"promise.jcr", "\x03\x04\x01\x01", STATUS_FILE_ERROR},
        {"short.jcr", "\x03\x04\x01", STATUS_FILE_ERROR},
        {"short.jcw", std::string("\x03\x02\x02\x01\x02\x02\x00", 7), STATUS_FILE_ERROR},
        {"one-byte.jcp", "1", STATUS_FILE_ERROR},
        // JCP: CR LF ends a line, the header's line end must be there, a line holds 255 numbers.
        {"no-final-line-end.jcp", "23\r\n2\r\n1\r\n1\r\n2\r\n", STATUS_BAD_FORMAT},
        {"lf.jcp", "11\n\n1\n1\n", STATUS_BAD_FORMAT},
        {"two-bytes.jcp", "11", STATUS_BAD_FORMAT},
        {"three-bytes.jcp", "11\r", STATUS_BAD_FORMAT},
        {"256.jcp", "11\r\n" + std::string(256, '1') + "\r\n1\r\n", STATUS_BAD_FORMAT},
        {"255.jcp", "11\r\n" + std::string(255, '1') + "\r\n1\r\n", STATUS_OK},
    };
    for (const auto& c : cases) EXPECT_EQ(LoadStatus(dir, c.name, c.data), c.status) << c.name;
}

// JCC -> each format of the puzzle collections -> JCC: one colour through all of them, more
// only through XML. A picture that solves the puzzle comes back as the goal; .nin keeps
// only the numbers.
TEST(FormatDispatch, RoundTripsThroughTheCollectionsFormats) {
    CTempDir dir;
    const auto mono = PuzzleFromPicture({"11.1", ".1..", "1111"}, 2, true);
    const auto colour = PuzzleFromPicture({"12.3", ".3..", "1122"}, 4, true);
    const struct {
        const CCrossword& puzzle;
        const char* name;
    } cases[] = {{mono, "a.non"}, {mono, "a.nin"}, {mono, "a.xml"}, {colour, "b.pbn"}};
    for (const auto& c : cases) {
        SaveCrossword(c.puzzle, dir.File("in.jcc"));
        SaveCrossword(*LoadCrossword(dir.File("in.jcc")).crossword, dir.File(c.name));
        const auto back = LoadCrossword(dir.File(c.name)).crossword;
        ASSERT_TRUE(back) << c.name;
        SaveCrossword(*back, dir.File("out.jcc"));
        const bool bPicture = FormatInfo(FormatFromPath(c.name)).bKeepsPicture;
        EXPECT_EQ(LoadCrossword(dir.File("out.jcc")).crossword, bPicture ? c.puzzle : WithCells(c.puzzle, Grid(12, 0)))
            << c.name;
    }

    // Metadata: one record shared by copies, compared by contents, and no part of JCC.
    CPuzzleMetadata metadata;
    metadata.strTitle = "Title";
    auto titled = mono;
    titled.SetMetadata(metadata);
    const auto copy = titled;
    EXPECT_EQ(&copy.Metadata(), &titled.Metadata());
    EXPECT_NE(titled, mono);
    titled.SetMetadata({});
    EXPECT_EQ(titled, mono);
    titled.SetMetadata(metadata);
    EXPECT_EQ(Saved(titled, dir, "titled.jcc"), Saved(mono, dir, "plain.jcc"));
}

TEST(FormatLimits, Decisions) {
    const auto mono = PuzzleFromPicture({"1"});
    const auto colour = PuzzleFromPicture({"12"}, 3);
    using enum ELimitAction;
    const struct {
        const char* path;
        bool bColour, bWarn;
        ELimitAction action;
        unsigned id;
    } cases[] = {
        {"a.jcw", true, false, LIMIT_REFUSE, IDS_LIMIT_MULTICOLOR},
        {"a.Jcr", true, true, LIMIT_REFUSE, IDS_LIMIT_MULTICOLOR},
        {"a.jcp", false, true, LIMIT_ASK, IDS_LIMIT_NUMBERS_ONLY},
        {"a.jcp", false, false, LIMIT_PROCEED, 0},
        {"a.jcw", false, true, LIMIT_ASK, IDS_LIMIT_PICTURE_ONLY},
        {"a.pps", true, false, LIMIT_REFUSE, IDS_LIMIT_PPIFF_MONO},
        {"a.pp", false, true, LIMIT_PROCEED, 0},
        {"a.jcc", true, true, LIMIT_PROCEED, 0},
        {"a.non", true, false, LIMIT_REFUSE, IDS_LIMIT_MULTICOLOR},
        {"a.non", false, true, LIMIT_PROCEED, 0},
        {"a.nin", false, true, LIMIT_ASK, IDS_LIMIT_NUMBERS_ONLY},
        {"a.xml", true, true, LIMIT_PROCEED, 0},
        {"dir.jcw/a", true, true, LIMIT_PROCEED, 0},
    };
    for (const auto& c : cases) {
        const CLimitDecision d = CheckFormatLimits(c.path, c.bColour ? colour : mono, c.bWarn);
        EXPECT_EQ(d.m_eAction, c.action) << c.path;
        EXPECT_EQ(d.m_nMessageId, c.id) << c.path;
    }
    // The message names the format by the extension as typed, upper case.
    EXPECT_EQ(FormatLimitText(CheckFormatLimits("x.jCw", colour, true)),
              "Формат JCW не позволяет сохранять многоцветные кроссворды!");
}

TEST(AtomicSave, FailedSavesLeaveTheOldFileAndNoLitter) {
    CTempDir dir;
    const std::string strPath = dir.File("old.jcc");
    WriteText(strPath, "precious");
    EXPECT_THROW(WriteFileAtomically(strPath,
                                     [](CSafeFile& file) {
                                         file.Write("half", 4);
                                         throw CFileError("x", CFileError::CAUSE_WRITE, 28);
                                     }),
                 CFileError);
    EXPECT_THROW(WriteFileAtomically(strPath, [](CSafeFile&) { throw std::logic_error("bug"); }), std::logic_error);
    EXPECT_EQ(ReadText(strPath), "precious");

    const auto pc = PuzzleFromPicture({"11"}, 2, true);
    EXPECT_THROW(SaveCrossword(pc, dir.File("no/such/folder/x.jcc")), CFileError);
    // The final rename fails on a folder.
    std::filesystem::create_directory(dir.File("taken.pp"));
    EXPECT_THROW(SaveCrossword(pc, dir.File("taken.pp")), CFileError);
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("taken.pp")));

    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir.Path())) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"old.jcc", "taken.pp"}));
}

TEST(AtomicSave, SavesThroughLinksAndUnderLongNames) {
    CTempDir dir;
    const auto pc = PuzzleFromPicture({"1."}, 2, true);
    // A link stays a link; the file it names gets the puzzle.
    WriteText(dir.File("real.jcc"), "old");
    std::filesystem::create_symlink("real.jcc", dir.File("link.jcc"));
    SaveCrossword(pc, dir.File("link.jcc"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.jcc")));
    EXPECT_EQ(LoadCrossword(dir.File("real.jcc")).crossword, pc);

    // A name at the length limit leaves no room for a longer temporary name beside it.
    const std::string strLong = dir.File(std::string(251, 'x') + ".jcc");
    SaveCrossword(pc, strLong);
    EXPECT_EQ(LoadCrossword(strLong).nStatus, ELoadStatus::STATUS_OK);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 3);
}
