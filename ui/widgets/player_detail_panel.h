// The main screen's view of the selected player: hexagon, condition bar, style, salary, age.
#pragma once

#include <QWidget>

#include "core/state/game_state.h"

class QLabel;

namespace tk {

class HexaGraph;

class PlayerDetailPanel : public QWidget {
    Q_OBJECT

public:
    explicit PlayerDetailPanel(QWidget *parent = nullptr);

    // Draws player `player` (an index of the squad; the caller has applied the click rules).
    void Show(const GameState &s, int player);
    void Clear();

    HexaGraph *Graphs() const { return graphs_; }
    // Force(0) is the condition bar; its width is the condition.
    QWidget *ConditionBar() const { return bar_; }
    // Force(1) style, Force(2) salary, Force(3) age.
    QLabel *Force(int i) const;

private:
    void NameConditionBar(int twips);

    HexaGraph *graphs_ = nullptr;
    QWidget *bar_ = nullptr;
    QLabel *style_ = nullptr;
    QLabel *salary_ = nullptr;
    QLabel *age_ = nullptr;
};

}  // namespace tk
