#include "platform/ModalFocusReturn.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace quenk {

bool CModalFocusReturn::eventFilter(QObject* pWatched, QEvent* pEvent) {
    if (pEvent->type() != QEvent::Hide || !pWatched->isWidgetType()) return false;
    auto* pWidget = static_cast<QWidget*>(pWatched);
    if (!pWidget->isWindow() || !pWidget->isModal() || !pWidget->parentWidget()) return false;
    QPointer<QWidget> pOwner = pWidget->parentWidget()->window();
    // After the dialog is gone, and only when nothing else took the focus meanwhile (another
    // dialog, or another program the user switched to keeps it).
    QTimer::singleShot(0, pOwner, [pOwner] {
        if (pOwner && pOwner->isVisible() && !QApplication::activeModalWidget() && !QApplication::activeWindow())
            pOwner->activateWindow();
    });
    return false;
}

void InstallModalFocusReturn(QApplication& app) { app.installEventFilter(new CModalFocusReturn(&app)); }

}  // namespace quenk
