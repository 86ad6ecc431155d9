// Runs a fuzz target once on each file named on the command line, so that the normal build
// replays the corpora as tests. As libFuzzer does, the bytes are handed over in a buffer of
// exactly their size: under AddressSanitizer a read past the end aborts.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize);

namespace {

bool ReadFile(const char* pszPath, std::vector<std::uint8_t>& bytes) {
    std::FILE* f = std::fopen(pszPath, "rb");
    if (!f) return false;
    std::uint8_t buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.insert(bytes.end(), buffer, buffer + n);
    const bool bOk = !std::ferror(f);  // a folder opens but does not read
    std::fclose(f);
    return bOk;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE...\n", argv[0]);
        return 2;
    }
    int nResult = 0;
    for (int i = 1; i < argc; ++i) {
        // On stderr, where a sanitizer's report follows it.
        std::fprintf(stderr, "Running: %s\n", argv[i]);
        std::vector<std::uint8_t> bytes;
        if (!ReadFile(argv[i], bytes)) {
            std::perror(argv[i]);
            nResult = 1;
            continue;
        }
        const std::unique_ptr<std::uint8_t[]> pExact(new std::uint8_t[bytes.size()]);
        std::copy(bytes.begin(), bytes.end(), pExact.get());
        LLVMFuzzerTestOneInput(pExact.get(), bytes.size());
    }
    return nResult;
}
