#include <gtest/gtest.h>

#include "settings/DialogDefaults.h"
#include "settings/MemorySettingsStore.h"

using namespace quenk;

namespace {

std::array<COLORREF, MAX_COLORS> Palette(std::initializer_list<COLORREF> colors) {
    std::array<COLORREF, MAX_COLORS> p{};
    std::copy(colors.begin(), colors.end(), p.begin());
    return p;
}

}  // namespace

// Values of the wrong size and a store without its container behave as for the settings
// record (SettingsTest): the same key object reads and writes them.
TEST(DialogDefaults, Size) {
    CMemorySettingsStore store;
    EXPECT_EQ(LoadDefaultSize(store), (CDefaultSize{20, 20, 5, 5}));
    // One zero depth is kept as stored; the dialog refuses it later.
    ASSERT_TRUE(SaveDefaultSize(store, {30, 40, 0, 7}));
    EXPECT_EQ(store.Values().at("DefSize").data, (ByteArray{30, 40, 0, 7}));
    EXPECT_EQ(LoadDefaultSize(store), (CDefaultSize{30, 40, 0, 7}));

    store.Put("DefSize", {0, 0, 255, 0});
    EXPECT_EQ(LoadDefaultSize(store), (CDefaultSize{1, 1, 255, 0}));
}

TEST(DialogDefaults, PaletteRememberedPerCount) {
    CMemorySettingsStore store;
    const CDefaultPalette fresh = LoadDefaultPalette(store);
    EXPECT_EQ(fresh.m_nColors, 2);
    EXPECT_EQ(fresh.m_crColors, Palette({COLOR_WHITE}));

    const auto five =
        Palette({MakeRGB(1, 1, 1), MakeRGB(2, 2, 2), MakeRGB(3, 3, 3), MakeRGB(4, 4, 4), MakeRGB(5, 5, 5)});
    const auto three = Palette({MakeRGB(7, 0, 0), MakeRGB(0, 7, 0), MakeRGB(0, 0, 7)});
    ASSERT_TRUE(SaveDefaultPalette(store, 3, three));
    ASSERT_TRUE(SaveDefaultPalette(store, 5, five));
    EXPECT_EQ(store.Values().at("NColors").data, ByteArray{5});
    EXPECT_EQ(store.Values().at("DefColors5").data.size(), 20u);
    const CDefaultPalette p = LoadDefaultPalette(store);
    EXPECT_EQ(p.m_nColors, 5);
    EXPECT_EQ(p.m_crColors, five);

    // Changing the count in the dialog: a stored palette replaces the colours, a missing one leaves them.
    auto colors = five;
    EXPECT_TRUE(LoadDefaultColors(store, 3, colors));
    EXPECT_EQ(colors,
              Palette({MakeRGB(7, 0, 0), MakeRGB(0, 7, 0), MakeRGB(0, 0, 7), MakeRGB(4, 4, 4), MakeRGB(5, 5, 5)}));
    const auto before = colors;
    EXPECT_FALSE(LoadDefaultColors(store, 6, colors));
    EXPECT_EQ(colors, before);
}

TEST(DialogDefaults, BadStoredPalettesAndBadSaves) {
    CMemorySettingsStore store;
    for (const ByteArray& count : {ByteArray{1}, ByteArray{17}, ByteArray{5, 0}, ByteArray{}}) {
        store.Put("NColors", count);
        EXPECT_EQ(LoadDefaultColorCount(store), 2) << count.size() << " bytes";
    }
    store.Put("NColors", {3});
    store.Put("DefColors3", {9, 8, 7, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(LoadDefaultPalette(store).m_crColors[0], MakeRGB(9, 8, 7));  // only plain RGB

    for (int n : {1, 17}) EXPECT_FALSE(SaveDefaultPalette(store, n, Palette({})));
    EXPECT_EQ(store.Values().at("NColors").data, ByteArray{3});
}
