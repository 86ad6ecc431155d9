// Any file with the extension .pp reaches the PPIFF reader; it must be read or refused,
// never crash, and what is read must save and load again.
#include "FuzzPuzzleFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    return quenk::fuzz::FuzzPuzzleFile(pData, nSize, ".pp", false);
}
