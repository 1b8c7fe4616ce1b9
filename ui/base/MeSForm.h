// The notice: shows a message until "閉じる" is pressed or five seconds pass (or, as the player
// may choose in ゲーム設定, until "閉じる" only).
#pragma once

#include <QTimer>

#include "core/rules/history_sink.h"
#include "ui/base/message_dialog.h"

class QPushButton;

namespace tk {

class MeSForm : public MessageDialog {
    Q_OBJECT

public:
    explicit MeSForm(QWidget *parent = nullptr);

    QPushButton *Command1() const { return command1_; }
    const QTimer &Timer1() const { return timer1_; }

    // True: the notice waits for "閉じる" (the player's choice in ゲーム設定); false, as the
    // rules say, it also closes after five seconds. Set before it is shown.
    void SetWaits(bool waits) { waits_ = waits; }
    bool Waits() const { return waits_; }
    // A report or a warning, as the call that shows it said.
    void SetKind(MessageKind kind) { kind_ = kind; }
    MessageKind Kind() const { return kind_; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    QPushButton *command1_ = nullptr;  // "閉じる"
    QTimer timer1_;                    // closes the notice when it runs out
    bool waits_ = false;
    MessageKind kind_ = MessageKind::Report;
};

}  // namespace tk
