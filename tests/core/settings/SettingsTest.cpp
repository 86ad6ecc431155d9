#include <gtest/gtest.h>

#include "settings/MemorySettingsStore.h"
#include "settings/Settings.h"

using namespace quenk;

namespace {

ByteArray Text(const std::string& str) { return ByteArray(str.begin(), str.end()); }

// Stored values with every field away from its default, so a block that reverts is visible.
const std::map<std::string, ByteArray> CHANGED = {
    {"Options1", {1, 0, 0, 30, 7, 8, 9, 11, 0}},       {"Options2", {1, 2, 3, 0}},
    {"Options3", {1, 0, 0, 0, 0, 0, 0, 0, 0}},         {"Options4", {0}},
    {"Language", Text(std::string("English") + '\0')}, {"DesignCheck", {0}},
};

CSettings Load(CMemorySettingsStore& store) {
    CSettings s;
    s.m_nCellSize = 99;  // loading must overwrite whatever was there
    s.LoadSettings(store);
    EXPECT_FALSE(store.IsOpen());
    return s;
}

CSettings Changed() {
    CMemorySettingsStore store;
    for (const auto& [strName, data] : CHANGED) store.Put(strName, data);
    return Load(store);
}

std::vector<ByteArray> Blocks(const CSettings& s) { return {s.Options1(), s.Options2(), s.Options3(), s.Options4()}; }

}  // namespace

TEST(Settings, SaveWritesWhatWasLoaded) {
    const CSettings s = Changed();
    EXPECT_FALSE(s.m_bRasterFont);
    EXPECT_EQ(s.m_nImportCellSize, 11);
    EXPECT_EQ(s.m_crMonoColor, MakeRGB(1, 2, 3));
    EXPECT_TRUE(s.m_bDrawLines);
    EXPECT_EQ(s.m_nUndoSize, 0);
    EXPECT_FALSE(s.m_bDesignCheck);

    CMemorySettingsStore store;
    ASSERT_TRUE(s.SaveSettings(store));
    EXPECT_FALSE(store.IsOpen());
    for (const auto& [strName, data] : CHANGED) EXPECT_EQ(store.Values().at(strName).data, data) << strName;
    EXPECT_EQ(store.Values().at("Options1").type, EValueType::Binary);
    EXPECT_EQ(store.Values().at("Language").type, EValueType::String);
}

TEST(Settings, WrongSizeRevertsOnlyItsOwnBlock) {
    const auto defaults = Blocks(CSettings());
    const auto changed = Blocks(Changed());
    const std::pair<const char*, std::size_t> values[] = {
        {"Options1", 9}, {"Options2", 4}, {"Options3", 9}, {"Options4", 1}};
    for (std::size_t nBlock = 0; nBlock < 4; ++nBlock) {
        const auto [pszName, nSize] = values[nBlock];
        for (std::size_t nWrong : {nSize - 1, nSize + 1, std::size_t(0)}) {
            SCOPED_TRACE(std::string(pszName) + " stored with " + std::to_string(nWrong) + " bytes");
            CMemorySettingsStore store;
            for (const auto& [strName, data] : CHANGED) store.Put(strName, data);
            store.Put(pszName, ByteArray(nWrong, 2));
            const CSettings s = Load(store);
            auto expected = changed;
            expected[nBlock] = defaults[nBlock];
            EXPECT_EQ(Blocks(s), expected);
            EXPECT_EQ(s.m_strLanguage, "English");
            EXPECT_FALSE(s.m_bDesignCheck);
        }
    }
    // The design check is a value of its own: a wrong size keeps its default (on).
    for (const ByteArray& wrong : {ByteArray{}, ByteArray{0, 0}}) {
        CMemorySettingsStore store;
        for (const auto& [strName, data] : CHANGED) store.Put(strName, data);
        store.Put("DesignCheck", wrong);
        EXPECT_TRUE(Load(store).m_bDesignCheck) << wrong.size() << " bytes";
    }
}

TEST(Settings, LanguageValueLimits) {
    const std::string str258(258, 'a');
    const std::pair<ByteArray, std::string> cases[] = {
        {Text(str258 + '\0'), str258},           // 259 bytes: fits the buffer
        {Text(str258 + "a" + '\0'), ""},         // 260 bytes: built-in language
        {Text("Deutsch"), "Deutsch"},            // stored without its zero
        {Text(std::string("ab\0cd", 5)), "ab"},  // the text ends at the first zero
        {Text("../../etc/passwd"), ""},          // would reach outside the program's folder
        {Text("Es\npañol"), ""},
        {Text("Español"), "Español"},
    };
    for (const auto& [stored, strExpected] : cases) {
        CMemorySettingsStore store;
        store.Put("Language", stored);
        EXPECT_EQ(Load(store).m_strLanguage, strExpected) << stored.size() << " bytes";
    }
}

TEST(Settings, OutOfRangeValuesAreClamped) {
    CMemorySettingsStore store;
    store.Put("Options1", {2, 0, 255, 9, 0, 0, 0, 0, 7});
    store.Put("Options2", {10, 20, 30, 0xFF});
    store.Put("Options3", {0xFF, 0, 2, 0, 3, 0, 4, 0, 255});
    store.Put("Options4", {200});
    const CSettings s = Load(store);
    EXPECT_EQ(Blocks(s), (std::vector<ByteArray>{
                             {1, 0, 1, 10, 1, 1, 1, 1, 1}, {10, 20, 30, 0}, {1, 0, 1, 0, 1, 0, 1, 0, 255}, {1}}));
}

TEST(Settings, SaveStopsAtTheFirstRefusedWrite) {
    const std::vector<std::string> order = {"Options1", "Options2", "Options3", "Options4", "Language", "DesignCheck"};
    for (std::size_t nFail = 0; nFail <= order.size(); ++nFail) {
        CMemorySettingsStore store;
        store.FailWritesFrom(nFail);
        EXPECT_EQ(Changed().SaveSettings(store), nFail == order.size());
        EXPECT_FALSE(store.IsOpen());
        // The refused write was attempted; nothing after it was.
        const std::size_t nTried = std::min(nFail + 1, order.size());
        EXPECT_EQ(store.WriteLog(), std::vector<std::string>(order.begin(), order.begin() + long(nTried)));
        EXPECT_EQ(store.Values().size(), nFail);
    }
}

TEST(Settings, SaveNeverCreatesTheContainer) {
    CMemorySettingsStore store(false);
    EXPECT_FALSE(Changed().SaveSettings(store));
    EXPECT_FALSE(store.ContainerExists());
    EXPECT_TRUE(store.WriteLog().empty());

    // Start-up creates it; from then on saving works.
    ASSERT_TRUE(store.CreateContainer());
    EXPECT_TRUE(Changed().SaveSettings(store));
    EXPECT_EQ(Load(store), Changed());
}
