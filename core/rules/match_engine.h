// One match between the regulars and a generated opponent team, bout by bout: the state a
// match screen steps through with its timers, and the one-call path for scripts.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/state/game_state.h"

namespace tk {

struct Game;
class GameUi;

inline constexpr int kBouts = 5;         // bouts 1..5, one per regular
inline constexpr int kComparedRows = 5;  // rows 1..5 of a bout
inline constexpr int kBoutsToWin = 3;

// Every skill of every opponent of a match kind is drawn from [low, high]; codes that are
// never played give {0, 0}.
struct SkillRange {
    int low = 0;
    int high = 0;
};
SkillRange OpponentRange(int kind);

// Competition, line break, round: the heading of the match screens.
std::string MatchHeading(int kind);
// Row captions 1..5: "スタミナ", "パワー", "技術", "敏捷", "ショット/ボレー".
std::string CompareRowLabel(int row);

// A player is at the net in a bout when the volley is strictly above the shot; the stored
// style plays no part.
bool PlaysAtNet(const PlayerRecord &p);
// The value a bout compares in row 1..5: stamina, power, technique, agility, then the
// volley for a net player and the shot for a baseline player.
int ComparedValue(const PlayerRecord &p, int row);
// The user's share (50..4950 of 5000) of a row's force bar; a difference of 50 saturates.
int DisplayShare(int ours, int theirs);
// 5000 + 35 per point of the summed differences, within 0..10000 (hundredths of a per cent).
int WinChanceOf(int ratingSum);
// The chance as the screen shows it: whole per cent, rounded up.
int WinPercent(int winChance);

// "+12Pt", "0Pt", "-7Pt".
std::string PointsText(int points);
// "50％".
std::string PercentText(int percent);
// The flickering percentage while the rows run: at least two digits, "07％".
std::string FlickerPercentText(int percent);
// "3人目"
std::string BoutLabel(int bout);
// The notice after a bout: "n人目\r勝利しました！！" (やったね！) or "n人目\r負けました…"
// (残念でした…), font size 14.
void ShowBoutResult(GameUi &ui, int bout, bool won);

// A running match. Constructing it starts the match (StartMatch): the opponents are drawn,
// the regulars copied and bout 1 begun. Nothing in it changes the squad; the match writes
// the season record and the week's result only when it ends.
class Match {
public:
    explicit Match(Game &game);

    int Kind() const { return kind_; }
    std::string Heading() const { return MatchHeading(kind_); }

    int BoutNumber() const { return bout_; }
    int TeamWins() const { return wins_; }
    int TeamLosses() const { return losses_; }
    bool Finished() const { return wins_ >= kBoutsToWin || losses_ >= kBoutsToWin; }
    bool Won() const { return wins_ >= kBoutsToWin; }
    // The week's stored result: 7, 6, 5 for wins 3-0, 3-1, 3-2; 3, 2, 1 for losses.
    int Result() const { return wins_ - losses_ + 4; }

    // Player n (1..5) of each side as copied or generated at match start (the graphs).
    const PlayerRecord &OurSide(int n) const;
    const PlayerRecord &TheirSide(int n) const;
    // The squad slot regular n was copied from (20, the empty spare slot, if none).
    int OurSlot(int n) const;

    // The current bout's two players and their sides of the court.
    const PlayerRecord &OurPlayer() const { return OurSide(bout_); }
    const PlayerRecord &TheirPlayer() const { return TheirSide(bout_); }
    std::string OurPlayerName() const;
    bool OurAtNet() const { return PlaysAtNet(OurPlayer()); }
    bool TheirAtNet() const { return PlaysAtNet(TheirPlayer()); }
    int OurValue(int row) const { return ComparedValue(OurPlayer(), row); }
    int TheirValue(int row) const { return ComparedValue(TheirPlayer(), row); }
    int OurShare(int row) const;
    int TheirShare(int row) const { return 5000 - OurShare(row); }

    // Compares row 1..5 of the current bout: returns ours minus theirs and adds it to the
    // running sum. Rows count once, in order; any other call only returns the difference.
    int CompareSkill(int row);
    int RowsCompared() const { return rowsCompared_; }
    int RatingSum() const { return ratingSum_; }
    // After row 5: sets and returns the chance of winning the bout.
    int ComputeWinChance();
    int WinChance() const { return winChance_; }
    // One draw against the chance: true when the user's player wins the bout.
    bool DrawBout();
    // Record the bout; either the next bout begins or the match ends (season record and
    // the week's result written). Return true when the match is over. Ignored once over.
    bool BoutWon();
    bool BoutLost();

    // A whole bout at once, in the screen's order: rows, chance, draw, result notice
    // (when `ui` is given), record. Returns true when the bout was won.
    bool PlayBout(GameUi *ui);

private:
    void StartNextBout();
    bool Record(bool won);

    Game &game_;
    int kind_ = 0;
    std::array<PlayerRecord, kBouts> ours_{};
    std::array<PlayerRecord, kBouts> theirs_{};
    std::array<int, kBouts> ourSlots_{};
    std::array<int, kComparedRows> ourShares_{};
    int bout_ = 0;
    int wins_ = 0;
    int losses_ = 0;
    int rowsCompared_ = 0;
    int ratingSum_ = 0;
    int winChance_ = 5000;
};

// The season record and week result of a finished match, normally written by Match.
void RecordTeamWin(GameState &s, int kind);
void RecordTeamLoss(GameState &s, int kind);
void FinishMatch(GameState &s, int wins, int losses);

struct MatchOutcome {
    bool won = false;
    int wins = 0;
    int losses = 0;
};

// Plays this week's match from start to end with the same draws, in the same order, as the
// match screen; shows the bout notices when `announceBouts` is set. Does not settle what
// follows (see AfterMatch).
MatchOutcome PlayWholeMatch(Game &game, bool announceBouts = true);

}  // namespace tk
