// The main screen's land panel (one lot: usability, name, upkeep, durability bar) and its
// court summary (worn courts, usable courts and the team/individual split by day and night).
#pragma once

#include <QWidget>

#include "core/rules/court_rules.h"
#include "core/state/game_state.h"

class QLabel;

namespace tk {

class LandPanel : public QWidget {
    Q_OBJECT

public:
    explicit LandPanel(QWidget *parent = nullptr);

    // Tochi_Click: shows lot `lot` of the record.
    void ShowLot(const GameState &s, int lot);

    QLabel *Usability() const { return usability_; }
    QLabel *Name() const { return name_; }
    QLabel *Upkeep() const { return upkeep_; }
    QWidget *Bar() const { return bar_; }

private:
    QLabel *usability_ = nullptr;
    QLabel *name_ = nullptr;
    QLabel *upkeep_ = nullptr;
    QWidget *bar_ = nullptr;
};

class CourtSummary : public QWidget {
    Q_OBJECT

public:
    explicit CourtSummary(QWidget *parent = nullptr);

    // MakeUsefulCoat: from the counts of the last recount.
    void Show(const GameState &s, const CourtCounts &counts);

    QLabel *Worn() const { return worn_; }
    QLabel *UsableDay() const { return usableDay_; }
    QLabel *UsableNight() const { return usableNight_; }
    QLabel *SplitDay() const { return splitDay_; }
    QLabel *SplitNight() const { return splitNight_; }

private:
    QLabel *worn_ = nullptr;
    QLabel *usableDay_ = nullptr;
    QLabel *usableNight_ = nullptr;
    QLabel *splitDay_ = nullptr;
    QLabel *splitNight_ = nullptr;
};

}  // namespace tk
