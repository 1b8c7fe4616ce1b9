// The title screen: four save slots with their summaries, erasing, settings and quitting.
#pragma once

#include <array>

#include <QWidget>

class QLabel;
class QPushButton;

namespace tk {

class TitleActions;

class BeginForm : public QWidget {
    Q_OBJECT

public:
    explicit BeginForm(TitleActions &app, QWidget *parent = nullptr);

    // Reloads the settings and reads the four slots again.
    void Refresh();

    QPushButton *SaveData(int slot) const { return saveData_[static_cast<std::size_t>(slot)]; }
    QPushButton *EraseDatas(int slot) const { return erase_[static_cast<std::size_t>(slot)]; }
    QLabel *Prev(int slot) const { return prev_[static_cast<std::size_t>(slot)]; }
    // "バックアップから復元": shown for every slot with a usable backup (its date and funds
    // in the tooltip); restoring keeps the slot's save as the new backup.
    QPushButton *Restore(int slot) const { return restore_[static_cast<std::size_t>(slot)]; }
    // Files that cannot be used, with the reason, and where the saves go when not beside the
    // program; hidden when there is nothing to say.
    QLabel *FileNotes() const { return notes_; }
    QPushButton *SettingsButton() const { return settings_; }
    QPushButton *QuitButton() const { return quit_; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // Tells the player when another copy of the game has the slot open.
    bool RefuseInUse(int slot);
    void OpenSlot(int slot);
    void EraseSlot(int slot);
    void RestoreSlot(int slot);
    void OpenSettings();

    TitleActions &app_;
    std::array<QPushButton *, 4> saveData_{};
    std::array<QPushButton *, 4> erase_{};
    std::array<QLabel *, 4> prev_{};
    std::array<QPushButton *, 4> restore_{};
    QLabel *notes_ = nullptr;
    bool settingsLoaded_ = false;
    QPushButton *settings_ = nullptr;
    QPushButton *quit_ = nullptr;
};

}  // namespace tk
