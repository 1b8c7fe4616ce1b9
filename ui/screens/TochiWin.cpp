// The lot screen: tiles, the selected lot's details and its commands.
#include "ui/screens/TochiWin.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/rules/catalogue.h"
#include "core/rules/game.h"
#include "ui/base/units.h"
#include "ui/screens/BoughtTochiWin.h"
#include "ui/screens/SeibiWin.h"
#include "ui/widgets/accessible_item.h"
#include "ui/widgets/click_label.h"
#include "ui/widgets/grounds_view.h"
#include "ui/widgets/label_style.h"
#include "ui/widgets/pictures.h"
#include "ui/widgets/screen_keys.h"

namespace tk {

namespace {

// A tile is the lot's picture inside a margin that shows the tile's background colour.
constexpr int kTileWidth = 108;
constexpr int kTileHeight = 84;
constexpr int kTileMargin = 6;
constexpr int kBarTrackTwips = 1600;

QString Lines(const std::string &text) {
    return QString::fromStdString(text).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

}  // namespace

TochiWin::TochiWin(Game &game, MaintainMarks &marks, int &selectedLot, QWidget *parent)
    : QDialog(parent), game_(game), marks_(marks), selectedLot_(selectedLot) {
    setObjectName(QStringLiteral("TochiWin"));
    setWindowTitle(QStringLiteral("土地詳細"));

    auto *grid = new QGridLayout;
    grid->setSpacing(2);
    for (int lot = 0; lot < kLots; ++lot) {
        auto *tile = new ClickLabel(this);
        tile->setObjectName(QStringLiteral("TochiS_%1").arg(lot));
        tile->setFixedSize(kTileWidth, kTileHeight);
        tile->setCursor(Qt::PointingHandCursor);
        connect(tile, &ClickLabel::clicked, this, [this, lot] { SelectLot(lot); });
        tiles_[static_cast<std::size_t>(lot)] = tile;
        grid->addWidget(tile, lot / 3, lot % 3);
    }

    number_ = new QLabel(this);
    number_->setObjectName(QStringLiteral("Number"));
    name_ = new QLabel(this);
    name_->setObjectName(QStringLiteral("LotName"));
    QFont big = name_->font();
    big.setPointSize(big.pointSize() + 3);
    big.setBold(true);
    name_->setFont(big);
    usability_ = new QLabel(this);
    usability_->setObjectName(QStringLiteral("Usability"));
    upkeep_ = new QLabel(this);
    upkeep_->setObjectName(QStringLiteral("Upkeep"));
    comment_ = new QLabel(this);
    comment_->setObjectName(QStringLiteral("Comment"));
    comment_->setWordWrap(true);
    comment_->setFixedWidth(220);
    comment_->setMinimumHeight(70);
    comment_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *track = new QWidget(this);
    track->setFixedSize(TwipsToPixels(kBarTrackTwips) + 2, 12);
    track->setObjectName(QStringLiteral("BarTrack"));
    track->setStyleSheet(
        QStringLiteral("#BarTrack { background: white; border: 1px solid #808080; }"));
    bar_ = new QWidget(track);
    bar_->setObjectName(QStringLiteral("Bar"));
    bar_->setGeometry(1, 1, 0, 10);
    auto *barRow = new QHBoxLayout;
    barRow->addWidget(new QLabel(QStringLiteral("状態  悪"), this));
    barRow->addWidget(track);
    barRow->addWidget(new QLabel(QStringLiteral("良"), this));
    barRow->addStretch();

    auto *details = new QVBoxLayout;
    details->addWidget(number_);
    details->addWidget(name_);
    details->addWidget(usability_);
    details->addWidget(upkeep_);
    details->addWidget(comment_);
    details->addLayout(barRow);
    details->addStretch();

    auto *body = new QHBoxLayout;
    body->addLayout(grid);
    body->addSpacing(10);
    body->addLayout(details);

    buy_ = new QPushButton(QStringLiteral("購入"), this);
    buy_->setObjectName(QStringLiteral("Buy"));
    maintain_ = new QPushButton(QStringLiteral("整備"), this);
    maintain_->setObjectName(QStringLiteral("Maintain"));
    build_ = new QPushButton(QStringLiteral("工事"), this);
    build_->setObjectName(QStringLiteral("Build"));
    close_ = new QPushButton(QStringLiteral("閉じる"), this);
    close_->setObjectName(QStringLiteral("Command1"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *b : {buy_, maintain_, build_, close_}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    connect(buy_, &QPushButton::clicked, this, &TochiWin::Buy);
    connect(maintain_, &QPushButton::clicked, this, &TochiWin::MaintainLot);
    connect(build_, &QPushButton::clicked, this, &TochiWin::BuildOnLot);
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    SelectLot(IsLot(selectedLot_) ? selectedLot_ : 0);
    SetUpScreenKeys(this, close_);
}

void TochiWin::SelectLot(int lot) {
    if (!IsLot(lot)) return;
    selectedLot_ = lot;
    ShowLot();
}

void TochiWin::DrawTiles() {
    const GameState &s = game_.state;
    const QPixmap marker = Picture(PictureId::LotMarker);
    for (int lot = 0; lot < kLots; ++lot) {
        ClickLabel *tile = tiles_[static_cast<std::size_t>(lot)];
        const std::optional<std::uint32_t> background = LotTileBackground(s, lot);
        const QColor fill =
            background ? ColorFromRgb(*background) : palette().color(QPalette::Window);
        SetBackgroundColour(tile, fill);
        QPixmap face(kTileWidth, kTileHeight);
        face.fill(fill);
        QPainter p(&face);
        const int kind = s.Facilities[static_cast<std::size_t>(lot)].Kind;
        p.drawPixmap(QRect(kTileMargin, kTileMargin, kTileWidth - 2 * kTileMargin,
                           kTileHeight - 2 * kTileMargin),
                     LotTile(DisplayKind(s, kind)));
        if (lot == selectedLot_) p.drawPixmap(QRect(0, 0, kTileWidth, kTileHeight), marker);
        p.end();
        tile->setPixmap(face);
        const QString text = LotAccessibleText(s, lot);
        SetAccessibleText(tile, lot == selectedLot_ ? text + QStringLiteral("（選択中）") : text);
    }
}

void TochiWin::ShowLot() {
    const GameState &s = game_.state;
    const int lot = selectedLot_;
    const FacilityRecord &f = s.Facilities[static_cast<std::size_t>(lot)];
    // A purchase or a building changes a lot's kind, so the tiles are drawn again each time.
    DrawTiles();
    number_->setText(FromUtf8(LotNumberText(lot)));
    usability_->setText(Lines(LotUsabilityText(s, lot)));
    name_->setText(Lines(LotNameText(s, lot)));
    upkeep_->setText(Lines(LotUpkeepText(s, lot)));
    comment_->setText(Lines(LotCommentText(s, lot)));
    bar_->setFixedWidth(TwipsToPixels(DurabilityBarWidth(f.Durability)));
    SetBackgroundColour(bar_, ColorFromRgb(DurabilityBarColour(f)));
    const QString condition = QStringLiteral("状態 %1/%2").arg(f.Durability).arg(kMaxDurability);
    SetAccessibleText(bar_, condition);
    SetAccessibleText(bar_->parentWidget(), condition);

    const LotCommands commands = LotScreenCommands(s, lot);
    buy_->setEnabled(commands.buy);
    maintain_->setEnabled(commands.maintain);
    build_->setEnabled(commands.build);
}

void TochiWin::Buy() {
    BoughtTochiWin::BuyAndBuild(game_, selectedLot_, this);
    ShowLot();
}

void TochiWin::MaintainLot() {
    if (!MarkForMaintenance(game_.state, marks_, selectedLot_)) return;
    // One court is paid for; a lot still marked from a cancelled visit is restored with it.
    SeibiWin screen(game_, marks_, 1, this);
    screen.exec();
    ShowLot();
}

void TochiWin::BuildOnLot() {
    BoughtTochiWin::Rebuild(game_, selectedLot_, this);
    ShowLot();
}

}  // namespace tk
