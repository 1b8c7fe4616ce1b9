// The main screen's squad list: twenty name slots, regulars in purple, and the selection mark.
#pragma once

#include <array>
#include <optional>

#include <QWidget>

#include "core/state/game_state.h"

class QLabel;

namespace tk {

class ClickLabel;
class PlayerDetailPanel;

class PlayerPanel : public QWidget {
    Q_OBJECT

public:
    explicit PlayerPanel(QWidget *parent = nullptr);

    // Writes the twenty names and their colours (MakePlayerWin).
    void MakePlayerWin(const GameState &s);
    void Redraw(const GameState &s) { MakePlayerWin(s); }

    // Moves the selection mark to the player a click on slot `index` shows and returns that
    // player; nothing happens (and nothing is returned) for a negative index.
    std::optional<int> Select(const GameState &s, int index);
    // The slot carrying the selection mark; -1 before the first selection.
    int Elected() const { return elected_; }

    QLabel *NameSection(int i) const;
    QLabel *ElectedMark(int i) const;
    QLabel *Note() const { return note_; }

signals:
    void nameClicked(int index);
    void nameDoubleClicked(int index);

private:
    std::array<ClickLabel *, kSquadSlots> names_{};
    std::array<QLabel *, kSquadSlots> marks_{};
    QLabel *note_ = nullptr;
    int elected_ = -1;
};

// What a click on a player's name does on the main screen (NameSection_Click): shows the
// player in the detail panel and moves the selection mark. Returns the player now selected,
// or nothing when the index is ignored (negative).
std::optional<int> NameSectionClick(const GameState &s, int index, PlayerPanel &list,
                                    PlayerDetailPanel &details);

}  // namespace tk
