// The items screen.
#include "ui/screens/ItemsWin.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/rules/camp_rules.h"
#include "core/rules/game.h"
#include "ui/widgets/game_tips.h"
#include "ui/widgets/screen_keys.h"

namespace tk {

ItemsWin::ItemsWin(Game &game, QWidget *parent) : QDialog(parent), game_(game) {
    setWindowTitle(QString::fromUtf8(kItemsWindowCaption));
    setObjectName(QStringLiteral("ItemsWin"));
    setStyleSheet(
        QStringLiteral("#ItemsWin { background: #FFFFC0; }"
                       "QLabel#ItemLabel { background: white; border: 1px solid #A0A070;"
                       " padding: 8px; }"));
    auto *grid = new QGridLayout;
    for (int i = 0; i < kItemCount; ++i) {
        auto *label = new QLabel(
            QString::fromUtf8(Item(i).label).replace(QLatin1Char('\r'), QLatin1Char('\n')));
        label->setObjectName(QStringLiteral("ItemLabel"));
        label->setAlignment(Qt::AlignCenter);
        auto *use = new QPushButton(QStringLiteral("使う"));
        use->setObjectName(QStringLiteral("Command%1").arg(i + 1));
        label->setToolTip(DrinkTip(i));
        use->setToolTip(DrinkTip(i));
        use_[static_cast<std::size_t>(i)] = use;
        grid->addWidget(label, 0, i);
        grid->addWidget(use, 1, i);
        connect(use, &QPushButton::clicked, this, [this, i] {
            if (UseItem(game_, i)) emit itemUsed();
        });
    }
    close_ = new QPushButton(QStringLiteral("閉じる"));
    close_->setObjectName(QStringLiteral("Command4"));
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(close_, 0, Qt::AlignRight);
    SetUpScreenKeys(this, close_);
}

}  // namespace tk
