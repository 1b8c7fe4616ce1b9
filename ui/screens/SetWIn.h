// The game settings: the speed, "高速" or "普通", and whether notices close by themselves
// after five seconds, wait for "閉じる", or leave the reports to the news column; stored in the
// settings only on "OK".
#pragma once

#include <cstdint>

#include <QDialog>

#include "core/state/notice_choice.h"

class QPushButton;
class QRadioButton;

namespace tk {

class SaveStore;
class MessageRoute;

class SetWIn : public QDialog {
    Q_OBJECT

public:
    // The dialog reads `settings` when it opens and writes them on "OK" only.
    explicit SetWIn(Settings &settings, QWidget *parent = nullptr);

    // The choice held until "OK": -1 fast, 0 normal.
    std::int16_t Choice() const { return choice_; }
    // The notice choice held until "OK".
    NoticeMode HeldNoticeChoice() const { return notices_; }
    bool NoticesWaitChoice() const { return notices_ == NoticeMode::Waits; }

    QRadioButton *FastOption() const { return fast_; }
    QRadioButton *NormalOption() const { return normal_; }
    QRadioButton *NoticeClosesOption() const { return noticeCloses_; }
    QRadioButton *NoticeWaitsOption() const { return noticeWaits_; }
    QRadioButton *NoticeNewsOption() const { return noticeNews_; }
    QPushButton *OkButton() const { return ok_; }
    QPushButton *CancelButton() const { return cancel_; }

private:
    void Store();

    Settings &settings_;
    std::int16_t choice_ = 0;
    QRadioButton *fast_ = nullptr;    // "高速"
    QRadioButton *normal_ = nullptr;  // "普通"
    NoticeMode notices_ = NoticeMode::Closes;
    QRadioButton *noticeCloses_ = nullptr;  // "5秒で自動的に閉じる"
    QRadioButton *noticeWaits_ = nullptr;   // "「閉じる」を押すまで表示"
    QRadioButton *noticeNews_ = nullptr;    // "報告はニュース欄に表示"
    QPushButton *ok_ = nullptr;             // "OK"
    QPushButton *cancel_ = nullptr;         // "キャンセル"
};

// Opens the dialog over `parent`; when "OK" changes a choice the settings are written at
// once through `store`, so a crash loses nothing the player chose. A failed write is told
// through `messages` and the choice still holds for this run. True when a choice changed.
bool EditSettings(Settings &settings, SaveStore &store, const MessageRoute &messages,
                  QWidget *parent);

}  // namespace tk
