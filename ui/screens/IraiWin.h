// The scout request screen: an age band, a rank, the price, and the request.
#pragma once

#include <array>

#include <QDialog>

#include "core/rules/scout_rules.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace tk {

struct Game;

class IraiWin : public QDialog {
    Q_OBJECT

public:
    explicit IraiWin(Game &game, QWidget *parent = nullptr);

    void ChooseAgeBand(int band);  // Ages_Click
    void ChooseRank(int rank);     // Ranks_Click
    // "依頼": asks, then places the request and closes; "いいえ" keeps the screen open.
    void Request();

    const ScoutRequest &Choice() const { return request_; }

    QRadioButton *Ages(int band) const { return ages_.at(Index(band)); }
    QRadioButton *Ranks(int rank) const { return ranks_.at(Index(rank)); }
    QLabel *Hiyous() const { return price_; }
    QPushButton *Command1() const { return requestButton_; }  // "依頼"
    QPushButton *Command2() const { return close_; }          // "閉じる"

private:
    static std::size_t Index(int i) { return static_cast<std::size_t>(i); }
    QWidget *MakeAgeFrame();
    QWidget *MakeRankFrame();
    void ShowChoice();

    Game &game_;
    ScoutRequest request_;
    std::array<QRadioButton *, kScoutAgeBands> ages_{};
    std::array<QRadioButton *, kScoutRanks> ranks_{};
    QLabel *price_ = nullptr;
    QPushButton *requestButton_ = nullptr;
    QPushButton *close_ = nullptr;
};

}  // namespace tk
