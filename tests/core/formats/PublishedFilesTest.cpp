// The .non, .nin and webpbn XML files of the shared data, as their authors published them,
// against the puzzles the data's index maps them to.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "core/formats/FormatTestSupport.h"
#include "formats/WriterSupport.h"
#include "support/Nono.h"

using namespace quenk;
using namespace quenk::test;

namespace {

namespace fs = std::filesystem;

// orig_path -> the .nono file, from the index's columns "file" and "orig_path".
std::map<std::string, std::string> ReadIndex(const fs::path& dataDir) {
    std::map<std::string, std::string> index;
    std::ifstream in(dataDir / "index.tsv");
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        std::vector<std::string> fields;
        std::istringstream row(line);
        for (std::string field; std::getline(row, field, '\t');) fields.push_back(field);
        if (fields.size() > 9) index[fields[9]] = fields[1];
    }
    return index;
}

}  // namespace

// Every file reads (or, over 255 cells or as a triddler, is refused saying why), has the
// numbers of its puzzle and, with a goal, that puzzle's picture; written back in its format
// and read again it has the same numbers, cells and metadata.
TEST(PublishedFiles, ReadMatchAndWriteBack) {
    const fs::path dataDir = QUENK_SHARED_DATA_DIR;
    if (!fs::exists(dataDir / "orig")) GTEST_SKIP() << "no shared data in " << dataDir;
    const auto index = ReadIndex(dataDir);
    std::vector<CNonoPuzzle> puzzles;  // for the copies the index does not name
    for (const auto& entry : fs::directory_iterator(dataDir / "puzzles"))
        if (auto puzzle = ReadNono(entry.path()); puzzle && puzzle->crossword) puzzles.push_back(std::move(*puzzle));

    CTempDir dir;
    int nFiles = 0, nMatched = 0, nGoals = 0, nRefused = 0;
    for (const auto& entry : fs::recursive_directory_iterator(dataDir / "orig")) {
        const std::string strExt = entry.path().extension();
        if (strExt != ".non" && strExt != ".nin" && strExt != ".xml") continue;
        const std::string strName = fs::relative(entry.path(), dataDir / "orig");
        ++nFiles;
        const CLoadResult result = LoadCrossword(entry.path());
        const bool bRgb = strExt == ".xml";
        const auto it = index.find(strName);
        std::optional<CNonoPuzzle> expected;
        if (it != index.end()) {
            expected = ReadNono(dataDir / it->second);
        } else if (result.crossword) {
            for (const CNonoPuzzle& puzzle : puzzles)
                if (NumbersOf(*puzzle.crossword, bRgb) == NumbersOf(*result.crossword, bRgb)) expected = puzzle;
        }
        if (!expected || !expected->crossword) {
            // The puzzles the program cannot hold, and the triddlers the index leaves out.
            EXPECT_FALSE(result.crossword) << strName;
            EXPECT_TRUE(result.strDetail.find("255") != std::string::npos ||
                        result.strDetail.find("triddler") != std::string::npos)
                << strName << ": " << result.strDetail;
            ++nRefused;
            continue;
        }
        ASSERT_TRUE(result.crossword) << strName << ": " << result.strDetail;
        const CCrossword& puzzle = *result.crossword;
        EXPECT_EQ(NumbersOf(puzzle, bRgb), NumbersOf(*expected->crossword, bRgb)) << strName;
        if (!IsBlankPicture(puzzle)) {
            ++nGoals;
            // The same colours: for XML by their values, else by their indices.
            const auto colorOf = [&](std::uint8_t v) {
                const auto& palette = puzzle.m_crColors;
                const COLORREF cr = expected->crossword->m_crColors[v];
                return std::uint8_t(bRgb ? std::find(palette.begin(), palette.end(), cr) - palette.begin() : v);
            };
            Grid goal;
            for (const std::uint8_t v : expected->goal) goal.push_back(v == 0 ? 0 : colorOf(v));
            EXPECT_EQ(CellsOf(puzzle), goal) << strName;
        }
        ++nMatched;

        const std::string strCopy = dir.File("copy" + strExt);
        SaveCrossword(puzzle, strCopy);
        const CLoadResult again = LoadCrossword(strCopy);
        ASSERT_TRUE(again.crossword) << strName << ": " << again.strDetail;
        EXPECT_EQ(*again.crossword, puzzle) << strName;
    }
    std::cout << "[          ] " << nFiles << " files: " << nMatched << " matched (" << nGoals << " with a goal), "
              << nRefused << " refused\n";
    EXPECT_GE(nMatched, 90);
}
