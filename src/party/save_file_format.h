#pragma once
// The byte layouts of character files (".chr": one PLAYER record) and saved
// games (".dms": the party and the saved part of the game state). Both are
// flat little-endian records with no header: 16-bit integers, 32-bit longs, a
// 4-byte float for the step counter, and texts as a 16-bit length followed by
// that many Windows-1252 bytes. Decoding checks a whole file before anything
// is handed back, and says where and why a damaged one is refused.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "events/block_encounters.h"
#include "party/player.h"

namespace duskmoor {

struct GameState;

// Whether two states hold the same saved game: every field a saved game
// keeps is equal (the rest of the state is not compared).
bool SameSavedPart(const GameState& one, const GameState& other);

// Where and why a file was refused.
struct FileRefusal {
    size_t offset = 0;  // the byte at which the offending field starts
    std::string field;  // "NumPlayers", "Party[2].PackCount", "Encounters[3].Cell[7]"
    std::string reason;
    std::string Describe() const;  // "byte 4, Party[0].Class: ..."
};

// One field as read, for the file inspector.
struct FieldReading {
    size_t offset = 0;
    std::string name;
    std::string value;  // numbers in decimal; texts quoted, in UTF-8
};

// The largest files the formats allow (every text at its 65535-byte limit).
constexpr size_t kCharacterFixedBytes = 190;
constexpr size_t kMaxTextBytes = 0xFFFF;
constexpr size_t kMaxCharacterFileSize = kCharacterFixedBytes + kMaxTextBytes;
constexpr size_t kMaxSavedGameSize = 2 + 4 * kMaxCharacterFileSize + 10 + kEncounterBlocks * 106 + 8 + 2 +
                                     12 + 2 + 30 + 2 + 2 * (2 + kMaxTextBytes);

// False only when a text is too long for its 16-bit length.
bool EncodeCharacter(const PLAYER& character, std::vector<uint8_t>& bytes);
bool EncodeSavedGame(const GameState& state, std::vector<uint8_t>& bytes);

// Decode and check a whole file. On refusal `out` is left as it was and
// `refusal` (when given) says why; `readings` (when given) receives every
// field read, up to the point of a refusal. A saved game changes only the
// fields of `out` that a saved game holds.
bool DecodeCharacter(std::span<const uint8_t> bytes, PLAYER& out, FileRefusal* refusal = nullptr,
                     std::vector<FieldReading>* readings = nullptr);
bool DecodeSavedGame(std::span<const uint8_t> bytes, GameState& out, FileRefusal* refusal = nullptr,
                     std::vector<FieldReading>* readings = nullptr);

}  // namespace duskmoor
