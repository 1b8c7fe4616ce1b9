// The one route of every notice and question: the call that shows a message also records it
// in the running game's history, with its kind, and the player's notice setting reaches the
// dialog from here. With the news choice, reports go to the main screen's news column.
#pragma once

#include <string>

#include <QString>

#include "core/rules/history_sink.h"

class QWidget;

namespace tk {

struct GameState;
struct Settings;

// The main screen's news column as the route sees it.
class NewsSink {
public:
    virtual ~NewsSink() = default;
    // Whether a report may go to the column now (its screen is on show).
    virtual bool TakesNews() const = 0;
    // A report for the column: instead of its dialog with the news choice, after it otherwise.
    virtual void PostNews(const std::string &text, const std::string &title) = 0;
    // Any message once the player has met it (a question with its answer).
    virtual void MessagePassed(MessageKind kind, const std::string &text, const std::string &title,
                               bool answer) = 0;
    // The running game's history has opened: what it holds may be read now.
    virtual void HistoryOpened() = 0;
};

class MessageRoute {
public:
    MessageRoute() = default;
    MessageRoute(const MessageRoute &) = delete;
    MessageRoute &operator=(const MessageRoute &) = delete;

    // The settings that hold the player's choice of how notices close (ゲーム設定); without
    // them a notice closes after five seconds.
    void UseSettings(const Settings *settings) { settings_ = settings; }
    // The history of the running game and the record whose week dates each message; null
    // while no game runs (the title screen), when messages are shown and not recorded.
    void RecordTo(HistorySink *history, const GameState *state);

    // The news column of the running game (null: none). A column that goes away takes
    // itself off with DropNewsSink.
    void SetNewsSink(NewsSink *sink);
    void DropNewsSink(const NewsSink *sink) {
        if (news_ == sink) news_ = nullptr;
    }

    // True when notices wait for "閉じる" instead of closing by themselves.
    bool NoticesWait() const;
    // True when the player chose the news column: a report of the running game goes there
    // and opens no dialog (with the other choices it is listed there once its dialog closed).
    bool ReportsToNews() const;
    bool Recording() const { return history_ != nullptr; }

    // Shows `message` ('\r' = line break) in a notice captioned `title` at `fontSize` points
    // and returns when the player closes it or after five seconds (unless notices wait); a
    // report with the news choice goes to the news column and returns at once.
    void ShowNotice(MessageKind kind, const std::string &message, const std::string &title,
                    int fontSize, QWidget *parent) const;
    void ShowNotice(MessageKind kind, const QString &message, const QString &title, int fontSize,
                    QWidget *parent) const {
        ShowNotice(kind, message.toStdString(), title.toStdString(), fontSize, parent);
    }

    // Asks `message` with "はい" and "いいえ" and returns true for "はい". The question cannot be
    // closed any other way; should its window be destroyed from outside (its parent closed),
    // the answer is "いいえ".
    bool AskQuestion(const std::string &message, const std::string &title, int fontSize,
                     QWidget *parent) const;
    bool AskQuestion(const QString &message, const QString &title, int fontSize,
                     QWidget *parent) const {
        return AskQuestion(message.toStdString(), title.toStdString(), fontSize, parent);
    }
    // The same question with "はい" as the default, for answers that destroy nothing (going on
    // with a saved game): Enter says yes.
    bool AskQuestionYesFirst(const QString &message, const QString &title, int fontSize,
                             QWidget *parent) const {
        return Ask(message.toStdString(), title.toStdString(), fontSize, parent, true);
    }

    // Records a message in the history without showing it: the main screen shows it itself.
    void RecordOnly(MessageKind kind, const std::string &message, const std::string &title) const {
        if (state_ != nullptr) Record(kind, message, title, state_->WeekCount, false);
    }

private:
    bool Ask(const std::string &message, const std::string &title, int fontSize, QWidget *parent,
             bool yesFirst) const;
    void Record(MessageKind kind, const std::string &text, const std::string &title, int week,
                bool answer) const;

    void Passed(MessageKind kind, const std::string &text, const std::string &title,
                bool answer) const;

    const Settings *settings_ = nullptr;
    NewsSink *news_ = nullptr;
    HistorySink *history_ = nullptr;
    const GameState *state_ = nullptr;
};

}  // namespace tk
