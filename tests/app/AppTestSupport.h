#pragma once
// Running the real program offscreen: an application with its own settings file, message
// boxes and file dialogs answered by the test, dialogs driven while they run.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <deque>
#include <functional>
#include <memory>
#include <ostream>
#include <vector>

#include "doc/QuenkDoc.h"
#include "model/Crossword.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBox.h"
#include "shell/CommandIds.h"
#include "shell/MainFrame.h"
#include "shell/QuenkApp.h"
#include "support/TempDir.h"

// Readable failures.
inline void PrintTo(const QString& str, std::ostream* pOut) { *pOut << '"' << str.toStdString() << '"'; }

namespace quenk::test {

// Records every message box and answers them in turn (Yes, or OK, when the queue is empty).
class CMessageRecorder {
public:
    CMessageRecorder() {
        m_previous = SetMessageBoxHook([this](const CMessageRequest& request) {
            m_requests.push_back(request);
            if (m_answers.empty()) return request.eButtons == EMsgButtons::Ok ? EMsgAnswer::Ok : EMsgAnswer::Yes;
            const EMsgAnswer answer = m_answers.front();
            m_answers.pop_front();
            return answer;
        });
    }
    ~CMessageRecorder() { SetMessageBoxHook(std::move(m_previous)); }
    CMessageRecorder(const CMessageRecorder&) = delete;
    CMessageRecorder& operator=(const CMessageRecorder&) = delete;

    void Answer(EMsgAnswer answer) { m_answers.push_back(answer); }
    const std::vector<CMessageRequest>& Requests() const { return m_requests; }
    std::vector<unsigned> Ids() const {
        std::vector<unsigned> ids;
        for (const auto& request : m_requests) ids.push_back(request.nId);
        return ids;
    }
    void Clear() { m_requests.clear(); }

private:
    MessageBoxHook m_previous;
    std::vector<CMessageRequest> m_requests;
    std::deque<EMsgAnswer> m_answers;
};

// Answers file dialogs with the queued names (cancel when none is left).
class CFileDialogAnswers {
public:
    CFileDialogAnswers() {
        m_previous = SetFileDialogHook([this](const CFileDialogRequest& request) -> std::optional<QString> {
            m_requests.push_back(request);
            if (m_answers.empty()) return std::nullopt;
            const QString strAnswer = m_answers.front();
            m_answers.pop_front();
            return strAnswer;
        });
    }
    ~CFileDialogAnswers() { SetFileDialogHook(std::move(m_previous)); }
    CFileDialogAnswers(const CFileDialogAnswers&) = delete;
    CFileDialogAnswers& operator=(const CFileDialogAnswers&) = delete;

    void Answer(const std::string& strPath) { m_answers.push_back(QString::fromStdString(strPath)); }
    const std::vector<CFileDialogRequest>& Requests() const { return m_requests; }

private:
    FileDialogHook m_previous;
    std::vector<CFileDialogRequest> m_requests;
    std::deque<QString> m_answers;
};

// Runs action on the next modal dialog as soon as it is shown (while exec() runs); gives up
// after two seconds, so a dialog that never came cannot be answered in a later test.
void WhenModal(std::function<void(QWidget&)> action);
// Sets a named number edit of a dialog.
void SetField(QWidget& dialog, const char* pszName, const QString& strText);
// Fills in the shape of a shown create dialog.
void FillCreateDialog(QWidget& create, int nWidth, int nHeight, int nLeft, int nTop);
// Answers the next modal dialog: adjust fills it in, then OK or Cancel. The result counts
// the dialogs answered.
std::shared_ptr<int> AnswerDialog(std::function<void(QWidget&)> adjust, bool bCancel = false);
// The create dialog as Resize shows it, answered with a shape.
std::shared_ptr<int> AnswerCreateDialog(int nWidth, int nHeight, int nLeft, int nTop, bool bCancel = false);
// Answers the create dialog with a shape and the palette dialog with its defaults, or
// cancels one of them. The result counts the dialogs answered.
std::shared_ptr<int> AnswerNewPuzzleDialogs(int nWidth, int nHeight, int nLeft, int nTop, bool bCancelCreate = false,
                                            bool bCancelPalette = false);

// A started program with its own settings file in a temporary folder.
class CProgram {
public:
    // Settings the test wants before start-up (the app loads them from the file).
    explicit CProgram(const std::function<void(CSettings&)>& adjust = {}, QStringList arguments = {});
    ~CProgram();

    CQuenkApp& App() { return *m_pApp; }
    CQuenkDoc& Doc() { return *m_pApp->Document(); }
    // The document's puzzle, to set up a state a file could bring before a command runs;
    // the window learns of it only through that command.
    CCrossword& Puzzle() { return const_cast<CCrossword&>(*Doc().Crossword()); }
    CMainFrame& Frame() { return *m_pApp->MainFrame(); }
    const CTempDir& Dir() const { return m_dir; }
    std::string File(const std::string& strName) const { return m_dir.File(strName); }
    bool Started() const { return m_bStarted; }

    // Sends a command as its menu item, toolbar button or key would; false (and nothing
    // happens) while it is disabled.
    bool Command(unsigned nId);
    bool Enabled(unsigned nId) { return Frame().Action(nId)->isEnabled(); }
    // Presses a key on the main window (made active first, as a user's click would).
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers);
    QString Caption() { return Frame().windowTitle(); }
    // The program's title with the version it carries: the caption without a puzzle.
    QString Title() { return QString::fromUtf8("Квенк ") + QString::fromStdString(App().Version()); }
    bool Open(const std::string& strPath) { return m_pApp->OpenDocumentFile(QString::fromStdString(strPath)); }
    // Whether Undo and Redo are enabled.
    std::pair<bool, bool> UndoRedo() { return {Enabled(ID_EDIT_UNDO), Enabled(ID_EDIT_REDO)}; }
    // A stroke as the view asks for it: the rectangle's cells painted with v.
    void Paint(int x0, int y0, int x1, int y1, std::uint8_t v);

private:
    CTempDir m_dir;
    std::unique_ptr<CQuenkApp> m_pApp;
    bool m_bStarted = false;
};

// Whether the view's window shows exactly the drawing the render path makes of the puzzle,
// where it shows it (the caret inverted, white around), pixel by pixel.
::testing::AssertionResult ShowsTheDrawing(CProgram& p);

// Writes a puzzle file of width x height with the given depths and palette count; numbers,
// cells and the other fields through fill. Any shape can be written (the core refuses one
// zero depth only when a puzzle is made by parameters).
std::string WriteJcc(
    const std::string& strPath, int nWidth, int nHeight, int nLeft, int nTop, int nColors,
    const std::function<void(std::vector<std::uint8_t>& head, std::vector<std::uint8_t>& top,
                             std::vector<std::uint8_t>& left, std::vector<std::uint8_t>& cells)>& fill = {});

// Saves a puzzle as a file to open (the format by the extension).
std::string WritePuzzle(const std::string& strPath, const CCrossword& puzzle);

// A one-colour 2 x 2 puzzle whose numbers agree with the diagonal picture, with a cross in
// cell (0, 1) and the number of column 0 crossed out; bFaulty makes a row sum disagree.
std::string WriteSmallPuzzle(const std::string& strPath, bool bFaulty = false);

}  // namespace quenk::test
