// tk-sim: plays a game headlessly with a fixed seed and a named policy, then saves it.
//
//   tk-sim [--policy idle|active|careful|random] [--seed N] [--weeks N]
//          [--slot-file FILE | --data DIR [--slot 0..3]] [--team NAME] [--manager NAME]
//          [--funds N] [--out FILE] [--history FILE] [--quiet]
//   tk-sim --report N [--policy NAME] [--seed FIRST] [--funds N] [--seasons]
//
// The game comes from a slot file (--slot-file), from a slot of a Data folder (--data and
// --slot), or is a new game with the given names when neither is given or the slot is empty.
// It is saved to --out when given, otherwise back where it came from; a new game without
// --out or --data is not saved. --funds gives a new game other funds than 3000万円 (a club
// that cannot go bankrupt plays the whole calendar: benchmarks and soak runs). --history writes
// the game's history (messages, seasons, month ends) to FILE as the game keeps it beside a
// slot, going on with the history already there. Exit status: 0 done,
// 1 a file could not be read or written, 2 bad arguments.
//
// --report N plays N new games (seeds FIRST, FIRST + 1, ...) to their end and prints the
// balance table: seasons survived, the share of games reaching each team level and title
// and the median season it is first reached, and the funds after seasons 5, 10 and 50.
// --seasons also prints one line per settled season of every game: the funds, the level,
// the whole-team coach, the kinds of lots 1..8, the sponsors, and each player's age, bout
// strength (the five values a bout compares, summed) and salary.
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include <QByteArray>
#include <QFileInfo>
#include <QString>

#include "core/state/record_codec.h"
#include "core/state/validation.h"
#include "storage/atomic_file.h"
#include "storage/save_store.h"
#include "storage/stale_files.h"
#include "tools/sim/balance_report.h"
#include "tools/sim/sim_history.h"
#include "tools/sim/simulation.h"

namespace {

struct Options {
    std::string policy = "idle";
    std::uint64_t seed = 1;
    long weeks = 48;
    std::string slotFile;
    std::string dataFolder;
    int slot = 0;
    std::string team = "テニス部";
    std::string manager = "監督";
    std::string out;
    std::string history;
    std::optional<std::int32_t> funds;
    bool quiet = false;
    long report = 0;  // games of the balance report; 0 plays one game
    bool seasons = false;
};

constexpr const char *kUsage =
    "usage: tk-sim [--policy idle|active|careful|random] [--seed N] [--weeks N]\n"
    "              [--slot-file FILE | --data DIR [--slot 0..3]] [--team NAME] [--manager NAME]\n"
    "              [--funds N] [--out FILE] [--history FILE] [--quiet]\n"
    "       tk-sim --report N [--policy NAME] [--seed FIRST] [--funds N] [--seasons]\n";

std::optional<long> Number(const std::string &text, long low, long high) {
    char *end = nullptr;
    const long v = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || v < low || v > high) return std::nullopt;
    return v;
}

std::optional<Options> Parse(int argc, char **argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const bool hasValue = i + 1 < argc;
        auto value = [&]() -> std::string { return argv[++i]; };
        if (a == "--quiet") {
            o.quiet = true;
        } else if (a == "--seasons") {
            o.seasons = true;
        } else if (a == "--help" || a == "-h") {
            return std::nullopt;
        } else if (!hasValue) {
            std::cerr << "tk-sim: " << a << " needs a value\n";
            return std::nullopt;
        } else if (a == "--policy") {
            o.policy = value();
        } else if (a == "--seed") {
            const auto v = Number(value(), 0, 0x7fffffffL);
            if (!v) return std::nullopt;
            o.seed = static_cast<std::uint64_t>(*v);
        } else if (a == "--weeks") {
            const auto v = Number(value(), 0, 100000);
            if (!v) return std::nullopt;
            o.weeks = *v;
        } else if (a == "--slot-file") {
            o.slotFile = value();
        } else if (a == "--data") {
            o.dataFolder = value();
        } else if (a == "--slot") {
            const auto v = Number(value(), 0, tk::kSaveSlots - 1);
            if (!v) return std::nullopt;
            o.slot = static_cast<int>(*v);
        } else if (a == "--team") {
            o.team = value();
        } else if (a == "--manager") {
            o.manager = value();
        } else if (a == "--funds") {
            const auto v = Number(value(), -0x7fffffffL, 0x7fffffffL);
            if (!v) return std::nullopt;
            o.funds = static_cast<std::int32_t>(*v);
        } else if (a == "--report") {
            const auto v = Number(value(), 1, 100000);
            if (!v) return std::nullopt;
            o.report = *v;
        } else if (a == "--out") {
            o.out = value();
        } else if (a == "--history") {
            o.history = value();
        } else {
            std::cerr << "tk-sim: unknown option " << a << "\n";
            return std::nullopt;
        }
    }
    if (o.report > 0 && (!o.slotFile.empty() || !o.dataFolder.empty() || !o.out.empty())) {
        std::cerr << "tk-sim: --report plays new games and saves none\n";
        return std::nullopt;
    }
    if (!o.slotFile.empty() && !o.dataFolder.empty()) {
        std::cerr << "tk-sim: give --slot-file or --data, not both\n";
        return std::nullopt;
    }
    return o;
}

std::span<const std::uint8_t> AsSpan(const QByteArray &b) {
    return {reinterpret_cast<const std::uint8_t *>(b.constData()),
            static_cast<std::size_t>(b.size())};
}

// The record of a slot file, checked as the title screen checks it.
tk::Result<tk::GameState> LoadSlotFile(const std::string &path) {
    auto bytes = tk::ReadFileStart(QString::fromStdString(path),
                                   static_cast<qint64>(tk::kMaxGameStateBytes));
    if (!bytes) return tk::Failure{bytes.Reason()};
    auto state = tk::DecodeGameState(AsSpan(bytes.Value()));
    if (!state) return state;
    if (auto fault = tk::FindGameFault(state.Value())) return tk::Failure{*fault};
    return state;
}

tk::Status SaveSlotFile(const std::string &path, const tk::GameState &state) {
    auto bytes = tk::EncodeGameState(state);
    if (!bytes) return tk::Failure{bytes.Reason()};
    const QByteArray data(reinterpret_cast<const char *>(bytes.Value().data()),
                          static_cast<qsizetype>(bytes.Value().size()));
    tk::FileSteps steps;
    return tk::ReplaceFile(QString::fromStdString(path), data, steps);
}

const char *OutcomeText(tk::WeekOutcome o) {
    switch (o) {
        case tk::WeekOutcome::Next: return "playing";
        case tk::WeekOutcome::Bankrupt: return "bankrupt";
        case tk::WeekOutcome::CalendarEnd: return "calendar ended";
    }
    return "?";
}

// The balance report of --report.
int Report(const Options &o) {
    std::vector<tk::sim::GameLog> games;
    for (long i = 0; i < o.report; ++i) {
        std::vector<std::string> lines;
        const std::uint64_t seed = o.seed + static_cast<std::uint64_t>(i);
        games.push_back(
            tk::sim::PlayLoggedGame(o.policy, seed, o.funds, o.seasons ? &lines : nullptr));
        for (const std::string &line : lines) std::cout << "seed " << seed << " " << line << "\n";
    }
    std::cout << tk::sim::BalanceTable(o.policy, games);
    return 0;
}

}  // namespace

int main(int argc, char **argv) {
    const std::optional<Options> parsed = Parse(argc, argv);
    if (!parsed) {
        std::cerr << kUsage;
        return 2;
    }
    const Options &o = *parsed;
    auto policy = tk::sim::MakePolicy(o.policy, o.seed);
    if (!policy) {
        std::cerr << "tk-sim: unknown policy " << o.policy << "\n" << kUsage;
        return 2;
    }
    if (o.report > 0) return Report(o);

    tk::sim::Simulation sim(o.seed, std::move(policy));
    std::optional<tk::SaveStore> store;
    tk::GameState loaded;
    if (!o.slotFile.empty()) {
        auto state = LoadSlotFile(o.slotFile);
        if (!state) {
            std::cerr << "tk-sim: " << o.slotFile << ": " << state.Reason() << "\n";
            return 1;
        }
        loaded = state.Value();
    } else if (!o.dataFolder.empty()) {
        store.emplace(QString::fromStdString(o.dataFolder));
        auto state = store->LoadGame(o.slot);
        if (!state) {
            std::cerr << "tk-sim: slot " << o.slot << ": " << state.Reason() << "\n";
            return 1;
        }
        loaded = state.Value();
    }
    const bool newGame = loaded.TeamName.empty();
    if (newGame) {
        sim.StartNew(o.team, o.manager);
        if (o.funds) sim.State().Money = *o.funds;
    } else {
        sim.Load(loaded);
    }
    tk::sim::SimHistory history;
    if (!o.history.empty()) {
        const tk::Status opened = history.Open(QString::fromStdString(o.history), sim, newGame);
        if (!opened) {
            std::cerr << "tk-sim: history " << o.history << ": " << opened.Reason() << "\n";
            return 1;
        }
    }

    const int played = sim.Play(static_cast<int>(o.weeks));
    if (const tk::Status written = history.Close(); !written) {
        std::cerr << "tk-sim: could not write the history " << o.history << ": " << written.Reason()
                  << "\n";
        return 1;
    }
    const tk::GameState &s = sim.State();

    tk::Status saved;
    std::string where;
    if (!o.out.empty()) {
        where = o.out;
        saved = SaveSlotFile(o.out, s);
    } else if (!o.slotFile.empty()) {
        where = o.slotFile;
        saved = SaveSlotFile(o.slotFile, s);
    } else if (store) {
        where = "slot " + std::to_string(o.slot) + " of " + o.dataFolder;
        saved = store->SaveGame(o.slot, s);
    }
    if (!saved) {
        std::cerr << "tk-sim: could not save to " << where << ": " << saved.Reason() << "\n";
        return 1;
    }
    // A temporary file a killed earlier run left beside the file it wrote goes now.
    if (!where.empty())
        tk::RemoveStaleTemporaries(store ? store->Folder()
                                         : QFileInfo(QString::fromStdString(where)).absolutePath());

    if (!o.quiet) {
        const tk::sim::SimUi &ui = sim.Ui();
        std::cout << "policy: " << sim.CurrentPolicy().Name() << ", seed " << o.seed << ", "
                  << played << " weeks played (" << OutcomeText(sim.LastOutcome()) << ")\n"
                  << tk::sim::SummaryText(s) << "notices: " << ui.notices
                  << ", questions: " << ui.questions << ", same-day rounds: " << ui.nextRounds
                  << "\n"
                  << (where.empty() ? std::string("not saved (no --out)") : "saved to " + where)
                  << "\n";
        if (!o.history.empty()) std::cout << "history written to " << o.history << "\n";
    }
    return 0;
}
