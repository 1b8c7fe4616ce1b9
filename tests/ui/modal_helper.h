// Test support for the screens: answer the modal dialog that opens, shorten the timers,
// and find windows a test left behind. Never sleeps.
#pragma once

#include <functional>
#include <memory>

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

class QAbstractButton;

namespace tk::test {

// Acts on the next modal dialog that opens. It polls QApplication::activeModalWidget() on
// every turn of the event loop (a zero-interval timer) from the moment it is created, so
// create it BEFORE the call that blocks in the dialog:
//
//     ModalAnswerer answer(ModalAnswerer::Click("はい"));
//     const bool yes = route.AskQuestion("本当にデータを消しますか？", "", 12, parent);
//     QVERIFY(answer.Acted());
//
// A dialog already modal when the answerer is made is left alone (it is the caller's), and
// `objectName`, when given, restricts it to dialogs of that name ("MeSForm", "MesQWin", ...),
// which lets a test answer a notice nested inside another dialog. As a safety net, a dialog
// still open `timeoutMs` after the answerer was made is closed by force and TimedOut() is
// set, so a broken screen fails its test instead of hanging it.
class ModalAnswerer : public QObject {
    Q_OBJECT

public:
    using Action = std::function<void(QWidget *modal)>;

    explicit ModalAnswerer(Action action, const QString &objectName = QString(),
                           int timeoutMs = 10000, QObject *parent = nullptr);

    // An action that presses the button with this text (or object name) on the dialog.
    static Action Click(const QString &textOrName);
    // No action: only waits for the dialog to close by itself (a notice's own timer).
    static Action Watch() { return {}; }

    bool Acted() const { return acted_; }  // a dialog opened and the action ran
    // ...and that dialog has closed since (or was deleted).
    bool Closed() const { return closed_ || (acted_ && (!target_ || !target_->isVisible())); }
    bool TimedOut() const { return timedOut_; }  // the safety net had to step in
    QString Title() const { return title_; }     // caption of the dialog acted on

private:
    void Poll();
    void Finish();

    Action action_;
    QString objectName_;
    int timeoutMs_;
    QPointer<QWidget> initial_;  // modal before we started: not ours
    QPointer<QWidget> target_;
    QTimer poll_;
    QElapsedTimer clock_;
    bool acted_ = false;
    bool closed_ = false;
    bool timedOut_ = false;
    QString title_;
};

// Fire and forget: like ModalAnswerer, owned by the application, deletes itself when done.
void AnswerNextModal(ModalAnswerer::Action action, const QString &objectName = QString());

// The button with this text ('&' shortcuts ignored) or object name under `root`, or null.
QAbstractButton *FindButton(QWidget *root, const QString &textOrName);

// Answers every dialog of a run of weeks as the idle manager does: no camp ("Plices0", then
// 決定 and はい), the lineup and the dismissal screen as they stand, every notice closed by its
// button. The clicks are queued: a click that opens a question must not run inside this
// timer, which could not fire again to answer it.
class IdleAnswers : public QObject {
public:
    IdleAnswers();
    // The reports that opened a dialog.
    int ReportDialogs() const { return reportDialogs_; }

private:
    void Answer();

    QPointer<QWidget> handled_;
    QTimer timer_;
    int reportDialogs_ = 0;
};
// Presses that button with a mouse click; records a test failure when it does not exist.
void ClickButton(QWidget *root, const QString &textOrName);

// Describes every top-level window still alive, after pending deletions have run. Each
// tst_ class checks it in cleanup() with TK_VERIFY_NO_LEAKED_WINDOWS().
QStringList LeakedWindows();

// Shortens every screen timer for the life of the object (see ui/shell/timing.h).
class ScopedUiTimingScale {
public:
    explicit ScopedUiTimingScale(double scale);
    ~ScopedUiTimingScale();
    ScopedUiTimingScale(const ScopedUiTimingScale &) = delete;
    ScopedUiTimingScale &operator=(const ScopedUiTimingScale &) = delete;

private:
    double previous_;
};

}  // namespace tk::test

// Fails the test that left a window open, naming the windows.
#define TK_VERIFY_NO_LEAKED_WINDOWS()                                              \
    do {                                                                           \
        const QStringList leaked = ::tk::test::LeakedWindows();                    \
        QVERIFY2(leaked.isEmpty(), qPrintable(leaked.join(QStringLiteral(", ")))); \
    } while (false)
