// The new-game screen: team name and manager name.
#pragma once

#include <array>

#include <QString>
#include <QWidget>

class QLineEdit;
class QPushButton;

namespace tk {

class TitleActions;

// The name as code page 932 will save it: the few signs it holds under another code (〜 as
// ～, − as －, ‖ as ∥, ¥ as ￥ and the like) replaced by the ones it reads back as.
QString SavableNameText(QString text);

class NewGameWin : public QWidget {
    Q_OBJECT

public:
    explicit NewGameWin(TitleActions &app, QWidget *parent = nullptr);

    // Longest name accepted, in characters.
    static constexpr int kMaxNameLength = 12;

    void Reset();

    QLineEdit *NameText(int i) const { return nameText_[static_cast<std::size_t>(i)]; }
    QPushButton *StartButton() const { return start_; }
    QPushButton *CloseButton() const { return close_; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Start();
    void Back();

    TitleActions &app_;
    std::array<QLineEdit *, 2> nameText_{};
    QPushButton *start_ = nullptr;
    QPushButton *close_ = nullptr;
    bool leaving_ = false;
};

}  // namespace tk
