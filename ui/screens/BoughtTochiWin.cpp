// The construction screen: three buildings, the lighting box, cost, weeks and picture.
#include "ui/screens/BoughtTochiWin.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/rules/game.h"
#include "ui/widgets/label_style.h"
#include "ui/widgets/pictures.h"
#include "ui/widgets/screen_keys.h"

namespace tk {

namespace {

constexpr std::array<int, 3> kOptionKinds = {kOutdoorCourt, kIndoorCourt, kTrainingRoom};
constexpr std::array<const char *, 3> kOptionTexts = {"屋外コート", "室内コート", "トレーニング室"};

}  // namespace

BoughtTochiWin::BoughtTochiWin(Game &game, const ConstructionChoice &choice, QWidget *parent)
    : QDialog(parent), game_(game), choice_(choice) {
    setObjectName(QStringLiteral("BoughtTochiWin"));
    setWindowTitle(QString::fromUtf8(kConstructionCaption));

    auto *options = new QVBoxLayout;
    for (std::size_t i = 0; i < kindCoat_.size(); ++i) {
        auto *button = new QPushButton(QString::fromUtf8(kOptionTexts[i]), this);
        button->setObjectName(QStringLiteral("kindCoat_%1").arg(i));
        button->setAutoDefault(false);
        button->setFlat(true);
        button->setMinimumSize(140, 36);
        connect(button, &QPushButton::clicked, this, [this, i] { Choose(kOptionKinds[i]); });
        kindCoat_[i] = button;
        options->addWidget(button);
    }
    lighting_ = new QCheckBox(QString::fromUtf8(kLightingCaption), this);
    lighting_->setObjectName(QStringLiteral("Check1"));
    connect(lighting_, &QCheckBox::toggled, this, &BoughtTochiWin::SetLit);
    options->addWidget(lighting_);
    options->addStretch();

    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("Picture1"));
    const PictureInfo &info = PictureInfoOf(PictureId::BuildingOutdoorCourt);
    picture_->setFixedSize(info.width, info.height);
    cost_ = new QLabel(this);
    cost_->setObjectName(QStringLiteral("Cost"));
    weeks_ = new QLabel(this);
    weeks_->setObjectName(QStringLiteral("Weeks"));
    QFont big = cost_->font();
    big.setPointSize(big.pointSize() + 2);
    big.setBold(true);
    cost_->setFont(big);
    weeks_->setFont(big);
    auto *facts = new QVBoxLayout;
    facts->addWidget(picture_);
    facts->addWidget(cost_);
    facts->addWidget(weeks_);

    auto *body = new QHBoxLayout;
    body->addLayout(options);
    body->addSpacing(8);
    body->addLayout(facts);

    build_ = new QPushButton(QStringLiteral("建設"), this);
    build_->setObjectName(QStringLiteral("Command1"));
    close_ = new QPushButton(QStringLiteral("閉じる"), this);
    close_->setObjectName(QStringLiteral("Command2"));
    build_->setAutoDefault(false);
    close_->setAutoDefault(false);
    close_->setEnabled(CanCloseConstruction(choice_));
    connect(build_, &QPushButton::clicked, this, &BoughtTochiWin::Build);
    connect(close_, &QPushButton::clicked, this, &BoughtTochiWin::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(build_);
    buttons->addWidget(close_);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Redraw();
    SetUpScreenKeys(this, build_);
}

bool BoughtTochiWin::BuyAndBuild(Game &game, int lot, QWidget *parent) {
    const std::optional<ConstructionChoice> bought = BuyLand(game, lot);
    if (!bought) return false;
    BoughtTochiWin screen(game, *bought, parent);
    screen.exec();
    return true;
}

void BoughtTochiWin::Rebuild(Game &game, int lot, QWidget *parent) {
    const std::optional<ConstructionChoice> choice = OpenConstruction(game.state, lot);
    if (!choice) return;
    BoughtTochiWin screen(game, *choice, parent);
    screen.exec();
}

void BoughtTochiWin::reject() {
    CancelPurchase(game_, choice_);
    QDialog::reject();
}

void BoughtTochiWin::Choose(int option) {
    if (ChooseBuilding(choice_, option)) Redraw();
}

void BoughtTochiWin::SetLit(bool on) {
    if (SetLighting(choice_, on)) Redraw();
}

void BoughtTochiWin::Redraw() {
    for (std::size_t i = 0; i < kindCoat_.size(); ++i) {
        const QColor colour = ColorFromRgb(BuildingOptionColour(choice_, kOptionKinds[i]));
        SetBackgroundColour(kindCoat_[i], colour);
        kindCoat_[i]->setStyleSheet(
            QStringLiteral("QPushButton { background: %1; border: 1px solid #606060; }")
                .arg(colour.name()));
    }
    {
        // Drawing the box must not count as the player ticking it.
        const QSignalBlocker quiet(lighting_);
        lighting_->setChecked(LightingChecked(choice_));
    }
    lighting_->setEnabled(CanSetLighting(choice_));
    cost_->setText(FromUtf8(ConstructionCostText(choice_.kind)));
    weeks_->setText(FromUtf8(ConstructionWeeksText(choice_.kind)));
    picture_->setPixmap(BuildingPicture(choice_.kind));
}

void BoughtTochiWin::Build() {
    const BuildResult result = tk::Build(game_, choice_);
    // On "いいえ" the screen stays open for another choice.
    if (result != BuildResult::Declined) accept();
}

}  // namespace tk
