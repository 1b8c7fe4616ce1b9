// メッセージ履歴: every notice and question of the game, newest first, with its date and,
// for a question, the answer given; the chosen one is shown whole below the list. The list
// can be narrowed by words, by kind and by season.
#pragma once

#include <vector>

#include <QDialog>

#include "history/history_rows.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace tk {

// What the list is narrowed to; an empty or negative member lets every message through.
struct MessageFilter {
    QString words;   // found in the title or the text (line breaks ignored), any case
    int kind = -1;   // a MessageKind value
    int season = 0;  // 1 = the first season (1年目4月 .. 2年目3月)
};
// The season (April to March) of a week, 1 for the first.
int SeasonOfWeek(int week);
// Positions in `messages` of those the filter lets through, in their order.
std::vector<int> FilterMessages(const std::vector<MessageRow> &messages, const MessageFilter &f);

class RirekiWin : public QDialog {
    Q_OBJECT

public:
    // messages: newest first. kept: whether the game keeps a history at all.
    explicit RirekiWin(std::vector<MessageRow> messages, bool kept, QWidget *parent = nullptr);
    ~RirekiWin() override;

    QTableView *List() const { return list_; }
    QLabel *Detail() const { return detail_; }
    QPushButton *CloseButton() const { return close_; }
    QLineEdit *Words() const { return words_; }
    QComboBox *Kinds() const { return kinds_; }
    QComboBox *Seasons() const { return seasons_; }

private:
    QLayout *MakeFilterRow();
    void ApplyFilter();
    void ShowMessage(int row);

    std::vector<MessageRow> messages_;
    std::vector<int> shown_;  // positions in messages_ of the listed rows
    QTableView *list_ = nullptr;
    QLabel *detail_ = nullptr;
    QPushButton *close_ = nullptr;
    QLineEdit *words_ = nullptr;
    QComboBox *kinds_ = nullptr;
    QComboBox *seasons_ = nullptr;
};

// Texts of a message row as the list shows them.
QString MessageDateText(const MessageRow &m);
// 報告, 注意, 質問, or お知らせ for a notice kept before notices had kinds.
QString MessageKindText(MessageKind kind);
QString MessageAnswerText(const MessageRow &m);
// The text in its row: the line breaks kept, none before or after it.
QString MessageListText(const MessageRow &m);

}  // namespace tk
