// The main screen's news column: with the news choice of ゲーム設定 the routine reports (bout
// and round results, prizes, the year's figures, finished buildings) are listed here, dated and
// newest first, instead of opening a dialog; during the first season the checklist
// "はじめての4月" stands pinned above them, ticking itself off from the record.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QGroupBox>

#include "core/rules/first_april.h"
#include "history/history_rows.h"
#include "ui/base/messages.h"

class QLabel;
class QListWidget;

namespace tk {

struct GameState;

class NewsColumn : public QGroupBox, public NewsSink {
    Q_OBJECT

public:
    // Takes the reports of `route` for as long as it lives; `state` dates them.
    NewsColumn(MessageRoute &route, const GameState &state, QWidget *parent = nullptr);
    ~NewsColumn() override;

    // Where the running game's messages are read from when its history opens (newest first).
    using HistoryReader = std::function<std::vector<MessageRow>()>;
    // Reads it at once when the history is already open.
    void SetHistoryReader(HistoryReader reader);

    // Redraws the checklist from the record (after any change of the game).
    void ShowChecklist();

    QListWidget *List() const { return list_; }
    QLabel *Checklist() const { return checklist_; }
    const FirstAprilNotes &Notes() const { return notes_; }
    // The checklist's items done now.
    FirstAprilTicks Ticks() const;

    // NewsSink
    bool TakesNews() const override;
    void PostNews(const std::string &text, const std::string &title) override;
    void MessagePassed(MessageKind kind, const std::string &text, const std::string &title,
                       bool answer) override;
    void HistoryOpened() override;

    // At most this many reports are listed; the history keeps them all.
    static constexpr int kKept = 200;

private:
    void Add(int week, const std::string &text, const std::string &title, bool newest);

    MessageRoute &route_;
    const GameState &state_;
    HistoryReader reader_;
    FirstAprilNotes notes_;
    QLabel *checklist_ = nullptr;
    QListWidget *list_ = nullptr;
};

// A report as the column lists it: the date 「N年目 M月W週」, the title if any, and the
// text with its line breaks.
QString NewsItemText(int week, const std::string &text, const std::string &title);
// The checklist as the column shows it: two items a line, ☑ done and ☐ still to do.
QString FirstAprilChecklistText(const FirstAprilTicks &done);

}  // namespace tk
