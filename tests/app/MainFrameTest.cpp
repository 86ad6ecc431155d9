// What a user sees of the commands in each mode: the window without a puzzle, the menus
// item by item with their keys, which commands are enabled, the toolbar; and a window
// fitted to a small puzzle that still shows every menu and button.
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

#include <QDesktopServices>
#include <QLabel>
#include <QUrl>

#include "app/AppTestSupport.h"
#include "shell/AboutDlg.h"

using namespace quenk;
using namespace quenk::test;

namespace {

// The menu shown: each popup's title, then its items as "text<TAB>key", "-" for separators.
std::vector<std::vector<QString>> ShownMenus(CProgram& p) {
    std::vector<std::vector<QString>> menus;
    for (const QMenu* pMenu : p.Frame().ShownPopups()) {
        std::vector<QString> items{pMenu->title()};
        for (const QAction* pItem : pMenu->actions()) {
            if (!pItem->isVisible()) continue;
            QString strItem = pItem->isSeparator() ? QStringLiteral("-") : pItem->text();
            if (!pItem->shortcut().isEmpty()) strItem += u'\t' + pItem->shortcut().toString(QKeySequence::NativeText);
            items.push_back(strItem);
        }
        menus.push_back(items);
    }
    return menus;
}

std::vector<QString> Texts(std::initializer_list<const char*> texts) {
    std::vector<QString> v;
    for (const char* psz : texts) v.push_back(QString::fromUtf8(psz));
    return v;
}

// With a puzzle the file opened heads the recent files instead of their placeholder.
std::vector<QString> FileMenu(const QString& strRecent = {}) {
    const bool bPuzzle = !strRecent.isEmpty();
    std::vector<QString> items = Texts({"&Файл", "Созд&ать\tCtrl+N", "&Открыть...\tCtrl+O"});
    if (bPuzzle) items.push_back(QString::fromUtf8("Перечитать с диска"));
    for (const QString& str :
         Texts({"&Сохранить\tCtrl+S", "Сохранить &как...", "-", "&Импорт из BMP...", "&Экспорт в BMP...",
                "Экспорт &листа...", "-", "&Печать...\tCtrl+P", "Пред&варительный просмотр", "Пара&метры страницы...",
                "-", "Повторно открыть файл", "-", "В&ыход"}))
        items.push_back(str);
    if (bPuzzle) items[items.size() - 3] = QStringLiteral("&1 ") + strRecent;
    return items;
}

const std::vector<QString> VIEW_MENU =
    Texts({"&Вид", "&Настройки...\tAlt+O", "Панель &инструментов", "Панель &цветов", "&Строка состояния",
           "Просмотр &рисунка\tAlt+P", "Неоднозначные &клетки"});
const std::vector<QString> HELP_MENU = Texts({"&?", "&Вызов справки\tF1", "&О программе..."});

// The enabled commands among all those the tables know, in id order.
std::vector<unsigned> EnabledCommands(CProgram& p) {
    std::vector<unsigned> ids;
    for (unsigned nId = 32000; nId < 60000; ++nId)
        if (const QAction* pAction = p.Frame().Action(nId); pAction && pAction->isEnabled()) ids.push_back(nId);
    return ids;
}

std::vector<unsigned> Colors(int n) {
    std::vector<unsigned> ids;
    for (int k = 0; k < n; ++k) ids.push_back(ID_COLOR_FIRST + unsigned(k));
    return ids;
}

std::vector<unsigned> Joined(std::vector<unsigned> a, const std::vector<unsigned>& b) {
    a.insert(a.end(), b.begin(), b.end());
    std::sort(a.begin(), a.end());
    return a;
}

}  // namespace

TEST(MainFrame, EachModeShowsItsMenuAndEnablesItsCommands) {
    CProgram p;
    ASSERT_TRUE(p.Started());
    EXPECT_EQ(p.Caption(), p.Title());
    EXPECT_TRUE(p.Frame().ColorBar().isHidden());
    EXPECT_EQ(p.Frame().PaneCount(), 5);
    EXPECT_TRUE(QFileInfo::exists(p.App().Store().FileName()));  // start-up made the settings container
    EXPECT_EQ(ShownMenus(p),
              (std::vector<std::vector<QString>>{
                  FileMenu(), Texts({"&Вид", "&Настройки...\tAlt+O", "Панель &инструментов", "&Строка состояния"}),
                  HELP_MENU}));
    const std::vector<unsigned> always = {
        ID_FILE_IMPORT_BMP, ID_VIEW_COLOR_BAR, ID_PREVIEW_ZOOM_IN, ID_PREVIEW_ZOOM_OUT, ID_FILE_NEW,
        ID_FILE_OPEN,       ID_APP_EXIT,       ID_VIEW_TOOLBAR,    ID_VIEW_STATUS_BAR,  ID_FILE_PAGE_SETUP,
        ID_OPTIONS,         ID_APP_ABOUT,      ID_HELP_FINDER,     ID_CONTEXT_HELP};
    EXPECT_EQ(EnabledCommands(p), Joined(always, {}));
    p.Key(Qt::Key_E, Qt::ControlModifier);  // the key of a disabled command does nothing
    EXPECT_EQ(p.Doc().Mode(), MODE_NONE);

    ASSERT_TRUE(p.Open(WriteSmallPuzzle(p.File("small.jcc"))));
    ASSERT_EQ(p.Doc().Mode(), MODE_SOLVE);
    const QString strRecent = QString::fromStdString(p.File("small.jcc"));
    EXPECT_EQ(ShownMenus(p),
              (std::vector<std::vector<QString>>{
                  FileMenu(strRecent),
                  Texts({"&Правка", "&Отменить\tCtrl+Z", "&Повторить\tCtrl+Y", "-", "Начать &редактирование\tCtrl+E",
                         "Очистить &кроссворд\tCtrl+Del", "&Настроить палитру...", "-", "Р&ешить кроссворд\tF5",
                         "Следующий &шаг\tF4", "Найти &все решения\tCtrl+F5", "Проверить решение\tAlt+F5"}),
                  VIEW_MENU, HELP_MENU}));
    const std::vector<unsigned> withPuzzle =
        Joined(Joined(always, Colors(2)),
               {ID_FILE_RELOAD, ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_FILE_EXPORT_BMP, ID_FILE_EXPORT_SHEET,
                ID_EDIT_CLEAR_PUZZLE, ID_CHECK_SOLUTION, ID_EDIT_PALETTE, ID_VIEW_PREVIEW, ID_FILE_MRU_FIRST,
                ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW, ID_VIEW_AMBIGUITY});
    EXPECT_EQ(EnabledCommands(p), Joined(withPuzzle, {ID_EDIT_START_EDIT, ID_SOLVE, ID_NEXT_STEP, ID_FIND_ALL}));

    p.Key(Qt::Key_E, Qt::ControlModifier);
    ASSERT_EQ(p.Doc().Mode(), MODE_EDIT);
    EXPECT_EQ(ShownMenus(p),
              (std::vector<std::vector<QString>>{
                  FileMenu(strRecent),
                  Texts({"&Правка", "&Отменить\tCtrl+Z", "&Повторить\tCtrl+Y", "-", "Закончить &редактирование\tCtrl+E",
                         "Очистить &кроссворд\tCtrl+Del", "Рассчитать &числа\tCtrl+R", "Проверить решение\tAlt+F5",
                         "&Изменить размеры...", "&Настроить палитру..."}),
                  VIEW_MENU, HELP_MENU}));
    EXPECT_EQ(EnabledCommands(p), Joined(withPuzzle, {ID_EDIT_END_EDIT, ID_CALC_NUMBERS, ID_RESIZE, ID_EDIT_UNDO}));
    // Alt+Backspace is Undo's second key.
    EXPECT_EQ(p.Frame().Action(ID_EDIT_UNDO)->shortcuts().value(1), QKeySequence(Qt::ALT | Qt::Key_Backspace));
}

// The toolbar's buttons with their tooltips, and the status tip of a menu item.
TEST(MainFrame, ToolbarButtonsAndPrompts) {
    CProgram p;
    std::vector<QString> buttons;
    for (const QAction* pButton : p.Frame().ToolBar().actions())
        buttons.push_back(pButton->isSeparator() ? QStringLiteral("-") : pButton->toolTip());
    EXPECT_EQ(buttons, Texts({"Создать",
                              "Открыть",
                              "Сохранить",
                              "Импорт из BMP",
                              "Экспорт в BMP",
                              "-",
                              "Отменить",
                              "Повторить",
                              "-",
                              "Решить кроссворд",
                              "Следующий шаг",
                              "Найти все решения",
                              "-",
                              "Настройки",
                              "Просмотр рисунка",
                              "Неоднозначные клетки",
                              "Печать",
                              "-",
                              "О программе",
                              "Контекстная справка"}));
    EXPECT_EQ(p.Frame().Action(ID_CALC_NUMBERS)->statusTip(), QString::fromUtf8("Расчёт чисел по рисунку"));
    EXPECT_EQ(p.Frame().Action(ID_COLOR_FIRST + 10)->toolTip(), QString("Alt+A"));
}

// Fitted to a one-cell puzzle, the window is still wide enough for the menu bar and the
// toolbar: nothing hides behind an extension button.
TEST(MainFrame, AFittedWindowShowsEveryMenuAndButton) {
    CProgram p;
    ASSERT_TRUE(p.Open(WriteJcc(p.File("one.jcc"), 1, 1, 1, 1, 2)));
    QApplication::processEvents();
    EXPECT_GE(p.Frame().menuBar()->width(), p.Frame().menuBar()->sizeHint().width());
    for (const QToolButton* pExtension : p.Frame().findChildren<QToolButton*>()) {
        if (pExtension->objectName().endsWith(QLatin1String("_ext_button"))) {
            EXPECT_FALSE(pExtension->isVisible()) << pExtension->objectName().toStdString();
        }
    }
}

// Takes the links the program opens instead of the desktop.
class CUrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void Open(const QUrl& url) { urls.push_back(url); }
};

// The about box: the version after "Версия: ", and links opened by the desktop's handlers;
// a link nothing takes is reported.
TEST(MainFrame, TheAboutBoxShowsTheVersionAndOpensItsLinks) {
    CUrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "Open");
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &catcher, "Open");
    CProgram p;
    bool bShown = false;
    WhenModal([&](QWidget& about) {
        bShown = true;
        EXPECT_EQ(about.findChild<QLabel*>("version")->text(),
                  QString::fromUtf8("Версия: ") + QString::fromStdString(p.App().Version()));
        for (const char* pszLink : {"homePage", "eMail"}) {
            QLabel* pLink = about.findChild<QLabel*>(QLatin1String(pszLink));
            ASSERT_NE(pLink, nullptr);
            emit pLink->linkActivated(pLink->text().section(u'"', 1, 1));
        }
        about.close();
    });
    p.Command(ID_APP_ABOUT);
    ASSERT_TRUE(bShown);
    EXPECT_EQ(catcher.urls, (QList<QUrl>{QUrl(QString::fromLatin1(CAboutDlg::HomePage())),
                                         QUrl(QStringLiteral("mailto:") + QString::fromLatin1(CAboutDlg::EMail()))}));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
}

#include "MainFrameTest.moc"
