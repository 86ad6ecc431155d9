#pragma once
// Help: the user guide, shipped with the program as HTML, opened in the user's browser at the
// section that explains what was asked about; and the help mode of Shift+F1, in which the
// next click names what to explain.
#include <QObject>
#include <QString>
#include <QUrl>

class QMainWindow;

namespace quenk {

// The user guide's file beside the program or in its installed data folder; empty when
// neither has it.
QString HelpFile();
// The guide at strSection (a heading's id; empty for its top); empty when there is no guide.
QUrl HelpUrl(const QString& strSection = {});
// The section about command nCommandId; empty for the guide's top.
QString HelpSectionOf(unsigned nCommandId);
// Opens the guide in the browser; false (after the message) when there is none or no
// browser takes it.
bool OpenHelp(const QString& strSection = {});

// Shift+F1: the pointer turns into a question mark and the next click, anywhere in the main
// window, opens the guide at what was clicked (a command's menu item or button, the puzzle,
// the colour bar); Esc or a click outside leaves the mode.
class CHelpMode : public QObject {
    Q_OBJECT
public:
    explicit CHelpMode(QMainWindow& window);
    void Start();
    bool IsActive() const { return m_bActive; }

protected:
    bool eventFilter(QObject* pObject, QEvent* pEvent) override;

private:
    void Stop();
    // The section about what lies at the global point.
    QString SectionAt(QWidget* pWidget, QPoint globalPoint) const;

    QMainWindow& m_window;
    bool m_bActive = false;
};

}  // namespace quenk
