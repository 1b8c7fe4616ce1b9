// The court split screen (コート配分): how the usable courts are shared between whole-team
// and individual practice by fine day, fine night and in rain.
#pragma once

#include <array>

#include <QDialog>

#include "core/rules/plan_rules.h"

class QLabel;
class QPushButton;

namespace tk {

class DistributeWin : public QDialog {
    Q_OBJECT

public:
    explicit DistributeWin(GameState &state, QWidget *parent = nullptr);

    // "全体練習を増やす" / "個人練習を増やす" of one frame.
    void AddTeamCourt(CourtSituation k);
    void AddIndividualCourt(CourtSituation k);
    // Recounts the courts and redraws the three splits and the buttons.
    void Redraw();

    // Dis, DisN, DisR: the split labels "team : individual".
    QLabel *Split(CourtSituation k) const { return frames_[Index(k)].split; }
    // Command1 / Command4 / Command6 and Command2 / Command3 / Command5.
    QPushButton *TeamButton(CourtSituation k) const { return frames_[Index(k)].team; }
    QPushButton *IndividualButton(CourtSituation k) const { return frames_[Index(k)].individual; }
    QPushButton *Command7() const { return close_; }  // "閉じる"

public slots:
    // Every way out recounts the courts once more.
    void done(int result) override;

private:
    struct Frame {
        QLabel *split = nullptr;
        QPushButton *team = nullptr;
        QPushButton *individual = nullptr;
    };

    static std::size_t Index(CourtSituation k) { return static_cast<std::size_t>(k); }
    QWidget *MakeFrame(CourtSituation k);

    GameState &state_;
    std::array<Frame, 3> frames_{};
    QPushButton *close_ = nullptr;
};

}  // namespace tk
