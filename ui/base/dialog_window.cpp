// Dialogs as the desktop expects them: transient, centred, no minimize, the modal top shown.
#include "ui/base/dialog_window.h"

#include <cstdint>
#include <cstdlib>

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#ifdef TK_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace tk {

namespace {

#ifdef TK_HAVE_XCB
// Motif window-manager hints: Qt asks for every function of a dialog unless it may be
// minimized or maximized, so the window manager still offers minimize (openbox does).
// They are written before the dialog is mapped: move, close if it has a close box, and
// resize only if its size may change.
void TellNoMinimize(QWidget *dialog) {
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr) return;
    xcb_connection_t *connection = x11->connection();
    static const char kName[] = "_MOTIF_WM_HINTS";
    xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, sizeof kName - 1, kName), nullptr);
    if (atom == nullptr) return;
    enum : std::uint32_t { kFunctions = 1, kDecorations = 2 };
    enum : std::uint32_t { kResize = 2, kMove = 4, kClose = 32 };
    enum : std::uint32_t { kBorder = 2, kResizeHandle = 4, kTitle = 8, kMenu = 16 };
    const bool resizable = dialog->minimumSize() != dialog->maximumSize();
    const bool closable = (dialog->windowFlags() & Qt::WindowCloseButtonHint) != 0;
    const std::uint32_t hints[5] = {
        kFunctions | kDecorations, kMove | (closable ? kClose : 0u) | (resizable ? kResize : 0u),
        kBorder | kTitle | kMenu | (resizable ? kResizeHandle : 0u), 0, 0};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE,
                        static_cast<xcb_window_t>(dialog->winId()), atom->atom, atom->atom, 32, 5,
                        hints);
    xcb_flush(connection);
    std::free(atom);
}
#else
void TellNoMinimize(QWidget *) {}
#endif

constexpr const char *kOpenerProperty = "tkDialogOpener";

bool IsDialog(const QWidget *widget) {
    return widget->isWindow() &&
           (widget->windowType() == Qt::Dialog || qobject_cast<const QDialog *>(widget) != nullptr);
}

// The window the player is looking at, other than `self`: the modal top if there is one.
QWidget *CurrentWindow(const QWidget *self) {
    QWidget *modal = QApplication::activeModalWidget();
    if (modal != nullptr && modal != self && modal->isVisible()) return modal;
    QWidget *active = QApplication::activeWindow();
    if (active != nullptr && active != self && active->isVisible()) return active;
    return nullptr;
}

// Title and close box only: a dialog is never minimized or maximized apart from the game.
void MakeDialogFrame(QWidget *dialog) {
    const Qt::WindowFlags old = dialog->windowFlags();
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    // A dialog that refused its close box keeps refusing it.
    if ((old & Qt::CustomizeWindowHint) == 0 || (old & Qt::WindowCloseButtonHint) != 0)
        flags |= Qt::WindowCloseButtonHint;
    if (flags == old) return;
    // The native window exists but is not mapped yet: tell it without recreating it.
    dialog->overrideWindowFlags(flags);
    if (QWindow *window = dialog->windowHandle()) window->setFlags(flags);
}

void CentreOver(QWidget *dialog, const QWidget *opener) {
    if (dialog->testAttribute(Qt::WA_Moved) || opener == nullptr || !opener->isVisible()) return;
    const QRect over = opener->frameGeometry();
    QRect box(QPoint(0, 0), dialog->frameGeometry().size().expandedTo(dialog->size()));
    box.moveCenter(over.center());
    if (const QScreen *screen = opener->screen()) {
        const QRect room = screen->availableGeometry();
        box.moveLeft(
            std::clamp(box.left(), room.left(), std::max(room.left(), room.right() - box.width())));
        box.moveTop(
            std::clamp(box.top(), room.top(), std::max(room.top(), room.bottom() - box.height())));
    }
    dialog->move(box.topLeft());
}

class DialogWindows : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override {
        if (!watched->isWidgetType()) return false;
        auto *widget = static_cast<QWidget *>(watched);
        switch (event->type()) {
            case QEvent::Polish:
                if (IsDialog(widget)) Prepare(widget);
                break;
            case QEvent::Show:
                if (IsDialog(widget)) Place(widget);
                break;
            case QEvent::WindowActivate:
                if (widget->isWindow()) ShowModalTop(widget);
                break;
            case QEvent::WindowStateChange:
                if (widget->isWindow() && (widget->windowState() & Qt::WindowMinimized) != 0)
                    KeepTogether(widget);
                break;
            default: break;
        }
        return false;
    }

private:
    static void Prepare(QWidget *dialog) {
        MakeDialogFrame(dialog);
        if (dialog->parentWidget() != nullptr) return;
        // Opened without a parent: it still belongs to the window the player was using.
        if (QWidget *opener = CurrentWindow(dialog)) {
            dialog->setProperty(kOpenerProperty, QVariant::fromValue(QPointer<QWidget>(opener)));
            if (dialog->windowHandle() != nullptr && opener->windowHandle() != nullptr)
                dialog->windowHandle()->setTransientParent(opener->windowHandle());
        }
    }

    static void Place(QWidget *dialog) {
        TellNoMinimize(dialog);
        // A dialog with a parent is centred by Qt itself; one without is centred here.
        if (dialog->parentWidget() == nullptr) CentreOver(dialog, DialogOpener(dialog));
    }

    // Activating a window under an open modal dialog (Alt+Tab, a click on the taskbar)
    // brings the modal top back instead: the keys must never reach a window that waits.
    void ShowModalTop(QWidget *window) {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal == window || !modal->isVisible()) return;
        if (!window->isVisible() || IsAbove(window, modal)) return;
        QPointer<QWidget> top = modal;
        QTimer::singleShot(0, this, [top] {
            if (!top || !top->isVisible() || QApplication::activeModalWidget() != top) return;
            if (QApplication::activeWindow() == top) return;
            top->raise();
            top->activateWindow();
        });
    }

    // A window of the game minimized on its own (a window manager that offers it anyway)
    // comes straight back: the game's windows are shown or hidden together.
    void KeepTogether(QWidget *window) {
        if (!IsDialog(window)) return;
        QPointer<QWidget> w = window;
        QTimer::singleShot(0, this, [w] {
            if (!w) return;
            w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
            w->show();
            w->raise();
            w->activateWindow();
        });
    }

    // Whether `window` is `modal` itself or a window opened over it (its notice, say).
    static bool IsAbove(const QWidget *window, const QWidget *modal) {
        for (const QWidget *w = window; w != nullptr; w = DialogOpener(w))
            if (w == modal) return true;
        return false;
    }
};

}  // namespace

QWidget *DialogOpener(const QWidget *dialog) {
    if (dialog == nullptr) return nullptr;
    if (QWidget *parent = dialog->parentWidget()) return parent->window();
    return dialog->property(kOpenerProperty).value<QPointer<QWidget>>().data();
}

void InstallDialogWindows(QApplication &application) {
    application.installEventFilter(new DialogWindows(&application));
}

}  // namespace tk
