// An event filter that waits for the first paint, then hands the work to the event loop.
#include "ui/shell/after_first_paint.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace tk {
namespace {

class FirstPaint : public QObject {
public:
    FirstPaint(QWidget *window, QObject *context, std::function<void()> work)
        : QObject(window), context_(context), work_(std::move(work)) {}

    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint && context_ != nullptr) {
            // Queued: the paint finishes and reaches the screen before the work begins.
            QTimer::singleShot(0, context_.data(), std::move(work_));
            watched->removeEventFilter(this);
            deleteLater();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPointer<QObject> context_;
    std::function<void()> work_;
};

}  // namespace

void RunAfterFirstPaint(QWidget *window, QObject *context, std::function<void()> work) {
    if (window == nullptr || !window->isVisible()) {
        QTimer::singleShot(0, context, std::move(work));
        return;
    }
    window->installEventFilter(new FirstPaint(window, context, std::move(work)));
}

}  // namespace tk
