// The create-crossword and palette dialogs with their stored defaults, and their help.
#include <QLineEdit>
#include <QPushButton>

#include "app/AppTestSupport.h"
#include "platform/ContextHelp.h"
#include "platform/NumberEdit.h"
#include "platform/UiStrings.h"
#include "shell/BMButton.h"
#include "shell/CreateJC.h"
#include "shell/PaletteDlg.h"
#include "text/StringIds.h"

using namespace quenk;
using namespace quenk::test;

namespace {

// Sets the four fields of a shown create dialog and presses OK; true when it closed.
bool Accept(CCreateJC& dialog, int nWidth, int nHeight, int nLeft, int nTop) {
    FillCreateDialog(dialog, nWidth, nHeight, nLeft, nTop);
    dialog.accept();
    return dialog.result() == QDialog::Accepted;
}

struct CStoreFixture {
    CTempDir dir;
    CQSettingsStore store{QString::fromStdString(dir.File("quenk.ini"))};
    CStoreFixture() { store.CreateContainer(); }
};

}  // namespace

TEST(CreateDialog, RefusesExactlyOneZeroDepthAndValuesOutOfRange) {
    CStoreFixture f;
    CMessageRecorder messages;
    {
        CCreateJC dialog(f.store, nullptr);
        dialog.show();
        EXPECT_EQ(dialog.findChild<CNumberEdit*>("width")->Text(), "20");
        EXPECT_FALSE(Accept(dialog, 10, 10, 0, 3));
        EXPECT_FALSE(Accept(dialog, 256, 10, 1, 3));
        EXPECT_FALSE(Accept(dialog, 10, 0, 1, 3));
        EXPECT_EQ(messages.Ids(), (std::vector<unsigned>{IDS_DEPTHS_ONE_ZERO, IDS_FW_INT_RANGE, IDS_FW_INT_RANGE}));
        EXPECT_EQ(messages.Requests()[1].strText, QString::fromUtf8("Введите целое число от 1 до 255."));
        EXPECT_EQ(dialog.focusWidget()->objectName().toStdString(), "height");
        // "Сохранить" stores even a shape OK refuses, and the dialog stays.
        FillCreateDialog(dialog, 10, 10, 0, 3);
        dialog.findChild<QPushButton*>("saveDefaults")->click();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_TRUE(Accept(dialog, 255, 255, 0, 0));
        EXPECT_EQ(dialog.Size(), (CDefaultSize{255, 255, 0, 0}));
    }
    // The next dialog starts from the shape stored.
    CCreateJC dialog(f.store, nullptr);
    dialog.show();
    EXPECT_EQ(dialog.findChild<CNumberEdit*>("leftDepth")->Text(), "0");
    EXPECT_EQ(dialog.findChild<CNumberEdit*>("topDepth")->Text(), "3");
    messages.Clear();
    dialog.accept();
    EXPECT_EQ(messages.Ids(), std::vector<unsigned>{IDS_DEPTHS_ONE_ZERO});
}

TEST(CreateDialog, HelpNamesTheFocusedControlOrNothing) {
    CStoreFixture f;
    QPoint shownAt;
    QString strShown;
    CContextHelp::SetPopupHook([&](QPoint point, const QString& strText) {
        shownAt = point;
        strShown = strText;
    });
    CCreateJC dialog(f.store, nullptr);
    dialog.show();
    auto* pHeight = dialog.findChild<CNumberEdit*>("height");
    pHeight->setFocus();
    QTest::keyClick(pHeight->Edit(), Qt::Key_F1);
    EXPECT_EQ(strShown, QString::fromUtf8("Размер кроссворда по вертикали"));
    EXPECT_EQ(shownAt, pHeight->mapToGlobal(QPoint(pHeight->width() / 2, 0)));

    dialog.findChild<CContextHelp*>()->ShowHelpAtPoint(dialog.mapToGlobal(QPoint(1, 1)));
    EXPECT_EQ(strShown, CContextHelp::NoHelpText());
    EXPECT_EQ(shownAt, dialog.mapToGlobal(QPoint(1, 1)));
    CContextHelp::SetPopupHook({});
}

TEST(PaletteDialog, FollowsThePalettesRememberedPerCount) {
    CStoreFixture f;
    CMessageRecorder messages;
    std::array<COLORREF, MAX_COLORS> five{};
    for (int k = 0; k < 5; ++k) five[size_t(k)] = MakeRGB(10, 20, std::uint8_t(30 + k));
    ASSERT_TRUE(SaveDefaultPalette(f.store, 5, five));
    ASSERT_TRUE(SaveDefaultPalette(f.store, 3, {}));  // the stored count is now 3

    CPaletteDlg dialog(f.store, nullptr);
    dialog.show();
    EXPECT_EQ(dialog.ColorCount(), 3);
    SetField(dialog, "count", "5");
    EXPECT_EQ(dialog.Colors()[4], five[4]);
    EXPECT_TRUE(dialog.findChild<CBMButton*>("color4")->isEnabled());
    EXPECT_FALSE(dialog.findChild<CBMButton*>("color5")->isEnabled());
    SetField(dialog, "count", "6");  // nothing stored for 6: the colours stay
    EXPECT_EQ(dialog.Colors()[4], five[4]);
    SetField(dialog, "count", "40");
    EXPECT_TRUE(dialog.findChild<CBMButton*>("color15")->isEnabled());
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(messages.Ids(), std::vector<unsigned>{IDS_FW_INT_RANGE});
    SetField(dialog, "count", "4");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.ColorCount(), 4);
}
