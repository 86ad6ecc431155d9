// Language bundles come from files anyone can drop beside the program: parsing one and then
// formatting its texts must never crash, whatever the bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "text/AppStrings.h"
#include "text/FormatSignature.h"
#include "text/LanguageBundle.h"
#include "text/StringOverlay.h"

using namespace quenk;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    auto bundle = ParseLanguageBundle(std::string_view(reinterpret_cast<const char*>(pData), nSize));
    if (!bundle) return 0;
    for (const auto& [strKey, strText] : bundle->Entries()) (void)FormatSignature(strText);

    SetStringOverlay(std::make_shared<const CLanguageBundle>(std::move(*bundle)));
    // Format every text with the arguments its built-in original takes, as the program does.
    for (unsigned nId : BuiltinStringIds()) {
        const std::string strText = LoadAppString(nId);
        const auto sig = FormatSignature(FindBuiltinString(nId));
        if (!sig) __builtin_trap();
        if (*sig == "i")
            (void)FormatText(strText, 1);
        else if (*sig == "ii")
            (void)FormatText(strText, 1, 2);
        else if (*sig == "iii")
            (void)FormatText(strText, 1, 2, 3);
        else if (*sig == "s")
            (void)FormatText(strText, "JCR");
        else if (*sig == "is")
            (void)FormatText(strText, 12, "expected numbers");
        else if (!sig->empty())
            __builtin_trap();  // a new kind of text: teach this target about it
    }
    SetStringOverlay(nullptr);
    return 0;
}
