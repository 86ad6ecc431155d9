// Any file with the extension .nin reaches the .nin reader; it must be read or refused,
// never crash, and what is read must save and load again with the same numbers and metadata.
#include "FuzzPuzzleFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    return quenk::fuzz::FuzzPuzzleFile(pData, nSize, ".nin", false, true);
}
