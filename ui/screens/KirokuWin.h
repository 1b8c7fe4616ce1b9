// 記録: the club's story. The seasons newest first (with each one's tournaments, money and
// squad), the best season of every competition and every title, charts of funds, team level
// and wins and losses, and every player the club has had, with his growth month by month.
#pragma once

#include <vector>

#include <QDialog>

#include "core/state/game_state.h"
#include "history/history_rows.h"

class QLabel;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace tk {

class HistoryStore;
class ProgressChart;

class KirokuWin : public QDialog {
    Q_OBJECT

public:
    // history: null when the game keeps none. state: the running game, to tell the players
    // still in the squad from those who have left.
    KirokuWin(const HistoryStore *history, const GameState &state, QWidget *parent = nullptr);

    QTabWidget *Tabs() const { return tabs_; }
    QTableWidget *SeasonTable() const { return seasons_; }
    QLabel *SeasonDetail() const { return seasonDetail_; }
    QTableWidget *CompetitionTable() const { return competitions_; }
    QListWidget *TitleList() const { return titles_; }
    QTableWidget *PlayerTable() const { return players_; }
    ProgressChart *Progress() const { return progress_; }
    QPushButton *CloseButton() const { return close_; }

private:
    QWidget *MakeSeasonsTab();
    QWidget *MakeCompetitionsTab();
    QWidget *MakeChartsTab();
    QWidget *MakePlayersTab();
    void ShowSeason(int row);
    void ShowPlayer(int row);

    const HistoryStore *history_;
    const GameState &state_;
    std::vector<SeasonRecord> seasonRows_;  // newest first
    std::vector<PlayerRow> playerRows_;
    QTabWidget *tabs_ = nullptr;
    QTableWidget *seasons_ = nullptr;
    QLabel *seasonDetail_ = nullptr;
    QTableWidget *competitions_ = nullptr;
    QListWidget *titles_ = nullptr;
    QTableWidget *players_ = nullptr;
    ProgressChart *progress_ = nullptr;
    QPushButton *close_ = nullptr;
};

// "3年目": a season by the year its April fell in.
QString SeasonText(int season);

}  // namespace tk
