// Answers modal dialogs for the UI tests by polling the event loop, never by sleeping.
#include "tests/ui/modal_helper.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QWidget>

#include "ui/base/MeSForm.h"
#include "ui/base/timing.h"

namespace tk::test {

ModalAnswerer::ModalAnswerer(Action action, const QString &objectName, int timeoutMs,
                             QObject *parent)
    : QObject(parent),
      action_(std::move(action)),
      objectName_(objectName),
      timeoutMs_(timeoutMs),
      initial_(QApplication::activeModalWidget()) {
    poll_.setInterval(0);
    connect(&poll_, &QTimer::timeout, this, &ModalAnswerer::Poll);
    clock_.start();
    poll_.start();
}

ModalAnswerer::Action ModalAnswerer::Click(const QString &textOrName) {
    return [textOrName](QWidget *modal) { ClickButton(modal, textOrName); };
}

void ModalAnswerer::Poll() {
    if (!acted_) {
        QWidget *modal = QApplication::activeModalWidget();
        const bool ours = modal && modal != initial_ && modal->isVisible() &&
                          (objectName_.isEmpty() || modal->objectName() == objectName_);
        if (ours) {
            target_ = modal;
            title_ = modal->windowTitle();
            acted_ = true;
            // The action may block in a nested dialog; stop polling until it returns.
            poll_.stop();
            if (action_) action_(modal);
            poll_.start();
        }
    }
    if (acted_ && (!target_ || !target_->isVisible())) {
        closed_ = true;
        Finish();
        return;
    }
    if (clock_.elapsed() > timeoutMs_) {
        timedOut_ = true;
        if (target_) {
            if (auto *dialog = qobject_cast<QDialog *>(target_.data()))
                dialog->done(QDialog::Rejected);  // also ends a question that refuses close()
            else
                target_->close();
        }
        Finish();
    }
}

void ModalAnswerer::Finish() {
    poll_.stop();
}

void AnswerNextModal(ModalAnswerer::Action action, const QString &objectName) {
    auto *answerer = new ModalAnswerer(std::move(action), objectName, 10000, qApp);
    auto *check = new QTimer(answerer);
    check->setInterval(0);
    QObject::connect(check, &QTimer::timeout, answerer, [answerer] {
        if (answerer->Closed() || answerer->TimedOut()) answerer->deleteLater();
    });
    check->start();
}

QAbstractButton *FindButton(QWidget *root, const QString &textOrName) {
    if (!root) return nullptr;
    const auto buttons = root->findChildren<QAbstractButton *>();
    for (QAbstractButton *b : buttons) {
        QString text = b->text();
        text.remove(QLatin1Char('&'));
        if (text == textOrName || b->objectName() == textOrName) return b;
    }
    return nullptr;
}

void ClickButton(QWidget *root, const QString &textOrName) {
    QAbstractButton *button = FindButton(root, textOrName);
    if (!button) {
        const QByteArray what = QStringLiteral("no button \"%1\" on %2")
                                    .arg(textOrName, root ? root->objectName() : QString())
                                    .toUtf8();
        QTest::qFail(what.constData(), __FILE__, __LINE__);
        return;
    }
    // Option buttons and check boxes take clicks on their mark, which sits at the left.
    const bool mark = button->isCheckable() && !button->inherits("QPushButton");
    const QPoint at =
        mark ? QPoint(button->height() / 2, button->height() / 2) : button->rect().center();
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, at);
}

QStringList LeakedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList leaked;
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *w : windows) {
        leaked << QStringLiteral("%1 \"%2\" (%3)")
                      .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName(),
                           w->isVisible() ? QStringLiteral("visible") : QStringLiteral("hidden"));
    }
    return leaked;
}

ScopedUiTimingScale::ScopedUiTimingScale(double scale) : previous_(UiTiming::Scale()) {
    UiTiming::SetScale(scale);
}

ScopedUiTimingScale::~ScopedUiTimingScale() {
    UiTiming::SetScale(previous_);
}

IdleAnswers::IdleAnswers() {
    connect(&timer_, &QTimer::timeout, this, &IdleAnswers::Answer);
    timer_.start(1);
}

void IdleAnswers::Answer() {
    QWidget *modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal == handled_) return;
    handled_ = modal;
    if (auto *notice = qobject_cast<MeSForm *>(modal))
        reportDialogs_ += notice->Kind() == MessageKind::Report ? 1 : 0;
    const auto queue = [modal](const char *button) {
        QMetaObject::invokeMethod(FindButton(modal, QString::fromUtf8(button)), "click",
                                  Qt::QueuedConnection);
    };
    if (modal->objectName() == QStringLiteral("GasyuElectWin")) queue("Plices0");
    for (const char *b : {"閉じる", "はい", "決定"})
        if (FindButton(modal, QString::fromUtf8(b))) {
            queue(b);
            return;
        }
}

}  // namespace tk::test
