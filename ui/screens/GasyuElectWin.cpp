// The camp choice.
#include "ui/screens/GasyuElectWin.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/rules/camp_rules.h"
#include "core/rules/game.h"
#include "ui/widgets/screen_keys.h"

namespace tk {

GasyuElectWin::GasyuElectWin(Game &game, QWidget *parent) : QDialog(parent), game_(game) {
    setWindowTitle(QString::fromUtf8(kCampWindowCaption));
    setWindowFlags(windowFlags() & ~Qt::WindowCloseButtonHint & ~Qt::WindowContextHelpButtonHint);
    setObjectName(QStringLiteral("GasyuElectWin"));
    setStyleSheet(QStringLiteral("#GasyuElectWin { background: #FFFFC0; }"));

    auto *intro =
        new QLabel(QStringLiteral("5月（秋は9月）の1週から3週まで合宿で練習量が増えます。"));
    intro->setWordWrap(true);
    auto *box = new QGroupBox(QStringLiteral("合宿"));
    auto *options = new QVBoxLayout(box);
    for (int i = 0; i < kCampClassCount; ++i) {
        auto *option = new QRadioButton(QString::fromStdString(CampClassCaption(i)));
        option->setObjectName(QStringLiteral("Plices%1").arg(i));
        plices_[static_cast<std::size_t>(i)] = option;
        options->addWidget(option);
        connect(option, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) Choose(i);
        });
    }
    pl_ = new QLabel;
    QFont f = pl_->font();
    f.setPointSize(13);
    f.setBold(true);
    pl_->setFont(f);
    decide_ = new QPushButton(QStringLiteral("決定"));
    decide_->setDefault(true);
    connect(decide_, &QPushButton::clicked, this, &GasyuElectWin::Decide);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(pl_);
    bottom->addStretch();
    bottom->addWidget(decide_);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(box);
    layout->addLayout(bottom);
    setMinimumWidth(380);

    plices_[kDefaultCampClass]->setChecked(true);
    Choose(kDefaultCampClass);
    // Enter is "決定"; Esc does nothing, for a class must be decided.
    SetUpScreenKeys(this, decide_, plices_[kDefaultCampClass]);
}

void GasyuElectWin::Choose(int campClass) {
    selected_ = campClass;
    pl_->setText(QString::fromStdString(CampPriceText(campClass)));
}

void GasyuElectWin::Decide() {
    if (!DecideCamp(game_, selected_)) return;
    decided_ = true;
    accept();
}

void GasyuElectWin::closeEvent(QCloseEvent *event) {
    if (!decided_) event->ignore();
}

}  // namespace tk
