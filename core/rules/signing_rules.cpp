// Marks, limits and contract money of signing scouted candidates.
#include "core/rules/signing_rules.h"

#include "core/rules/game.h"
#include "core/rules/lookups.h"
#include "core/rules/rating_rules.h"

namespace tk {

namespace {

bool ValidCandidate(const GameState &s, int i) {
    return i >= 0 && i < kCandidateSlots && s.Candidates[static_cast<std::size_t>(i)].Occupied();
}

void ClearCandidates(GameState &s) {
    for (auto &c : s.Candidates) c = PlayerRecord{};
}

}  // namespace

std::string CandidateMarkText(bool marked) {
    return marked ? "契約" : "未契約";
}

std::uint32_t CandidateMarkColour(bool marked) {
    return marked ? kMarkedColour : kUnmarkedColour;
}

CandidateRow MakeCandidateRow(const GameState &s, int candidate) {
    CandidateRow row;
    if (candidate < 0 || candidate >= kCandidateSlots) return row;
    const PlayerRecord &p = s.Candidates[static_cast<std::size_t>(candidate)];
    if (!p.Occupied()) return row;
    row.mark = CandidateMarkText(p.SignMark == 1);
    row.name = PersonName(p);
    row.salary = MoneyText(p.Salary);
    row.age = std::to_string(YearOf(s.WeekCount) - p.BirthYear) + "歳";
    row.style = StyleText(p.Style);
    row.styleColour = StyleColour(p.Style);
    for (std::size_t k = 0; k < 6; ++k) {
        row.grades[k] = GradeLetter(p.Skill[k]);
        row.gradeColours[k] = GradeColour(row.grades[k]);
    }
    return row;
}

bool ToggleCandidateMark(GameState &s, int candidate) {
    if (!ValidCandidate(s, candidate)) return false;
    PlayerRecord &p = s.Candidates[static_cast<std::size_t>(candidate)];
    p.SignMark = p.SignMark == 1 ? 0 : 1;
    return true;
}

int MarkedCandidateCount(const GameState &s) {
    int n = 0;
    for (const auto &c : s.Candidates)
        if (c.Occupied() && c.SignMark == 1) ++n;
    return n;
}

std::int64_t MarkedCandidateSalary(const GameState &s) {
    std::int64_t total = 0;
    for (const auto &c : s.Candidates)
        if (c.Occupied() && c.SignMark == 1) total += c.Salary;
    return total;
}

bool CanSignCandidates(const GameState &s) {
    const int marked = MarkedCandidateCount(s);
    return marked >= 1 && PlayerCount(s) + marked <= kMaxSquad;
}

std::string SigningTitle(const GameState &s) {
    const int marked = MarkedCandidateCount(s);
    if (PlayerCount(s) + marked > kMaxSquad) return kSignTitleOverLimit;
    if (marked < 1) return kSignTitleChoose;
    return "契約金の総額は" + MoneyText(MarkedCandidateSalary(s)) + "です。";
}

std::string SignCandidatesQuestion(const GameState &s) {
    return std::to_string(MarkedCandidateCount(s)) + "人と契約します。\rよろしいですか？";
}

bool SignCandidates(Game &game) {
    GameState &s = game.state;
    // The limit is checked here as well as on the button, so no order of clicks (a
    // dismissal screen in between, a stale button) can put a 21st player in the spare slot.
    if (!CanSignCandidates(s)) return false;
    if (!game.ui.AskQuestion(SignCandidatesQuestion(s), "", 14)) return false;
    for (int i = 0; i < kCandidateSlots; ++i) {
        PlayerRecord &c = s.Candidates[static_cast<std::size_t>(i)];
        const int count = PlayerCount(s);
        if (c.Occupied() && c.SignMark == 1 && count < kMaxSquad) {
            PlayerRecord &p = s.Players[static_cast<std::size_t>(count)];
            p = c;
            p.SignMark = 0;
            SubtractMoney(s, p.Salary);
        }
        c = PlayerRecord{};
    }
    return true;
}

bool DeclineCandidates(Game &game) {
    if (!game.ui.AskQuestion(kDeclineCandidatesQuestion, "", 14)) return false;
    ClearCandidates(game.state);
    return true;
}

}  // namespace tk
