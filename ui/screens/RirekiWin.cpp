// The message history: a list over the kept messages and the whole text of the chosen one.
#include "ui/screens/RirekiWin.h"

#include <QAbstractTableModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "core/rules/lookups.h"

namespace tk {

namespace {

QString OneLine(const std::string &text) {
    return QString::fromStdString(text).replace(QLatin1Char('\r'), QLatin1Char(' '));
}

// The list reads the rows where they are: a long game keeps thousands of messages.
class MessageModel : public QAbstractTableModel {
public:
    MessageModel(const std::vector<MessageRow> &rows, QObject *parent)
        : QAbstractTableModel(parent), rows_(rows) {}

    int rowCount(const QModelIndex &parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }
    int columnCount(const QModelIndex &parent) const override { return parent.isValid() ? 0 : 5; }

    QVariant data(const QModelIndex &index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid()) return {};
        const MessageRow &m = rows_[static_cast<std::size_t>(index.row())];
        switch (index.column()) {
            case 0: return MessageDateText(m);
            case 1: return MessageKindText(m);
            case 2: return QString::fromStdString(m.title);
            case 3: return OneLine(m.text);
            default: return MessageAnswerText(m);
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
        static const char *const kHeaders[] = {"日付", "種類", "題名", "内容", "答え"};
        return QString::fromUtf8(kHeaders[section]);
    }

private:
    const std::vector<MessageRow> &rows_;
};

}  // namespace

QString MessageDateText(const MessageRow &m) {
    return QString::fromStdString(DateText(m.week));
}

QString MessageKindText(const MessageRow &m) {
    switch (m.kind) {
        case MessageKind::Question: return QStringLiteral("質問");
        case MessageKind::Report: return QStringLiteral("報告");
        case MessageKind::Warning: return QStringLiteral("注意");
        case MessageKind::Notice: break;  // kept before notices had kinds
    }
    return QStringLiteral("お知らせ");
}

QString MessageAnswerText(const MessageRow &m) {
    if (!IsQuestion(m.kind)) return {};
    return m.answer ? QStringLiteral("はい") : QStringLiteral("いいえ");
}

RirekiWin::RirekiWin(std::vector<MessageRow> messages, bool kept, QWidget *parent)
    : QDialog(parent), messages_(std::move(messages)) {
    setObjectName(QStringLiteral("RirekiWin"));
    setWindowTitle(QStringLiteral("メッセージ履歴"));

    list_ = new QTableView(this);
    list_->setObjectName(QStringLiteral("MessageList"));
    list_->setModel(new MessageModel(messages_, list_));
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->verticalHeader()->hide();
    list_->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);
    list_->setColumnWidth(0, 120);
    list_->setColumnWidth(1, 70);
    list_->setColumnWidth(2, 110);
    list_->setColumnWidth(4, 60);
    list_->setMinimumSize(640, 320);
    connect(list_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { ShowMessage(current.row()); });

    detail_ = new QLabel(this);
    detail_->setObjectName(QStringLiteral("MessageDetail"));
    detail_->setWordWrap(true);
    detail_->setTextFormat(Qt::PlainText);
    detail_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    detail_->setMinimumHeight(90);
    detail_->setFrameShape(QFrame::StyledPanel);
    detail_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    close_ = new QPushButton(QStringLiteral("閉じる"), this);
    close_->setObjectName(QStringLiteral("Command1"));
    close_->setDefault(true);
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close_);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addWidget(detail_);
    layout->addLayout(buttons);

    if (!kept)
        detail_->setText(QStringLiteral("このゲームの記録は取られていません。"));
    else if (messages_.empty())
        detail_->setText(QStringLiteral("まだメッセージはありません。"));
    else
        list_->selectRow(0);
    list_->setFocus();
}

void RirekiWin::ShowMessage(int row) {
    if (row < 0 || row >= static_cast<int>(messages_.size())) return;
    const MessageRow &m = messages_[static_cast<std::size_t>(row)];
    QString text = MessageDateText(m);
    if (!m.title.empty()) text += QStringLiteral("　「%1」").arg(QString::fromStdString(m.title));
    text += QLatin1Char('\n') + QString::fromStdString(m.text).replace(QLatin1Char('\r'), '\n');
    if (IsQuestion(m.kind)) text += QStringLiteral("\n答え：") + MessageAnswerText(m);
    detail_->setText(text);
}

}  // namespace tk
