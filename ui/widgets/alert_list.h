// The main screen's 要対応 list: every alert while it lasts, each naming the command (and its
// key) that opens the screen that fixes it; a click on an alert opens that screen.
#pragma once

#include <functional>
#include <vector>

#include <QGroupBox>

#include "core/rules/alert_rules.h"

class QListWidget;

namespace tk {

class AlertList : public QGroupBox {
    Q_OBJECT

public:
    explicit AlertList(QWidget *parent = nullptr);

    // How an alert names its fixing command, for example "土地（8）".
    void SetFixCaption(std::function<QString(AlertFix)> caption) { caption_ = std::move(caption); }
    // Shows these alerts, or the one row 「なし」; redraws only when they changed.
    void Show(const std::vector<Alert> &alerts);

    int Count() const { return static_cast<int>(alerts_.size()); }
    QListWidget *List() const { return list_; }
    // The row's text as shown and read: the alert, then its command.
    QString RowText(int row) const;

signals:
    void fixRequested(tk::AlertFix fix);

private:
    std::function<QString(AlertFix)> caption_;
    std::vector<Alert> alerts_;
    QListWidget *list_ = nullptr;
};

}  // namespace tk
