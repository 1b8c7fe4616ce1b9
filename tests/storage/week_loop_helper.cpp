// Plays the crash-test game week after week in slot 0 of a Data folder as the main screen
// does: the recovery file after every week, and every fifth week a normal close (the slot
// saved, the recovery file removed). Writes one byte to its standard output after each week
// is done, and runs until it is killed.
//   week_loop_helper <data folder>
#include <unistd.h>

#include <QString>

#include "storage/save_store.h"
#include "tests/storage/crash_records.h"

int main(int argc, char **argv) {
    if (argc != 2) return 2;
    tk::SaveStore store(QString::fromLocal8Bit(argv[1]));
    auto game = tk::test::CrashTestGame();
    for (int week = 1;; ++week) {
        if (game->PlayOneWeek() != tk::WeekOutcome::Next) return 1;
        if (!store.SaveRecovery(0, game->State()).Ok()) return 1;
        if (week % tk::test::kWeeksBetweenSaves == 0) {
            if (!store.SaveGame(0, game->State()).Ok()) return 1;
            if (!store.RemoveRecovery(0).Ok()) return 1;
        }
        if (write(STDOUT_FILENO, "w", 1) != 1) return 1;
    }
}
