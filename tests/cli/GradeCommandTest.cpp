// grade runs as a user would run it: one line and an exit code per class.
#include <gtest/gtest.h>

#include "support/CliRun.h"
#include "support/Puzzles.h"

namespace quenk {
namespace {

using test::CCliCase;

TEST(GradeCommand, OneLineAndAnExitCodePerClass) {
    const test::CTempDir dir;
    CCrossword mismatched = test::PuzzleFromPicture({"11.", "...", "..."});
    const CCrossword columns = test::PuzzleFromPicture({"1..", "1..", "..."});
    mismatched.m_pTopNumbers = columns.m_pTopNumbers;
    mismatched.m_nTopDepth = columns.m_nTopDepth;
    const auto Save = [&](const char* szName, const CCrossword& puzzle) { return test::SaveIn(dir, szName, puzzle); };
    const CCliCase cases[] = {
        // The picture in the file's cells does not count: only the numbers.
        {{"grade", Save("frame.jcc", test::PuzzleFromPicture({"111", "1.1", "111"}, 2, true))},
         10,
         "unique, line logic; look-aheads 0; open cells 0; ... s\n"},
        {{"grade", Save("ahead.jcc", test::PuzzleFromPicture({".11.", "1.1.", "1.1.", "1111", "1.1.", "1..1"}))},
         11,
         "unique, needs look-ahead; look-aheads 1; open cells 0; ...\n"},
        {{"grade", Save("guess.jcc", test::PuzzleFromPicture({".11.........111", "..1...1......11", ".11..11..1....1",
                                                              "1.1....11......", "..1.1.11.1...11", "1..111...1...1.",
                                                              "....1..11......", "...111..11.1..."}))},
         12,
         "unique, needs guessing; look-aheads ...; open cells 90; ...\n"},
        {{"grade", Save("diag.jcc", test::PuzzleFromPicture({"1.", ".1"}))}, 13, "several solutions; ...\n"},
        {{"grade", Save("none.jcc", mismatched)}, 14, "no solution; ...\n"},
        {{"grade"}, 2},
        {{"grade", dir.File("missing.jcc")}, 3},
    };
    for (const CCliCase& c : cases) test::ExpectCli(c);
}

}  // namespace
}  // namespace quenk
