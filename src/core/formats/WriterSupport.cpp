#include "formats/WriterSupport.h"

#include <algorithm>

namespace quenk {

bool IsBlankPicture(const CCrossword& crossword) {
    const auto cells = crossword.Cells();
    return std::all_of(cells.begin(), cells.end(), [](std::uint8_t v) { return v == 0; });
}

}  // namespace quenk
