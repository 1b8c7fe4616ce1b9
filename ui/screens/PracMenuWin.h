// The practice plan screen (練習・コーチ設定): the whole-team menu, the two coaches and the
// players of the three individual-practice places.
#pragma once

#include <array>

#include <QDialog>

class QLabel;
class QPushButton;
class QRadioButton;

namespace tk {

struct Game;

class PracMenuWin : public QDialog {
    Q_OBJECT

public:
    explicit PracMenuWin(Game &game, QWidget *parent = nullptr);

    // --- What the player does (also reached through the controls) ---------------------
    void ChooseMenu(int menu);        // a click on Practices(menu); stored only by "閉じる"
    void ChooseCoach(int coachKind);  // Command3 (whole team) / Command1 (individual)
    void ChoosePlayer(int place);     // Command2(place)
    // Names and buttons from the record, as on every activation of the window.
    void Refresh();

    int Choice() const { return choice_; }

    QRadioButton *Practices(int menu) const { return practices_.at(Index(menu)); }
    // Personal(1..3) the individual-practice players, (4) the whole-team coach, (5) the
    // individual coach.
    QLabel *Personal(int k) const { return personal_.at(Index(k - 1)); }
    QPushButton *Command1() const { return individualCoach_; }  // "選択" in "個別練習"
    QPushButton *Command2(int place) const { return players_.at(Index(place - 1)); }
    QPushButton *Command3() const { return teamCoach_; }  // "選択" in "全体練習"
    QPushButton *Command4() const { return close_; }      // "閉じる"

protected:
    void changeEvent(QEvent *event) override;

private:
    static std::size_t Index(int i) { return static_cast<std::size_t>(i); }
    QWidget *MakeTeamFrame();
    QWidget *MakeIndividualFrame();
    QPushButton *MakeChooseButton(QWidget *parent, const QString &name);
    QLabel *MakeName(QWidget *parent, int k);
    void StoreAndClose();

    Game &game_;
    int choice_ = 0;
    std::array<QRadioButton *, 8> practices_{};
    std::array<QLabel *, 5> personal_{};
    std::array<QPushButton *, 3> players_{};
    QPushButton *individualCoach_ = nullptr;
    QPushButton *teamCoach_ = nullptr;
    QPushButton *close_ = nullptr;
};

}  // namespace tk
