// Ends the program once the watched window has been painted: the start benchmarks time whole
// starts of the game (TK_EXIT_WHEN_SHOWN=1) and of their bare yardstick window with it. With
// TK_SHOWN_MAPS=<file> the libraries mapped at that moment are written to the file first, and with
// TK_SHOWN_SMAPS=<file> what each mapping holds resident (/proc/self/smaps: where the memory goes).
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QObject>

namespace tk {

class QuitWhenPainted : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            // The window's paint event comes before its children are painted: the maps are
            // written when the event loop has returned, the whole window painted (a frame's
            // picture may load a library).
            connect(qApp, &QCoreApplication::aboutToQuit, this, [] {
                Copy("TK_SHOWN_MAPS", QStringLiteral("/proc/self/maps"));
                Copy("TK_SHOWN_SMAPS", QStringLiteral("/proc/self/smaps"));
            });
            QCoreApplication::exit(0);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool painted_ = false;

    // Copies a file of /proc to the file named by the variable, if it is set.
    static void Copy(const char *variable, const QString &from) {
        const QString to = qEnvironmentVariable(variable);
        if (to.isEmpty()) return;
        // Read to its end: the file reports no size.
        QFile in(from), out(to);
        if (in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly)) out.write(in.readAll());
    }
};

}  // namespace tk
