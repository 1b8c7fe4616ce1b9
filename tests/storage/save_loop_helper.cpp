// Saves the crash-test games into slot 0 of a Data folder, one after another, until it is
// killed. Writes one byte to its standard output once the first save is done.
//   save_loop_helper <data folder>
#include <unistd.h>

#include <QString>

#include "storage/save_store.h"
#include "tests/storage/crash_records.h"

int main(int argc, char **argv) {
    if (argc != 2) return 2;
    const std::vector<tk::GameState> games = tk::test::CrashTestGames(6);
    tk::SaveStore store(QString::fromLocal8Bit(argv[1]));
    for (std::size_t i = 0;; ++i) {
        if (!store.SaveGame(0, games[i % games.size()]).Ok()) return 1;
        if (i == 0 && write(STDOUT_FILENO, "s", 1) != 1) return 1;
    }
}
