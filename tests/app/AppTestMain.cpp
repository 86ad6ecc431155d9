// The program's tests need one QApplication per process; they run offscreen, and the
// program's settings go to a file of this run, never to the user's. The English bundle of the
// sources lies beside the test program, where the program looks for its languages.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include "platform/FileDialogs.h"
#include "platform/MessageBox.h"

namespace {

// Replaced only when it differs, and in one step: other test processes may be reading it.
void PlaceEnglishBundle() {
    QFile source(QStringLiteral(QUENK_RESOURCES_DIR "/UI_English.lang"));
    if (!source.open(QIODevice::ReadOnly)) return;
    const QByteArray data = source.readAll();
    const QString strTarget = QCoreApplication::applicationDirPath() + QStringLiteral("/UI_English.lang");
    QFile current(strTarget);
    if (current.open(QIODevice::ReadOnly) && current.readAll() == data) return;
    QSaveFile target(strTarget);
    if (target.open(QIODevice::WriteOnly)) {
        target.write(data);
        target.commit();
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir settingsDir;
    qputenv("QUENK_SETTINGS_FILE", settingsDir.filePath(QStringLiteral("settings.ini")).toUtf8());
    // The file types a started program registers go there too, never to the user's folders.
    qputenv("XDG_DATA_HOME", settingsDir.filePath(QStringLiteral("data")).toUtf8());
    QApplication app(argc, argv);
    PlaceEnglishBundle();
    // A box or file dialog that no test expected would wait for a user who never comes: it
    // fails the test and is cancelled instead.
    quenk::SetMessageBoxHook([](const quenk::CMessageRequest& request) {
        ADD_FAILURE() << "unexpected message box " << request.nId << ": " << request.strText.toStdString();
        return quenk::EMsgAnswer::Cancel;
    });
    quenk::SetFileDialogHook([](const quenk::CFileDialogRequest& request) -> std::optional<QString> {
        ADD_FAILURE() << "unexpected file dialog: " << request.strTitle.toStdString();
        return std::nullopt;
    });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
