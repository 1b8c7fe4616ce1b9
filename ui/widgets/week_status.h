// The main screen's line of news after each week: the new date, the funds and how they moved,
// the week's results. Its text is its accessible name, so a screen reader hears each change.
#pragma once

#include <array>
#include <cstdint>

#include <QLabel>

#include "core/state/game_state.h"

namespace tk {

class WeekStatus : public QLabel {
    Q_OBJECT

public:
    explicit WeekStatus(QWidget *parent = nullptr);

    // Called on every redraw: says what changed once the week has moved on (funds and bouts
    // since the last date told), and nothing while the week stays the same.
    void Update(const GameState &s);
    // How many weeks were announced, for tests.
    int Announced() const { return announced_; }

private:
    struct Seen {
        int week = -1;
        std::int64_t money = 0;
        std::array<int, kCategories> wins{};
        std::array<int, kCategories> losses{};
    };
    static Seen Take(const GameState &s);

    Seen seen_;
    int announced_ = 0;
};

// The news line once the record has moved on to `s` from funds `money`, with the week's bouts.
QString WeekNewsText(const GameState &s, std::int64_t money, int wins, int losses);

}  // namespace tk
