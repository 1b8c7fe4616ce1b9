// Slot files: bounded reads, checks before play, atomic writes, the title-screen summary.
#include "core/state/save_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>

#include "core/rules/lookups.h"
#include "core/state/installed_program.h"
#include "core/state/record_codec.h"
#include "core/state/validation.h"

namespace tk {
namespace {

bool ValidSlot(int slot) {
    return slot >= 0 && slot < kSaveSlots;
}

Failure BadSlot(int slot) {
    return Failure{"スロット番号が正しくありません（" + std::to_string(slot) + "）"};
}

std::span<const std::uint8_t> AsSpan(const QByteArray &bytes) {
    return {reinterpret_cast<const std::uint8_t *>(bytes.constData()),
            static_cast<std::size_t>(bytes.size())};
}

QByteArray AsByteArray(const Bytes &bytes) {
    return QByteArray(reinterpret_cast<const char *>(bytes.data()),
                      static_cast<qsizetype>(bytes.size()));
}

// Whether files can be created in folder (permission bits do not tell for every user).
bool CanWriteIn(const QString &folder) {
    if (!QDir().mkpath(folder)) return false;
    QTemporaryFile probe(QDir(folder).filePath("probe-XXXXXX"));
    return probe.open();
}

}  // namespace

std::string SlotSummaryText(const GameState &state) {
    if (state.TeamName.empty()) return kEmptySlotSummary;
    return state.TeamName + "\r" + DateText(state.WeekCount) + "\r資金" + MoneyText(state.Money);
}

SaveStore::SaveStore(const QString &folder, std::shared_ptr<FileSteps> steps)
    : folder_(folder), steps_(steps ? std::move(steps) : std::make_shared<FileSteps>()) {
    // A failure here shows up as the reason of the first save.
    QDir().mkpath(folder_);
}

QString SaveStore::SlotPath(int slot) const {
    return QDir(folder_).filePath(QStringLiteral("Save%1.Kumo").arg(slot));
}

QString SaveStore::SettingsPath() const {
    return QDir(folder_).filePath(QStringLiteral("SaveData.Kumo"));
}

Result<GameState> SaveStore::LoadGame(int slot) const {
    if (!ValidSlot(slot)) return BadSlot(slot);
    auto bytes = ReadFileStart(SlotPath(slot), static_cast<qint64>(kMaxGameStateBytes));
    if (!bytes) return Failure{bytes.Reason()};
    auto state = DecodeGameState(AsSpan(bytes.Value()));
    if (!state) return state;
    if (auto fault = FindGameFault(state.Value())) return Failure{*fault};
    return state;
}

Status SaveStore::SaveGame(int slot, const GameState &state) {
    if (!ValidSlot(slot)) return BadSlot(slot);
    auto bytes = EncodeGameState(state);
    if (!bytes) return Failure{bytes.Reason()};
    return Replace(SlotPath(slot), AsByteArray(bytes.Value()));
}

Status SaveStore::EraseSlot(int slot) {
    return SaveGame(slot, GameState{});
}

SlotInfo SaveStore::InspectSlot(int slot) const {
    auto state = LoadGame(slot);
    if (!state) return {SlotState::Damaged, kDamagedSlotSummary, state.Reason()};
    const bool occupied = !state.Value().TeamName.empty();
    return {occupied ? SlotState::Occupied : SlotState::Empty, SlotSummaryText(state.Value()), {}};
}

Settings SaveStore::LoadSettings() const {
    Settings settings;
    auto bytes = ReadFileStart(SettingsPath(), static_cast<qint64>(kSettingsBytes));
    if (bytes && bytes.Value().size() == static_cast<qsizetype>(kSettingsBytes)) {
        Settings read = DecodeSettings(AsSpan(bytes.Value()));
        if (SettingsUsable(read)) settings = read;
    }
    settings.Version = kSettingsVersion;
    return settings;
}

Status SaveStore::SaveSettings(const Settings &settings) {
    return Replace(SettingsPath(), AsByteArray(EncodeSettings(settings)));
}

Status SaveStore::Replace(const QString &path, const QByteArray &bytes) {
    if (!QDir().mkpath(folder_)) {
        return Failure{"Dataフォルダを作れません（" +
                       QDir::toNativeSeparators(folder_).toStdString() + "）"};
    }
    return ReplaceFile(path, bytes, *steps_);
}

QString ChooseDataFolder(const QString &programFolder, const QString &fallbackFolder) {
    const QString beside = QDir(programFolder).filePath(QStringLiteral("Data"));
    if (CanWriteIn(beside)) return beside;
    return QDir(fallbackFolder).filePath(QStringLiteral("Data"));
}

QString DefaultDataFolder() {
    const QString program = QCoreApplication::applicationDirPath();
    const QString perUser = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (IsInstalledProgram(program)) return QDir(perUser).filePath(QStringLiteral("Data"));
    return ChooseDataFolder(program, perUser);
}

}  // namespace tk
