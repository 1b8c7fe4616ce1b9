// Choosing the Data folder, and keeping saves beside a read-only program readable.
#include "storage/data_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include "storage/file_checks.h"
#include "storage/installed_program.h"

namespace tk {
namespace {

// Whether files can be created in folder (permission bits do not tell for every user).
bool CanWriteIn(const QString &folder) {
    if (!QDir().mkpath(folder)) return false;
    QTemporaryFile probe(QDir(folder).filePath("probe-XXXXXX"));
    return probe.open();
}

bool HoldsSaves(const QString &folder) {
    const QDir dir(folder);
    for (int slot = 0; slot < kSaveSlots; ++slot) {
        if (CheckFile(dir.filePath(SlotFileName(slot))).State != FileState::Missing) return true;
    }
    return CheckFile(dir.filePath(QLatin1String(kSettingsFileName))).State != FileState::Missing;
}

}  // namespace

QString SlotFileName(int slot, const QString &suffix) {
    return QStringLiteral("Save%1.Kumo").arg(slot) + suffix;
}

DataLocation ChooseDataLocation(const QString &programFolder, const QString &fallbackFolder) {
    const QString beside = QDir(programFolder).filePath(QStringLiteral("Data"));
    const QString user = QDir(fallbackFolder).filePath(QStringLiteral("Data"));
    const QFileInfo info(beside);
    if (info.exists() && !info.isDir()) {
        return {user, QString(),
                "プログラムの横の " + ShownPath(beside) +
                    " はフォルダではないため使えません。\rセーブは " + ShownPath(user) +
                    " に保存します。"};
    }
    if (CanWriteIn(beside)) return {beside, QString(), {}};
    if (info.isDir() && HoldsSaves(beside)) {
        return {user, beside,
                ShownPath(beside) + " には書き込めません。\rそこにあるセーブはそのまま読み込み、" +
                    "これからのセーブは " + ShownPath(user) + " に保存します。"};
    }
    return {user, QString(), {}};
}

QString ChooseDataFolder(const QString &programFolder, const QString &fallbackFolder) {
    return ChooseDataLocation(programFolder, fallbackFolder).Folder;
}

DataLocation DefaultDataLocation() {
    const QString program = QCoreApplication::applicationDirPath();
    const QString perUser = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    // An installed game never writes beside its program, even when it could (as root).
    if (IsInstalledProgram(program))
        return {QDir(perUser).filePath(QStringLiteral("Data")), {}, {}};
    return ChooseDataLocation(program, perUser);
}

QString DefaultDataFolder() {
    return DefaultDataLocation().Folder;
}

}  // namespace tk
