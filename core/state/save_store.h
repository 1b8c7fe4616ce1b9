// The four save slots and the settings file in the Data folder.
#pragma once

#include <memory>
#include <string>

#include <QString>

#include "core/state/atomic_file.h"
#include "core/state/game_state.h"
#include "core/state/result.h"

namespace tk {

inline constexpr int kSaveSlots = 4;

enum class SlotState { Empty, Occupied, Damaged };

// What the title screen shows for one slot.
struct SlotInfo {
    SlotState State = SlotState::Empty;
    std::string Summary;  // the three-line summary label
    std::string Reason;   // why a damaged slot cannot be loaded; empty otherwise
};

// Summary of a slot that cannot be loaded.
inline constexpr const char *kDamagedSlotSummary = "\rデータが壊れています";
// Summary of an empty slot.
inline constexpr const char *kEmptySlotSummary = "\r新しく始める";

// Team name, CR, "1年目4月1週", CR, "資金" + money; the empty-slot text for no team.
std::string SlotSummaryText(const GameState &state);

// Save0.Kumo..Save3.Kumo and SaveData.Kumo in one folder, which is created when missing.
// Every write replaces its file atomically; loading checks the record before the rules
// may see it and never writes.
class SaveStore {
public:
    // steps: the file-writing steps, replaceable by tests; the real ones when null.
    explicit SaveStore(const QString &folder, std::shared_ptr<FileSteps> steps = nullptr);

    const QString &Folder() const { return folder_; }
    QString SlotPath(int slot) const;
    QString SettingsPath() const;

    // The record of a slot: all zero with empty texts (an empty slot) when the file is
    // missing or short; a failure with its reason when the file cannot be read, its texts
    // are not code page 932, or a member the rules depend on is out of range.
    Result<GameState> LoadGame(int slot) const;
    // Writes the record of a slot; refuses texts that cannot be saved.
    Status SaveGame(int slot, const GameState &state);
    // Writes an all-zero record with empty texts, whatever the old file held.
    Status EraseSlot(int slot);
    // State and summary text of a slot for the title screen.
    SlotInfo InspectSlot(int slot) const;
    std::string SlotSummary(int slot) const { return InspectSlot(slot).Summary; }

    // The settings with Version set to 1030. A missing, short, unreadable or out-of-range
    // settings file gives the defaults, so it never keeps the slots from being used.
    Settings LoadSettings() const;
    Status SaveSettings(const Settings &settings);

private:
    Status Replace(const QString &path, const QByteArray &bytes);

    QString folder_;
    std::shared_ptr<FileSteps> steps_;
};

// Chooses the Data folder: programFolder/Data when it can be created and written there,
// otherwise fallbackFolder/Data.
QString ChooseDataFolder(const QString &programFolder, const QString &fallbackFolder);
// The Data folder beside the program, or in the per-user application data folder
// (QStandardPaths::AppDataLocation); always the per-user one for an installed program
// (IsInstalledProgram). Needs the application object.
QString DefaultDataFolder();

}  // namespace tk
