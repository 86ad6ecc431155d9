#include "platform/FileDialogs.h"

#include <QFileDialog>

#include "platform/UiStrings.h"
#include "text/AppStrings.h"

namespace quenk {

namespace {

FileDialogHook& Hook() {
    static FileDialogHook hook;
    return hook;
}

// Fields of the document template string.
enum { TEMPLATE_FILTER_NAME = 3, TEMPLATE_EXTENSIONS = 4 };

QString TemplateField(int nField) {
    return QString::fromStdString(LoadAppString(IDS_DOCUMENT_TEMPLATE)).section(u'\n', nField, nField);
}

// ".jcc;.jcr" -> "*.jcc *.jcr"
QString PatternsOf(const QString& strExtensions) {
    QStringList patterns;
    for (const QString& strExt : strExtensions.split(u';', Qt::SkipEmptyParts)) patterns << u'*' + strExt.trimmed();
    return patterns.join(u' ');
}

QString Filter(const QString& strText, const QString& strPatterns) { return strText + " (" + strPatterns + ")"; }

QString DefaultSuffix() {
    const QString strFirst = TemplateField(TEMPLATE_EXTENSIONS).section(u';', 0, 0).trimmed();
    return strFirst.startsWith(u'.') ? strFirst.mid(1) : strFirst;
}

}  // namespace

CFileDialogRequest MakeFileDialogRequest(bool bOpen, const QString& strProposedName) {
    CFileDialogRequest request;
    request.bOpen = bOpen;
    request.strTitle = LoadUiString(bOpen ? IDS_FW_OPEN_TITLE : IDS_FW_SAVE_TITLE);
    const QString strName = TemplateField(TEMPLATE_FILTER_NAME);
    const QString strExtensions = TemplateField(TEMPLATE_EXTENSIONS);
    // Saving has no combined entry: a file is written in one format.
    if (bOpen && !strName.isEmpty() && !strExtensions.isEmpty())
        request.filters << Filter(strName, PatternsOf(strExtensions));
    const struct {
        unsigned nId;
        const char* pszPatterns;
    } formats[] = {{IDS_FILTER_JCC, "*.jcc"},
                   {IDS_FILTER_PPIFF, "*.pp *.ppc *.pps"},
                   {IDS_FILTER_JCR, "*.jcr"},
                   {IDS_FILTER_JCW, "*.jcw"},
                   {IDS_FILTER_JCP, "*.jcp"}};
    for (const auto& format : formats)
        request.filters << Filter(QString::fromStdString(LoadAppString(format.nId)),
                                  QString::fromLatin1(format.pszPatterns));
    request.filters << Filter(LoadUiString(IDS_FW_ALL_FILES), QStringLiteral("*"));
    request.nInitialFilter = 0;
    request.strDefaultSuffix = DefaultSuffix();
    request.strProposedName = strProposedName;
    return request;
}

CFileDialogRequest MakeBitmapDialogRequest(bool bOpen, const QString& strProposedName) {
    CFileDialogRequest request;
    request.bOpen = bOpen;
    request.strTitle = LoadUiString(bOpen ? IDS_FW_OPEN_TITLE : IDS_FW_SAVE_TITLE);
    // "text|pattern|text|pattern||"; a pattern may list several, separated by ";".
    const QStringList parts = QString::fromStdString(LoadAppString(IDS_BMP_FILTER)).split(u'|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty()) break;
        QString strPatterns = parts[i + 1];
        strPatterns.replace(u';', u' ');
        // Every file, with or without a dot in its name.
        if (strPatterns == QLatin1String("*.*")) strPatterns = QStringLiteral("*");
        request.filters << Filter(parts[i], strPatterns);
    }
    request.nInitialFilter = 0;
    request.strDefaultSuffix = QStringLiteral("bmp");
    request.strProposedName = strProposedName;
    return request;
}

QString ProposedSaveName(const QString& strTitle) {
    const QString strSuffix = u'.' + DefaultSuffix();
    return strTitle.endsWith(strSuffix, Qt::CaseInsensitive) ? strTitle : strTitle + strSuffix;
}

std::optional<QString> PromptFileName(bool bOpen, const QString& strProposedName, QWidget* pParent) {
    return PromptFileName(MakeFileDialogRequest(bOpen, strProposedName), pParent);
}

std::optional<QString> PromptFileName(const CFileDialogRequest& request, QWidget* pParent) {
    if (Hook()) return Hook()(request);

    QFileDialog dialog(pParent, request.strTitle);
    dialog.setAcceptMode(request.bOpen ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(request.bOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.bConfirmOverwrite);
    dialog.setNameFilters(request.filters);
    dialog.selectNameFilter(request.filters.value(request.nInitialFilter));
    dialog.setDefaultSuffix(request.strDefaultSuffix);
    if (!request.strProposedName.isEmpty()) dialog.selectFile(request.strProposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

FileDialogHook SetFileDialogHook(FileDialogHook hook) {
    FileDialogHook previous = std::move(Hook());
    Hook() = std::move(hook);
    return previous;
}

}  // namespace quenk
