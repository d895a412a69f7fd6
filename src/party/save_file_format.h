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

// The saved part of the game, in file order.
struct SavedGame {
    int16_t NumPlayers = 0;
    std::array<PLAYER, 4> Party{};
    int16_t CurrentBlock = 0;
    int16_t PosX = 0;
    int16_t PosY = 0;
    int16_t PosCell = 0;
    int16_t Facing = 0;
    std::array<BlockEncounters, kEncounterBlocks> Encounters{};
    int16_t GameHour = 0;
    int16_t GameMinute = 0;
    float StepFraction = 0.0f;
    int16_t RoomRented = 0;
    int32_t BankGold = 0;
    int32_t BankSilver = 0;
    int32_t BankCopper = 0;
    int16_t SearchMode = 0;
    std::array<int16_t, 15> QuestsDone{};
    int16_t WagonRide = 0;
    std::string LogText;  // Windows-1252
    std::string CluesText;

    bool operator==(const SavedGame&) const = default;

    // Every field in file order, by name, for a reader, a writer or a namer alike.
    template <typename Visitor>
    void Fields(Visitor& visit) {
        FieldsOf(*this, visit);
    }
    template <typename Visitor>
    void Fields(Visitor& visit) const {
        FieldsOf(*this, visit);
    }

  private:
    template <typename Self, typename Visitor>
    static void FieldsOf(Self& g, Visitor& visit) {
        visit.Field("NumPlayers", g.NumPlayers);
        for (size_t slot = 0; slot < g.Party.size(); ++slot) visit.Nested("Party", slot, g.Party[slot]);
        visit.Field("CurrentBlock", g.CurrentBlock);
        visit.Field("PosX", g.PosX);
        visit.Field("PosY", g.PosY);
        visit.Field("PosCell", g.PosCell);
        visit.Field("Facing", g.Facing);
        for (size_t block = 0; block < g.Encounters.size(); ++block)
            visit.Nested("Encounters", block, g.Encounters[block]);
        visit.Field("GameHour", g.GameHour);
        visit.Field("GameMinute", g.GameMinute);
        visit.Field("StepFraction", g.StepFraction);
        visit.Field("RoomRented", g.RoomRented);
        visit.Field("BankGold", g.BankGold);
        visit.Field("BankSilver", g.BankSilver);
        visit.Field("BankCopper", g.BankCopper);
        visit.Field("SearchMode", g.SearchMode);
        visit.Field("QuestsDone", g.QuestsDone);
        visit.Field("WagonRide", g.WagonRide);
        visit.Field("LogText", g.LogText);
        visit.Field("CluesText", g.CluesText);
    }
};

SavedGame SavedGameFromState(const GameState& state);
// Copies every part of the record into the game state, nothing else.
void ApplySavedGame(const SavedGame& saved, GameState& state);

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
bool EncodeSavedGame(const SavedGame& saved, std::vector<uint8_t>& bytes);

// Decode and check a whole file. On refusal `out` is left as it was and
// `refusal` (when given) says why; `readings` (when given) receives every
// field read, up to the point of a refusal.
bool DecodeCharacter(std::span<const uint8_t> bytes, PLAYER& out, FileRefusal* refusal = nullptr,
                     std::vector<FieldReading>* readings = nullptr);
bool DecodeSavedGame(std::span<const uint8_t> bytes, SavedGame& out, FileRefusal* refusal = nullptr,
                     std::vector<FieldReading>* readings = nullptr);

}  // namespace duskmoor
