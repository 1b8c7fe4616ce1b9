// Pieces the two halves of the save store share: bytes, slot numbers, checked decoding.
#pragma once

#include <span>
#include <string>

#include <QByteArray>

#include "core/state/record_codec.h"
#include "core/state/result.h"
#include "core/state/validation.h"
#include "storage/save_store.h"

namespace tk::store {

inline bool ValidSlot(int slot) {
    return slot >= 0 && slot < kSaveSlots;
}

inline Failure BadSlot(int slot) {
    return Failure{"スロット番号が正しくありません（" + std::to_string(slot) + "）"};
}

inline std::span<const std::uint8_t> AsSpan(const QByteArray &bytes) {
    return {reinterpret_cast<const std::uint8_t *>(bytes.constData()),
            static_cast<std::size_t>(bytes.size())};
}

inline QByteArray AsByteArray(const Bytes &bytes) {
    return QByteArray(reinterpret_cast<const char *>(bytes.data()),
                      static_cast<qsizetype>(bytes.size()));
}

// A game record from file bytes, refused with the reason when the rules could not play it.
inline Result<GameState> DecodeChecked(const QByteArray &bytes) {
    auto state = DecodeGameState(AsSpan(bytes));
    if (!state) return state;
    if (auto fault = FindGameFault(state.Value())) return Failure{*fault};
    return state;
}

}  // namespace tk::store
