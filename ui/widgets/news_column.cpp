// The news column: reports listed as they come, the first season's checklist above them.
#include "ui/widgets/news_column.h"

#include <QAccessible>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "core/rules/lookups.h"
#include "core/state/game_state.h"
#include "ui/base/message_dialog.h"

namespace tk {

QString NewsItemText(int week, const std::string &text, const std::string &title) {
    QString item = QStringLiteral("%1年目 %2月%3週")
                       .arg(YearOf(week))
                       .arg(MonthOf(week))
                       .arg(WeekOfMonth(week));
    if (!title.empty()) item += QStringLiteral("　") + QString::fromStdString(title);
    // Texts that begin with line breaks keep them inside, never above the date.
    QString body = MessageToLabelText(QString::fromStdString(text));
    while (body.startsWith(QLatin1Char('\n'))) body.remove(0, 1);
    return item + QLatin1Char('\n') + body;
}

QString FirstAprilChecklistText(const FirstAprilTicks &done) {
    // Two lines across the column, the heading beside the first two items, so that the
    // checklist leaves the room below to the alerts and the news.
    QString text = QStringLiteral("はじめての4月");
    for (int i = 0; i < kFirstAprilItems; ++i) {
        const bool ticked = done[static_cast<std::size_t>(i)];
        text += (i == 2 ? QStringLiteral("\n") : QStringLiteral("　")) +
                (ticked ? QStringLiteral("☑ ") : QStringLiteral("☐ ")) +
                QString::fromUtf8(FirstAprilItemName(static_cast<FirstAprilItem>(i))) +
                (ticked ? QStringLiteral("（済）") : QString());
    }
    return text;
}

NewsColumn::NewsColumn(MessageRoute &route, const GameState &state, QWidget *parent)
    : QGroupBox(QStringLiteral("ニュース"), parent), route_(route), state_(state) {
    setObjectName(QStringLiteral("NewsColumn"));
    checklist_ = new QLabel;
    checklist_->setObjectName(QStringLiteral("FirstAprilChecklist"));
    checklist_->setTextFormat(Qt::PlainText);
    checklist_->setToolTip(
        QStringLiteral("くわしくは「遊び方」の「はじめての4月」を見てください（F1）"));
    checklist_->setStyleSheet(QStringLiteral("background: white; padding: 3px;"));
    checklist_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    list_ = new QListWidget;
    list_->setObjectName(QStringLiteral("NewsList"));
    list_->setAccessibleName(QStringLiteral("ニュース"));
    list_->setAccessibleDescription(QStringLiteral("試合の結果や賞金などの報告、新しいものが上"));
    list_->setWordWrap(true);
    list_->setAlternatingRowColors(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab reaches it; the squad keeps the focus the main screen opens with.
    list_->setFocusPolicy(Qt::TabFocus);
    list_->setMinimumHeight(40);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(checklist_);
    layout->addWidget(list_, 1);
    // The column takes the room that is left and asks for none: the main screen keeps its size.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Ignored);
    setMinimumHeight(70);
    route_.SetNewsSink(this);
    ShowChecklist();
}

NewsColumn::~NewsColumn() {
    route_.DropNewsSink(this);
}

void NewsColumn::SetHistoryReader(HistoryReader reader) {
    reader_ = std::move(reader);
    if (route_.Recording()) HistoryOpened();
}

bool NewsColumn::TakesNews() const {
    return window()->isVisible();
}

void NewsColumn::Add(int week, const std::string &text, const std::string &title, bool newest) {
    auto *item = new QListWidgetItem(NewsItemText(week, text, title));
    // Read as one sentence by a screen reader.
    item->setData(Qt::AccessibleTextRole,
                  item->text().replace(QLatin1Char('\n'), QLatin1Char(' ')));
    if (newest) {
        list_->insertItem(0, item);
        while (list_->count() > kKept) delete list_->takeItem(list_->count() - 1);
    } else {
        list_->addItem(item);
    }
}

void NewsColumn::PostNews(const std::string &text, const std::string &title) {
    Add(state_.WeekCount, text, title, true);
    if (QAccessible::isActive()) {
        QAccessibleEvent added(list_, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&added);
    }
}

void NewsColumn::MessagePassed(MessageKind kind, const std::string &text, const std::string &title,
                               bool answer) {
    NoteFirstAprilMessage(notes_, kind, title, text, answer, state_.WeekCount);
    ShowChecklist();
}

void NewsColumn::HistoryOpened() {
    if (!reader_) return;
    list_->clear();
    notes_ = {};
    const std::vector<MessageRow> rows = reader_();
    for (const MessageRow &row : rows) {
        if (row.kind == MessageKind::Report && list_->count() < kKept)
            Add(row.week, row.text, row.title, false);
        NoteFirstAprilMessage(notes_, row.kind, row.title, row.text, row.answer, row.week);
    }
    ShowChecklist();
}

FirstAprilTicks NewsColumn::Ticks() const {
    return FirstAprilDone(state_, notes_);
}

void NewsColumn::ShowChecklist() {
    const FirstAprilTicks done = Ticks();
    const bool shown = FirstAprilShown(state_, done);
    checklist_->setVisible(shown);
    if (!shown) return;
    const QString text = FirstAprilChecklistText(done);
    if (text == checklist_->text()) return;
    checklist_->setText(text);
    QString spoken = text;
    checklist_->setAccessibleName(spoken.replace(QLatin1Char('\n'), QLatin1Char(' ')));
}

}  // namespace tk
