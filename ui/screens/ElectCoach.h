// The coach choice screen (コーチ選択) for the whole-team or the individual coach.
#pragma once

#include <QDialog>

class QPushButton;

namespace tk {

struct Game;
class CoachList;

class ElectCoach : public QDialog {
    Q_OBJECT

public:
    // coachKind: kCoachTeam (whole team) or kCoachIndividual, as the practice screen sets it.
    ElectCoach(Game &game, int coachKind, QWidget *parent = nullptr);

    int CoachKind() const { return coachKind_; }

    CoachList *CoachLists() const { return list_; }
    QPushButton *Command1() const { return hire_; }     // "上記のコーチと契約"
    QPushButton *Command2() const { return release_; }  // "現在のコーチを解約"
    QPushButton *Command3() const { return cancel_; }   // "キャンセル"

private:
    void Hire();
    void Release();
    void UpdateButtons();

    Game &game_;
    int coachKind_;
    CoachList *list_ = nullptr;
    QPushButton *hire_ = nullptr;
    QPushButton *release_ = nullptr;
    QPushButton *cancel_ = nullptr;
};

}  // namespace tk
