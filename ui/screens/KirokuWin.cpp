// The records screen: four tabs over the slot's history.
#include "ui/screens/KirokuWin.h"

#include <unordered_set>

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/rules/lookups.h"
#include "history/history_store.h"
#include "ui/widgets/history_charts.h"

namespace tk {

namespace {

QString Q(const std::string &text) {
    return QString::fromStdString(text);
}

QString Money(std::int64_t amount) {
    return Q(MoneyText(amount));
}

QTableWidget *Table(QWidget *parent, const QString &name, const QStringList &headers) {
    auto *table = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    table->setObjectName(name);
    table->setHorizontalHeaderLabels(headers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

void SetRow(QTableWidget *table, int row, const QStringList &cells) {
    for (int c = 0; c < cells.size(); ++c) table->setItem(row, c, new QTableWidgetItem(cells[c]));
}

// "春季大会 優勝、関東選抜 優勝×2" for the titles of a season.
QString TitlesText(const SeasonRecord &s) {
    QStringList names;
    for (const CompetitionResult &c : s.competitions) {
        if (c.titles == 0) continue;
        QString name = Q(CompetitionName(c.competition));
        if (c.titles > 1) name += QStringLiteral("×%1").arg(c.titles);
        names << name;
    }
    return names.join(QStringLiteral("、"));
}

QString MonthText(int week) {
    return QStringLiteral("%1年目%2月").arg(YearOf(week)).arg(MonthOf(week));
}

QString Grades(const SkillLevels &l) {
    QStringList letters;
    for (const std::uint8_t v : l.skills) letters << Q(GradeLetter(v));
    return letters.join(QLatin1Char(' '));
}

}  // namespace

QString SeasonText(int season) {
    return QStringLiteral("%1年目").arg(season);
}

KirokuWin::KirokuWin(const HistoryStore *history, const GameState &state, QWidget *parent)
    : QDialog(parent), history_(history), state_(state) {
    setObjectName(QStringLiteral("KirokuWin"));
    setWindowTitle(QStringLiteral("記録"));
    if (history_ != nullptr) {
        seasonRows_ = history_->Seasons();
        playerRows_ = history_->Players();
    }

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("RecordTabs"));
    tabs_->addTab(MakeSeasonsTab(), QStringLiteral("シーズン"));
    tabs_->addTab(MakeCompetitionsTab(), QStringLiteral("大会"));
    tabs_->addTab(MakeChartsTab(), QStringLiteral("グラフ"));
    tabs_->addTab(MakePlayersTab(), QStringLiteral("選手"));

    auto *note = new QLabel(this);
    note->setObjectName(QStringLiteral("RecordNote"));
    if (history_ == nullptr)
        note->setText(QStringLiteral("このゲームの記録は取られていません。"));
    else if (!history_->BeganWithNewGame())
        note->setText(QStringLiteral("記録は%1から取られています。")
                          .arg(Q(DateText(history_->OriginWeek()))));

    close_ = new QPushButton(QStringLiteral("閉じる"), this);
    close_->setObjectName(QStringLiteral("Command1"));
    close_->setDefault(true);
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(note, 1);
    bottom->addWidget(close_);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabs_, 1);
    layout->addLayout(bottom);
    resize(960, 640);
}

QWidget *KirokuWin::MakeSeasonsTab() {
    auto *page = new QWidget;
    seasons_ =
        Table(page, QStringLiteral("SeasonTable"),
              {QStringLiteral("シーズン"), QStringLiteral("レベル"), QStringLiteral("年度末資金"),
               QStringLiteral("予算"), QStringLiteral("スポンサー"), QStringLiteral("違約金"),
               QStringLiteral("年俸"), QStringLiteral("賞金"), QStringLiteral("勝敗"),
               QStringLiteral("優勝")});
    seasons_->setRowCount(static_cast<int>(seasonRows_.size()));
    for (int row = 0; row < seasons_->rowCount(); ++row) {
        const SeasonRecord &s = seasonRows_[static_cast<std::size_t>(row)];
        const CategoryResult &all = s.results[kCategories - 1];
        SetRow(seasons_, row,
               {SeasonText(s.season), QStringLiteral("Lv.%1").arg(s.teamLevel), Money(s.funds),
                Money(s.money.budget), Money(s.money.sponsorIncome), Money(s.money.penalties),
                Money(s.money.salaries), Money(s.prize),
                QStringLiteral("%1勝%2敗").arg(all.wins).arg(all.losses), TitlesText(s)});
    }
    seasonDetail_ = new QLabel(page);
    seasonDetail_->setObjectName(QStringLiteral("SeasonDetail"));
    seasonDetail_->setTextFormat(Qt::PlainText);
    seasonDetail_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    seasonDetail_->setWordWrap(true);
    seasonDetail_->setMinimumHeight(170);
    seasonDetail_->setText(
        seasonRows_.empty() ? QStringLiteral("まだ決算を迎えたシーズンはありません。") : QString());
    connect(seasons_, &QTableWidget::currentCellChanged, this,
            [this](int row) { ShowSeason(row); });
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(seasons_, 1);
    layout->addWidget(seasonDetail_);
    if (!seasonRows_.empty()) seasons_->selectRow(0);
    return page;
}

void KirokuWin::ShowSeason(int row) {
    if (row < 0 || row >= static_cast<int>(seasonRows_.size())) return;
    const SeasonRecord &s = seasonRows_[static_cast<std::size_t>(row)];
    QStringList lines;
    lines << QStringLiteral("%1（%2決算）").arg(SeasonText(s.season), Q(DateText(s.week)));
    QStringList results;
    for (const CompetitionResult &c : s.competitions)
        if (c.best != 0)
            results << Q(CompetitionName(c.competition)) + QLatin1Char(' ') + Q(ResultText(c.best));
    lines << QStringLiteral("大会：") + (results.isEmpty() ? QStringLiteral("出場なし")
                                                           : results.join(QStringLiteral("　")));
    static const char *const kCategoryNames[] = {"練習", "地区", "関東", "全国", "海外", "総合"};
    QStringList categories;
    for (int c = 0; c < kCategories; ++c) {
        const CategoryResult &r = s.results[static_cast<std::size_t>(c)];
        categories << QStringLiteral("%1 %2勝%3敗")
                          .arg(QString::fromUtf8(kCategoryNames[c]))
                          .arg(r.wins)
                          .arg(r.losses);
    }
    lines << QStringLiteral("成績：") + categories.join(QStringLiteral("　"));
    lines << QStringLiteral("選手（スタミナ パワー 技術 敏捷 ショット ボレー）：");
    for (const SquadEntry &e : s.squad) {
        lines << QStringLiteral("　%1　%2歳　%3　%4　年俸 %5")
                     .arg(Q(e.name))
                     .arg(e.age)
                     .arg(Q(StyleText(e.style)), Grades(e.levels), Money(e.salary));
    }
    seasonDetail_->setText(lines.join(QLatin1Char('\n')));
}

QWidget *KirokuWin::MakeCompetitionsTab() {
    auto *page = new QWidget;
    competitions_ = Table(page, QStringLiteral("CompetitionTable"),
                          {QStringLiteral("大会"), QStringLiteral("最高成績"),
                           QStringLiteral("そのシーズン"), QStringLiteral("優勝回数")});
    const auto best = BestSeasons(seasonRows_);
    competitions_->setRowCount(static_cast<int>(best.size()));
    for (int row = 0; row < competitions_->rowCount(); ++row) {
        const CompetitionBest &b = best[static_cast<std::size_t>(row)];
        QStringList seasons;
        for (const int s : b.seasons) seasons << SeasonText(s);
        SetRow(competitions_, row,
               {Q(CompetitionName(b.competition)),
                b.best == 0 ? QStringLiteral("出場なし") : Q(ResultText(b.best)),
                seasons.join(QStringLiteral("、")), QStringLiteral("%1回").arg(b.titles)});
    }
    titles_ = new QListWidget(page);
    titles_->setObjectName(QStringLiteral("TitleList"));
    for (const SeasonRecord &s : seasonRows_)
        for (const CompetitionResult &c : s.competitions)
            for (int t = 0; t < c.titles; ++t)
                titles_->addItem(QStringLiteral("%1　%2　優勝")
                                     .arg(SeasonText(s.season), Q(CompetitionName(c.competition))));
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(QStringLiteral("大会ごとの最高成績"), page));
    layout->addWidget(competitions_);
    layout->addWidget(new QLabel(QStringLiteral("獲得タイトル（新しい順）"), page));
    layout->addWidget(titles_, 1);
    return page;
}

QWidget *KirokuWin::MakeChartsTab() {
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    QWidget *funds = MakeSeasonChart(SeasonChart::Funds, seasonRows_, page);
    funds->setObjectName(QStringLiteral("FundsChart"));
    QWidget *level = MakeSeasonChart(SeasonChart::Level, seasonRows_, page);
    level->setObjectName(QStringLiteral("LevelChart"));
    QWidget *wins = MakeSeasonChart(SeasonChart::WinsLosses, seasonRows_, page);
    wins->setObjectName(QStringLiteral("WinsChart"));
    grid->addWidget(funds, 0, 0, 1, 2);
    grid->addWidget(level, 1, 0);
    grid->addWidget(wins, 1, 1);
    return page;
}

QWidget *KirokuWin::MakePlayersTab() {
    auto *page = new QWidget;
    players_ = Table(page, QStringLiteral("PlayerTable"),
                     {QStringLiteral("名前"), QStringLiteral("タイプ"), QStringLiteral("在籍"),
                      QStringLiteral("")});
    std::unordered_set<PlayerKey> squad;
    for (const MonthPlayer &p : MakeMonthRecord(state_)) squad.insert(p.key);
    players_->setRowCount(static_cast<int>(playerRows_.size()));
    for (int row = 0; row < players_->rowCount(); ++row) {
        const PlayerRow &p = playerRows_[static_cast<std::size_t>(row)];
        const bool here = squad.count(p.key) != 0;
        SetRow(players_, row,
               {Q(p.name), Q(StyleText(p.style)),
                MonthText(p.firstWeek) + QStringLiteral("〜") +
                    (here ? QString() : MonthText(p.lastWeek)),
                here ? QStringLiteral("在籍中") : QStringLiteral("退団")});
    }
    progress_ = new ProgressChart(page);
    progress_->ShowNothing(playerRows_.empty() ? QStringLiteral("まだ選手の記録はありません。")
                                               : QStringLiteral("選手を選んでください。"));
    connect(players_, &QTableWidget::currentCellChanged, this,
            [this](int row) { ShowPlayer(row); });
    auto *layout = new QHBoxLayout(page);
    layout->addWidget(players_, 2);
    layout->addWidget(progress_, 3);
    return page;
}

void KirokuWin::ShowPlayer(int row) {
    if (history_ == nullptr || row < 0 || row >= static_cast<int>(playerRows_.size())) return;
    const PlayerRow &p = playerRows_[static_cast<std::size_t>(row)];
    progress_->Show(history_->Curve(p.key), p.firstWeek, JoinMarkText(p));
    progress_->SetTitle(Q(p.name) + QStringLiteral("の能力の推移"));
}

}  // namespace tk
