// The options sheet through the real window: Apply shows at once and Cancel puts everything
// back, OK stores; the linked bitmap cell sizes; lines grey out "fill at once"; a language
// applied relabels the program and the sheet while a puzzle stays in solving mode.
#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>

#include "app/AppTestSupport.h"
#include "platform/NumberEdit.h"
#include "platform/UiStrings.h"
#include "shell/OptionsSheet.h"
#include "view/QuenkView.h"

using namespace quenk;
using namespace quenk::test;

namespace {

template <class T>
T& Child(QWidget& parent, const char* pszName) {
    T* pChild = parent.findChild<T*>(QLatin1String(pszName));
    EXPECT_NE(pChild, nullptr) << pszName;
    return *pChild;
}

void ShowPage(QWidget& sheet, int nPage) { Child<QTabWidget>(sheet, "").setCurrentIndex(nPage); }

CSettings Stored(CProgram& p) {
    CQSettingsStore store(p.App().Store().FileName());
    CSettings settings;
    settings.LoadSettings(store);
    return settings;
}

// The titles and items of the menu shown, with the caption.
QStringList Labels(CProgram& p) {
    QStringList labels{p.Caption()};
    for (QMenu* pMenu : p.Frame().ShownPopups()) {
        labels << pMenu->title();
        for (QAction* pItem : pMenu->actions()) labels << pItem->text();
    }
    return labels;
}

}  // namespace

TEST(OptionsSheet, ApplyShowsCancelRestoresOkStores) {
    CProgram p;
    ASSERT_TRUE(p.Open(WriteSmallPuzzle(p.File("small.jcc"))));
    const CSettings before = p.App().Settings();
    bool bDone = false;
    WhenModal([&](QWidget& sheet) {
        QPushButton& apply = Child<QPushButton>(sheet, "apply");
        EXPECT_FALSE(apply.isEnabled());
        SetField(sheet, "cellSize", "20");
        EXPECT_TRUE(apply.isEnabled());
        apply.click();
        EXPECT_EQ(p.App().Settings().m_nCellSize, 20);
        EXPECT_EQ(p.App().View()->DrawOptions().nCellSize, 20);
        EXPECT_TRUE(ShowsTheDrawing(p));
        EXPECT_FALSE(apply.isEnabled());

        // "Одинаково": the import size follows the export size; unlinked it is its own.
        CNumberEdit& import = Child<CNumberEdit>(sheet, "importCellSize");
        EXPECT_FALSE(import.isEnabled());
        SetField(sheet, "exportCellSize", "4");
        EXPECT_EQ(import.Text(), "4");
        Child<QCheckBox>(sheet, "sameSize").click();
        EXPECT_TRUE(import.isEnabled());
        SetField(sheet, "importCellSize", "7");

        // Lines grey out "fill at once".
        ShowPage(sheet, 2);
        QCheckBox& fill = Child<QCheckBox>(sheet, "fillImmediately");
        Child<QCheckBox>(sheet, "drawLines").click();
        EXPECT_FALSE(fill.isEnabled());
        sheet.close();  // the close box: as Cancel
        bDone = true;
    });
    p.Command(ID_OPTIONS);
    ASSERT_TRUE(bDone);
    EXPECT_EQ(p.App().Settings(), before);
    EXPECT_EQ(p.App().View()->DrawOptions().nCellSize, before.m_nCellSize);
    EXPECT_TRUE(ShowsTheDrawing(p));
    EXPECT_EQ(Stored(p), before);

    // OK applies and stores.
    WhenModal([&](QWidget& sheet) {
        SetField(sheet, "exportCellSize", "4");
        ShowPage(sheet, 2);
        Child<QCheckBox>(sheet, "exitOnEsc").click();
        SetField(sheet, "undoSize", "7");
        Child<QPushButton>(sheet, "ok").click();
    });
    p.Command(ID_OPTIONS);
    const CSettings stored = Stored(p);
    EXPECT_EQ(stored, p.App().Settings());
    EXPECT_EQ(stored.m_nExportCellSize, 4);
    EXPECT_EQ(stored.m_nImportCellSize, 4);
    EXPECT_FALSE(stored.m_bExitOnEsc);
    EXPECT_EQ(stored.m_nUndoSize, 7);

    // A value out of range keeps the sheet open on its page with the message.
    CMessageRecorder messages;
    WhenModal([&](QWidget& sheet) {
        ShowPage(sheet, 2);
        SetField(sheet, "undoSize", "300");
        ShowPage(sheet, 0);
        Child<QPushButton>(sheet, "ok").click();
        EXPECT_TRUE(sheet.isVisible());
        EXPECT_EQ(Child<QTabWidget>(sheet, "").currentIndex(), 2);
        sheet.close();
    });
    p.Command(ID_OPTIONS);
    EXPECT_EQ(messages.Ids(), std::vector<unsigned>{IDS_FW_INT_RANGE});
}

// English applied while a puzzle is solved: menus, caption, status bar and the sheet itself
// in English at once, the solving menu kept; Cancel goes back to Russian.
TEST(OptionsSheet, ALanguageAppliedRelabelsEverythingAtOnce) {
    CProgram p;
    ASSERT_TRUE(p.Open(WriteSmallPuzzle(p.File("small.jcc"))));
    ASSERT_EQ(p.Doc().Mode(), MODE_SOLVE);
    const QString strRussianCaption = p.Caption();
    const QStringList russian = Labels(p);
    bool bDone = false;
    WhenModal([&](QWidget& sheet) {
        ShowPage(sheet, 2);
        QComboBox& languages = Child<QComboBox>(sheet, "language");
        ASSERT_GE(languages.findText("English"), 1);
        EXPECT_EQ(languages.itemText(0), "Russian <main>");
        QPushButton& apply = Child<QPushButton>(sheet, "apply");
        languages.setCurrentIndex(0);  // the language in force: no change
        EXPECT_FALSE(apply.isEnabled());
        languages.setCurrentIndex(languages.findText("English"));
        apply.click();
        EXPECT_EQ(p.Frame().ShownPopups()[1]->title(), "&Edit");
        EXPECT_TRUE(p.Caption().startsWith("Quenk"));
        EXPECT_EQ(sheet.windowTitle(), "Options");
        EXPECT_EQ(p.Doc().Mode(), MODE_SOLVE);
        EXPECT_EQ(p.Frame().MenuId(), unsigned(IDR_MENU_SOLVE));
        // Not one label left in Russian.
        for (const QString& strLabel : Labels(p))
            EXPECT_FALSE(strLabel.contains(QRegularExpression(QStringLiteral("\\p{Cyrillic}"))))
                << strLabel.toStdString();
        sheet.close();
        bDone = true;
    });
    p.Command(ID_OPTIONS);
    ASSERT_TRUE(bDone);
    EXPECT_EQ(p.Frame().ShownPopups()[1]->title(), QString::fromUtf8("&Правка"));
    EXPECT_EQ(p.Caption(), strRussianCaption);
    EXPECT_EQ(Labels(p), russian);
    EXPECT_TRUE(p.App().Settings().m_strLanguage.empty());
}
