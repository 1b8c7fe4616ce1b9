// The camp choice of April and August: 行かない, 普通 or 高級, decided with "決定".
#pragma once

#include <array>

#include <QDialog>

class QLabel;
class QPushButton;
class QRadioButton;

namespace tk {

struct Game;

class GasyuElectWin : public QDialog {
    Q_OBJECT

public:
    explicit GasyuElectWin(Game &game, QWidget *parent = nullptr);

    int SelectedClass() const { return selected_; }
    QRadioButton *Plices(int i) const { return plices_[static_cast<std::size_t>(i)]; }
    QLabel *PriceLabel() const { return pl_; }
    QPushButton *DecideButton() const { return decide_; }

protected:
    // A class must be decided: the window frame cannot close the screen.
    void closeEvent(QCloseEvent *event) override;
    void reject() override {}

private:
    void Choose(int campClass);
    void Decide();

    Game &game_;
    std::array<QRadioButton *, 3> plices_{};
    QLabel *pl_ = nullptr;
    QPushButton *decide_ = nullptr;
    int selected_ = 1;
    bool decided_ = false;
};

}  // namespace tk
