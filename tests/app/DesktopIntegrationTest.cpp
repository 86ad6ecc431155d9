// The desktop around the program: the file types registered for the user (the same files
// twice, the program's own path in the desktop entry), and help opened at the section about
// what F1, the help menu or a click in Shift+F1's help mode asked about.
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>

#include "app/AppTestSupport.h"
#include "shell/FileTypes.h"
#include "shell/Help.h"
#include "support/Puzzles.h"

using namespace quenk;
using namespace quenk::test;

namespace {

QByteArray ReadAll(const QString& strPath) {
    QFile file(strPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Takes the pages the program opens instead of the browser.
class CPageCatcher : public QObject {
    Q_OBJECT
public:
    CPageCatcher() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "Open"); }
    ~CPageCatcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QList<QUrl> urls;
public slots:
    void Open(const QUrl& url) { urls.push_back(url); }
};

}  // namespace

TEST(FileTypes, RegisteringTwiceLeavesTheSameFiles) {
    QTemporaryDir home;
    const QByteArray previous = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    const QString strProgram = QStringLiteral("/opt/my quenk/quenk");
    ASSERT_TRUE(RegisterFileTypes(strProgram));
    const QString strDesktop = home.filePath(QStringLiteral("applications/quenk.desktop"));
    const QByteArray desktop = ReadAll(strDesktop);
    EXPECT_TRUE(desktop.contains("\nExec=\"/opt/my quenk/quenk\" %f\n")) << desktop.toStdString();
    EXPECT_TRUE(desktop.contains("MimeType=application/x-quenk-jcc;"));
    QFile mime(QStringLiteral(":/linux/quenk.xml"));
    ASSERT_TRUE(mime.open(QIODevice::ReadOnly));
    EXPECT_EQ(ReadAll(home.filePath(QStringLiteral("mime/packages/quenk.xml"))), mime.readAll());
    QStringList files;
    for (const char* pszIcon : {"apps/quenk", "mimetypes/application-x-quenk-jcc", "mimetypes/application-x-quenk-jcr",
                                "mimetypes/application-x-quenk-jcw", "mimetypes/application-x-quenk-jcp",
                                "mimetypes/application-x-quenk-ppiff", "mimetypes/application-x-quenk-non",
                                "mimetypes/application-x-quenk-nin", "mimetypes/application-x-quenk-webpbn"})
        files << home.filePath(QStringLiteral("icons/hicolor/scalable/%1.svg").arg(QLatin1String(pszIcon)));
    files << strDesktop << home.filePath(QStringLiteral("mime/packages/quenk.xml"));
    QList<QDateTime> written;
    for (const QString& strFile : files) {
        EXPECT_GT(QFileInfo(strFile).size(), 0) << strFile.toStdString();
        written << QFileInfo(strFile).lastModified();
    }
    // Again: nothing is written.
    ASSERT_TRUE(RegisterFileTypes(strProgram));
    for (int k = 0; k < files.size(); ++k) EXPECT_EQ(QFileInfo(files[k]).lastModified(), written[k]);
    EXPECT_EQ(DesktopEntryFor(QStringLiteral("/usr/bin/quenk")),
              QByteArray(desktop).replace("\"/opt/my quenk/quenk\"", "/usr/bin/quenk"));
    qputenv("XDG_DATA_HOME", previous);
}

// F1 and the help menu open the guide; in Shift+F1's mode a click on a toolbar button opens
// it at that command's section, and the click does nothing else.
TEST(Help, F1AndTheHelpModeOpenTheGuide) {
    if (HelpFile().isEmpty()) GTEST_SKIP() << "the user guide was not built as HTML (python3-markdown)";
    const QByteArray html = ReadAll(HelpFile());
    for (unsigned nId = 32000; nId < 60000; ++nId) {
        const QString strSection = HelpSectionOf(nId);
        if (strSection.isEmpty()) continue;
        EXPECT_TRUE(html.contains("id=\"" + strSection.toUtf8() + '"')) << strSection.toStdString();
    }
    CProgram p;
    CPageCatcher pages;
    ASSERT_TRUE(p.Open(WriteSmallPuzzle(p.File("small.jcc"))));
    p.Key(Qt::Key_F1, Qt::NoModifier);
    ASSERT_EQ(pages.urls.size(), 1);
    EXPECT_EQ(pages.urls[0], HelpUrl());

    p.Key(Qt::Key_F1, Qt::ShiftModifier);
    ASSERT_TRUE(p.Frame().HelpMode().IsActive());
    QToolButton* pSolve = nullptr;
    for (QToolButton* pButton : p.Frame().ToolBar().findChildren<QToolButton*>())
        if (pButton->defaultAction() && pButton->defaultAction()->data().toUInt() == ID_SOLVE) pSolve = pButton;
    ASSERT_NE(pSolve, nullptr);
    QTest::mouseClick(pSolve, Qt::LeftButton);
    EXPECT_FALSE(p.Frame().HelpMode().IsActive());
    ASSERT_EQ(pages.urls.size(), 2);
    EXPECT_EQ(pages.urls[1].fragment(), "solving-with-f5-checking-with-altf5");
    EXPECT_FALSE(p.Doc().IsModified());  // F5 did not run

    // Esc leaves the mode.
    p.Key(Qt::Key_F1, Qt::ShiftModifier);
    p.Key(Qt::Key_Escape, Qt::NoModifier);
    EXPECT_FALSE(p.Frame().HelpMode().IsActive());
    EXPECT_TRUE(p.Frame().isVisible());
}

#include "DesktopIntegrationTest.moc"
