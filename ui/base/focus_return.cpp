// Gives the focus back to a dialog's opener when the dialog closes.
#include "ui/base/focus_return.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace tk {

namespace {

class FocusReturn : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Hide && watched->isWidgetType()) {
            auto *dialog = static_cast<QWidget *>(watched);
            // Only a dialog that had the focus: tooltips, menus and windows the player
            // is not looking at never pull the game to the front.
            // (While it hides, the dialog's own window still holds the focus.)
            QWindow *closedWindow = dialog->windowHandle();
            if (dialog->isWindow() && dialog->windowType() == Qt::Dialog &&
                dialog->parentWidget() != nullptr && closedWindow != nullptr &&
                QGuiApplication::focusWindow() == closedWindow) {
                QPointer<QWidget> opener = dialog->parentWidget()->window();
                QPointer<QWindow> closed = closedWindow;
                QTimer::singleShot(0, this, [opener, closed] {
                    QWindow *focus = QGuiApplication::focusWindow();
                    const bool nobody = focus == nullptr || focus == closed || !focus->isVisible();
                    if (opener && opener->isVisible() && nobody) opener->activateWindow();
                });
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void ReturnFocusAfterDialogs(QApplication &application) {
    application.installEventFilter(new FocusReturn(&application));
}

}  // namespace tk
