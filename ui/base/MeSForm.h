// The notice: shows a message until "閉じる" is pressed or five seconds pass (or, as the player
// may choose in ゲーム設定, until "閉じる" only).
#pragma once

#include <QTimer>

#include "ui/base/message_dialog.h"

class QPushButton;

namespace tk {

struct Settings;

class MeSForm : public MessageDialog {
    Q_OBJECT

public:
    explicit MeSForm(QWidget *parent = nullptr);

    QPushButton *Command1() const { return command1_; }
    const QTimer &Timer1() const { return timer1_; }

    // Notices open from every screen, each a fresh dialog, while the player's choice of how
    // they close lives in the application's settings: the application names its settings here
    // once and takes them back when it goes. Without settings a notice closes after five
    // seconds, as the rules say.
    static void UseSettings(const Settings *settings);
    static void ReleaseSettings(const Settings *settings);  // only if they are the ones in use
    // True when notices wait for "閉じる" instead of closing by themselves.
    static bool NoticesWait();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QPushButton *command1_ = nullptr;  // "閉じる"
    QTimer timer1_;                    // closes the notice when it runs out
};

}  // namespace tk
