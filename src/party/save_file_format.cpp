#include "party/save_file_format.h"

#include <charconv>
#include <functional>

#include "core/binary_io.h"
#include "core/codepage.h"
#include "core/field_list.h"
#include "core/int16.h"
#include "items/item_catalogue.h"
#include "party/code_tables.h"
#include "shell/game_state.h"
#include "world/block_tables.h"

namespace duskmoor {
namespace {

// Names the fields of a record by where they live in memory, so that the
// order of the fields stays described only by the records' `Fields`.
class FieldNames {
  public:
    // The names are only worked out when one is wanted: a good file never needs them.
    explicit FieldNames(std::function<void(FieldNames&)> fill) : fill_(std::move(fill)) {}

    // The visitor side: a record's `Fields` hands every field here by name.
    template <typename T>
    void Field(const char* name, const T& field) {
        ranges_.push_back({reinterpret_cast<const char*>(&field), sizeof(T), sizeof(T), prefix_ + name});
    }
    template <typename T, size_t N>
    void Field(const char* name, const std::array<T, N>& field) {
        ranges_.push_back(
            {reinterpret_cast<const char*>(field.data()), sizeof(T) * N, sizeof(T), prefix_ + name});
    }
    template <typename Record>
    void Nested(const char* name, size_t index, const Record& record) {
        const std::string outer = prefix_;
        prefix_ = outer + name + "[" + std::to_string(index) + "].";
        VisitFields(*this, record);
        prefix_ = outer;
    }

    std::string Find(const void* address) {
        if (fill_) {
            auto fill = std::move(fill_);
            fill_ = nullptr;
            fill(*this);
        }
        const char* at = static_cast<const char*>(address);
        for (const Range& range : ranges_) {
            if (at < range.begin || at >= range.begin + range.size) continue;
            if (range.size == range.element) return range.name;
            return range.name + "[" + std::to_string((at - range.begin) / range.element) + "]";
        }
        return "?";
    }

  private:
    struct Range {
        const char* begin;
        size_t size;
        size_t element;
        std::string name;
    };
    std::vector<Range> ranges_;
    std::string prefix_;
    std::function<void(FieldNames&)> fill_;
};

std::string Escaped(const std::string& utf8) {
    std::string out = "\"";
    for (char c : utf8) {
        if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string FormatValue(int16_t value) {
    return std::to_string(value);
}
std::string FormatValue(int32_t value) {
    return std::to_string(value);
}
std::string FormatValue(float value) {
    char buffer[32];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}
std::string FormatValue(const std::string& cp1252) {
    return Escaped(Cp1252ToUtf8(cp1252));
}

// Reads fields through a ByteReader and remembers where each one started, so
// that a refusal can name the field and its byte.
class TracingReader : public InFileOrder<TracingReader> {
  public:
    using InFileOrder<TracingReader>::Field;

    TracingReader(std::span<const uint8_t> bytes, FieldNames& names, std::vector<FieldReading>* readings)
        : reader_(bytes.data(), bytes.size()), names_(names), readings_(readings) {}

    template <typename T>
    void Field(T& value) {
        if (!reader_.ok()) return;
        const size_t start = reader_.position();
        reader_.Field(value);
        if (!reader_.ok()) {
            refusal_ = {start, names_.Find(&value), reader_.error()};
            return;
        }
        offsets_.push_back({&value, start});
        if (readings_) readings_->push_back({start, names_.Find(&value), FormatValue(value)});
    }

    // After the last field: a short file, or bytes left over.
    bool Finish(FileRefusal& refusal) {
        if (!reader_.ok()) {
            refusal = refusal_;
            return false;
        }
        if (!reader_.AtEnd()) {
            const size_t extra = reader_.remaining();
            refusal = {reader_.position(), "(end of the record)",
                       std::to_string(extra) + (extra == 1 ? " byte follows" : " bytes follow") +
                           " the end of the record"};
            return false;
        }
        return true;
    }

    size_t OffsetOf(const void* address) const {
        for (const auto& [field, offset] : offsets_)
            if (field == address) return offset;
        return 0;
    }

  private:
    ByteReader reader_;
    FieldNames& names_;
    std::vector<FieldReading>* readings_;
    FileRefusal refusal_;
    std::vector<std::pair<const void*, size_t>> offsets_;
};

// The checks after a record has been read whole: values that would break the
// party's rules or later index a table out of its range.
class Checker {
  public:
    Checker(const TracingReader& trace, FieldNames& names) : trace_(trace), names_(names) {}

    template <typename T>
    void Require(const T& field, bool condition, const std::string& reason) {
        if (!ok_ || condition) return;
        ok_ = false;
        refusal_ = {trace_.OffsetOf(&field), names_.Find(&field), reason};
    }
    template <typename T>
    void InRange(const T& field, long long low, long long high) {
        if (field >= low && field <= high) return;
        Require(field, false,
                std::to_string(field) + " is outside " + std::to_string(low) + ".." + std::to_string(high));
    }

    bool ok() const { return ok_; }
    const FileRefusal& refusal() const { return refusal_; }

  private:
    const TracingReader& trace_;
    FieldNames& names_;
    bool ok_ = true;
    FileRefusal refusal_;
};

constexpr int16_t kPackRoom = 24;
constexpr int kSpellPairs = 13;
constexpr int16_t kHighestSpell = 16;
constexpr int kMapCellsUsed = 400;
constexpr int16_t kKnownStatusBits =
    status::Ok | status::Unconscious | status::Poisoned | status::Diseased | status::Cursed | status::Dead;

bool IsSpellState(int16_t state) {
    // Empty, ready to cast, chosen to be learned at the next rest.
    return state == 0 || state == 1 || state == 3;
}

void RequireFlag(Checker& check, const int16_t& flag) {
    check.Require(flag, flag == True || flag == False, "a flag is 0 or -1, not " + std::to_string(flag));
}

void RequireZero(Checker& check, const int16_t& reserved) {
    check.Require(reserved, reserved == 0, "a reserved field is 0, not " + std::to_string(reserved));
}

// The weapon in hand and the armour worn: none (0) or an item.
void RequireItemOrNone(Checker& check, const int16_t& code) {
    check.Require(code, code == 0 || FindItem(code) != nullptr, "no item has code " + std::to_string(code));
}

// The pack's entries 0 .. PackCount - 1 hold items, in order; the rest are 0.
void CheckPack(Checker& check, const PLAYER& character) {
    check.InRange(character.PackCount, 0, kPackRoom);
    if (!check.ok()) return;
    for (int entry = 0; entry < static_cast<int>(character.Pack.size()); ++entry) {
        const int16_t& code = character.Pack[entry];
        if (entry < character.PackCount) {
            check.Require(code, FindItem(code) != nullptr, "no item has code " + std::to_string(code));
        } else {
            check.Require(code, code == 0,
                          "an entry beyond the pack's " + std::to_string(character.PackCount) +
                              " items is 0, not " + std::to_string(code));
        }
    }
}

// `MaxLoad` is 1600 for every character; a slot never filled holds 0. The
// checks go in the order of the fields, so that the first fault named is the first in the file.
void CheckCharacter(Checker& check, const PLAYER& character, bool empty_slot = false) {
    check.Require(character.Class, !ClassNameOf(character.Class).empty(),
                  "no class has code " + std::to_string(character.Class));
    check.Require(character.Race, !RaceNameOf(character.Race).empty(),
                  "no race has code " + std::to_string(character.Race));
    check.Require(character.Gender, !GenderNameOf(character.Gender).empty(),
                  "no gender has code " + std::to_string(character.Gender));
    check.Require(character.Alignment, !AlignmentNameOf(character.Alignment).empty(),
                  "no alignment has code " + std::to_string(character.Alignment));
    RequireItemOrNone(check, character.Weapon);
    CheckPack(check, character);
    RequireItemOrNone(check, character.Armor);
    check.Require(character.MaxLoad, character.MaxLoad == kMaxLoad || (empty_slot && character.MaxLoad == 0),
                  "the most a character carries is " + std::to_string(kMaxLoad) + ", not " +
                      std::to_string(character.MaxLoad));
    check.Require(character.Status, (character.Status & ~kKnownStatusBits) == 0,
                  "status " + std::to_string(character.Status) + " has bits of no status");
    RequireFlag(check, character.Active);
    for (const int16_t& reserved : character.Reserved) RequireZero(check, reserved);
    RequireZero(check, character.Reserved2);
    for (int pair = 0; pair < kSpellPairs; ++pair) {
        const int16_t& state = character.Spells[2 * pair];
        const int16_t& spell = character.Spells[2 * pair + 1];
        check.Require(state, IsSpellState(state),
                      "a memorised spell's state is 0, 1 or 3, not " + std::to_string(state));
        if (state != 0) check.InRange(spell, 1, kHighestSpell);
    }
}

// The party's rule: slots 0 .. NumPlayers - 1 are in play, active, and each
// holds the character at marching position slot + 1; the others are empty.
void CheckParty(Checker& check, const GameState& saved) {
    check.InRange(saved.NumPlayers, 0, 4);
    for (int slot = 0; slot < 4 && check.ok(); ++slot) {
        const PLAYER& character = saved.Party[slot];
        // Whether the slot is in play at all explains more than any of its fields.
        if (slot < saved.NumPlayers) {
            check.Require(character.Active, character.Active == True,
                          "a character in play has Active -1, not " + std::to_string(character.Active));
            check.Require(character.Position, character.Position == slot + 1,
                          "slot " + std::to_string(slot) + " marches at position " +
                              std::to_string(slot + 1) + ", not " + std::to_string(character.Position));
        } else {
            check.Require(character.Active, character.Active == False,
                          "a slot beyond NumPlayers has Active 0, not " + std::to_string(character.Active));
        }
        CheckCharacter(check, character, slot >= saved.NumPlayers);
        // Characters are told apart by name (loading refuses a second of a name).
        for (int earlier = 0; earlier < slot && slot < saved.NumPlayers; ++earlier) {
            check.Require(character.Name, character.Name != saved.Party[earlier].Name,
                          "slot " + std::to_string(earlier) + " holds a character of the same name");
        }
    }
}

void CheckPosition(Checker& check, const GameState& saved) {
    const BlockInfo* block = FindBlock(saved.CurrentBlock);
    check.Require(saved.CurrentBlock, block != nullptr,
                  "no block has number " + std::to_string(saved.CurrentBlock));
    if (!check.ok()) return;
    // The block's map is exactly this wide (a map of another width is not
    // loaded) and holds at most 400 cells.
    const int width = block->map_width;
    check.InRange(saved.PosX, 0, width - 1);
    check.InRange(saved.PosY, 0, kMapCellsUsed / width - 1);
    check.InRange(saved.Facing, 0, 3);
    check.InRange(saved.PosCell, 0, kMapCellsUsed - 1);
    check.Require(saved.PosCell, saved.PosCell == saved.PosY * width + saved.PosX,
                  "cell " + std::to_string(saved.PosCell) + " is not column " + std::to_string(saved.PosX) +
                      ", row " + std::to_string(saved.PosY) + " of a map " + std::to_string(width) +
                      " cells wide");
}

// Blocks 22..25 have no map and no encounters: their records stay as a new
// game or a cleared table leaves them.
bool IsEmptyBlock(const BlockEncounters& encounters) {
    BlockEncounters unset;
    unset.Cell.fill(-1);
    return encounters == BlockEncounters{} || encounters == unset;
}

void CheckEncounters(Checker& check, const GameState& saved) {
    for (int block = 0; block < kEncounterBlocks; ++block) {
        const BlockEncounters& encounters = saved.Encounters[block];
        for (const int16_t& cell : encounters.Cell) check.InRange(cell, -1, kMapCellsUsed - 1);
        for (const int16_t& pending : encounters.Pending) RequireFlag(check, pending);
        if (block < kBlockCount) continue;
        check.Require(encounters.Cell[0], IsEmptyBlock(encounters),
                      "block " + std::to_string(block) + " has no map, so no encounters");
    }
}

void CheckWorld(Checker& check, const GameState& saved) {
    CheckEncounters(check, saved);
    // The quest table holds flags; no object 0 exists to be redeemed.
    for (const int16_t& done : saved.QuestsDone)
        check.Require(
            done, done == False || (done == True && &done != &saved.QuestsDone[0]),
            "a quest is done (-1) or not (0), and there is no quest 0; not " + std::to_string(done));
    check.InRange(saved.GameHour, 0, 23);
    check.InRange(saved.GameMinute, 0, 59);
    // Two steps make a minute: the counter is 0 or 1 between steps.
    check.Require(saved.StepFraction, saved.StepFraction == 0.0f || saved.StepFraction == 1.0f,
                  "the step counter is 0 or 1, not " + FormatValue(saved.StepFraction));
    RequireFlag(check, saved.RoomRented);
    RequireFlag(check, saved.SearchMode);
    RequireFlag(check, saved.WagonRide);
}

bool Encoded(const ByteWriter& writer, std::vector<uint8_t>& bytes) {
    if (!writer.ok()) return false;
    bytes = writer.bytes();
    return true;
}

// Walks two states' saved parts side by side.
class SavedPartComparer {
  public:
    template <typename T>
    void Field(const char* /*name*/, const T& one, const T& other) {
        same_ = same_ && one == other;
    }
    template <typename Record>
    void Nested(const char* /*name*/, size_t /*index*/, const Record& one, const Record& other) {
        same_ = same_ && one == other;
    }
    bool same() const { return same_; }

  private:
    bool same_ = true;
};

bool Refuse(FileRefusal* out, const FileRefusal& why) {
    if (out) *out = why;
    return false;
}

}  // namespace

std::string FileRefusal::Describe() const {
    return "byte " + std::to_string(offset) + ", " + field + ": " + reason;
}

bool SameSavedPart(const GameState& one, const GameState& other) {
    SavedPartComparer compare;
    VisitSavedPart(compare, one, other);
    return compare.same();
}

bool EncodeCharacter(const PLAYER& character, std::vector<uint8_t>& bytes) {
    ByteWriter writer;
    VisitFields(writer, character);
    return Encoded(writer, bytes);
}

bool EncodeSavedGame(const GameState& state, std::vector<uint8_t>& bytes) {
    ByteWriter writer;
    VisitSavedPart(writer, state);
    return Encoded(writer, bytes);
}

bool DecodeCharacter(std::span<const uint8_t> bytes, PLAYER& out, FileRefusal* refusal,
                     std::vector<FieldReading>* readings) {
    PLAYER character;
    FieldNames names([&character](FieldNames& names) { VisitFields(names, character); });
    TracingReader reader(bytes, names, readings);
    VisitFields(reader, character);
    FileRefusal why;
    if (!reader.Finish(why)) return Refuse(refusal, why);
    Checker check(reader, names);
    CheckCharacter(check, character);
    if (!check.ok()) return Refuse(refusal, check.refusal());
    out = std::move(character);
    return true;
}

bool DecodeSavedGame(std::span<const uint8_t> bytes, GameState& out, FileRefusal* refusal,
                     std::vector<FieldReading>* readings) {
    GameState saved = out;
    FieldNames names([&saved](FieldNames& names) { VisitSavedPart(names, saved); });
    TracingReader reader(bytes, names, readings);
    VisitSavedPart(reader, saved);
    FileRefusal why;
    if (!reader.Finish(why)) return Refuse(refusal, why);
    Checker check(reader, names);
    CheckParty(check, saved);
    CheckPosition(check, saved);
    CheckWorld(check, saved);
    if (!check.ok()) return Refuse(refusal, check.refusal());
    out = std::move(saved);
    return true;
}

}  // namespace duskmoor
