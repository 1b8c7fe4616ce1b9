// The notice: shows a message until "閉じる" is pressed or five seconds pass.
#pragma once

#include <QTimer>

#include "ui/shell/message_dialog.h"

class QPushButton;

namespace tk {

class MeSForm : public MessageDialog {
    Q_OBJECT

public:
    explicit MeSForm(QWidget *parent = nullptr);

    QPushButton *Command1() const { return command1_; }
    const QTimer &Timer1() const { return timer1_; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    QPushButton *command1_ = nullptr;  // "閉じる"
    QTimer timer1_;                    // closes the notice when it runs out
};

}  // namespace tk
