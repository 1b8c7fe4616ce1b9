// Notices and questions: a fresh modal dialog per call, gone when the call returns, and the
// message recorded as the call made it.
#include "ui/base/messages.h"

#include <QPointer>
#include <QPushButton>

#include "core/state/notice_choice.h"
#include "ui/base/MeSForm.h"
#include "ui/base/MesQWin.h"

namespace tk {

namespace {
// A dialog on the heap watched by a QPointer: if its parent window is destroyed while the
// dialog's own event loop runs, Qt deletes the dialog with it and we must not again.
template <typename Dialog>
QPointer<Dialog> MakeDialog(const std::string &message, const std::string &title, int fontSize,
                            QWidget *parent) {
    auto *dialog = new Dialog(parent);
    dialog->SetCaption(QString::fromStdString(title));
    dialog->SetFontSize(fontSize);
    dialog->SetMessage(QString::fromStdString(message));
    return QPointer<Dialog>(dialog);
}
}  // namespace

void MessageRoute::RecordTo(HistorySink *history, const GameState *state) {
    history_ = state != nullptr ? history : nullptr;
    state_ = state;
    if (history_ != nullptr && news_ != nullptr) news_->HistoryOpened();
}

void MessageRoute::SetNewsSink(NewsSink *sink) {
    news_ = sink;
    if (news_ != nullptr && history_ != nullptr) news_->HistoryOpened();
}

bool MessageRoute::NoticesWait() const {
    return settings_ != nullptr && settings_->NoticesWait();
}

bool MessageRoute::ReportsToNews() const {
    return settings_ != nullptr && NoticeChoice(*settings_) == NoticeMode::News;
}

void MessageRoute::Passed(MessageKind kind, const std::string &text, const std::string &title,
                          bool answer) const {
    if (news_ != nullptr) news_->MessagePassed(kind, text, title, answer);
}

void MessageRoute::Record(MessageKind kind, const std::string &text, const std::string &title,
                          int week, bool answer) const {
    if (history_ != nullptr) history_->Message(kind, text, title, week, answer);
}

void MessageRoute::ShowNotice(MessageKind kind, const std::string &message,
                              const std::string &title, int fontSize, QWidget *parent) const {
    // A question is never shown as a notice: it would be recorded without its answer.
    if (IsQuestion(kind)) kind = MessageKind::Warning;
    if (state_ != nullptr) Record(kind, message, title, state_->WeekCount, false);
    // A report of the running game is listed in the news column whatever the choice; with the
    // news choice it waits for nobody and opens no dialog.
    const auto toColumn = [&] {
        return kind == MessageKind::Report && news_ != nullptr && news_->TakesNews();
    };
    if (toColumn() && ReportsToNews()) {
        news_->PostNews(message, title);
        Passed(kind, message, title, false);
        return;
    }
    QPointer<MeSForm> dialog = MakeDialog<MeSForm>(message, title, fontSize, parent);
    dialog->SetKind(kind);
    dialog->SetWaits(NoticesWait());
    dialog->exec();
    delete dialog.data();
    if (toColumn()) news_->PostNews(message, title);
    Passed(kind, message, title, false);
}

bool MessageRoute::AskQuestion(const std::string &message, const std::string &title, int fontSize,
                               QWidget *parent) const {
    return Ask(message, title, fontSize, parent, false);
}

bool MessageRoute::Ask(const std::string &message, const std::string &title, int fontSize,
                       QWidget *parent, bool yesFirst) const {
    const int week = state_ != nullptr ? state_->WeekCount : 0;
    QPointer<MesQWin> dialog = MakeDialog<MesQWin>(message, title, fontSize, parent);
    if (yesFirst) {
        dialog->Command1()->setDefault(false);
        dialog->Command2()->setDefault(true);
        dialog->Command2()->setFocus();
    }
    dialog->exec();
    const bool yes = dialog && dialog->Answered() && dialog->Answer();
    delete dialog.data();
    // Kept as answered; a question whose window went without an answer counts as "いいえ".
    if (state_ != nullptr) Record(MessageKind::Question, message, title, week, yes);
    Passed(MessageKind::Question, message, title, yes);
    return yes;
}

}  // namespace tk
