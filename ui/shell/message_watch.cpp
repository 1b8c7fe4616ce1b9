// Notices are kept as they open, questions as they are answered.
#include "ui/shell/message_watch.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <memory>

#include "ui/base/MeSForm.h"
#include "ui/base/MesQWin.h"

namespace tk {

namespace {

const char *const kKept = "tkHistoryKept";

// The dialog shows '\r' as a line break; the history keeps the game's own '\r'.
std::string MessageText(const MessageDialog &dialog) {
    QString text = dialog.Comment()->text();
    text.replace(QLatin1Char('\n'), QLatin1Char('\r'));
    return text.toStdString();
}

}  // namespace

MessageWatch::MessageWatch(HistorySink &sink, const GameState &state, QObject *parent)
    : QObject(parent), sink_(sink), state_(state) {
    qApp->installEventFilter(this);
}

MessageWatch::~MessageWatch() {
    if (qApp != nullptr) qApp->removeEventFilter(this);
}

bool MessageWatch::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::Show || watched->property(kKept).toBool())
        return QObject::eventFilter(watched, event);
    if (auto *notice = qobject_cast<MeSForm *>(watched)) {
        notice->setProperty(kKept, true);
        sink_.Message(MessageKind::Notice, MessageText(*notice),
                      notice->windowTitle().toStdString(), state_.WeekCount, false);
    } else if (auto *question = qobject_cast<MesQWin *>(watched)) {
        question->setProperty(kKept, true);
        // Read now: by the time the question is destroyed its text is gone.
        struct Asked {
            std::string text, title;
            int week = 0;
            bool kept = false;
        };
        auto asked = std::make_shared<Asked>(
            Asked{MessageText(*question), question->windowTitle().toStdString(), state_.WeekCount});
        auto keep = [this, asked](bool answer) {
            if (asked->kept) return;
            asked->kept = true;
            sink_.Message(MessageKind::Question, asked->text, asked->title, asked->week, answer);
        };
        connect(question, &QDialog::finished, this,
                [keep, question] { keep(question->Answered() && question->Answer()); });
        // Destroyed unanswered (its window was closed from outside): the answer is no.
        connect(question, &QObject::destroyed, this, [keep] { keep(false); });
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tk
