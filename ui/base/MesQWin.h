// The question: asks yes or no and can only be left through its two buttons.
#pragma once

#include "ui/base/message_dialog.h"

class QPushButton;

namespace tk {

class MesQWin : public MessageDialog {
    Q_OBJECT

public:
    explicit MesQWin(QWidget *parent = nullptr);

    // True once "はい" was pressed; false before any answer and after "いいえ".
    bool Answer() const { return answer_; }
    bool Answered() const { return answered_; }

    QPushButton *Command2() const { return command2_; }
    QPushButton *Command1() const { return command1_; }

public slots:
    // The close box and Escape end up here: a question needs an answer, so they do nothing.
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Reply(bool yes);

    QPushButton *command2_ = nullptr;  // "はい"
    QPushButton *command1_ = nullptr;  // "いいえ"
    bool answer_ = false;
    bool answered_ = false;
};

}  // namespace tk
