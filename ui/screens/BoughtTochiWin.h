// The construction screen (建設物を選んでください): choose a building for a lot, see its cost,
// weeks and picture, and start it.
#pragma once

#include <array>

#include <QDialog>

#include "core/rules/land_rules.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace tk {

struct Game;

class BoughtTochiWin : public QDialog {
    Q_OBJECT

public:
    // `choice` comes from BuyLand (after a purchase: "閉じる" is off) or OpenConstruction.
    BoughtTochiWin(Game &game, const ConstructionChoice &choice, QWidget *parent = nullptr);

    // Buys lot `lot` (asking first) and, when bought, runs the construction screen on it.
    // True when the land was bought (whatever was built on it).
    static bool BuyAndBuild(Game &game, int lot, QWidget *parent = nullptr);
    // Opens the construction screen for a court or the training room ("工事").
    static void Rebuild(Game &game, int lot, QWidget *parent = nullptr);

    const ConstructionChoice &Choice() const { return choice_; }
    // Option 0 "屋外コート", 1 "室内コート", 2 "トレーニング室".
    QPushButton *KindCoat(int i) const { return kindCoat_.at(static_cast<std::size_t>(i)); }
    QCheckBox *Lighting() const { return lighting_; }  // "照明有"
    QLabel *Cost() const { return cost_; }             // "建設費 150万円"
    QLabel *Weeks() const { return weeks_; }           // "工事 1週間"
    QLabel *BuildingView() const { return picture_; }
    QPushButton *Command1() const { return build_; }  // "建設"
    QPushButton *Command2() const { return close_; }  // "閉じる"

public slots:
    // Esc, "閉じる" or the window frame. After a purchase nothing may be left half done: the
    // land price is given back and the lot stays for sale.
    void reject() override;

private:
    void Choose(int option);
    void SetLit(bool on);
    void Redraw();
    void Build();

    Game &game_;
    ConstructionChoice choice_;
    std::array<QPushButton *, 3> kindCoat_{};
    QCheckBox *lighting_ = nullptr;
    QLabel *cost_ = nullptr;
    QLabel *weeks_ = nullptr;
    QLabel *picture_ = nullptr;
    QPushButton *build_ = nullptr;
    QPushButton *close_ = nullptr;
};

}  // namespace tk
