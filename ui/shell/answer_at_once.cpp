// Answers whatever modal window is in front, once, and again if it is still there a moment
// later (a confirmation refused keeps its screen up).
#include "ui/shell/answer_at_once.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace tk {

namespace {

constexpr int kLookMs = 5;     // how often the window in front is looked at
constexpr int kAgainMs = 300;  // a window still in front is answered again after this
const char *const kOwnPace[] = {"MeSForm", "BeforeGame"};  // they close by themselves

class AnswerAtOnce : public QObject {
public:
    explicit AnswerAtOnce(QObject *owner) : QObject(owner) {
        connect(&look_, &QTimer::timeout, this, &AnswerAtOnce::Look);
        look_.start(kLookMs);
    }

private:
    void Look() {
        QWidget *front = QApplication::activeModalWidget();
        if (front == nullptr || !front->isVisible()) return;
        for (const char *name : kOwnPace)
            if (front->objectName() == QLatin1String(name)) return;
        if (front == answered_ && since_.elapsed() < kAgainMs) return;
        answered_ = front;
        since_.start();
        // Queued: a click that opens a question must not run inside this timer.
        if (auto *button = Button(front)) {
            QMetaObject::invokeMethod(button, "click", Qt::QueuedConnection);
            return;
        }
        QWidget *to = front->focusWidget() != nullptr ? front->focusWidget() : front;
        QApplication::postEvent(to, new QKeyEvent(QEvent::KeyPress, Qt::Key_Return, {}));
        QApplication::postEvent(to, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Return, {}));
    }

    // The button that answers: "はい" of a question, "結果へ" of the match, "契約しない" of the
    // scouting result; for every other screen its Enter key.
    static QAbstractButton *Button(QWidget *front) {
        QString name;
        if (front->objectName() == QLatin1String("MesQWin")) name = QStringLiteral("Command2");
        if (front->objectName() == QLatin1String("GameWin")) name = QStringLiteral("ToResult");
        if (front->objectName() == QLatin1String("SkautWIn")) name = QStringLiteral("Command3");
        return name.isEmpty() ? nullptr : front->findChild<QAbstractButton *>(name);
    }

    QTimer look_;
    QPointer<QWidget> answered_;
    QElapsedTimer since_;
};

}  // namespace

void AnswerAtOnceIfAsked(QObject *owner) {
    if (qEnvironmentVariableIntValue("TK_ANSWER_AT_ONCE") == 1) new AnswerAtOnce(owner);
}

}  // namespace tk
