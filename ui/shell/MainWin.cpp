// The main screen: its layout, the full redraw from the record and the selections. The week
// loop is in main_week.cpp, the keyboard in main_keys.cpp.
#include "ui/shell/MainWin.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

#include "core/rules/events.h"
#include "core/rules/lookups.h"
#include "ui/base/first_paint.h"
#include "ui/base/game_style.h"
#include "ui/base/messages.h"
#include "ui/base/timing.h"
#include "ui/base/units.h"
#include "ui/shell/command_screens.h"
#include "ui/shell/game_app.h"
#include "ui/shell/history_menu.h"
#include "ui/shell/main_screen.h"
#include "ui/widgets/alert_list.h"
#include "ui/widgets/coach_panel.h"
#include "ui/widgets/command_bar.h"
#include "ui/widgets/grounds_view.h"
#include "ui/widgets/land_panel.h"
#include "ui/widgets/news_column.h"
#include "ui/widgets/player_detail_panel.h"
#include "ui/widgets/player_panel.h"
#include "ui/widgets/week_status.h"

namespace tk {

namespace {

QString Q(const std::string &text) {
    return QString::fromStdString(text).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

QLabel *Box(int pointSize, bool bold = false) {
    auto *label = new QLabel;
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(QStringLiteral("background: white; padding: 3px;"));
    QFont f = label->font();
    f.setPointSize(pointSize);
    f.setBold(bold);
    label->setFont(f);
    return label;
}

const char *const kCategoryTabs[] = {"練習", "地区", "関東", "全国", "海外", "総合"};
constexpr std::uint32_t kSelectedTab = 0x80C0FF;
constexpr std::uint32_t kOtherTab = 0xFFC0FF;
// Room for the window manager's title bar and border on top of the available height.
constexpr int kFrameAllowance = 32;

}  // namespace

MainWin::MainWin(GameApp &app, QWidget *parent)
    : QMainWindow(parent),
      app_(app),
      week_(app.CurrentGame(), [this](Game &game) { PlayMatchScreens(game); }) {
    setObjectName(QStringLiteral("MainWin"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    BuildMenu();

    bar_ = new CommandBar;
    connect(bar_, &CommandBar::commandReleased, this, &MainWin::Command);
    for (int i = 1; i < 8; ++i)
        bar_->SetButtonEnabled(i, CommandAvailable(static_cast<MainCommand>(i)));

    grounds_ = new GroundsView;
    connect(grounds_, &GroundsView::lotClicked, this, &MainWin::SelectLot);
    connect(grounds_, &GroundsView::lotDoubleClicked, this, [this](int lot) {
        SelectLot(lot);
        OpenLot();
    });
    land_ = new LandPanel;
    summary_ = new CourtSummary;

    players_ = new PlayerPanel;
    details_ = new PlayerDetailPanel;
    coaches_ = new CoachPanel;
    connect(players_, &PlayerPanel::nameClicked, this, &MainWin::SelectPlayer);
    connect(coaches_, &CoachPanel::slotClicked, this,
            [this](int slot) { coaches_->Select(app_.State(), slot); });
    connect(players_, &PlayerPanel::nameDoubleClicked, this, [this](int index) {
        SelectPlayer(index);
        OpenPlayerDetails();
    });

    const QString commandTexts[4] = {QStringLiteral("選手詳細"), QStringLiteral("レギュラー設定"),
                                     QStringLiteral("土地詳細"), QStringLiteral("練習配分")};
    const MainCommand commandScreens[4] = {MainCommand::PlayerDetails, MainCommand::Lineup,
                                           MainCommand::Lot, MainCommand::Allotment};
    auto *commandRow = new QHBoxLayout;
    for (int i = 0; i < 4; ++i) {
        auto *button = new QPushButton(commandTexts[i]);
        button->setObjectName(QStringLiteral("Command%1").arg(i + 1));
        button->setEnabled(CommandAvailable(commandScreens[i]));
        button->setFocusPolicy(Qt::NoFocus);
        commands_[static_cast<std::size_t>(i)] = button;
        commandRow->addWidget(button);
    }
    connect(commands_[0], &QPushButton::clicked, this, &MainWin::OpenPlayerDetails);
    connect(commands_[1], &QPushButton::clicked, this, &MainWin::OpenLineup);
    connect(commands_[2], &QPushButton::clicked, this, &MainWin::OpenLot);
    connect(commands_[3], &QPushButton::clicked, this, &MainWin::OpenAllotment);

    auto *groundsColumn = new QVBoxLayout;
    groundsColumn->addWidget(grounds_);
    auto *landRow = new QHBoxLayout;
    landRow->addWidget(land_, 3);
    landRow->addWidget(summary_, 2);
    groundsColumn->addLayout(landRow);

    auto *squadColumn = new QVBoxLayout;
    squadColumn->addWidget(players_);
    squadColumn->addWidget(details_);
    squadColumn->addWidget(coaches_);
    alerts_ = new AlertList;
    alerts_->SetFixCaption(&AlertFixCaption);
    connect(alerts_, &AlertList::fixRequested, this, &MainWin::OpenAlertFix);
    // The reports of the news choice, and the first season's checklist, beside the alerts in
    // the room left: side by side they ask for no more height than one of them.
    news_ = new NewsColumn(app_.Route(), app_.State());
    news_->SetHistoryReader([this] { return app_.History().Messages(); });
    // The checklist needs the column's whole width; it stays the news column's to fill.
    squadColumn->addWidget(news_->Checklist());
    auto *lists = new QHBoxLayout;
    lists->addWidget(alerts_, 1);
    lists->addWidget(news_, 1);
    squadColumn->addLayout(lists, 1);

    auto *middle = new QHBoxLayout;
    middle->addWidget(BuildStatusColumn());
    middle->addLayout(groundsColumn);
    middle->addLayout(squadColumn);

    auto *central = new QWidget;
    central->setObjectName(QStringLiteral("MainCentral"));
    auto *layout = new QVBoxLayout(central);
    layout->addWidget(bar_, 0, Qt::AlignLeft);
    layout->addLayout(middle);
    layout->addLayout(commandRow);
    // On a small or highly scaled screen the whole screen stays reachable by scrolling.
    auto *scroll = new QScrollArea;
    scroll->setWidget(central);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    setCentralWidget(scroll);
    // Open at the size of the whole screen's contents, as far as the desktop allows; on a
    // small or highly scaled screen the grounds are drawn smaller so that all of it fits.
    QSize wanted = central->sizeHint() + QSize(4, menuBar()->sizeHint().height() + 4);
    const QSize room = screen()->availableGeometry().size() - QSize(0, kFrameAllowance);
    if (wanted.height() > room.height()) {
        const int height = grounds_->height();
        grounds_->SetDrawScale(static_cast<double>(height - (wanted.height() - room.height())) /
                               height);
        central->adjustSize();
        wanted = central->sizeHint() + QSize(4, menuBar()->sizeHint().height() + 4);
    }
    resize(wanted.boundedTo(room));
    // The colour scheme: the form and its frames in light yellow.
    SetFormColour(central, ColorFromBgr(0xC0FFFF));
    SetFrameColour(this, ColorFromBgr(0xC0FFFF));

    timeSpend_.setInterval(UiTiming::PracticeStepMs());
    markTime_.setInterval(UiTiming::BlinkMs());
    timerInfo_.setInterval(UiTiming::KeySequenceMs());
    timerInfo_.setSingleShot(true);
    connect(&timeSpend_, &QTimer::timeout, this, &MainWin::PracticeTick);
    connect(&markTime_, &QTimer::timeout, this, [this] {
        markVis_ = !markVis_;
        grounds_->SetOverlayVisible(markVis_);
    });
    connect(&timerInfo_, &QTimer::timeout, this, [this] { keyFlags_.fill(false); });
    InstallKeys();
    InstallAdvanceCommand();
}

MainWin::~MainWin() = default;

QWidget *MainWin::BuildStatusColumn() {
    dateBox_ = Box(12, true);
    dateBox_->setMinimumSize(150, 80);
    fundsBox_ = Box(11, true);
    fixtureBox_ = Box(10);
    eventBox_ = Box(10);
    weatherBox_ = Box(10);

    auto *column = new QWidget;
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(dateBox_);
    layout->addWidget(fundsBox_);
    // What the last week changed, in words: read out by a screen reader as it changes.
    weekStatus_ = new WeekStatus;
    layout->addWidget(weekStatus_);

    auto *schedule = new QGroupBox(QStringLiteral("予定"));
    auto *grid = new QGridLayout(schedule);
    grid->addWidget(new QLabel(QStringLiteral("試合")), 0, 0);
    grid->addWidget(fixtureBox_, 0, 1);
    // Next week's fixture beside this week's, so a match never comes as a surprise.
    nextFixtureBox_ = Box(10);
    nextFixtureBox_->setObjectName(QStringLiteral("NextFixture"));
    grid->addWidget(new QLabel(QStringLiteral("来週")), 1, 0);
    grid->addWidget(nextFixtureBox_, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("行事")), 2, 0);
    grid->addWidget(eventBox_, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("天気")), 3, 0);
    grid->addWidget(weatherBox_, 3, 1);
    layout->addWidget(schedule);

    // The records run on over the seasons: the frame shows the totals, and this season's
    // figures (since the last year end) beside them.
    auto *records = new QGroupBox(QStringLiteral("成績（通算・今季）"));
    auto *recordsLayout = new QVBoxLayout(records);
    auto *tabs = new QGridLayout;
    for (int c = 0; c < kCategories; ++c) {
        auto *tab = new QPushButton(QString::fromUtf8(kCategoryTabs[c]));
        tab->setObjectName(QStringLiteral("Junle%1").arg(c));
        tab->setFocusPolicy(Qt::NoFocus);
        tab->setFlat(true);
        tab->setAutoFillBackground(true);
        connect(tab, &QPushButton::clicked, this, [this, c] { SelectRecords(c); });
        tabs->addWidget(tab, c / 3, c % 3);
    }
    recordsLayout->addLayout(tabs);
    prize_ = new QLabel;
    record_ = new QLabel;
    seasonPrize_ = new QLabel;
    seasonPrize_->setObjectName(QStringLiteral("SeasonPrize"));
    seasonRecord_ = new QLabel;
    seasonRecord_->setObjectName(QStringLiteral("SeasonRecord"));
    for (QLabel *figure : {prize_, record_, seasonPrize_, seasonRecord_})
        recordsLayout->addWidget(figure);
    layout->addWidget(records);
    layout->addStretch();
    column->setFixedWidth(200);
    return column;
}

void MainWin::FormLoad() {
    GameState &s = app_.State();
    courts_ = CountUsableCourts(s);
    grounds_->Redraw(s);
    MakeForm();
    summary_->Show(s, courts_);
    weekStatus_->Update(s);
    RefreshAlerts();
    news_->ShowChecklist();
}

void MainWin::MakeForm() {
    GameState &s = app_.State();
    const int w = s.WeekCount;
    const QString money = Q(ShowFunds(s));
    setWindowTitle(QStringLiteral("チーム名 %1　監督名 %2　%3年目 %4月 %5週　資金 %6")
                       .arg(Q(s.TeamName), Q(s.ManagerName))
                       .arg(YearOf(w))
                       .arg(MonthOf(w))
                       .arg(WeekOfMonth(w))
                       .arg(money));
    dateBox_->setText(QStringLiteral("%1年目\n%2月%3週\n天気 %4  %5")
                          .arg(YearOf(w))
                          .arg(MonthOf(w))
                          .arg(WeekOfMonth(w))
                          .arg(Q(WeatherText(s.Weather)), Q(TimeOfDayText(s.TimeOfDay))));
    fundsBox_->setText(QStringLiteral("資金 ") + money);
    QPalette pal = fundsBox_->palette();
    pal.setColor(QPalette::WindowText, s.Money < 0 ? Qt::red : Qt::black);
    fundsBox_->setPalette(pal);
    const int kind = ThisWeekMatchKind(s);
    fixtureBox_->setText(kind == 0 ? QStringLiteral("なし") : Q(CompetitionName(kind)));
    const int next = w + 1 <= kLastWeek ? s.MatchKind(w + 1) : 0;
    nextFixtureBox_->setText(next == 0 ? QStringLiteral("なし") : Q(CompetitionName(next)));
    eventBox_->setText(Q(GyoziName(s, w)));
    weatherBox_->setText(Q(WeatherText(s.Weather)));
    SelectRecords(records_);

    players_->MakePlayerWin(s);
    coaches_->CoachWinMake(s);
    SelectPlayer(selectedPlayer_);
    SelectLot(selectedLot_);
}

void MainWin::SelectPlayer(int index) {
    if (const auto shown = NameSectionClick(app_.State(), index, *players_, *details_))
        selectedPlayer_ = *shown;
}

void MainWin::SelectLot(int lot) {
    if (lot < 0 || lot >= kLots) return;
    selectedLot_ = lot;
    land_->ShowLot(app_.State(), lot);
    grounds_->SetSelectedLot(lot);
}

void MainWin::SelectRecords(int category) {
    if (category < 0 || category >= kCategories) return;
    records_ = category;
    const auto c = static_cast<std::size_t>(category);
    const CategoryRecord &r = app_.State().Category[c];
    const CategoryRecord &last = app_.State().LastYear.Results[c];
    prize_->setText(QStringLiteral("賞金　") + Q(MoneyText(r.Prize)));
    record_->setText(QStringLiteral("成績 %1勝 %2敗").arg(r.Wins).arg(r.Losses));
    seasonPrize_->setText(QStringLiteral("今季 賞金　") +
                          Q(MoneyText(std::int64_t{r.Prize} - last.Prize)));
    seasonRecord_->setText(
        QStringLiteral("今季 成績 %1勝 %2敗").arg(r.Wins - last.Wins).arg(r.Losses - last.Losses));
    if (category == styledTab_) return;
    // The tabs are restyled only when the selection moves: a style sheet is costly.
    styledTab_ = category;
    for (int c = 0; c < kCategories; ++c) {
        auto *tab = findChild<QPushButton *>(QStringLiteral("Junle%1").arg(c));
        const QColor colour = ColorFromBgr(c == category ? kSelectedTab : kOtherTab);
        tab->setStyleSheet(
            QStringLiteral("background: %1; border: 1px solid #808080; padding: 3px;")
                .arg(colour.name()));
    }
}

QWidget *OpenMainScreen(GameApp &app) {
    auto *screen = new MainWin(app);
    screen->FormLoad();
    screen->SelectPlayer(0);
    screen->SelectLot(0);
    screen->SelectRecords(5);
    MapBackingStoreBeforeFirstPaint(screen);
    screen->show();
    return screen;
}

}  // namespace tk
