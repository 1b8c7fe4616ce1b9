// The lineup screen (レギュラーを決めてください): five places, the bench, and their details.
#pragma once

#include <array>

#include <QDialog>

#include "core/rules/lineup_rules.h"

class QLabel;
class QPushButton;
class QScrollBar;

namespace tk {

struct Game;
class ClickLabel;
class HexaGraph;

class RegurarSetWin : public QDialog {
    Q_OBJECT

public:
    // Every change is written to the players' Order bytes at once; there is no cancel. The
    // screen will not close while a place is empty.
    explicit RegurarSetWin(Game &game, QWidget *parent = nullptr);

    // --- What the player does (also reached through the controls) ---------------------
    void SelectBenchCell(int cell);         // click on NameSection(cell)
    void SelectPlace(int n);                // click on RNameSection(n)
    void SwapIntoPlace(int n);              // ChangeKey(n) "←→"
    void MoveSelectedPlace(int direction);  // Up (-1) / Down (+1)
    void MoveBenchSelection(int delta);     // the arrow keys: -5, +5, -1, +1
    void ScrollBench(int firstColumn);      // the bench's scroll bar

    // --- Display state ------------------------------------------------------------------
    int SelectedPlace() const { return place_; }
    int SelectedBenchCell() const { return benchCell_; }
    bool BenchChosen() const { return benchChosen_; }
    bool AllPlacesFilled() const { return allFilled_; }
    // The squad slot each visible bench cell shows (kEmptyCell for an empty cell).
    const BenchMap &Bench() const { return bench_; }
    int FirstBenchColumn() const { return firstColumn_; }

    ClickLabel *NameSection(int cell) const { return nameSection_[Index(cell)]; }
    QLabel *Elected(int cell) const { return elected_[Index(cell)]; }
    ClickLabel *RNameSection(int n) const { return rNameSection_[Index(n - 1)]; }
    QLabel *RElected(int n) const { return rElected_[Index(n - 1)]; }
    QPushButton *ChangeKey(int n) const { return changeKey_[Index(n - 1)]; }
    QPushButton *UpButton() const { return up_; }
    QPushButton *DownButton() const { return down_; }
    QPushButton *Command1() const { return command1_; }
    QScrollBar *BenchScroll() const { return benchScroll_; }
    HexaGraph *BenchGraph() const { return benchDetails_.graph; }
    HexaGraph *RBenchGraph() const { return regularDetails_.graph; }
    // Force(0..6) of the bench details, RF(0..6) of the regular's, and the label SB.
    QLabel *Force(int i) const { return benchDetails_.force[Index(i)]; }
    QLabel *RF(int i) const { return regularDetails_.force[Index(i)]; }
    QLabel *SB() const { return benchDetails_.fifthCaption; }
    QLabel *RSB() const { return regularDetails_.fifthCaption; }

public slots:
    // "決定", Escape and the close box: refused with a notice while a place is empty.
    void reject() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Details {
        HexaGraph *graph = nullptr;
        std::array<QLabel *, 7> force{};
        QLabel *fifthCaption = nullptr;
        bool captionFollowsStyle = false;
    };

    static std::size_t Index(int i) { return static_cast<std::size_t>(i); }
    QWidget *MakePlaces();
    QWidget *MakeBench();
    QWidget *MakeDetails(Details &details, const QString &graphName, const QString &prefix);
    void ShowDetails(Details &details, int slot);
    void ClearDetails(Details &details);
    void Refill();
    void MarkBenchCell();
    bool HandleKey(int key);

    Game &game_;
    BenchMap bench_{};
    int firstColumn_ = 0;
    int benchCell_ = 0;
    bool benchChosen_ = false;
    int place_ = 1;
    bool allFilled_ = false;

    std::array<ClickLabel *, kBenchCells> nameSection_{};
    std::array<QLabel *, kBenchCells> elected_{};
    std::array<ClickLabel *, kPlaces> rNameSection_{};
    std::array<QLabel *, kPlaces> rElected_{};
    std::array<QPushButton *, kPlaces> changeKey_{};
    QPushButton *up_ = nullptr;
    QPushButton *down_ = nullptr;
    QPushButton *command1_ = nullptr;
    QScrollBar *benchScroll_ = nullptr;
    Details benchDetails_;
    Details regularDetails_;
};

}  // namespace tk
