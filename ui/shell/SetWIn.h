// The game-speed setting: "高速" or "普通", stored in the settings only on "OK".
#pragma once

#include <cstdint>

#include <QDialog>

class QPushButton;
class QRadioButton;

namespace tk {

struct Settings;

class SetWIn : public QDialog {
    Q_OBJECT

public:
    // The dialog reads `settings.FastMode` when it opens and writes it on "OK" only.
    explicit SetWIn(Settings &settings, QWidget *parent = nullptr);

    // The choice held until "OK": -1 fast, 0 normal.
    std::int16_t Choice() const { return choice_; }

    QRadioButton *FastOption() const { return fast_; }
    QRadioButton *NormalOption() const { return normal_; }
    QPushButton *OkButton() const { return ok_; }
    QPushButton *CancelButton() const { return cancel_; }

private:
    void Store();

    Settings &settings_;
    std::int16_t choice_ = 0;
    QRadioButton *fast_ = nullptr;    // "高速"
    QRadioButton *normal_ = nullptr;  // "普通"
    QPushButton *ok_ = nullptr;       // "OK"
    QPushButton *cancel_ = nullptr;   // "キャンセル"
};

}  // namespace tk
