// A history damaged where the opening's checks do not look: each given text's entry in the
// texts' index gets a title of another type, so the index disagrees with its table and the
// first new text written is refused as a malformed file.
#pragma once

#include <initializer_list>

#include <QByteArray>

namespace tk::test {

// False when a text's index entry is not found as the game writes it.
inline bool DamageTextIndex(QByteArray &history, std::initializer_list<const char *> texts) {
    constexpr char kEmptyText = 0x0d, kLongText = 0x75;  // SQLite's serial types
    for (const char *text : texts) {
        // The second copy of a text is its index entry: header size, title, body, rowid.
        const qsizetype entry = history.indexOf(text, history.indexOf(text) + 1);
        if (entry < 3 || history[entry - 3] != kEmptyText) return false;
        history[entry - 3] = kLongText;
    }
    return true;
}

}  // namespace tk::test
