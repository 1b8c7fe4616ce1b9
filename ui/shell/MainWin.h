// The main screen: status, records, squad, coaches, grounds and the command bar; its advance
// command plays one week, practice weeks stepping through the times of day on a timer.
#pragma once

#include <array>

#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include "core/rules/advance_rules.h"
#include "core/rules/court_rules.h"
#include "core/rules/week_run.h"

class QLabel;
class QMenu;
class QPushButton;
class QTabBar;

namespace tk {

class GameApp;
struct Game;
enum class MainCommand;
class CommandBar;
class GroundsView;
class LandPanel;
class CourtSummary;
class PlayerPanel;
class PlayerDetailPanel;
class CoachPanel;
class HelpWin;
class WeekStatus;
class AlertList;

// How the 要対応 list names the command of a fix: "土地（8）".
QString AlertFixCaption(AlertFix fix);
class NewsColumn;

class MainWin : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWin(GameApp &app, QWidget *parent = nullptr);
    ~MainWin() override;

    // FormLoad: the full redraw from the record (recounting the courts first).
    void FormLoad();
    // Opening selections: player 0, lot 0, records page 5 (総合).
    void SelectPlayer(int index);
    void SelectLot(int lot);
    void SelectRecords(int category);

    // BottunSwich: what a release of command-bar button i does (kAdvanceButton: 連続進行).
    void Command(int index);
    // While a week is played (or a run of weeks goes on) every command is answered with
    // "練習中です。": shows it and returns true; returns false when the command may go on.
    bool RefusedWhileBusy();

    // 連続進行 (main_advance.cpp): weeks one after another, each played as 次の週へ plays it,
    // until one needs the player (RunStopAfterWeek); Esc or 停止 stops the run once the week
    // under way has ended.
    void StartAdvance();
    void RequestAdvanceStop();
    bool Advancing() const { return week_.Running(); }
    // Why the last run stopped (RunStop::None while one runs or when it was stopped by hand).
    RunStop LastAdvanceStop() const { return week_.LastStop(); }
    bool PracticeRunning() const { return week_.Practising(); }
    // The week driver the screen steps: its stage and its run of weeks.
    const WeekRun &Week() const { return week_; }
    int SelectedPlayer() const { return selectedPlayer_; }
    int SelectedLot() const { return selectedLot_; }

    // For tests: the widgets a player reads.
    QLabel *DateBox() const { return dateBox_; }
    QLabel *FundsBox() const { return fundsBox_; }
    QLabel *FixtureBox() const { return fixtureBox_; }
    QLabel *NextFixtureBox() const { return nextFixtureBox_; }
    QLabel *EventBox() const { return eventBox_; }
    QLabel *WeatherBox() const { return weatherBox_; }
    QLabel *PrizeLabel() const { return prize_; }
    QLabel *RecordLabel() const { return record_; }
    QLabel *SeasonPrizeLabel() const { return seasonPrize_; }
    QLabel *SeasonRecordLabel() const { return seasonRecord_; }
    CommandBar *Bar() const { return bar_; }
    GroundsView *Grounds() const { return grounds_; }
    WeekStatus *News() const { return weekStatus_; }
    AlertList *Alerts() const { return alerts_; }
    NewsColumn *NewsList() const { return news_; }
    QTimer &TimeSpend() { return timeSpend_; }
    QTimer &MarkTime() { return markTime_; }

    // Screens the command bar opens: a screen not plugged in leaves its button disabled.
    enum Screen {
        kPracticePlan = 1,  // PracMenuWin
        kMatchSettings,     // GameSetWin
        kItems,             // ItemsWin
        kSpeed,             // SetWIn
        kOffice,            // ZimuWin
        kRoster,            // PlayerSetWin
        kGrounds,           // WholeTochiWin
    };

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // main_menu.cpp: the menus, their keys (F10, Alt, Ctrl+S, Ctrl+Q) and 保存.
    void BuildMenu();
    void SaveAndPlayOn();
    QWidget *BuildStatusColumn();
    void MakeForm();
    void PlayOneWeek();
    void PlayMatchScreens(Game &game);
    void PracticeTick();
    void ContinueWeek();
    void WeekEnded();
    void InstallAdvanceCommand();
    void AdvanceCommand();
    void PlayAdvanceWeek();
    void StopAdvance(RunStop why);
    void OpenScreen(MainCommand command);
    void OpenPlayerDetails();
    void OpenLineup();
    void OpenLot();
    void OpenAllotment();
    // main_alerts.cpp: the 要対応 list.
    void RefreshAlerts();
    void OpenAlertFix(AlertFix fix);
    void EraseTeam();
    void LeaveToTitle();
    void HiddenKey(int key);
    // main_keys.cpp: the keys of every command, the help entry of the menu and its window.
    void InstallKeys();
    void AddHelpEntry(QMenu *menu);
    void OpenHelp();

    GameApp &app_;
    CourtCounts courts_{};
    WeekRun week_;  // the week under way and the run of weeks; the timers only step it
    bool markVis_ = false;
    bool leaving_ = false;
    int selectedPlayer_ = 0;
    int selectedLot_ = 0;
    int records_ = 5;
    int styledTab_ = -1;  // the tab the records tabs were last styled for
    std::array<bool, 4> keyFlags_{};
    QObject *escapeWatch_ = nullptr;  // sees Esc anywhere while a run goes on

    QTimer timeSpend_;
    QTimer markTime_;
    QTimer timerInfo_;

    CommandBar *bar_ = nullptr;
    GroundsView *grounds_ = nullptr;
    LandPanel *land_ = nullptr;
    CourtSummary *summary_ = nullptr;
    PlayerPanel *players_ = nullptr;
    PlayerDetailPanel *details_ = nullptr;
    CoachPanel *coaches_ = nullptr;
    QLabel *dateBox_ = nullptr;
    QLabel *fundsBox_ = nullptr;
    QLabel *fixtureBox_ = nullptr;
    QLabel *nextFixtureBox_ = nullptr;
    QLabel *eventBox_ = nullptr;
    QLabel *weatherBox_ = nullptr;
    QTabBar *junle_ = nullptr;
    QLabel *prize_ = nullptr;
    QLabel *record_ = nullptr;
    QLabel *seasonPrize_ = nullptr;
    QLabel *seasonRecord_ = nullptr;
    WeekStatus *weekStatus_ = nullptr;
    AlertList *alerts_ = nullptr;
    AlertWatch alertWatch_;  // the alerts last recorded in the history
    NewsColumn *news_ = nullptr;
    std::array<QPushButton *, 4> commands_{};
    QPointer<HelpWin> help_;
};

}  // namespace tk
