#pragma once
// The Open and Save As dialogs with one filter per puzzle format. Which reader or writer
// handles a file is decided by its extension, never by the filter chosen.
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;

namespace quenk {

struct CFileDialogRequest {
    bool bOpen = true;
    QString strTitle;
    // Each entry is the display text followed by " (patterns)", which Qt reads the
    // patterns from; the dialog shows only the display text.
    QStringList filters;
    int nInitialFilter = 0;
    QString strDefaultSuffix;  // added when the user types a name without an extension
    QString strProposedName;
    bool bConfirmOverwrite = true;  // saving: ask before an existing file is replaced
};

using FileDialogHook = std::function<std::optional<QString>(const CFileDialogRequest&)>;

// The request for an Open (bOpen) or Save As dialog proposing strProposedName.
CFileDialogRequest MakeFileDialogRequest(bool bOpen, const QString& strProposedName);
// The name offered when saving a document shown as strTitle that has no file yet: the title
// with the default extension unless it already ends in it.
QString ProposedSaveName(const QString& strTitle);

// The request for a bitmap to import (bOpen) or to export into: the filter of the bitmap
// string (text and pattern pairs separated by "|"), default extension "bmp".
CFileDialogRequest MakeBitmapDialogRequest(bool bOpen, const QString& strProposedName);

// The request for a picture to import: the bitmap entries, with the pictures Qt reads
// (PNG, GIF, JPEG and whatever else its plug-ins take) offered first.
CFileDialogRequest MakePictureDialogRequest();

// The request for a puzzle sheet to export into: PNG, SVG and PDF, the entry of
// strProposedName's extension selected.
CFileDialogRequest MakeSheetDialogRequest(const QString& strProposedName);

// Runs the dialog; empty when it was cancelled. Saving, the default extension follows the
// entry the user picks when that entry stands for one extension.
std::optional<QString> PromptFileName(bool bOpen, const QString& strProposedName, QWidget* pParent);
std::optional<QString> PromptFileName(const CFileDialogRequest& request, QWidget* pParent);

// Replaces the dialog by hook (an empty hook restores the dialog); returns the previous hook.
FileDialogHook SetFileDialogHook(FileDialogHook hook);

}  // namespace quenk
