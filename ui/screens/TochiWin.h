// The lot screen (土地詳細): the nine lots as tiles, the selected lot's texts and state, and
// the commands "購入", "整備" and "工事" that its kind allows.
#pragma once

#include <array>

#include <QDialog>

#include "core/rules/land_rules.h"

class QLabel;
class QPushButton;

namespace tk {

struct Game;
class ClickLabel;

class TochiWin : public QDialog {
    Q_OBJECT

public:
    // Opens on `selectedLot` (the main screen's selection), which follows every click.
    TochiWin(Game &game, MaintainMarks &marks, int &selectedLot, QWidget *parent = nullptr);

    // TochiS_Click: selects and shows lot i.
    void SelectLot(int lot);
    int SelectedLot() const { return selectedLot_; }

    ClickLabel *TochiS(int lot) const { return tiles_.at(static_cast<std::size_t>(lot)); }
    bool MarkerShown(int lot) const { return lot == selectedLot_; }
    QLabel *Number() const { return number_; }  // "No. 1"
    QLabel *Usability() const { return usability_; }
    QLabel *Name() const { return name_; }
    QLabel *Upkeep() const { return upkeep_; }
    QLabel *Comment() const { return comment_; }
    QWidget *Bar() const { return bar_; }
    QPushButton *BuyButton() const { return buy_; }            // "購入"
    QPushButton *MaintainButton() const { return maintain_; }  // "整備"
    QPushButton *BuildButton() const { return build_; }        // "工事"
    QPushButton *CloseButton() const { return close_; }        // "閉じる"

private:
    void DrawTiles();
    void ShowLot();
    void Buy();
    void MaintainLot();
    void BuildOnLot();

    Game &game_;
    MaintainMarks &marks_;
    int &selectedLot_;
    std::array<ClickLabel *, kLots> tiles_{};
    QLabel *number_ = nullptr;
    QLabel *usability_ = nullptr;
    QLabel *name_ = nullptr;
    QLabel *upkeep_ = nullptr;
    QLabel *comment_ = nullptr;
    QWidget *bar_ = nullptr;
    QPushButton *buy_ = nullptr;
    QPushButton *maintain_ = nullptr;
    QPushButton *build_ = nullptr;
    QPushButton *close_ = nullptr;
};

}  // namespace tk
