#pragma once
// Bounds for the text formats, whose readers take the whole file into memory.
#include <cstdint>

namespace quenk {

// Far beyond any real puzzle of 255 x 255 cells; a larger file is refused rather than
// read into memory.
constexpr std::uint64_t MAX_TEXT_FILE = 16u << 20;

}  // namespace quenk
