// The maintenance screen (整備を行います): how many courts, how thoroughly, and the price.
#pragma once

#include <array>

#include <QDialog>

#include "core/rules/land_rules.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace tk {

struct Game;

class SeibiWin : public QDialog {
    Q_OBJECT

public:
    // `count` courts are paid for (CntSeibi); the lots restored are those marked in `marks`.
    SeibiWin(Game &game, MaintainMarks &marks, int count, QWidget *parent = nullptr);

    int CntSeibi() const { return count_; }
    int ChosenLevel() const { return level_; }
    void ChooseLevel(int level);  // 1 軽く, 2 普通, 3 しっかり

    QLabel *CountLabel() const { return countLabel_; }  // "整備するコート"
    QLabel *Price() const { return price_; }            // "金額"
    QRadioButton *Level(int level) const { return levels_.at(static_cast<std::size_t>(level - 1)); }
    QPushButton *Command1() const { return maintain_; }  // "整備"
    QPushButton *Command2() const { return close_; }     // "閉じる"

private:
    void Redraw();
    void Maintain();

    Game &game_;
    MaintainMarks &marks_;
    int count_ = 0;
    int level_ = kDefaultMaintenanceLevel;
    QLabel *countLabel_ = nullptr;
    QLabel *price_ = nullptr;
    std::array<QRadioButton *, 3> levels_{};
    QPushButton *maintain_ = nullptr;
    QPushButton *close_ = nullptr;
};

}  // namespace tk
