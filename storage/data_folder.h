// Where the saves live: the Data folder beside the program, or the per-user folder.
#pragma once

#include <string>

#include <QString>

namespace tk {

// The files of a Data folder: the slots Save0.Kumo..Save3.Kumo, each with side files named by
// a suffix (Save0.Kumo.bak), and the settings.
inline constexpr int kSaveSlots = 4;
QString SlotFileName(int slot, const QString &suffix = QString());
inline constexpr char kSettingsFileName[] = "SaveData.Kumo";

struct DataLocation {
    QString Folder;          // where saves are written, and read first
    QString ReadOnlyFolder;  // saves beside the program that can no longer be written there;
                             // read when Folder has no file of that name. Empty: none.
    std::string Notice;      // what the player is told once, naming both folders; or empty
};

// programFolder/Data when it can be created and written there; otherwise
// fallbackFolder/Data, keeping a read-only programFolder/Data that holds saves readable, and
// with a notice when the saves beside the program cannot be used there (read-only, or "Data"
// is not a folder).
DataLocation ChooseDataLocation(const QString &programFolder, const QString &fallbackFolder);
// The folder saves are written to (ChooseDataLocation(...).Folder).
QString ChooseDataFolder(const QString &programFolder, const QString &fallbackFolder);

// As ChooseDataLocation for the program's own folder and the per-user application data folder
// (QStandardPaths::AppDataLocation); always the per-user folder for an installed program
// (IsInstalledProgram). Needs the application object.
DataLocation DefaultDataLocation();
QString DefaultDataFolder();

}  // namespace tk
