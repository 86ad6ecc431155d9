#include "platform/FileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>

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

// "Text (*.ext)" -> "ext"; empty when the entry has several patterns or a wildcard one.
QString SingleSuffixOf(const QString& strFilter) {
    const qsizetype nOpen = strFilter.lastIndexOf(u'('), nClose = strFilter.lastIndexOf(u')');
    if (nOpen < 0 || nClose < nOpen) return {};
    const QString strPattern = strFilter.mid(nOpen + 1, nClose - nOpen - 1).trimmed();
    if (!strPattern.startsWith(QLatin1String("*.")) || strPattern.contains(u' ')) return {};
    const QString strSuffix = strPattern.mid(2);
    return strSuffix.contains(u'*') || strSuffix.contains(u'?') ? QString() : strSuffix;
}

}  // namespace

CFileDialogRequest MakeFileDialogRequest(bool bOpen, const QString& strProposedName) {
    CFileDialogRequest request;
    request.bOpen = bOpen;
    request.strTitle = LoadUiString(bOpen ? IDS_FW_OPEN_TITLE : IDS_FW_SAVE_TITLE);
    const QString strName = TemplateField(TEMPLATE_FILTER_NAME);
    const QString strExtensions = TemplateField(TEMPLATE_EXTENSIONS);
    // The formats shared by today's nonogram tools, after the program's own.
    const struct {
        const char* pszKey;
        const char* pszText;
        const char* pszPatterns;
    } shared[] = {{"filter.xml", "Формат webpbn XML (*.xml; *.pbn)", "*.xml *.pbn"},
                  {"filter.non", "Формат NON (*.non)", "*.non"},
                  {"filter.nin", "Формат NIN (*.nin)", "*.nin"}};
    // Saving has no combined entry: a file is written in one format.
    if (bOpen && !strName.isEmpty() && !strExtensions.isEmpty()) {
        QString strPatterns = PatternsOf(strExtensions);
        for (const auto& format : shared) strPatterns += u' ' + QLatin1String(format.pszPatterns);
        request.filters << Filter(strName, strPatterns);
    }
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
    for (const auto& format : shared)
        request.filters << Filter(ResourceText(format.pszKey, format.pszText), QString::fromLatin1(format.pszPatterns));
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

CFileDialogRequest MakePictureDialogRequest() {
    CFileDialogRequest request = MakeBitmapDialogRequest(true, QString());
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(format).toLower();
    patterns.removeDuplicates();
    request.filters.insert(0, Filter(ResourceText("filter.pictures", "Рисунки"), patterns.join(u' ')));
    request.nInitialFilter = 0;
    return request;
}

CFileDialogRequest MakeSheetDialogRequest(const QString& strProposedName) {
    CFileDialogRequest request;
    request.bOpen = false;
    request.strTitle = LoadUiString(IDS_FW_SAVE_TITLE);
    request.filters << Filter(ResourceText("filter.png", "Рисунок PNG"), QStringLiteral("*.png"))
                    << Filter(ResourceText("filter.svg", "Рисунок SVG"), QStringLiteral("*.svg"))
                    << Filter(ResourceText("filter.pdf", "Документ PDF"), QStringLiteral("*.pdf"));
    const QString strSuffix = QFileInfo(strProposedName).suffix().toLower();
    request.nInitialFilter = strSuffix == u"svg" ? 1 : strSuffix == u"pdf" ? 2 : 0;
    request.strDefaultSuffix = request.nInitialFilter == 1   ? QStringLiteral("svg")
                               : request.nInitialFilter == 2 ? QStringLiteral("pdf")
                                                             : QStringLiteral("png");
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
    if (!request.bOpen)
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& strFilter) {
            if (const QString strSuffix = SingleSuffixOf(strFilter); !strSuffix.isEmpty())
                dialog.setDefaultSuffix(strSuffix);
        });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

FileDialogHook SetFileDialogHook(FileDialogHook hook) {
    FileDialogHook previous = std::move(Hook());
    Hook() = std::move(hook);
    return previous;
}

}  // namespace quenk
