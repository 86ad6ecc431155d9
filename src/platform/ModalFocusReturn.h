#pragma once
// When a modal dialog closes, the window it was opened over becomes active again. Window
// managers do this themselves; without one (a bare X server, a kiosk session) the keyboard
// focus would fall to the root window and every shortcut would go nowhere until a click.
#include <QObject>

class QApplication;

namespace quenk {

class CModalFocusReturn : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;
};

// Watches every window of the application; owned by app.
void InstallModalFocusReturn(QApplication& app);

}  // namespace quenk
