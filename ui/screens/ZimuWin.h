// The office (監督室): level, salaries, budget, upkeep, the month's and season's balance, the
// two sponsor contracts and the next three weeks; sponsors are signed here in April.
#pragma once

#include <array>
#include <functional>

#include <QDialog>

class QLabel;
class QPushButton;

namespace tk {

struct Game;

class ZimuWin : public QDialog {
    Q_OBJECT

public:
    explicit ZimuWin(Game &game, QWidget *parent = nullptr);

    // Redraws every field from the record.
    void Writing();

    // The notices of the last year-end settlement, shown until the next one (hidden when
    // empty), and what "記録" opens (the button is hidden when nothing is given).
    void SetSettlementSummary(const QString &summary);
    void SetRecordsOpener(std::function<void(QWidget *over)> open);
    QLabel *SettlementSummary() const { return summary_; }
    QPushButton *RecordsButton() const { return records_; }

    QLabel *Level() const { return level_; }
    QLabel *PlayerSalaries() const { return playerSalaries_; }
    QLabel *CoachSalaries() const { return coachSalaries_; }
    QLabel *ExpectedIncome() const { return expectedIncome_; }
    QLabel *LandUpkeep() const { return landUpkeep_; }
    QLabel *TenantUpkeep() const { return tenantUpkeep_; }
    QLabel *MonthBalance() const { return monthBalance_; }
    QLabel *SeasonBalance() const { return seasonBalance_; }
    // "年度末の不足": what the funds lack for the year end's salaries, after the budget.
    QLabel *YearEndShortfall() const { return shortfall_; }
    // Slot i = 1, 2.
    QLabel *SponsorName(int slot) const { return sponsorNames_.at(Index(slot)); }
    QLabel *SponsorText(int slot) const { return sponsorTexts_.at(Index(slot)); }
    // Spon(0) signs slot 1, Spon(1) slot 2.
    QPushButton *Spon(int i) const { return spon_.at(static_cast<std::size_t>(i)); }
    // Row m: 0 "今週", 1 "来週", 2 "来々週".
    QLabel *Schedule(int m) const { return schedule_.at(static_cast<std::size_t>(m)); }
    QPushButton *Command1() const { return close_; }  // "閉じる"

private:
    static std::size_t Index(int slot) { return static_cast<std::size_t>(slot - 1); }
    QWidget *MakeAccounts();
    QWidget *MakeSponsors();
    QWidget *MakeSchedule();
    QWidget *MakeSummary();
    void Sign(int slot);

    Game &game_;
    QLabel *level_ = nullptr;
    QLabel *playerSalaries_ = nullptr;
    QLabel *coachSalaries_ = nullptr;
    QLabel *expectedIncome_ = nullptr;
    QLabel *landUpkeep_ = nullptr;
    QLabel *tenantUpkeep_ = nullptr;
    QLabel *monthBalance_ = nullptr;
    QLabel *seasonBalance_ = nullptr;
    QLabel *shortfall_ = nullptr;
    std::array<QLabel *, 2> sponsorNames_{};
    std::array<QLabel *, 2> sponsorTexts_{};
    std::array<QPushButton *, 2> spon_{};
    std::array<QLabel *, 3> schedule_{};
    QPushButton *close_ = nullptr;
    QWidget *summaryBox_ = nullptr;
    QLabel *summary_ = nullptr;
    QPushButton *records_ = nullptr;
    std::function<void(QWidget *)> openRecords_;
};

}  // namespace tk
