// How notices close, the player's choice in ゲーム設定: by themselves after five seconds (the
// rules' way and the default), only on "閉じる", or the routine reports go to the main screen's
// news column instead of a dialog. It is kept in the spare byte that Settings::NoticesWait
// reads (offset 3 of the settings file), so the file stays 700 bytes: 1 means "wait", 2
// "news"; any other value reads as the five seconds (and a version that knows only the first
// two choices reads 2 so too).
#pragma once

#include <cstdint>

#include "core/state/game_state.h"

namespace tk {

enum class NoticeMode : std::uint8_t { Closes = 0, Waits = 1, News = 2 };

inline constexpr std::uint8_t kNoticesNewsMark = 2;

inline NoticeMode NoticeChoice(const Settings &s) {
    switch (s.SparePlayers[0].FamilyName) {
        case Settings::kNoticesWaitMark: return NoticeMode::Waits;
        case kNoticesNewsMark: return NoticeMode::News;
        default: return NoticeMode::Closes;
    }
}

inline void SetNoticeChoice(Settings &s, NoticeMode mode) {
    s.SparePlayers[0].FamilyName = static_cast<std::uint8_t>(mode);
}

}  // namespace tk
