// Ends the program once the watched window has been painted: the start benchmarks time whole
// starts of the game (TK_EXIT_WHEN_SHOWN=1) and of their bare yardstick window with it.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

namespace tk {

class QuitWhenPainted : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint) QCoreApplication::exit(0);
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace tk
