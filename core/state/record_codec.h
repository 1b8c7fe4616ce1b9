// The byte layout of the save files: GameState and Settings to and from bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/state/game_state.h"
#include "core/state/result.h"

namespace tk {

using Bytes = std::vector<std::uint8_t>;

// A game file holds 30285 bytes plus the bytes of its two texts; a settings file 700.
inline constexpr std::size_t kGameStateFixedBytes = 30285;
inline constexpr std::size_t kSettingsBytes = 700;
// A text is stored after a 16-bit byte count.
inline constexpr std::size_t kMaxTextBytes = 65535;
// The longest game record a file can hold; nothing after it is ever read.
inline constexpr std::size_t kMaxGameStateBytes = kGameStateFixedBytes + 2 * kMaxTextBytes;

// The two texts exactly as they stand in a file (code page 932 bytes).
struct StoredTexts {
    std::string TeamName;
    std::string ManagerName;

    bool operator==(const StoredTexts &) const = default;
};

// A game record read member by member, before its texts are judged.
struct ReadGame {
    GameState State;          // texts decoded to UTF-8 where they decode, else empty
    StoredTexts Texts;        // the stored bytes of the texts
    std::string TextFault;    // empty when both texts are valid code page 932
    std::size_t RecordBytes;  // 30285 + both text counts: where the record ends
};

// Reads a game record from the start of bytes. Reading past the end gives zeros and empty
// texts; a text whose count runs past the end keeps the bytes that are there. Bytes after
// the record are ignored.
ReadGame ReadGameState(std::span<const std::uint8_t> bytes);

// As ReadGameState, refusing texts that are not valid code page 932.
Result<GameState> DecodeGameState(std::span<const std::uint8_t> bytes);

// The file image of a record. Refuses a text that code page 932 cannot write or whose
// bytes would pass the 16-bit count. With stored, those bytes are written for the texts
// instead of encoding State's texts (the save tool's byte-exact round trip).
Result<Bytes> EncodeGameState(const GameState &state, const StoredTexts *stored = nullptr);

// Settings: always 700 bytes; reading past the end gives zeros.
Bytes EncodeSettings(const Settings &settings);
Settings DecodeSettings(std::span<const std::uint8_t> bytes);

}  // namespace tk
