// メッセージ履歴: every notice and question of the game, newest first, with its date and,
// for a question, the answer given; the chosen one is shown whole below the list.
#pragma once

#include <vector>

#include <QDialog>

#include "history/history_rows.h"

class QLabel;
class QPushButton;
class QTableView;

namespace tk {

class RirekiWin : public QDialog {
    Q_OBJECT

public:
    // messages: newest first. kept: whether the game keeps a history at all.
    explicit RirekiWin(std::vector<MessageRow> messages, bool kept, QWidget *parent = nullptr);

    QTableView *List() const { return list_; }
    QLabel *Detail() const { return detail_; }
    QPushButton *CloseButton() const { return close_; }

private:
    void ShowMessage(int row);

    std::vector<MessageRow> messages_;
    QTableView *list_ = nullptr;
    QLabel *detail_ = nullptr;
    QPushButton *close_ = nullptr;
};

// Texts of a message row as the list shows them.
QString MessageDateText(const MessageRow &m);
// 報告, 注意, 質問, or お知らせ for a notice kept before notices had kinds.
QString MessageKindText(const MessageRow &m);
QString MessageAnswerText(const MessageRow &m);

}  // namespace tk
