// The match booking screen (試合申込み): a practice match next week, or a tournament entry.
#pragma once

#include <array>

#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace tk {

struct Game;

class GameSetWin : public QDialog {
    Q_OBJECT

public:
    // Reads the record once, as it opens; both booking commands close the screen, so a visit
    // books at most one match.
    explicit GameSetWin(Game &game, QWidget *parent = nullptr);

    // The chosen practice level, 1 (Lv.1) .. 6 (Lv.Max).
    int ChosenLevel() const { return chosen_ + 1; }

    QGroupBox *PraFre() const { return praFre_; }
    QRadioButton *PGCom(int j) const { return pgCom_[static_cast<std::size_t>(j)]; }
    QLabel *CanGame() const { return canGame_; }
    // Under each level: the chance the current regulars win a match of it ("勝率 73％").
    QLabel *WinChance(int j) const { return winChance_[static_cast<std::size_t>(j)]; }
    QPushButton *Command1() const { return command1_; }
    QPushButton *Command2() const { return command2_; }
    // i = 2 関東選抜, 3 日本選手権, 4 ワールドテニス.
    QPushButton *GameKind(int i) const { return gameKind_[static_cast<std::size_t>(i - 2)]; }
    QLabel *Zyokenn(int i) const { return zyokenn_[static_cast<std::size_t>(i - 2)]; }
    QLabel *Dates(int i) const { return dates_[static_cast<std::size_t>(i - 2)]; }

private:
    QWidget *MakePracticeFrame();
    QWidget *MakeTournamentFrame();
    void Load();
    void ChooseLevel(int j);
    void BookPractice();
    void Apply(int index);

    Game &game_;
    int chosen_ = 0;
    QGroupBox *praFre_ = nullptr;
    std::array<QRadioButton *, 6> pgCom_{};
    std::array<QLabel *, 6> winChance_{};
    QLabel *canGame_ = nullptr;
    QPushButton *command1_ = nullptr;
    QPushButton *command2_ = nullptr;
    std::array<QPushButton *, 3> gameKind_{};
    std::array<QLabel *, 3> zyokenn_{};
    std::array<QLabel *, 3> dates_{};
};

}  // namespace tk
