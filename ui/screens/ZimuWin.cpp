// The office: the accounts, the sponsor desk and the schedule.
#include "ui/screens/ZimuWin.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/rules/game.h"
#include "core/rules/office_rules.h"
#include "ui/screens/SelectSponWin.h"
#include "ui/widgets/accessible_item.h"
#include "ui/widgets/label_style.h"
#include "ui/widgets/screen_keys.h"

namespace tk {

namespace {

QString Lines(const std::string &text) {
    return QString::fromStdString(text).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

QLabel *Value(QWidget *parent, const QString &name) {
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(90);
    return label;
}

// A caption and its value on one row of a grid; a screen reader reads the caption first.
void AddRow(QGridLayout *grid, int row, const QString &caption, QLabel *value) {
    auto *label = new QLabel(caption, value->parentWidget());
    grid->addWidget(label, row, 0);
    grid->addWidget(value, row, 1);
    ReadCaptionFirst(label, value);
}

}  // namespace

ZimuWin::ZimuWin(Game &game, QWidget *parent) : QDialog(parent), game_(game) {
    setObjectName(QStringLiteral("ZimuWin"));
    setWindowTitle(QString::fromUtf8(kOfficeCaption));

    close_ = new QPushButton(QStringLiteral("閉じる"), this);
    close_->setObjectName(QStringLiteral("Command1"));
    close_->setAutoDefault(false);
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);
    records_ = new QPushButton(QStringLiteral("記録"), this);
    records_->setObjectName(QStringLiteral("Records"));
    records_->setAutoDefault(false);
    records_->hide();
    connect(records_, &QPushButton::clicked, this, [this] {
        if (openRecords_) openRecords_(this);
    });
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(records_);
    buttons->addWidget(close_);

    auto *right = new QVBoxLayout;
    right->addWidget(MakeSponsors());
    right->addWidget(MakeSchedule());

    auto *body = new QHBoxLayout;
    body->addWidget(MakeAccounts(), 0, Qt::AlignTop);
    body->addLayout(right);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addWidget(MakeSummary());
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Sponsors are signed in April only.
    const bool april = CanSignSponsors(game_.state);
    for (QPushButton *b : spon_) b->setEnabled(april);
    Writing();
    SetUpScreenKeys(this, close_);
}

QWidget *ZimuWin::MakeAccounts() {
    auto *column = new QWidget(this);
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);

    auto *team = new QGroupBox(QStringLiteral("チーム"), column);
    auto *teamGrid = new QGridLayout(team);
    level_ = Value(team, QStringLiteral("Level"));
    playerSalaries_ = Value(team, QStringLiteral("PlayerSalaries"));
    coachSalaries_ = Value(team, QStringLiteral("CoachSalaries"));
    expectedIncome_ = Value(team, QStringLiteral("ExpectedIncome"));
    AddRow(teamGrid, 0, QStringLiteral("レベル"), level_);
    AddRow(teamGrid, 1, QStringLiteral("選手合計年俸"), playerSalaries_);
    AddRow(teamGrid, 2, QStringLiteral("コーチ合計年俸"), coachSalaries_);
    AddRow(teamGrid, 3, QStringLiteral("来期予定収入"), expectedIncome_);

    auto *upkeep = new QGroupBox(QStringLiteral("維持費/月"), column);
    auto *upkeepGrid = new QGridLayout(upkeep);
    landUpkeep_ = Value(upkeep, QStringLiteral("LandUpkeep"));
    tenantUpkeep_ = Value(upkeep, QStringLiteral("TenantUpkeep"));
    AddRow(upkeepGrid, 0, QStringLiteral("土地・建物"), landUpkeep_);
    AddRow(upkeepGrid, 1, QStringLiteral("テナント"), tenantUpkeep_);

    auto *balance = new QGroupBox(QStringLiteral("収支"), column);
    auto *balanceGrid = new QGridLayout(balance);
    monthBalance_ = Value(balance, QStringLiteral("MonthBalance"));
    seasonBalance_ = Value(balance, QStringLiteral("SeasonBalance"));
    AddRow(balanceGrid, 0, QStringLiteral("今月の収支"), monthBalance_);
    AddRow(balanceGrid, 1, QStringLiteral("今期の収支"), seasonBalance_);
    shortfall_ = Value(balance, QStringLiteral("YearEndShortfall"));
    AddRow(balanceGrid, 2, QStringLiteral("年度末の不足"), shortfall_);
    shortfall_->setToolTip(
        QStringLiteral("3月末に支払う選手とコーチの年俸から、来期予定収入（チーム予算）を\n"
                       "引いた額に、いまの資金が足りない分です。"));

    layout->addWidget(team);
    layout->addWidget(upkeep);
    layout->addWidget(balance);
    return column;
}

QWidget *ZimuWin::MakeSponsors() {
    auto *frame = new QGroupBox(QString::fromUtf8(kSponsorFrameTitle), this);
    auto *row = new QHBoxLayout(frame);
    for (int slot = 1; slot <= 2; ++slot) {
        const std::size_t i = Index(slot);
        auto *box = new QGroupBox(QStringLiteral("スポンサー %1").arg(slot), frame);
        sponsorNames_[i] = new QLabel(box);
        sponsorNames_[i]->setObjectName(QStringLiteral("SponsorName_%1").arg(slot));
        QFont big = sponsorNames_[i]->font();
        big.setPointSize(big.pointSize() + 2);
        big.setBold(true);
        sponsorNames_[i]->setFont(big);
        sponsorTexts_[i] = new QLabel(box);
        sponsorTexts_[i]->setObjectName(QStringLiteral("SponsorText_%1").arg(slot));
        sponsorTexts_[i]->setWordWrap(true);
        sponsorTexts_[i]->setFixedWidth(210);
        sponsorTexts_[i]->setMinimumHeight(80);
        sponsorTexts_[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        spon_[i] = new QPushButton(QStringLiteral("契約"), box);
        spon_[i]->setObjectName(QStringLiteral("Spon_%1").arg(slot - 1));
        spon_[i]->setAutoDefault(false);
        connect(spon_[i], &QPushButton::clicked, this, [this, slot] { Sign(slot); });
        auto *inner = new QVBoxLayout(box);
        inner->addWidget(sponsorNames_[i]);
        inner->addWidget(sponsorTexts_[i]);
        inner->addWidget(spon_[i], 0, Qt::AlignRight);
        row->addWidget(box);
    }
    return frame;
}

QWidget *ZimuWin::MakeSchedule() {
    auto *frame = new QGroupBox(QStringLiteral("予定表 - 試合 / 行事"), this);
    auto *grid = new QGridLayout(frame);
    for (int m = 0; m < 3; ++m) {
        const auto i = static_cast<std::size_t>(m);
        schedule_[i] = new QLabel(frame);
        schedule_[i]->setObjectName(QStringLiteral("Schedule_%1").arg(m));
        grid->addWidget(new QLabel(QString::fromUtf8(kScheduleRowCaptions[i]), frame), m, 0,
                        Qt::AlignTop);
        grid->addWidget(schedule_[i], m, 1);
    }
    grid->setColumnStretch(1, 1);
    return frame;
}

QWidget *ZimuWin::MakeSummary() {
    auto *frame = new QGroupBox(QStringLiteral("前回の決算"), this);
    summary_ = new QLabel(frame);
    summary_->setObjectName(QStringLiteral("SettlementSummary"));
    summary_->setTextFormat(Qt::PlainText);
    summary_->setWordWrap(true);
    auto *layout = new QVBoxLayout(frame);
    layout->addWidget(summary_);
    frame->hide();
    summaryBox_ = frame;
    return frame;
}

void ZimuWin::SetSettlementSummary(const QString &summary) {
    // One notice a line, in the order they came.
    QString text = summary;
    text.replace(QStringLiteral("\r\r"), QStringLiteral("\n")).remove(QLatin1Char('\r'));
    summary_->setText(text);
    summaryBox_->setVisible(!text.isEmpty());
}

void ZimuWin::SetRecordsOpener(std::function<void(QWidget *over)> open) {
    openRecords_ = std::move(open);
    records_->setVisible(static_cast<bool>(openRecords_));
}

void ZimuWin::Writing() {
    const OfficeFigures f = MakeOfficeFigures(game_.state);
    level_->setText(FromUtf8(f.level));
    playerSalaries_->setText(FromUtf8(f.playerSalaries));
    coachSalaries_->setText(FromUtf8(f.coachSalaries));
    expectedIncome_->setText(FromUtf8(f.expectedIncome));
    landUpkeep_->setText(FromUtf8(f.landUpkeep));
    tenantUpkeep_->setText(FromUtf8(f.tenantUpkeep));
    monthBalance_->setText(FromUtf8(f.monthBalance));
    SetTextColour(monthBalance_, ColorFromRgb(f.monthBalanceColour));
    seasonBalance_->setText(FromUtf8(f.seasonBalance));
    SetTextColour(seasonBalance_, ColorFromRgb(f.seasonBalanceColour));
    shortfall_->setText(FromUtf8(f.yearEndShortfall));
    SetTextColour(shortfall_, ColorFromRgb(f.yearEndShortfallColour));
    for (std::size_t i = 0; i < 2; ++i) {
        sponsorNames_[i]->setText(Lines(f.sponsorNames[i]));
        sponsorTexts_[i]->setText(Lines(f.sponsorDescriptions[i]));
    }
    for (std::size_t m = 0; m < 3; ++m) schedule_[m]->setText(Lines(f.schedule[m]));
}

void ZimuWin::Sign(int slot) {
    SelectSponWin screen(game_, slot, this);
    screen.exec();
    Writing();
}

}  // namespace tk
