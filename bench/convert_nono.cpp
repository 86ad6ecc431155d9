// Converts the shared collection's .nono puzzles into .jcc files that quenk-cli reads, so
// whole-process timings of the tool can be taken (bench/run_set.sh).
// usage: convert_nono OUT_DIR FILE.nono...
#include <filesystem>
#include <iostream>

#include "formats/FormatDispatch.h"
#include "support/Nono.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: convert_nono OUT_DIR FILE.nono...\n";
        return 2;
    }
    const std::filesystem::path outDir = argv[1];
    std::filesystem::create_directories(outDir);
    int nFailed = 0;
    for (int i = 2; i < argc; ++i) {
        auto puzzle = quenk::test::ReadNono(argv[i]);
        if (!puzzle) {
            std::cerr << "skipped (unreadable or too big): " << argv[i] << '\n';
            continue;
        }
        try {
            quenk::SaveCrossword(*puzzle->crossword, (outDir / (puzzle->strId + ".jcc")).string());
        } catch (...) {
            std::cerr << "could not write " << puzzle->strId << '\n';
            ++nFailed;
        }
    }
    return nFailed == 0 ? 0 : 1;
}
