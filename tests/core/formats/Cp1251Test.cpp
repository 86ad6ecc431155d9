#include <gtest/gtest.h>

#include "text/Cp1251.h"

using namespace quenk;

TEST(Cp1251, Conversions) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += char(b);
    EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(all)), all);
    EXPECT_EQ(Utf8ToCp1251("Квенк ё Ё № € — «»"), "\xCA\xE2\xE5\xED\xEA \xB8 \xA8 \xB9 \x88 \x97 \xAB\xBB");
    EXPECT_EQ(Cp1251ToUtf8("\xC0\xFF\xA5\xB4"), "АяҐґ");
    // Unmappable characters and malformed UTF-8 (lone continuation, cut sequence, overlong
    // form, surrogate) become question marks.
    EXPECT_EQ(Utf8ToCp1251("日本😀"), "???");
    EXPECT_EQ(Utf8ToCp1251("\x80"
                           "a"
                           "\xD0"),
              "?a?");
    EXPECT_EQ(Utf8ToCp1251("\xC0\xAF"
                           "\xED\xA0\x80"),
              "?????");
}
