// The sponsor choice screen (スポンサー選択): browse the seven sponsors and sign one into the
// slot the office chose.
#pragma once

#include <QDialog>

#include "core/rules/office_rules.h"

class QLabel;
class QPushButton;

namespace tk {

struct Game;

class SelectSponWin : public QDialog {
    Q_OBJECT

public:
    // `slot` (SponserNum) is 1 or 2; the screen opens on sponsor 1.
    SelectSponWin(Game &game, int slot, QWidget *parent = nullptr);

    int SponserNum() const { return choice_.slot; }
    int SponNum() const { return choice_.shown; }

    QLabel *SponsorName() const { return name_; }
    QLabel *Position() const { return position_; }       // "3/7"
    QLabel *Condition() const { return condition_; }     // "契約条件"
    QLabel *Fee() const { return fee_; }                 // "契約金"
    QLabel *Keeping() const { return keeping_; }         // "常守条件"
    QLabel *Penalty() const { return penalty_; }         // "違約金"
    QLabel *SignedMark() const { return signed_; }       // "済"
    QPushButton *Command1() const { return next_; }      // "次へ"
    QPushButton *Command2() const { return previous_; }  // "前へ"
    QPushButton *Command3() const { return sign_; }      // "契約"
    QPushButton *Command4() const { return close_; }     // "閉じる"

private:
    void Views();
    void Next();
    void Previous();
    void Sign();

    Game &game_;
    SponsorChoice choice_;
    QLabel *name_ = nullptr;
    QLabel *position_ = nullptr;
    QLabel *condition_ = nullptr;
    QLabel *fee_ = nullptr;
    QLabel *keeping_ = nullptr;
    QLabel *penalty_ = nullptr;
    QLabel *signed_ = nullptr;
    QLabel *verdict_ = nullptr;  // "契約条件を満たしています" or not
    QPushButton *next_ = nullptr;
    QPushButton *previous_ = nullptr;
    QPushButton *sign_ = nullptr;
    QPushButton *close_ = nullptr;
};

}  // namespace tk
