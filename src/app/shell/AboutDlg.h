#pragma once
// "О программе": the program's name and version, and two links, to its home page and to its
// author's mail, opened in the user's browser and mail program.
#include <QDialog>

namespace quenk {

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    // strVersion: the version text, shown after "Версия: ".
    CAboutDlg(const QString& strVersion, QWidget* pParent);

    static const char* HomePage();
    static const char* EMail();

    // Opens url with the desktop's handler for its kind; false (after the message) when
    // none would take it.
    static bool OpenLink(const QUrl& url);
};

}  // namespace quenk
