// The whole-grounds screen (土地): the nine lots with their state, the court table, marks for
// maintenance set by clicking, and the commands that the marked lots allow.
#pragma once

#include <array>
#include <functional>

#include <QDialog>

#include "core/rules/land_rules.h"

class QLabel;
class QPushButton;

namespace tk {

struct Game;
class WholeGroundsPicture;

class WholeTochiWin : public QDialog {
    Q_OBJECT

public:
    // Opens the court allotment screen over the given window; without one "練習配分" is off.
    using AllotmentOpener = std::function<void(QWidget *parent)>;

    // `marks` are shared with the lot screen; closing this screen clears them all.
    WholeTochiWin(Game &game, MaintainMarks &marks, AllotmentOpener openAllotment = {},
                  QWidget *parent = nullptr);

    // The opening steps, run again whenever the maintenance screen closes.
    void Reopen();
    // Elected_Click: toggles the lot's maintenance mark and redraws.
    void ToggleLot(int lot);

    WholeGroundsPicture *Grounds() const { return picture_; }
    // "コート状況": row 0 "晴れ/昼間", 1 "晴れ/夜", 2 "雨天時".
    QLabel *Usable(int row) const { return usable_.at(static_cast<std::size_t>(row)); }
    QLabel *Unusable(int row) const { return unusable_.at(static_cast<std::size_t>(row)); }
    QPushButton *MaintainButton() const { return maintain_; }    // "整備"
    QPushButton *BuildButton() const { return build_; }          // "工事"
    QPushButton *BuyButton() const { return buy_; }              // "購入"
    QPushButton *AllotmentButton() const { return allotment_; }  // "練習配分"
    QPushButton *CloseButton() const { return close_; }          // "閉じる"

public slots:
    void done(int result) override;

private:
    QWidget *MakeCourtTable();
    void Redraw();
    void Maintain();
    void BuildOnLot();
    void Buy();
    void OpenAllotment();

    Game &game_;
    MaintainMarks &marks_;
    AllotmentOpener openAllotment_;
    WholeGroundsPicture *picture_ = nullptr;
    std::array<QLabel *, 3> usable_{};
    std::array<QLabel *, 3> unusable_{};
    QPushButton *maintain_ = nullptr;
    QPushButton *build_ = nullptr;
    QPushButton *buy_ = nullptr;
    QPushButton *allotment_ = nullptr;
    QPushButton *close_ = nullptr;
};

}  // namespace tk
