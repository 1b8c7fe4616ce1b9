// The match screen: five bouts played out as a tug of war of skill bars, paced by timers
// (faster in fast mode); "結果へ" plays the rest at once with the same draws.
#pragma once

#include <array>
#include <memory>

#include <QDialog>
#include <QTimer>

#include "core/rules/match_engine.h"
#include "core/rules/random.h"
#include "core/rules/tournament_rules.h"

class QLabel;
class QPushButton;

namespace tk {

struct Game;
class ClickLabel;
class HexaGraph;

class GameWin : public QDialog {
    Q_OBJECT

public:
    // Starts this week's match at once (opponents drawn, regulars copied, bout 1 begun); the
    // bars start running when the screen is first shown. The screen closes itself when the
    // match is over and its result has been settled; it cannot be closed before.
    explicit GameWin(Game &game, QWidget *parent = nullptr);
    ~GameWin() override;

    const Match &CurrentMatch() const { return *match_; }
    bool Finished() const { return finished_; }
    bool Won() const { return match_->Won(); }
    // What is left to do once the screen has closed (result notice, the next round).
    AfterClose Next() const { return next_; }

    // Row 1..5 bars in layout units (twips): the user's bar grows rightwards from the left
    // end of the strip, the opponent's leftwards from x = 5820.
    static constexpr int kStickRightTwips = 5820;
    static constexpr int kStickTwips = 5000;
    double MyForceTwips(int row) const { return myWidth_[Row(row)]; }
    double ComForceTwips(int row) const { return comWidth_[Row(row)]; }
    double ComForceLeftTwips(int row) const { return kStickRightTwips - comWidth_[Row(row)]; }
    bool FlickerRunning() const { return timer7_.isActive(); }
    // Ticks a bar grows in: 50, or 10 in fast mode.
    int TicksPerRow() const { return ticksPerRow_; }

    // "結果へ": the rest of the match at once, bout by bout through the engine's own steps
    // exactly as the timers would have played it, settled, and told in one summary; then the
    // screen closes.
    void PlayToEnd();
    QPushButton *ToResult() const { return toResult_; }

    QLabel *GameName() const { return gameName_; }
    QLabel *Men() const { return men_; }
    QLabel *NName() const { return nName_; }
    QLabel *WW() const { return ww_; }
    QLabel *LL() const { return ll_; }
    QLabel *Pos(int side) const { return pos_[static_cast<std::size_t>(side)]; }
    HexaGraph *MyGraph() const { return myGraph_; }
    HexaGraph *ComGraph() const { return comGraph_; }
    QLabel *MyPoint(int row) const { return myPoint_[Row(row)]; }
    QLabel *ComPoint(int row) const { return comPoint_[Row(row)]; }
    ClickLabel *Pts(int row) const { return pts_[Row(row)]; }
    QWidget *Stick(int row) const { return stick_[Row(row)]; }
    QLabel *SumPts() const { return sumPts_; }
    QLabel *P() const { return p_; }

public slots:
    // Escape does nothing while the match runs.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    static std::size_t Row(int row) { return static_cast<std::size_t>(row - 1); }
    QWidget *MakeHeader();
    QWidget *MakeRows();
    QWidget *MakeFooter();
    void ShowBout();
    void RunBout();
    void PlaceBars(int row);
    void RowTick(int row);
    void ShowChance();    // Timer8
    void DecideBout();    // Timer1
    void Flicker();       // Timer7
    void ShowRowsDone();  // every row as its timer ends it
    void ShowChanceNow();
    void Finish();  // the match is over: settle it and close

    Game &game_;
    std::unique_ptr<Match> match_;
    Rng flicker_;  // the flickering percentage is for show: it never touches the game's draws
    bool started_ = false;
    bool finished_ = false;
    bool skipping_ = false;
    // A bout's result is on show: 結果へ pressed now (an accessibility press reaches the
    // button past the notice) plays the rest once the bout is counted.
    bool deciding_ = false;
    bool skipAsked_ = false;
    bool settled_ = false;
    bool fast_ = false;
    int ticksPerRow_ = 50;
    AfterClose next_ = AfterClose::kNothing;
    int tick_ = 0;
    std::array<double, kComparedRows> myWidth_{};
    std::array<double, kComparedRows> comWidth_{};

    std::array<QTimer, kComparedRows> rowTimers_;
    QTimer timer7_;
    QTimer timer8_;
    QTimer timer1_;

    QLabel *gameName_ = nullptr;
    QLabel *men_ = nullptr;
    QLabel *nName_ = nullptr;
    QLabel *ww_ = nullptr;
    QLabel *ll_ = nullptr;
    std::array<QLabel *, 2> pos_{};
    HexaGraph *myGraph_ = nullptr;
    HexaGraph *comGraph_ = nullptr;
    std::array<QLabel *, kComparedRows> myPoint_{};
    std::array<QLabel *, kComparedRows> comPoint_{};
    std::array<ClickLabel *, kComparedRows> pts_{};
    std::array<QWidget *, kComparedRows> stick_{};
    std::array<QWidget *, kComparedRows> myForce_{};
    std::array<QWidget *, kComparedRows> comForce_{};
    QLabel *sumPts_ = nullptr;
    QLabel *p_ = nullptr;
    QPushButton *toResult_ = nullptr;
};

}  // namespace tk
