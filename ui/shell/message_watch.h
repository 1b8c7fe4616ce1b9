// Keeps every notice and question shown while a game runs: it watches the application for
// the game's message dialogs, whoever opens them (the rules through the player interface or
// a screen of its own), and hands each to the history with the game's date.
#pragma once

#include <QObject>

#include "core/rules/history_sink.h"

namespace tk {

class MessageWatch : public QObject {
    Q_OBJECT

public:
    // Watches the whole application until destroyed.
    MessageWatch(HistorySink &sink, const GameState &state, QObject *parent = nullptr);
    ~MessageWatch() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    HistorySink &sink_;
    const GameState &state_;
};

}  // namespace tk
