// The message history: a list over the kept messages and the whole text of the chosen one.
#include "ui/screens/RirekiWin.h"

#include <algorithm>
#include <functional>
#include <set>

#include <QAbstractTableModel>
#include <QComboBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSize>
#include <QTableView>
#include <QVBoxLayout>

#include "core/rules/lookups.h"

namespace tk {

namespace {

// Every kind of message the history tells apart, in the order the kind filter offers them.
struct KindName {
    MessageKind kind;
    const char *name;
};
constexpr KindName kKindNames[] = {{MessageKind::Report, "報告"},
                                   {MessageKind::Warning, "注意"},
                                   {MessageKind::Question, "質問"},
                                   {MessageKind::Notice, "お知らせ"}};

constexpr int kWeeksPerSeason = 48;
constexpr int kFirstSeasonWeek = 13;  // 1年目4月1週

QString Breaks(const std::string &text) {
    return QString::fromStdString(text).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

// Lines of a message in its row: the breaks between its first and last line, plus one.
int ListLines(const std::string &text) {
    const auto first = text.find_first_not_of('\r');
    if (first == std::string::npos) return 1;
    const auto last = text.find_last_not_of('\r');
    return 1 + static_cast<int>(std::count(text.begin() + static_cast<std::ptrdiff_t>(first),
                                           text.begin() + static_cast<std::ptrdiff_t>(last), '\r'));
}

// The list reads the rows where they are: a long game keeps thousands of messages. Each
// row is as tall as its lines, so a message of several lines never runs into its neighbours.
class MessageModel : public QAbstractTableModel {
public:
    MessageModel(const std::vector<MessageRow> &rows, const std::vector<int> &shown, int lineHeight,
                 QObject *parent)
        : QAbstractTableModel(parent), rows_(rows), shown_(shown), lineHeight_(lineHeight) {}

    int rowCount(const QModelIndex &parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(shown_.size());
    }
    int columnCount(const QModelIndex &parent) const override { return parent.isValid() ? 0 : 5; }

    QVariant data(const QModelIndex &index, int role) const override {
        if (!index.isValid()) return {};
        const MessageRow &m = Row(index.row());
        if (role == Qt::SizeHintRole) return QSize(0, ListLines(m.text) * lineHeight_ + 8);
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignTop));
        if (role != Qt::DisplayRole) return {};
        switch (index.column()) {
            case 0: return MessageDateText(m);
            case 1: return MessageKindText(m.kind);
            case 2: return QString::fromStdString(m.title);
            case 3: return MessageListText(m);
            default: return MessageAnswerText(m);
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
        static const char *const kHeaders[] = {"日付", "種類", "題名", "内容", "答え"};
        return QString::fromUtf8(kHeaders[section]);
    }

    void Reset(const std::function<void()> &change) {
        beginResetModel();
        change();
        endResetModel();
    }

private:
    const MessageRow &Row(int row) const {
        return rows_[static_cast<std::size_t>(shown_[static_cast<std::size_t>(row)])];
    }

    const std::vector<MessageRow> &rows_;
    const std::vector<int> &shown_;
    int lineHeight_;
};

}  // namespace

int SeasonOfWeek(int week) {
    return std::max(1, (week - kFirstSeasonWeek) / kWeeksPerSeason + 1);
}

std::vector<int> FilterMessages(const std::vector<MessageRow> &messages, const MessageFilter &f) {
    const QString words = f.words.trimmed();
    std::vector<int> shown;
    for (std::size_t i = 0; i < messages.size(); ++i) {
        const MessageRow &m = messages[i];
        if (f.kind >= 0 && static_cast<int>(m.kind) != f.kind) continue;
        if (f.season > 0 && SeasonOfWeek(m.week) != f.season) continue;
        if (!words.isEmpty()) {
            // A word may run over a line break of the message.
            const QString text = QString::fromStdString(m.title + m.text).remove(QLatin1Char('\r'));
            if (!text.contains(words, Qt::CaseInsensitive)) continue;
        }
        shown.push_back(static_cast<int>(i));
    }
    return shown;
}

QString MessageDateText(const MessageRow &m) {
    return QString::fromStdString(DateText(m.week));
}

QString MessageKindText(MessageKind kind) {
    for (const KindName &k : kKindNames)
        if (k.kind == kind) return QString::fromUtf8(k.name);
    return {};
}

QString MessageAnswerText(const MessageRow &m) {
    if (!IsQuestion(m.kind)) return {};
    return m.answer ? QStringLiteral("はい") : QStringLiteral("いいえ");
}

QString MessageListText(const MessageRow &m) {
    QString text = Breaks(m.text);
    while (text.startsWith(QLatin1Char('\n'))) text.remove(0, 1);
    while (text.endsWith(QLatin1Char('\n'))) text.chop(1);
    return text;
}

RirekiWin::RirekiWin(std::vector<MessageRow> messages, bool kept, QWidget *parent)
    : QDialog(parent), messages_(std::move(messages)) {
    setObjectName(QStringLiteral("RirekiWin"));
    setWindowTitle(QStringLiteral("メッセージ履歴"));
    shown_ = FilterMessages(messages_, {});

    list_ = new QTableView(this);
    list_->setObjectName(QStringLiteral("MessageList"));
    list_->setModel(
        new MessageModel(messages_, shown_, QFontMetrics(list_->font()).lineSpacing(), list_));
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setWordWrap(false);
    list_->verticalHeader()->hide();
    list_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
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
    layout->addLayout(MakeFilterRow());
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

// The list reads the rows held here: it goes first, before they do.
RirekiWin::~RirekiWin() {
    delete list_;
}

QLayout *RirekiWin::MakeFilterRow() {
    words_ = new QLineEdit(this);
    words_->setObjectName(QStringLiteral("Words"));
    words_->setPlaceholderText(QStringLiteral("ことばで探す"));
    words_->setClearButtonEnabled(true);
    words_->setAccessibleName(QStringLiteral("ことばで探す"));

    kinds_ = new QComboBox(this);
    kinds_->setObjectName(QStringLiteral("Kinds"));
    kinds_->setAccessibleName(QStringLiteral("種類"));
    kinds_->addItem(QStringLiteral("すべての種類"), -1);
    for (const KindName &k : kKindNames)
        kinds_->addItem(QString::fromUtf8(k.name), static_cast<int>(k.kind));

    seasons_ = new QComboBox(this);
    seasons_->setObjectName(QStringLiteral("Seasons"));
    seasons_->setAccessibleName(QStringLiteral("年度"));
    seasons_->addItem(QStringLiteral("すべての年度"), 0);
    std::set<int> seasons;
    for (const MessageRow &m : messages_) seasons.insert(SeasonOfWeek(m.week));
    // Newest first, as the list.
    for (auto it = seasons.rbegin(); it != seasons.rend(); ++it)
        seasons_->addItem(QStringLiteral("%1年目4月～%2年目3月").arg(*it).arg(*it + 1), *it);

    connect(words_, &QLineEdit::textChanged, this, &RirekiWin::ApplyFilter);
    connect(kinds_, &QComboBox::currentIndexChanged, this, &RirekiWin::ApplyFilter);
    connect(seasons_, &QComboBox::currentIndexChanged, this, &RirekiWin::ApplyFilter);

    auto *row = new QHBoxLayout;
    row->addWidget(words_, 1);
    row->addWidget(kinds_);
    row->addWidget(seasons_);
    return row;
}

void RirekiWin::ApplyFilter() {
    const MessageFilter filter{words_->text(), kinds_->currentData().toInt(),
                               seasons_->currentData().toInt()};
    static_cast<MessageModel *>(list_->model())->Reset([&] {
        shown_ = FilterMessages(messages_, filter);
    });
    if (shown_.empty())
        detail_->setText(messages_.empty() ? detail_->text()
                                           : QStringLiteral("当てはまるメッセージはありません。"));
    else
        list_->selectRow(0);
}

void RirekiWin::ShowMessage(int row) {
    if (row < 0 || row >= static_cast<int>(shown_.size())) return;
    const MessageRow &m =
        messages_[static_cast<std::size_t>(shown_[static_cast<std::size_t>(row)])];
    QString text = MessageDateText(m);
    if (!m.title.empty()) text += QStringLiteral("　「%1」").arg(QString::fromStdString(m.title));
    text += QLatin1Char('\n') + Breaks(m.text);
    if (IsQuestion(m.kind)) text += QStringLiteral("\n答え：") + MessageAnswerText(m);
    detail_->setText(text);
}

}  // namespace tk
