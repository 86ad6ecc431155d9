// The settings record and the dialog defaults through the real QSettings file: names and
// byte layouts as stored, the container rule, and hand-edited values.
#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>

#include "platform/QSettingsStore.h"
#include "settings/DialogDefaults.h"
#include "settings/Settings.h"
#include "support/TempDir.h"

using namespace quenk;
using namespace quenk::test;

namespace {

CSettings Changed() {
    CSettings s;
    s.m_bThinStrikeLine = true;
    s.m_nCellSize = 31;
    s.m_crMonoColor = MakeRGB(1, 2, 3);
    s.m_bAskToSave = false;
    s.m_nUndoSize = 7;
    s.m_bRegisterFileTypes = false;
    s.m_strLanguage = "English";
    return s;
}

}  // namespace

TEST(QSettingsStore, SavingNeverCreatesTheFileButStartUpDoes) {
    CTempDir dir;
    CQSettingsStore store(QString::fromStdString(dir.File("sub/quenk.ini")));
    EXPECT_FALSE(Changed().SaveSettings(store));
    EXPECT_FALSE(QFile::exists(store.FileName()));

    ASSERT_TRUE(store.CreateContainer());
    ASSERT_TRUE(Changed().SaveSettings(store));
    ASSERT_TRUE(SaveDefaultSize(store, {30, 20, 8, 6}));
    std::array<COLORREF, MAX_COLORS> colors{};
    colors[0] = 0x123456;
    colors[4] = 0xABCDEF;
    ASSERT_TRUE(SaveDefaultPalette(store, 5, colors));

    CQSettingsStore again(store.FileName());
    CSettings loaded;
    loaded.LoadSettings(again);
    EXPECT_EQ(loaded, Changed());
    EXPECT_EQ(LoadDefaultSize(again), (CDefaultSize{30, 20, 8, 6}));
    const CDefaultPalette palette = LoadDefaultPalette(again);
    EXPECT_EQ(palette.m_nColors, 5);
    EXPECT_EQ(palette.m_crColors[4], 0xABCDEFu);

    // As stored: the group "Settings", binary values as byte arrays, the language as text.
    QSettings raw(store.FileName(), QSettings::IniFormat);
    EXPECT_EQ(raw.value("Settings/Options1").toByteArray(), QByteArray("\x01\x01\x01\x1F\x03\x03\x01\x01\x01", 9));
    EXPECT_EQ(raw.value("Settings/Options2").toByteArray(), QByteArray("\x01\x02\x03\x00", 4));
    EXPECT_EQ(raw.value("Settings/DefSize").toByteArray(), QByteArray("\x1E\x14\x08\x06", 4));
    EXPECT_EQ(raw.value("Settings/DefColors5").toByteArray().size(), 20);
    EXPECT_EQ(raw.value("Settings/Language").typeId(), QMetaType::QString);
    EXPECT_EQ(raw.value("Settings/Language").toString(), "English");
}

// Which sizes each value may have is the core's; here values as a hand-edited file holds them.
TEST(QSettingsStore, ValuesOfTheWrongSizeOrKindFallBackToDefaults) {
    CTempDir dir;
    const QString strFile = QString::fromStdString(dir.File("quenk.ini"));
    {
        QSettings raw(strFile, QSettings::IniFormat);
        raw.beginGroup("Settings");
        raw.setValue("Options2", QString("1234"));  // a text of four characters is five bytes
        raw.setValue("Options3", QByteArray("\x01\x00\x00\x00\x00\x00\x00\x00\x2A", 9));
        raw.setValue("Language", QString(300, 'x'));
    }
    CQSettingsStore store(strFile);
    CSettings loaded;
    loaded.LoadSettings(store);
    EXPECT_EQ(loaded.m_nUndoSize, 42);
    EXPECT_EQ(loaded.Options2(), CSettings().Options2());
    EXPECT_EQ(loaded.m_strLanguage, CSettings().m_strLanguage);
}

TEST(QSettingsStore, AnOversizedFileCountsAsMissing) {
    CTempDir dir;
    const std::string strFile = dir.File("quenk.ini");
    WriteText(strFile, "[Settings]\nOptions4=@ByteArray(\\0)\n" + std::string(SETTINGS_FILE_MAX_SIZE, '#'));
    CQSettingsStore store(QString::fromStdString(strFile));
    EXPECT_FALSE(store.Open());
    EXPECT_FALSE(CSettings().SaveSettings(store));
    CSettings loaded;
    loaded.LoadSettings(store);
    EXPECT_EQ(loaded, CSettings());
}
