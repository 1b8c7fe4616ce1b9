// Gives the focus back to a dialog's opener when the dialog closes.
#include "ui/base/focus_return.h"

#include <QApplication>
#include <QEvent>
#include <QList>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include "ui/base/dialog_window.h"

namespace tk {

namespace {

// A window manager that leaves the focus nowhere after an unmap does so a little later:
// the hand-back looks again after this many milliseconds.
constexpr int kSecondLookMs = 150;

class FocusReturn : public QObject {
public:
    explicit FocusReturn(QObject *parent) : QObject(parent) {
        connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow *window) {
            if (window != nullptr) lastFocus_ = window;
        });
    }

    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Hide && watched->isWidgetType()) {
            auto *dialog = static_cast<QWidget *>(watched);
            if (dialog->isWindow() && dialog->windowType() == Qt::Dialog && HadTheFocus(dialog))
                GiveBackLater(dialog);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    // Only a dialog the player was typing into: tooltips, menus and windows the player is
    // not looking at never pull the game to the front. While it hides, the dialog's own
    // window still holds the focus; when a question closes its screen at once (試合申込み,
    // then the screen), the focus is nowhere and was last on a window now gone.
    bool HadTheFocus(const QWidget *dialog) const {
        const QWindow *closed = dialog->windowHandle();
        const QWindow *focus = QGuiApplication::focusWindow();
        if (closed == nullptr) return false;
        if (focus == closed) return true;
        return focus == nullptr &&
               (lastFocus_.isNull() || lastFocus_ == closed || !lastFocus_->isVisible());
    }

    // The windows the dialog stands on, nearest first: the first still shown gets the focus.
    void GiveBackLater(QWidget *dialog) {
        QList<QPointer<QWidget>> openers;
        for (QWidget *w = DialogOpener(dialog); w != nullptr && openers.size() < 16;
             w = DialogOpener(w))
            openers.append(w);
        if (openers.isEmpty()) return;
        QPointer<QWindow> closed = dialog->windowHandle();
        const auto giveBack = [openers, closed] {
            QWindow *focus = QGuiApplication::focusWindow();
            const bool nobody = focus == nullptr || focus == closed || !focus->isVisible();
            if (!nobody) return;
            for (const QPointer<QWidget> &opener : openers) {
                if (opener && opener->isVisible()) {
                    opener->activateWindow();
                    return;
                }
            }
        };
        QTimer::singleShot(0, this, giveBack);
        QTimer::singleShot(kSecondLookMs, this, giveBack);
    }

    QPointer<QWindow> lastFocus_;
};

}  // namespace

void ReturnFocusAfterDialogs(QApplication &application) {
    application.installEventFilter(new FocusReturn(&application));
}

}  // namespace tk
