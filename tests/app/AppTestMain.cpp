// The program's tests need one QApplication per process; they run offscreen, and the
// program's settings go to a file of this run, never to the user's.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "platform/FileDialogs.h"
#include "platform/MessageBox.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir settingsDir;
    qputenv("QUENK_SETTINGS_FILE", settingsDir.filePath(QStringLiteral("settings.ini")).toUtf8());
    QApplication app(argc, argv);
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
