#include "party/party.h"

#include <gtest/gtest.h>

#include "core/binary_io.h"
#include "party/code_tables.h"
#include "shell/game_state.h"

namespace duskmoor {
namespace {

TEST(CodeTables, NamesAndCodesOutsideTheTables) {
    EXPECT_EQ(ClassNameOf(1), "Magic-User");
    EXPECT_EQ(ClassNameOf(4), "");
    EXPECT_EQ(ClassNameOf(-1), "");
    EXPECT_EQ(RaceNameOf(2), "Halfling");
    EXPECT_EQ(GenderNameOf(1), "Female");
    EXPECT_EQ(GenderNameOf(2), "");
    EXPECT_EQ(AlignmentNameOf(4), "True Neutral");
    EXPECT_EQ(AlignmentNameOf(8), "Chaotic Evil");
    EXPECT_EQ(AlignmentNameOf(9), "");
}

TEST(CodeTables, StatusNameByPriority) {
    EXPECT_EQ(StatusNameOf(256 + 4), "Dead");
    EXPECT_EQ(StatusNameOf(2 + 4 + 1), "Unconcious");
    EXPECT_EQ(StatusNameOf(4 + 128), "Poisoned");
    EXPECT_EQ(StatusNameOf(128 + 1), "Cursed");
    EXPECT_EQ(StatusNameOf(1 + 64), "Ok");
    EXPECT_EQ(StatusNameOf(64), "");
    EXPECT_EQ(StatusNameOf(0), "");
}

TEST(Party, PanelFollowsTheMarchingOrder) {
    GameState state;
    state.NumPlayers = 2;
    state.Party[0].Name = "Evro";
    state.Party[0].Active = True;
    state.Party[0].Position = 2;
    state.Party[0].HP = -2;
    state.Party[0].MaxHP = 10;
    state.Party[0].AC = -1;
    state.Party[0].Class = 2;
    state.Party[1].Name = "Sharah";
    state.Party[1].Active = True;
    state.Party[1].Position = 1;
    state.Party[1].HP = 3;
    state.Party[1].MaxHP = 10;
    state.Party[1].AC = 9;
    state.Party[1].Class = 3;
    auto rows = PartyPanelRows(state);
    EXPECT_EQ(rows[0].name, "Sharah");
    EXPECT_EQ(rows[0].hit_points, "HP: 3/10");
    EXPECT_EQ(rows[0].armor_class, "AC: 9");
    EXPECT_EQ(rows[0].class_name, "Cleric");
    EXPECT_EQ(rows[1].name, "Evro");
    EXPECT_EQ(rows[1].hit_points, "HP: -2/10");
    EXPECT_EQ(rows[1].armor_class, "AC: -1");
    EXPECT_EQ(rows[2].name, "");
    EXPECT_EQ(rows[3].hit_points, "");
}

TEST(Party, PanelLeavesARowWithoutItsCharacterEmpty) {
    GameState state;
    state.NumPlayers = 2;
    state.Party[0] = DefaultParty()[0];
    state.Party[1] = DefaultParty()[1];
    state.Party[1].Position = 3;  // nobody marches second
    auto rows = PartyPanelRows(state);
    EXPECT_EQ(rows[0].name, "Rhomadon");
    EXPECT_EQ(rows[1].name, "");
    // Names are kept in the files' code page and shown in UTF-8.
    state.Party[0].Name = "J\xF6rg";
    EXPECT_EQ(PartyPanelRows(state)[0].name, "Jörg");
}

TEST(Party, DefaultPartyIsTheFourReadyMadeCharacters) {
    auto party = DefaultParty();
    const char* names[] = {"Rhomadon", "Evro", "Sharah", "Whisper"};
    for (int slot = 0; slot < 4; ++slot) {
        const PLAYER& member = party[slot];
        EXPECT_EQ(member.Name, names[slot]);
        EXPECT_EQ(member.Position, slot + 1);
        EXPECT_EQ(member.Active, True);
        EXPECT_EQ(member.Level, 1);
        EXPECT_EQ(member.Status, 1);
        EXPECT_EQ(member.MaxLoad, 1600);
        EXPECT_EQ(member.AC, 9);
        EXPECT_EQ(member.HP, member.MaxHP);
        EXPECT_EQ(member.Gold + member.Silver + member.Copper + member.Experience, 0);
        EXPECT_EQ(member.PackCount, 0);
    }
    const PLAYER& whisper = party[3];
    EXPECT_EQ(whisper.Class, 1);
    EXPECT_EQ(whisper.Race, 2);
    EXPECT_EQ(whisper.Gender, 1);
    EXPECT_EQ(whisper.Age, 113);
    EXPECT_EQ(whisper.HP, 4);
    EXPECT_EQ(whisper.ToHit, 18);
    EXPECT_EQ(whisper.Intelligence, 17);
    EXPECT_EQ(party[1].Alignment, 1);
    EXPECT_EQ(party[1].Dexterity, 17);
    EXPECT_EQ(party[0].ToHit, 15);
    EXPECT_EQ(party[0].Constitution, 17);
    EXPECT_EQ(party[2].Wisdom, 16);
    EXPECT_EQ(party[2].Charisma, 10);
}

TEST(Party, DeathNeedsEveryMemberDown) {
    GameState state;
    EXPECT_TRUE(PartyIsDead(state));  // an empty party
    state.NumPlayers = 2;
    state.Party = DefaultParty();
    state.Party[0].HP = 0;
    state.Party[1].HP = 1;
    EXPECT_FALSE(PartyIsDead(state));
    state.Party[1].HP = -3;
    EXPECT_TRUE(PartyIsDead(state));  // slots beyond NumPlayers do not count
}

TEST(Party, GoldTotalRoundsEachShareHalfToEven) {
    GameState state;
    state.NumPlayers = 2;
    state.Party[0].Gold = 10;
    state.Party[0].Silver = 25;   // 2.5 -> 2
    state.Party[0].Copper = 150;  // 1.5 -> 2
    state.Party[1].Silver = 35;   // 3.5 -> 4
    state.Party[2].Gold = 1000;   // not in the party
    EXPECT_EQ(PartyGoldTotal(state), 10 + 2 + 2 + 4);
}

TEST(PlayerRecord, FieldsWalkInFileOrder) {
    PLAYER evro = DefaultParty()[1];
    evro.Reserved[0] = 0;
    evro.Experience = 70000;
    evro.Spells[25] = 16;
    evro.CastIndex = 503;
    ByteWriter writer;
    VisitFields(writer, evro);
    const auto& bytes = writer.bytes();
    ASSERT_EQ(bytes.size(), 194u);  // 190 bytes of fields and the four letters
    auto word = [&](size_t offset) { return static_cast<int16_t>(bytes[offset] | (bytes[offset + 1] << 8)); };
    const size_t L = 4;
    EXPECT_EQ(word(0), 4);
    EXPECT_EQ(word(2 + L), 2);       // Class: thief
    EXPECT_EQ(word(2 + L + 6), 48);  // Age
    EXPECT_EQ(bytes[70 + L] | (bytes[71 + L] << 8) | (bytes[72 + L] << 16), 70000);
    EXPECT_EQ(word(92 + L + 4), 2);     // Position
    EXPECT_EQ(word(92 + L + 22), -1);   // Active
    EXPECT_EQ(word(132 + L + 50), 16);  // the last Spells entry
    EXPECT_EQ(word(188 + L), 503);      // CastIndex

    PLAYER back;
    ByteReader reader(bytes);
    VisitFields(reader, back);
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_EQ(back, evro);
}

}  // namespace
}  // namespace duskmoor
