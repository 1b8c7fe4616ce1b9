// The 要対応 list: beside the news, as tall as the room left, read by a screen reader row by row.
#include "ui/widgets/alert_list.h"

#include <algorithm>

#include <QListWidget>
#include <QVBoxLayout>

#include "ui/widgets/accessible_item.h"

namespace tk {

namespace {
// At least two lines of an alert; more scroll, and the title counts them, so
// that the main screen still fits 1280x720 (1920x1080 at 150 %).
constexpr int kLinesShown = 2;
}  // namespace

AlertList::AlertList(QWidget *parent) : QGroupBox(QStringLiteral("要対応"), parent) {
    setObjectName(QStringLiteral("AlertList"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 4);
    list_ = new QListWidget;
    list_->setObjectName(QStringLiteral("AlertRows"));
    list_->setWordWrap(true);
    list_->setTextElideMode(Qt::ElideNone);
    list_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The arrow keys stay with the squad; the commands' own keys fix an alert from the keyboard.
    list_->setFocusPolicy(Qt::NoFocus);
    // Room for one alert at least, alerts or none, so that the main screen's layout never
    // moves; the list asks for no more and takes the height the news column beside it takes.
    list_->setMinimumHeight(kLinesShown * list_->fontMetrics().lineSpacing() +
                            2 * list_->frameWidth() + 10);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Ignored);
    list_->setAccessibleName(QStringLiteral("要対応"));
    layout->addWidget(list_);
    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        const int row = list_->row(item);
        if (row >= 0 && row < Count())
            emit fixRequested(alerts_[static_cast<std::size_t>(row)].fix);
    });
    Show({});
}

QString AlertList::RowText(int row) const {
    const Alert &a = alerts_.at(static_cast<std::size_t>(row));
    QString text = QString::fromStdString(a.text).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (caption_) text += QStringLiteral("\n→ ") + caption_(a.fix);
    return text;
}

void AlertList::Show(const std::vector<Alert> &alerts) {
    const bool same = alerts.size() == alerts_.size() &&
                      std::equal(alerts.begin(), alerts.end(), alerts_.begin(),
                                 [](const Alert &a, const Alert &b) {
                                     return a.SameAs(b) && a.text == b.text && a.fix == b.fix;
                                 });
    if (same && list_->count() > 0) return;
    alerts_ = alerts;
    list_->clear();
    for (int row = 0; row < Count(); ++row) {
        auto *item = new QListWidgetItem(RowText(row), list_);
        item->setData(Qt::AccessibleTextRole,
                      RowText(row).replace(QLatin1Char('\n'), QLatin1Char(' ')));
        item->setToolTip(RowText(row));
    }
    if (alerts_.empty())
        (new QListWidgetItem(QStringLiteral("なし"), list_))->setFlags(Qt::NoItemFlags);
    setTitle(alerts_.empty() ? QStringLiteral("要対応")
                             : QStringLiteral("要対応（%1件）").arg(Count()));
    SetAccessibleText(this, alerts_.empty() ? QStringLiteral("要対応 なし")
                                            : QStringLiteral("要対応 %1件").arg(Count()));
}

}  // namespace tk
