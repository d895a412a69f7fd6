#include "party/character_files.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/safe_file.h"
#include "party/party.h"
#include "party/save_file_format.h"
#include "shell/game.h"
#include "script/script_host.h"

namespace duskmoor {
namespace {

namespace fs = std::filesystem;

// Little-endian bytes written by hand, independent of the game's writer.
struct Image {
    std::vector<uint8_t> bytes;
    Image& I16(int value) {
        bytes.push_back(static_cast<uint8_t>(value & 0xFF));
        bytes.push_back(static_cast<uint8_t>((value >> 8) & 0xFF));
        return *this;
    }
    Image& I32(long long value) {
        for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<uint8_t>((value >> (8 * i)) & 0xFF));
        return *this;
    }
    Image& Repeat(int count, int value) {
        for (int i = 0; i < count; ++i) I16(value);
        return *this;
    }
    Image& Text(const std::string& cp1252) {
        I16(static_cast<int>(cp1252.size()));
        bytes.insert(bytes.end(), cp1252.begin(), cp1252.end());
        return *this;
    }
};

int16_t Int16At(const std::vector<uint8_t>& bytes, size_t offset) {
    return static_cast<int16_t>(bytes.at(offset) | (bytes.at(offset + 1) << 8));
}
int32_t Int32At(const std::vector<uint8_t>& bytes, size_t offset) {
    uint32_t raw = 0;
    for (int i = 3; i >= 0; --i) raw = (raw << 8) | bytes.at(offset + i);
    return static_cast<int32_t>(raw);
}

void Put16(std::vector<uint8_t>& bytes, size_t offset, int value) {
    bytes.at(offset) = static_cast<uint8_t>(value & 0xFF);
    bytes.at(offset + 1) = static_cast<uint8_t>((value >> 8) & 0xFF);
}

std::vector<uint8_t> Encoded(const PLAYER& character) {
    std::vector<uint8_t> bytes;
    EXPECT_TRUE(EncodeCharacter(character, bytes));
    return bytes;
}
std::vector<uint8_t> Encoded(const GameState& state) {
    std::vector<uint8_t> bytes;
    EXPECT_TRUE(EncodeSavedGame(state, bytes));
    return bytes;
}

TEST(CharacterFile, EvroIsWrittenAs194BytesByteByByte) {
    Image expected;
    expected.Text("Evro");
    expected.I16(2).I16(0).I16(0).I16(48).I16(1).I16(0);  // thief, dwarf, male, 48, lawful neutral, no weapon
    expected.Repeat(25, 0);                               // an empty pack
    expected.I16(0).I16(18).I16(0);                       // PackCount, ToHit, Armor
    expected.I32(0);                                      // Experience
    expected.I16(4).I16(4).I16(9);                        // MaxHP, HP, AC
    expected.I32(0).I32(0).I32(0);                        // coins
    expected.I16(0).I16(1600).I16(2).I16(1).I16(1);       // Load, MaxLoad, Position, Status, Level
    expected.I16(15).I16(13).I16(11).I16(17).I16(12).I16(9);
    expected.I16(-1);        // Active
    expected.Repeat(5, 0);   // reserved
    expected.Repeat(3, 0);   // battle command and target, reserved
    expected.Repeat(26, 0);  // spells
    expected.Repeat(3, 0);   // the spell being cast
    ASSERT_EQ(expected.bytes.size(), 194u);

    const PLAYER evro = DefaultParty()[1];
    EXPECT_EQ(Encoded(evro), expected.bytes);
    PLAYER back;
    FileRefusal refusal;
    ASSERT_TRUE(DecodeCharacter(expected.bytes, back, &refusal)) << refusal.Describe();
    EXPECT_EQ(back, evro);
}

TEST(CharacterFile, EveryFieldSitsAtItsOffset) {
    PLAYER character;
    character.Name = "Andr\xE9";  // Windows-1252 e acute: one byte
    character.Class = 1;
    character.Race = 1;
    character.Gender = 1;
    character.Alignment = 8;
    character.Weapon = 603;
    for (int i = 0; i < 25; ++i) character.Pack[i] = static_cast<int16_t>(i < 24 ? 200 + i % 16 : 0);
    character.PackCount = 24;
    character.Armor = 704;
    character.Experience = -123456789;
    character.AC = -3;
    character.Gold = 2000000000;
    character.Silver = -5;
    character.Copper = 65536;
    character.Load = -32768;
    character.Position = 3;
    character.Charisma = 32767;
    character.Active = True;
    character.Reserved = {1, 2, 3, 4, 5};
    character.BattleCommand = 6;
    character.BattleTarget = 7;
    character.Reserved2 = 8;
    character.Spells = {1, 16, 3, 9, 0, 99};  // an empty pair may keep an old code
    character.CastSpell = 11;
    character.CastSource = 2;
    character.CastIndex = 505;

    const std::vector<uint8_t> bytes = Encoded(character);
    const size_t L = 5;
    ASSERT_EQ(bytes.size(), 190 + L);
    EXPECT_EQ(Int16At(bytes, 0), 5);
    EXPECT_EQ(bytes[6], 0xE9);
    EXPECT_EQ(Int16At(bytes, 2 + L + 10), 603);
    EXPECT_EQ(Int16At(bytes, 14 + L), 200);
    EXPECT_EQ(Int16At(bytes, 14 + L + 48), 0);  // Pack[24]
    EXPECT_EQ(Int16At(bytes, 64 + L), 24);
    EXPECT_EQ(Int16At(bytes, 68 + L), 704);
    EXPECT_EQ(Int32At(bytes, 70 + L), -123456789);
    EXPECT_EQ(Int16At(bytes, 78 + L), -3);
    EXPECT_EQ(Int32At(bytes, 80 + L), 2000000000);
    EXPECT_EQ(Int32At(bytes, 84 + L), -5);
    EXPECT_EQ(Int32At(bytes, 88 + L), 65536);
    EXPECT_EQ(Int16At(bytes, 92 + L), -32768);
    EXPECT_EQ(Int16At(bytes, 96 + L), 3);
    EXPECT_EQ(Int16At(bytes, 112 + L), 32767);
    EXPECT_EQ(Int16At(bytes, 114 + L), -1);
    EXPECT_EQ(Int16At(bytes, 116 + L), 1);
    EXPECT_EQ(Int16At(bytes, 124 + L), 5);
    EXPECT_EQ(Int16At(bytes, 126 + L), 6);
    EXPECT_EQ(Int16At(bytes, 128 + L), 7);
    EXPECT_EQ(Int16At(bytes, 130 + L), 8);
    EXPECT_EQ(Int16At(bytes, 132 + L + 2), 16);
    EXPECT_EQ(Int16At(bytes, 184 + L), 11);
    EXPECT_EQ(Int16At(bytes, 188 + L), 505);

    // The reserved fields are written as they stand but must be 0 to be read
    // back, and so must the most any character carries be 1600.
    PLAYER back;
    FileRefusal refusal;
    EXPECT_FALSE(DecodeCharacter(bytes, back, &refusal));
    EXPECT_EQ(refusal.Describe(), "byte 99, MaxLoad: the most a character carries is 1600, not 0");
    character.MaxLoad = kMaxLoad;
    EXPECT_FALSE(DecodeCharacter(Encoded(character), back, &refusal));
    EXPECT_EQ(refusal.Describe(), "byte 121, Reserved[0]: a reserved field is 0, not 1");
    character.Reserved = {};
    EXPECT_FALSE(DecodeCharacter(Encoded(character), back, &refusal));
    EXPECT_EQ(refusal.Describe(), "byte 135, Reserved2: a reserved field is 0, not 8");
    character.Reserved2 = 0;
    ASSERT_TRUE(DecodeCharacter(Encoded(character), back, &refusal)) << refusal.Describe();
    EXPECT_EQ(back, character);
}

TEST(CharacterFile, DamagedFilesAreRefusedWithWhereAndWhy) {
    const std::vector<uint8_t> good = Encoded(DefaultParty()[1]);
    struct Damage {
        size_t offset;
        int16_t value;
        const char* field;
    };
    // Evro's fields: Weapon at 16, Pack at 18, PackCount 68, Armor 72,
    // MaxLoad 98, Status 102, Active 118, Reserved 120..128, Reserved2 134.
    const Damage damages[] = {
        {68, 25, "PackCount"},
        {68, -1, "PackCount"},
        {6, 4, "Class"},
        {8, -1, "Race"},
        {10, 2, "Gender"},
        {14, 9, "Alignment"},
        {136, 2, "Spells[0]"},
        {136, 1, "Spells[1]"},
        {16, 13 + 8, "Weapon"},         // 21: between the potion and the equipment
        {16, -3, "Weapon"},             //
        {18 + 2 * 7, 3, "Pack[7]"},     // a dagger beyond an empty pack
        {18 + 2 * 24, 20, "Pack[24]"},  // the 25th entry is never used
        {72, 614, "Armor"},
        {98, 1601, "MaxLoad"},
        {98, 0, "MaxLoad"},
        {102, 8, "Status"},  // no status has bit 8
        {102, 512 + 1, "Status"},
        {102, -1, "Status"},
        {118, 1, "Active"},
        {120, 1, "Reserved[0]"},
        {128, -1, "Reserved[4]"},
        {134, 7, "Reserved2"},
    };
    for (const Damage& damage : damages) {
        std::vector<uint8_t> bytes = good;
        bytes[damage.offset] = static_cast<uint8_t>(damage.value & 0xFF);
        bytes[damage.offset + 1] = static_cast<uint8_t>((damage.value >> 8) & 0xFF);
        PLAYER out = DefaultParty()[0];
        FileRefusal refusal;
        EXPECT_FALSE(DecodeCharacter(bytes, out, &refusal)) << damage.field;
        EXPECT_EQ(refusal.field, damage.field);
        EXPECT_EQ(refusal.offset, damage.field == std::string("Spells[1]") ? 138u : damage.offset)
            << damage.field;
        EXPECT_EQ(out, DefaultParty()[0]);  // untouched
    }
    // A full pack of 24 items is fine, and so are a spell pair with code 16,
    // every status bit at once, a weapon and armour of every kind.
    std::vector<uint8_t> full = good;
    full[68] = 24;
    for (int entry = 0; entry < 24; ++entry) Put16(full, 18 + 2 * entry, entry % 2 ? 113 : 612);
    full[136] = 3;
    full[138] = 16;
    Put16(full, 102, 1 + 2 + 4 + 64 + 128 + 256);
    Put16(full, 16, 607);
    Put16(full, 72, 704);
    PLAYER out;
    FileRefusal why;
    EXPECT_TRUE(DecodeCharacter(full, out, &why)) << why.Describe();
    Put16(full, 16, 0);
    Put16(full, 72, 15);
    EXPECT_TRUE(DecodeCharacter(full, out, &why)) << why.Describe();

    // Every shortening of the file is refused, and so is a byte too many.
    for (size_t size = 0; size < good.size(); ++size) {
        FileRefusal refusal;
        EXPECT_FALSE(DecodeCharacter(std::span(good.data(), size), out, &refusal)) << size;
        EXPECT_NE(refusal.reason.find("the file ends inside"), std::string::npos) << size;
    }
    std::vector<uint8_t> longer = good;
    longer.push_back(0);
    FileRefusal refusal;
    EXPECT_FALSE(DecodeCharacter(longer, out, &refusal));
    EXPECT_EQ(refusal.Describe(), "byte 194, (end of the record): 1 byte follows the end of the record");
    // A name length that runs past the end.
    std::vector<uint8_t> long_name = good;
    long_name[0] = 0xFF;
    EXPECT_FALSE(DecodeCharacter(long_name, out, &refusal));
    EXPECT_EQ(refusal.Describe(), "byte 0, Name: the file ends inside a text at byte 2 (needs 255, has 192)");
}

// A game in the middle of play with two characters.
GameState TwoCharacterGame() {
    GameState state;
    std::array<PLAYER, 4> defaults = DefaultParty();
    state.Party[0] = defaults[2];
    state.Party[0].Position = 1;
    state.Party[0].Pack[0] = 20;
    state.Party[0].PackCount = 1;
    state.Party[1] = defaults[1];
    state.NumPlayers = 2;
    state.CurrentBlock = 11;
    state.PosX = 3;
    state.PosY = 2;
    state.PosCell = 17;
    state.Facing = 0;
    for (BlockEncounters& block : state.Encounters) block.Cell.fill(-1);
    state.Encounters[5].Cell[2] = 77;
    state.Encounters[5].Pending[2] = True;
    state.Encounters[21].RandomLeft = 4;
    state.GameHour = 23;
    state.GameMinute = 59;
    state.StepFraction = 1.0f;
    state.RoomRented = True;
    state.BankGold = 5000;
    state.BankSilver = 20;
    state.BankCopper = 1;
    state.SearchMode = True;
    state.QuestsDone[3] = True;
    state.WagonRide = True;
    state.LogText = "log";
    state.CluesText = "\xE9";
    return state;
}

TEST(SavedGameFile, TwoCharactersThenTwoEmptySlots) {
    const GameState state = TwoCharacterGame();
    const std::vector<uint8_t> bytes = Encoded(state);
    const size_t party_end = 2 + (190 + 6) + (190 + 4) + 190 + 190;
    const size_t encounters_end = party_end + 10 + 26 * 106;
    ASSERT_EQ(bytes.size(), encounters_end + 8 + 2 + 12 + 2 + 30 + 2 + (2 + 3) + (2 + 1));
    EXPECT_EQ(Int16At(bytes, 0), 2);
    EXPECT_EQ(Int16At(bytes, 2), 6);                    // "Sharah"
    EXPECT_EQ(Int16At(bytes, 2 + 196), 4);              // "Evro"
    EXPECT_EQ(Int16At(bytes, 2 + 196 + 194), 0);        // slot 2: no name
    EXPECT_EQ(Int16At(bytes, 2 + 196 + 194 + 190), 0);  // slot 3: no name
    EXPECT_EQ(Int16At(bytes, 2 + 196 + 194 + 114), 0);  // slot 2 inactive
    EXPECT_EQ(Int16At(bytes, party_end), 11);
    EXPECT_EQ(Int16At(bytes, party_end + 2), 3);
    EXPECT_EQ(Int16At(bytes, party_end + 4), 2);
    EXPECT_EQ(Int16At(bytes, party_end + 6), 17);
    EXPECT_EQ(Int16At(bytes, party_end + 8), 0);
    const size_t block5 = party_end + 10 + 5 * 106;
    EXPECT_EQ(Int16At(bytes, block5 + 4), 77);
    EXPECT_EQ(Int16At(bytes, block5 + 52 + 4), -1);
    EXPECT_EQ(Int16At(bytes, party_end + 10 + 21 * 106 + 104), 4);
    EXPECT_EQ(Int16At(bytes, encounters_end), 23);
    EXPECT_EQ(Int16At(bytes, encounters_end + 2), 59);
    EXPECT_EQ(Int32At(bytes, encounters_end + 4), 0x3F800000);  // 1.0f
    EXPECT_EQ(Int16At(bytes, encounters_end + 8), -1);
    EXPECT_EQ(Int32At(bytes, encounters_end + 10), 5000);
    EXPECT_EQ(Int32At(bytes, encounters_end + 18), 1);
    EXPECT_EQ(Int16At(bytes, encounters_end + 22), -1);
    EXPECT_EQ(Int16At(bytes, encounters_end + 24 + 6), -1);  // QuestsDone[3]
    EXPECT_EQ(Int16At(bytes, encounters_end + 54), -1);      // WagonRide
    EXPECT_EQ(Int16At(bytes, encounters_end + 56), 3);
    EXPECT_EQ(bytes[encounters_end + 58], 'l');
    EXPECT_EQ(Int16At(bytes, encounters_end + 61), 1);
    EXPECT_EQ(bytes.back(), 0xE9);

    GameState loaded;
    FileRefusal refusal;
    ASSERT_TRUE(DecodeSavedGame(bytes, loaded, &refusal)) << refusal.Describe();
    EXPECT_EQ(loaded.NumPlayers, 2);
    EXPECT_TRUE(SameSavedPart(loaded, state));
}

TEST(SavedGameFile, RefusesWhatWouldBreakTheGame) {
    const std::vector<uint8_t> good = Encoded(TwoCharacterGame());
    const size_t slot1 = 2 + 196, slot2 = slot1 + 194, party_end = slot2 + 380;
    const size_t clock = party_end + 10 + 26 * 106;
    struct Damage {
        size_t offset;
        int value;
        const char* field;
    };
    // Fields inside a slot lie at their character-file offset plus the name's length (Evro: 4).
    const Damage damages[] = {
        {0, 5, "NumPlayers"},
        {0, -1, "NumPlayers"},
        {0, 3, "Party[2].Active"},  // a third member that is not there
        {0, 1, "Party[1].Active"},  // a member beyond the party
        {slot1 + 4 + 96, 3, "Party[1].Position"},
        {slot1 + 4 + 114, 1, "Party[1].Active"},
        {slot2 + 114, -1, "Party[2].Active"},
        {slot2 + 64, 25, "Party[2].PackCount"},
        {slot1 + 4 + 2, 7, "Party[1].Class"},
        {party_end, 22, "CurrentBlock"},
        {party_end, -1, "CurrentBlock"},
        {party_end + 2, 20, "PosX"},
        {party_end + 2, 7, "PosX"},  // block 11 is 7 cells wide
        {party_end + 4, -1, "PosY"},
        {party_end + 6, 18, "PosCell"},
        {party_end + 8, 4, "Facing"},
        {party_end + 10 + 7 * 106 + 4, 400, "Encounters[7].Cell[2]"},
        {party_end + 10 + 7 * 106 + 4, -2, "Encounters[7].Cell[2]"},
        {clock, 24, "GameHour"},
        {clock + 2, 60, "GameMinute"},
        {clock + 2, -1, "GameMinute"},
        {clock + 6, 0x4000, "StepFraction"},      // 2.0f: a step counter that never completes a minute
        {clock + 6, 0x7FC0, "StepFraction"},      // not a number
        {slot1 + 4 + 14, 5, "Party[1].Pack[0]"},  // beyond Evro's empty pack
        {2 + 6 + 14, 22, "Party[0].Pack[0]"},     // no item has code 22
        {slot2 + 94, 1600 + 1, "Party[2].MaxLoad"},
        {slot2 + 98, 16, "Party[2].Status"},
        {slot2 + 116, 1, "Party[2].Reserved[0]"},
        {party_end + 10 + 5 * 106 + 52 + 4, 1, "Encounters[5].Pending[2]"},
        {party_end + 10 + 22 * 106, 5, "Encounters[22].Cell[0]"},
        {party_end + 10 + 24 * 106 + 52 + 2, -1, "Encounters[24].Cell[0]"},  // a pending entry
        {party_end + 10 + 25 * 106 + 104, 1, "Encounters[25].Cell[0]"},      // random encounters
        {clock + 8, 1, "RoomRented"},
        {clock + 22, 2, "SearchMode"},
        {clock + 54, -2, "WagonRide"},
    };
    for (const Damage& damage : damages) {
        std::vector<uint8_t> bytes = good;
        Put16(bytes, damage.offset, damage.value);
        GameState out;
        FileRefusal refusal;
        EXPECT_FALSE(DecodeSavedGame(bytes, out, &refusal)) << damage.field;
        EXPECT_EQ(refusal.field, damage.field) << refusal.Describe();
        EXPECT_TRUE(SameSavedPart(out, GameState{}));
    }
    // The log's length running past the end, and a byte too many.
    std::vector<uint8_t> bytes = good;
    Put16(bytes, clock + 56, 9);
    GameState out;
    FileRefusal refusal;
    EXPECT_FALSE(DecodeSavedGame(bytes, out, &refusal));
    EXPECT_EQ(refusal.field, "LogText");
    bytes = good;
    bytes.push_back(0);
    EXPECT_FALSE(DecodeSavedGame(bytes, out, &refusal));
    EXPECT_EQ(refusal.offset, good.size());
    for (size_t size = 0; size < good.size(); size += 7)
        EXPECT_FALSE(DecodeSavedGame(std::span(good.data(), size), out)) << size;
    EXPECT_FALSE(DecodeSavedGame(std::span(good.data(), good.size() - 1), out));

    // Two members of one name: the second is refused where its name starts.
    GameState twins = TwoCharacterGame();
    twins.Party[0].Name = "Evro";
    EXPECT_FALSE(DecodeSavedGame(Encoded(twins), out, &refusal));
    EXPECT_EQ(refusal.Describe(), "byte 196, Party[1].Name: slot 0 holds a character of the same name");
    // A name left in a slot beyond the party is no twin.
    twins.NumPlayers = 1;
    twins.Party[1].Active = False;
    EXPECT_TRUE(DecodeSavedGame(Encoded(twins), out, &refusal)) << refusal.Describe();
}

TEST(SavedGameFile, AcceptsEveryLegalPartySize) {
    std::array<PLAYER, 4> defaults = DefaultParty();
    for (int count = 0; count <= 4; ++count) {
        GameState state;
        state.NumPlayers = static_cast<int16_t>(count);
        for (int slot = 0; slot < count; ++slot) state.Party[slot] = defaults[slot];
        // The last cell of a map 8 wide, in the Chamber; the table of a
        // program that has not started a game yet.
        state.CurrentBlock = 9;
        state.PosX = 7;
        state.PosY = 49;
        state.PosCell = 399;
        GameState out;
        FileRefusal refusal;
        EXPECT_TRUE(DecodeSavedGame(Encoded(state), out, &refusal)) << count << ": " << refusal.Describe();
    }
}

// The committed samples of damaged files, each judged by hand where it was
// made (tests/data/corpus/make_corpus.py): accepted, or refused at a byte
// and field worked out there independently of the loader.
TEST(FileCorpus, EverySampleIsJudgedAsWorkedOutByHand) {
    for (const std::string kind : {"chr", "dms"}) {
        const fs::path folder = fs::path(DUSKMOOR_TEST_DATA) / "corpus" / kind;
        std::ifstream judged(folder / "judged.txt");
        std::string line;
        int samples = 0;
        while (std::getline(judged, line)) {
            SCOPED_TRACE(line);
            const std::string name = line.substr(0, line.find(' '));
            const std::string verdict = line.substr(name.size() + 1);
            std::vector<uint8_t> bytes;
            std::string error;
            ASSERT_TRUE(ReadWholeFile((folder / name).string(), kMaxSavedGameSize, bytes, error)) << error;
            FileRefusal refusal;
            PLAYER character;
            GameState saved;
            const bool good = kind == "chr" ? DecodeCharacter(bytes, character, &refusal)
                                            : DecodeSavedGame(bytes, saved, &refusal);
            EXPECT_EQ(good, verdict == "good") << refusal.Describe();
            if (!good) {
                EXPECT_EQ(refusal.Describe().substr(0, verdict.size() + 1), verdict + ":");
            }
            ++samples;
        }
        // Every sample in the folder is judged.
        EXPECT_EQ(samples + 1, std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
        EXPECT_GT(samples, 15);
    }
}

TEST(FileNames, SuffixRuleIsCaseSensitive) {
    EXPECT_EQ(WithExtension("/g/Characters/Evro.chr", "chr"), "/g/Characters/Evro.chr");
    EXPECT_EQ(WithExtension("/g/Characters/x.CHR", "chr"), "/g/Characters/x.CHR.chr");
    EXPECT_EQ(WithExtension("/g/Characters/Evro", "chr"), "/g/Characters/Evro.chr");
    EXPECT_EQ(WithExtension("/g/Characters/Evrochr", "chr"), "/g/Characters/Evrochr");
    EXPECT_EQ(WithExtension("/g/Saves/game.dms", "dms"), "/g/Saves/game.dms");
    EXPECT_EQ(WithExtension("/g/Saves/game.chr", "dms"), "/g/Saves/game.chr.dms");
    EXPECT_EQ(WithExtension("ms", "dms"), "ms.dms");
}

// A script host whose file dialog answers from a queue and remembers what it was asked.
class FilesHost : public ScriptHost {
  public:
    FilesHost(std::istream& script, std::ostream& transcript)
        : ScriptHost(script, transcript, "/nonexistent/") {}
    std::string FileDialog(const FileDialogRequest& request) override {
        requests.push_back(request);
        if (answers.empty()) return {};
        std::string answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::deque<std::string> answers;
    std::vector<FileDialogRequest> requests;
};

// Enough OK clicks for every message a test shows.
std::string Clicks() {
    std::string script;
    for (int i = 0; i < 40; ++i) script += "click cmdButton1\n";
    return script;
}

struct FilesGame {
    FilesGame() : input(Clicks()), host(input, transcript) {
        std::string pattern = (fs::temp_directory_path() / "duskmoor-files-XXXXXX").string();
        folder = mkdtemp(pattern.data());
        game.state.AppPath = folder + "/";
    }
    ~FilesGame() { fs::remove_all(folder); }
    std::string Said() {
        std::string said = transcript.str();
        transcript.str("");
        return said;
    }
    std::istringstream input;
    std::ostringstream transcript;
    FilesHost host;
    Game game{host};
    std::string folder;
};

TEST(CharacterOperations, SaveThenLoadWithEveryCheck) {
    FilesGame files;
    GameState& state = files.game.state;
    state.Party = DefaultParty();
    state.NumPlayers = 4;

    // Saving proposes the name and the folder, and keeps a suffix only when it is exactly "chr".
    files.host.answers = {files.folder + "/Characters/x.CHR"};
    SaveCharacter(files.game, 1);
    ASSERT_EQ(files.host.requests.size(), 1u);
    EXPECT_TRUE(files.host.requests[0].saving);
    EXPECT_EQ(files.host.requests[0].filter, "Character Files (*.chr*)|*.chr*|");
    EXPECT_EQ(files.host.requests[0].folder, files.folder + "/Characters/");
    EXPECT_EQ(files.host.requests[0].default_name, "Evro.chr");
    EXPECT_TRUE(fs::is_directory(files.folder + "/Characters"));
    EXPECT_EQ(files.Said(), "dialog 1 Evro has been saved to disk.\n");
    const std::string evro_file = files.folder + "/Characters/x.CHR.chr";
    std::vector<uint8_t> bytes;
    std::string error;
    ASSERT_TRUE(ReadWholeFile(evro_file, 1000, bytes, error)) << error;
    EXPECT_EQ(bytes, Encoded(DefaultParty()[1]));

    // Cancelling writes nothing and says nothing.
    SaveCharacter(files.game, 0);
    EXPECT_EQ(files.Said(), "");
    EXPECT_EQ(fs::directory_iterator(files.folder + "/Characters")->path(), evro_file);

    // A full party, then a party outside town.
    LoadCharacterAtStart(files.game);
    EXPECT_EQ(files.Said(), "dialog 1 You have already filled the party.\n");
    LoadCharacter(files.game);
    EXPECT_EQ(files.Said(), "dialog 1 You have a full party.  Remove a character before adding another.\n");
    state.NumPlayers = 1;
    state.Party[1] = state.Party[2] = state.Party[3] = PLAYER{};
    state.CurrentBlock = 3;
    LoadCharacter(files.game);
    EXPECT_EQ(files.Said(), "dialog 1 Characters can only be loaded in town.\n");
    EXPECT_EQ(files.host.requests.size(), 2u);

    // The start prompt has no town check.
    const std::array<PLAYER, 4> one_member = state.Party;
    files.host.answers = {evro_file, evro_file};
    LoadCharacterAtStart(files.game);
    EXPECT_EQ(files.Said(), "dialog 1 Evro has been retrieved from disk.\n");
    EXPECT_EQ(files.host.requests.back().folder, files.folder + "/Characters/");
    EXPECT_FALSE(files.host.requests.back().saving);
    EXPECT_EQ(state.NumPlayers, 2);
    EXPECT_EQ(state.Party[1].Name, "Evro");
    EXPECT_EQ(state.Party[1].Active, True);
    EXPECT_EQ(state.Party[1].Position, 2);
    EXPECT_EQ(state.Party[0], one_member[0]);

    // The same character twice.
    state.CurrentBlock = 0;
    const std::array<PLAYER, 4> two_members = state.Party;
    LoadCharacter(files.game);
    EXPECT_EQ(files.Said(), "dialog 1 Evro has already been loaded.\n");
    EXPECT_EQ(state.NumPlayers, 2);
    EXPECT_EQ(state.Party, two_members);

    // A cancelled dialog, a missing file and a damaged file all read as errors.
    files.host.answers = {"", files.folder + "/Characters/none.chr", files.folder + "/Characters/bad.chr"};
    bytes.resize(100);
    ASSERT_TRUE(WriteFileAtomically(files.folder + "/Characters/bad.chr", bytes, error));
    for (int attempt = 0; attempt < 3; ++attempt) LoadCharacter(files.game);
    EXPECT_EQ(files.Said(),
              "msgbox Error reading character from disk.\n"
              "msgbox Error reading character from disk.\n"
              "msgbox Error reading character from disk.\n");
    EXPECT_EQ(state.NumPlayers, 2);
    EXPECT_EQ(state.Party, two_members);
}

TEST(CharacterOperations, AFailedSaveKeepsTheOldFile) {
    FilesGame files;
    files.game.state.Party = DefaultParty();
    files.game.state.NumPlayers = 4;
    const std::string target = files.folder + "/Characters/Hero.chr";
    files.host.answers = {target, target, target + "/inside"};
    SaveCharacter(files.game, 0);
    SaveCharacter(files.game, 3);
    EXPECT_EQ(files.Said(),
              "dialog 1 Rhomadon has been saved to disk.\ndialog 1 Whisper has been saved to disk.\n");
    PLAYER read;
    ASSERT_TRUE(ReadCharacterFile(target, read));
    EXPECT_EQ(read.Name, "Whisper");
    ASSERT_TRUE(ReadCharacterFile(BackupPath(target), read));
    EXPECT_EQ(read.Name, "Rhomadon");
    SaveCharacter(files.game, 1);  // into a "folder" that is a file
    EXPECT_EQ(files.Said(), "msgbox Error saving character to disk.\n");
    ASSERT_TRUE(ReadCharacterFile(target, read));
    EXPECT_EQ(read.Name, "Whisper");
}

// Everything a load could touch, to compare before and after.
struct Touchable {
    explicit Touchable(const GameState& state)
        : saved(state),
          flags{state.LoadPending, state.GameActive, state.InWilderness, state.NewGamePending} {}
    bool operator==(const Touchable& other) const {
        return SameSavedPart(saved, other.saved) && flags == other.flags;
    }
    GameState saved;
    std::array<int16_t, 4> flags;
};

TEST(GameOperations, SaveAndLoadAGameWithTwoCharacters) {
    FilesGame files;
    GameState& state = files.game.state;
    const std::string app_path = state.AppPath;
    state = TwoCharacterGame();
    state.AppPath = app_path;
    state.StepFraction = 0.0f;

    files.host.answers = {files.folder + "/Saves/crypt.DMS"};
    SaveGame(files.game);
    EXPECT_EQ(files.Said(), "dialog 1 Game has been saved to disk.\n");
    ASSERT_EQ(files.host.requests.size(), 1u);
    EXPECT_EQ(files.host.requests[0].filter, "Duskmoor Save (*.dms*)|*.dms*|");
    EXPECT_EQ(files.host.requests[0].folder, files.folder + "/Saves/");
    EXPECT_EQ(files.host.requests[0].default_name, "");
    const std::string saved_path = files.folder + "/Saves/crypt.DMS.dms";
    EXPECT_TRUE(fs::exists(saved_path));

    // Cancelling the save dialog says nothing.
    SaveGame(files.game);
    EXPECT_EQ(files.Said(), "");

    const GameState expected = state;
    GameState fresh;
    fresh.AppPath = app_path;
    fresh.InWilderness = False;
    state = fresh;
    EXPECT_FALSE(LoadGame(files.game));  // cancelled
    EXPECT_EQ(files.Said(), "");
    files.host.answers = {saved_path};
    EXPECT_TRUE(LoadGame(files.game));
    EXPECT_EQ(files.Said(), "dialog 1 Game has been loaded from disk.\n");
    EXPECT_EQ(state.NumPlayers, 2);
    EXPECT_EQ(state.LoadPending, True);
    EXPECT_EQ(state.GameActive, True);
    EXPECT_EQ(state.RoomRented, True);
    EXPECT_EQ(state.SearchMode, True);
    EXPECT_EQ(state.InWilderness, False);
    // One clock step after loading.
    EXPECT_EQ(state.StepFraction, 1.0f);
    GameState loaded = state;
    loaded.StepFraction = 0.0f;
    EXPECT_TRUE(SameSavedPart(loaded, expected));
}

TEST(GameOperations, RefusedFilesLeaveTheGameAsItWas) {
    FilesGame files;
    GameState& state = files.game.state;
    const std::string app_path = state.AppPath;
    state = TwoCharacterGame();
    state.AppPath = app_path;
    std::vector<uint8_t> good = Encoded(state);
    state.Party[0].HP = 1;
    state.GameHour = 7;
    state.LogText = "something else";
    const Touchable before(state);

    std::string error;
    std::vector<uint8_t> truncated(good.begin(), good.begin() + 2000);
    std::vector<uint8_t> corrupted = good;
    Put16(corrupted, 0, 9);
    ASSERT_TRUE(EnsureFolder(files.folder + "/Saves"));
    ASSERT_TRUE(WriteFileAtomically(files.folder + "/Saves/truncated.dms", truncated, error));
    ASSERT_TRUE(WriteFileAtomically(files.folder + "/Saves/corrupted.dms", corrupted, error));
    files.host.answers = {files.folder + "/Saves/truncated.dms", files.folder + "/Saves/corrupted.dms",
                          files.folder + "/Saves/missing.dms", files.folder + "/Saves"};
    for (int attempt = 0; attempt < 4; ++attempt) EXPECT_FALSE(LoadGame(files.game));
    std::string said;
    for (int attempt = 0; attempt < 4; ++attempt) said += "msgbox Error reading game from disk.\n";
    EXPECT_EQ(files.Said(), said);
    EXPECT_TRUE(Touchable(state) == before);

    // A save that cannot be written says so and leaves the old save alone.
    files.host.answers = {files.folder + "/Saves/truncated.dms/x"};
    SaveGame(files.game);
    EXPECT_EQ(files.Said(), "msgbox Error saving game to disk.\n");
    std::vector<uint8_t> still;
    ASSERT_TRUE(ReadWholeFile(files.folder + "/Saves/truncated.dms", 1 << 20, still, error));
    EXPECT_EQ(still, truncated);
    // A log too long for its 16-bit length cannot be saved faithfully.
    state.LogText.assign(70000, 'x');
    files.host.answers = {files.folder + "/Saves/long.dms"};
    SaveGame(files.game);
    EXPECT_EQ(files.Said(), "msgbox Error saving game to disk.\n");
    EXPECT_FALSE(fs::exists(files.folder + "/Saves/long.dms"));
}

}  // namespace
}  // namespace duskmoor
