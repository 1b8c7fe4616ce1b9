// The items screen: three nutrition drinks that restore every player's condition.
#pragma once

#include <array>

#include <QDialog>

class QPushButton;

namespace tk {

struct Game;

class ItemsWin : public QDialog {
    Q_OBJECT

public:
    explicit ItemsWin(Game &game, QWidget *parent = nullptr);

    // "使う" under drink 0..2, and "閉じる".
    QPushButton *UseButton(int item) const { return use_[static_cast<std::size_t>(item)]; }
    QPushButton *CloseButton() const { return close_; }

signals:
    // A drink was used: the main screen redraws the squad and the funds.
    void itemUsed();

private:
    Game &game_;
    std::array<QPushButton *, 3> use_{};
    QPushButton *close_ = nullptr;
};

}  // namespace tk
