// The English bundle against every text the program looks up: the string tables, the menus,
// and whatever the window and each dialog ask for while they are built and shown. Every
// such key has an English text without Russian letters that takes the printf arguments of
// the built-in text, and the bundle keeps nothing that no text asks for. Qt's own texts
// follow the interface language.
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLibraryInfo>
#include <QPushButton>
#include <map>
#include <set>

#include "app/AppTestSupport.h"
#include "platform/ContextHelp.h"
#include "platform/UiStrings.h"
#include "shell/CommandTables.h"
#include "shell/SolvingDlg.h"
#include "text/AppStrings.h"
#include "text/FormatSignature.h"
#include "text/LanguageBundle.h"
#include "text/StringOverlay.h"

using namespace quenk;
using namespace quenk::test;

namespace {

CLanguageBundle EnglishBundle() {
    QFile file(QStringLiteral(QUENK_RESOURCES_DIR "/UI_English.lang"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray data = file.readAll();
    auto bundle = ParseLanguageBundle(std::string_view(data.constData(), size_t(data.size())));
    EXPECT_TRUE(bundle.has_value());
    return bundle ? std::move(*bundle) : CLanguageBundle();
}

// Every key looked up while it lives, with the built-in texts it stood for.
class CKeyCollector {
public:
    CKeyCollector() {
        m_previous = SetTextLookupRecorder([this](const std::string& strKey, const char* pszBuiltin) {
            Add(strKey, pszBuiltin);
        });
    }
    ~CKeyCollector() { SetTextLookupRecorder(std::move(m_previous)); }
    CKeyCollector(const CKeyCollector&) = delete;
    CKeyCollector& operator=(const CKeyCollector&) = delete;

    void Add(const std::string& strKey, const char* pszBuiltin) {
        std::set<std::string>& texts = m_keys[strKey];
        if (pszBuiltin && *pszBuiltin) texts.insert(pszBuiltin);
    }
    const std::map<std::string, std::set<std::string>>& Keys() const { return m_keys; }

private:
    TextLookupRecorder m_previous;
    std::map<std::string, std::set<std::string>> m_keys;
};

// Asks for every what's-this text of a dialog: each control of each part that has help.
void AskEveryHelp(QWidget& dialog) {
    auto previous = CContextHelp::SetPopupHook([](QPoint, const QString&) {});
    for (CContextHelp* pHelp : dialog.findChildren<CContextHelp*>())
        for (QWidget* pControl : static_cast<QWidget*>(pHelp->parent())->findChildren<QWidget*>())
            pHelp->ShowHelpForControl(pControl, {});
    CContextHelp::SetPopupHook(std::move(previous));
}

// Runs command nId, which shows a dialog; its help is asked for, then finish closes it.
void ShowDialog(CProgram& p, unsigned nId, const std::function<void(QWidget&)>& finish) {
    bool bShown = false;
    WhenModal([&](QWidget& dialog) {
        bShown = true;
        AskEveryHelp(dialog);
        finish(dialog);
    });
    ASSERT_TRUE(p.Command(nId)) << nId;
    EXPECT_TRUE(bShown) << nId;
}

void Reject(QWidget& dialog) { static_cast<QDialog&>(dialog).reject(); }

bool HasCyrillic(const std::string& strText) {
    for (QChar ch : QString::fromStdString(strText))
        if (ch.script() == QChar::Script_Cyrillic) return true;
    return false;
}

// The letter after a single '&' ("&&" is a plain ampersand); 0 without one.
QChar Mnemonic(const QString& strText) {
    for (qsizetype k = 0; k + 1 < strText.size(); ++k) {
        if (strText[k] != u'&') continue;
        if (strText[k + 1] != u'&') return strText[k + 1].toLower();
        ++k;
    }
    return {};
}

// Texts of one menu level whose mnemonics clash.
std::vector<QString> Clashes(const QStringList& texts) {
    std::map<QChar, QString> seen;
    std::vector<QString> clashes;
    for (const QString& strText : texts) {
        const QChar ch = Mnemonic(strText);
        if (ch.isNull()) continue;
        if (!seen.emplace(ch, strText).second) clashes.push_back(seen[ch] + " / " + strText);
    }
    return clashes;
}

}  // namespace

TEST(LanguageBundle, EnglishHasEveryTextLookedUpAndNothingElse) {
    CKeyCollector keys;
    {
        CProgram p;
        ASSERT_TRUE(p.Open(WriteSmallPuzzle(p.File("small.jcc"))));
        ShowDialog(p, ID_FIND_ALL, [](QWidget& dialog) {
            EXPECT_TRUE(QTest::qWaitFor(
                [&] { return static_cast<CSolvingDlg&>(dialog).State() >= CSolvingDlg::STATE_INTERRUPTED; }, 20000));
            Reject(dialog);
        });
        ASSERT_TRUE(p.Command(ID_EDIT_START_EDIT));
        ShowDialog(p, ID_RESIZE, Reject);
        ShowDialog(p, ID_EDIT_PALETTE, Reject);
        ShowDialog(p, ID_OPTIONS, Reject);
        ASSERT_TRUE(p.Command(ID_EDIT_END_EDIT));
        ASSERT_EQ(p.Doc().Mode(), MODE_SOLVE);
        // A new puzzle: the create dialog and the palette with the stored defaults; the
        // solution the search left is not saved.
        CMessageRecorder messages;
        messages.Answer(EMsgAnswer::No);
        const auto pAnswered = AnswerNewPuzzleDialogs(3, 3, 1, 1, false, true);
        ASSERT_TRUE(p.Command(ID_FILE_NEW));
        EXPECT_EQ(*pAnswered, 2);
        ShowDialog(p, ID_APP_ABOUT, Reject);
        // The open dialog; the sheet's choice and file dialog, and the refusal of a name without a sheet's
        // extension; the picture dialog and the reduction of a picture of many colours.
        CFileDialogAnswers files;
        ASSERT_TRUE(p.Command(ID_FILE_OPEN));  // the filters of every format, then cancelled
        files.Answer(p.File("sheet.txt"));
        ShowDialog(p, ID_FILE_EXPORT_SHEET, [](QWidget& dialog) { static_cast<QDialog&>(dialog).accept(); });
        QImage shades(20, 1, QImage::Format_RGB32);
        for (int x = 0; x < 20; ++x) shades.setPixel(x, 0, qRgb(x * 12, 0, 0));
        ASSERT_TRUE(shades.save(QString::fromStdString(p.File("shades.png"))));
        files.Answer(p.File("shades.png"));
        ShowDialog(p, ID_FILE_IMPORT_BMP, Reject);
    }
    // The tables, whether or not the run above showed a text of theirs.
    for (unsigned nId : BuiltinStringIds()) keys.Add(CLanguageBundle::StringKey(nId), FindBuiltinString(nId));
    for (unsigned nId : UiStringIds()) LoadUiString(nId);
    for (const CCommandRes& command : CommandResource()) {
        keys.Add(CLanguageBundle::StringKey(command.nId), command.pszPrompt);
        if (command.pszText) keys.Add("menu.item." + std::to_string(command.nId), command.pszText);
    }
    for (const CMenuRes& menu : MenuResource())
        for (const CPopupRes& popup : menu.popups) keys.Add(std::string("menu.") + popup.pszKey, popup.pszText);

    const CLanguageBundle english = EnglishBundle();
    EXPECT_EQ(english.BadLines(), 0u);
    std::vector<std::string> missing, stale;
    for (const auto& [strKey, texts] : keys.Keys()) {
        // Without a built-in text there is nothing to translate.
        if (texts.empty()) continue;
        EXPECT_EQ(texts.size(), 1u) << strKey << " stands for different texts";
        const std::string* pText = english.Find(strKey);
        if (!pText) {
            missing.push_back(strKey + "=" + *texts.begin());
            continue;
        }
        EXPECT_TRUE(SameFormatArguments(*texts.begin(), *pText)) << strKey << ": " << *pText;
    }
    for (const auto& [strKey, strText] : english.Entries()) {
        EXPECT_FALSE(HasCyrillic(strText)) << strKey << ": " << strText;
        if (strKey != "locale" && !keys.Keys().count(strKey)) stale.push_back(strKey);
    }
    EXPECT_EQ(missing, std::vector<std::string>()) << "texts without an English entry";
    EXPECT_EQ(stale, std::vector<std::string>()) << "entries no text is looked up by";
}

// In either language no two items of a popup, nor two popups of a menu, share a mnemonic,
// and no menu text brings a key of its own.
TEST(LanguageBundle, MenuMnemonicsStayUniqueInEveryLanguage) {
    const auto pEnglish = std::make_shared<const CLanguageBundle>(EnglishBundle());
    for (const auto& [strKey, strText] : pEnglish->Entries())
        EXPECT_TRUE(strKey.rfind("menu.", 0) != 0 || strText.find('\t') == std::string::npos) << strKey;
    for (const auto& pBundle : {std::shared_ptr<const CLanguageBundle>(), pEnglish}) {
        SetStringOverlay(pBundle);
        for (const CMenuRes& menu : MenuResource()) {
            QStringList titles;
            for (const CPopupRes& popup : menu.popups) {
                titles << ResourceText((std::string("menu.") + popup.pszKey).c_str(), popup.pszText);
                QStringList items;
                for (unsigned nId : popup.items) items << CommandMenuText(nId);
                EXPECT_EQ(Clashes(items), std::vector<QString>()) << menu.nId << " " << popup.pszKey;
            }
            EXPECT_EQ(Clashes(titles), std::vector<QString>()) << menu.nId;
        }
    }
    SetStringOverlay(nullptr);
}

// Qt's own texts (message box buttons, file dialogs) in the language in force: Russian from
// the start, English once English is chosen.
TEST(LanguageBundle, QtTextsFollowTheLanguage) {
    if (!QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_ru.qm")) {
        GTEST_SKIP() << "Qt's Russian translations are not installed (Debian: qt6-translations-l10n)";
    }
    const auto cancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
    CProgram p;
    EXPECT_EQ(cancel(), QString::fromUtf8("Отмена"));
    p.App().SetLanguage("English");
    EXPECT_EQ(cancel(), "Cancel");
    p.App().SetLanguage("");
    EXPECT_EQ(cancel(), QString::fromUtf8("Отмена"));
}
