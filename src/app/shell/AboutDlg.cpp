#include "shell/AboutDlg.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "platform/MessageBox.h"
#include "platform/UiStrings.h"
#include "text/AppStrings.h"

namespace quenk {

namespace {

QString Text(const char* pszKey, const char* pszBuiltin) {
    return ResourceText(QStringLiteral("dialog.100.%1").arg(QLatin1String(pszKey)), pszBuiltin);
}

// A link that shows its target, underlined, and opens it when clicked.
QLabel* Link(const QString& strShown, const QString& strTarget, const char* pszName, QWidget* pParent) {
    auto* pLabel =
        new QLabel(QStringLiteral("<a href=\"%1\">%2</a>").arg(strTarget.toHtmlEscaped(), strShown.toHtmlEscaped()),
                   pParent);
    pLabel->setObjectName(QLatin1String(pszName));
    pLabel->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    QObject::connect(pLabel, &QLabel::linkActivated, pLabel,
                     [](const QString& strUrl) { CAboutDlg::OpenLink(QUrl(strUrl)); });
    return pLabel;
}

}  // namespace

const char* CAboutDlg::HomePage() { return "https://github.com/quenk/quenk"; }

const char* CAboutDlg::EMail() { return "ostrel@example.org"; }

bool CAboutDlg::OpenLink(const QUrl& url) {
    if (QDesktopServices::openUrl(url)) return true;
    QApplication::beep();
    AppMessageBox(IDS_SHELL_COMMAND_FAILED, EMsgButtons::Ok, EMsgIcon::Warning,
                  QString::fromStdString(LoadAppString(IDS_SHELL_COMMAND_FAILED))
                      .replace(QStringLiteral("%d"), QStringLiteral("0")));
    return false;
}

CAboutDlg::CAboutDlg(const QString& strVersion, QWidget* pParent) : QDialog(pParent) {
    setWindowTitle(Text("caption", "О программе"));
    auto* pIcon = new QLabel(this);
    pIcon->setPixmap(QApplication::windowIcon().pixmap(48, 48));
    auto* pName = new QLabel(Text("program", "Программа: Квенк"), this);
    auto* pVersion = new QLabel(Text("version", "Версия: ") + strVersion, this);
    pVersion->setObjectName(QStringLiteral("version"));
    auto* pAbout = new QLabel(Text("about", "Редактор и решатель японских кроссвордов."), this);
    pAbout->setWordWrap(true);

    auto* pLinks = new QGroupBox(this);
    auto* pForm = new QFormLayout(pLinks);
    const QString strHome = QString::fromLatin1(HomePage()), strMail = QString::fromLatin1(EMail());
    pForm->addRow(Text("homePage", "Домашняя страница:"), Link(strHome, strHome, "homePage", pLinks));
    pForm->addRow(Text("eMail", "E-mail:"), Link(strMail, QStringLiteral("mailto:") + strMail, "eMail", pLinks));

    auto* pButtons = new QDialogButtonBox(this);
    pButtons->addButton(Text("ok", "OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    connect(pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* pText = new QVBoxLayout;
    pText->addWidget(pName);
    pText->addWidget(pVersion);
    pText->addWidget(pAbout);
    auto* pTop = new QHBoxLayout;
    pTop->addWidget(pIcon, 0, Qt::AlignTop);
    pTop->addLayout(pText, 1);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pTop);
    pLayout->addWidget(pLinks);
    pLayout->addWidget(pButtons);
}

}  // namespace quenk
