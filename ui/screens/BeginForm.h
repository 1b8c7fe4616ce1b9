// The title screen: four save slots with their summaries, erasing, settings and quitting.
#pragma once

#include <array>

#include <QWidget>

class QLabel;
class QPushButton;

namespace tk {

class GameApp;

class BeginForm : public QWidget {
    Q_OBJECT

public:
    explicit BeginForm(GameApp &app, QWidget *parent = nullptr);

    // Reloads the settings and reads the four slots again.
    void Refresh();

    QPushButton *SaveData(int slot) const { return saveData_[static_cast<std::size_t>(slot)]; }
    QPushButton *EraseDatas(int slot) const { return erase_[static_cast<std::size_t>(slot)]; }
    QLabel *Prev(int slot) const { return prev_[static_cast<std::size_t>(slot)]; }
    QPushButton *SettingsButton() const { return settings_; }
    QPushButton *QuitButton() const { return quit_; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void OpenSlot(int slot);
    void EraseSlot(int slot);
    void OpenSettings();

    GameApp &app_;
    std::array<QPushButton *, 4> saveData_{};
    std::array<QPushButton *, 4> erase_{};
    std::array<QLabel *, 4> prev_{};
    std::array<int, 4> state_{};  // SlotState of each slot as last read
    bool settingsLoaded_ = false;
    QPushButton *settings_ = nullptr;
    QPushButton *quit_ = nullptr;
};

}  // namespace tk
