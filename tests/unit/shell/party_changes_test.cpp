#include "shell/party_changes.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <regex>
#include <sstream>

#include "party/party.h"
#include "shell/frm_credits.h"
#include "shell/frm_party.h"
#include "shell/frm_remove.h"
#include "shell/game.h"
#include "script/script_host.h"

namespace duskmoor {
namespace {

GameState PartyOf(int count) {
    GameState state;
    state.Party = DefaultParty();
    for (int slot = count; slot < 4; ++slot) state.Party[slot] = PLAYER{};
    state.NumPlayers = static_cast<int16_t>(count);
    return state;
}

// Slots 0 .. NumPlayers - 1 active with positions 1 .. NumPlayers in slot order, the rest inactive.
void ExpectPartyInvariant(const GameState& state) {
    for (int slot = 0; slot < 4; ++slot) {
        if (slot < state.NumPlayers) {
            EXPECT_EQ(state.Party[slot].Active, -1) << "slot " << slot;
            EXPECT_EQ(state.Party[slot].Position, slot + 1) << "slot " << slot;
        } else {
            EXPECT_EQ(state.Party[slot].Active, 0) << "slot " << slot;
        }
    }
}

TEST(PartyChanges, RemovingCharactersClosesTheGap) {
    GameState state = PartyOf(3);
    RemoveFromParty(state, 1);
    EXPECT_EQ(state.NumPlayers, 2);
    EXPECT_EQ(state.Party[0].Name, "Rhomadon");
    EXPECT_EQ(state.Party[1].Name, "Sharah");
    ExpectPartyInvariant(state);
    EXPECT_EQ(state.Party[2], PLAYER{});

    state = PartyOf(4);
    RemoveFromParty(state, 0);
    EXPECT_EQ(state.NumPlayers, 3);
    EXPECT_EQ(state.Party[0].Name, "Evro");
    EXPECT_EQ(state.Party[2].Name, "Whisper");
    ExpectPartyInvariant(state);

    state = PartyOf(4);
    RemoveFromParty(state, 3);
    EXPECT_EQ(state.NumPlayers, 3);
    EXPECT_EQ(state.Party[2].Name, "Sharah");
    ExpectPartyInvariant(state);

    state = PartyOf(1);
    RemoveFromParty(state, 0);
    EXPECT_EQ(state.NumPlayers, 0);
    ExpectPartyInvariant(state);

    // A slot that is not in play changes nothing.
    state = PartyOf(2);
    RemoveFromParty(state, 2);
    RemoveFromParty(state, -1);
    EXPECT_EQ(state.NumPlayers, 2);
    ExpectPartyInvariant(state);
}

TEST(PartyChanges, TypedPositions) {
    EXPECT_EQ(TypedPosition("1"), 1);
    EXPECT_EQ(TypedPosition(" 4 "), 4);
    EXPECT_EQ(TypedPosition("0"), 0);
    EXPECT_EQ(TypedPosition("5"), 0);
    EXPECT_EQ(TypedPosition("-1"), 0);
    EXPECT_EQ(TypedPosition(""), 0);
    EXPECT_EQ(TypedPosition("x"), 0);
    EXPECT_EQ(TypedPosition("2x"), 0);
    // The range holds for the number as typed; inside it, halves go to even.
    EXPECT_EQ(TypedPosition("0.6"), 0);
    EXPECT_EQ(TypedPosition("4.5"), 0);
    EXPECT_EQ(TypedPosition("1.5"), 2);
    EXPECT_EQ(TypedPosition("2.5"), 2);
}

TEST(PartyChanges, SwappingAndSortingTheMarchingOrder) {
    GameState state = PartyOf(4);
    const GameState before = state;
    for (const auto& [first, second] : std::vector<std::pair<std::string, std::string>>{
             {"2", "2"}, {"", "3"}, {"1", ""}, {"a", "3"}, {"0", "3"}, {"1", "5"}}) {
        EXPECT_EQ(SwapPositions(state, first, second), SwapResult::Ignored) << first << "/" << second;
    }
    EXPECT_EQ(state.Party, before.Party);

    EXPECT_EQ(SwapPositions(state, "1", "3"), SwapResult::Swapped);
    EXPECT_EQ(state.Party[0].Position, 3);
    EXPECT_EQ(state.Party[2].Position, 1);
    EXPECT_EQ(SlotAtPosition(state, 1), 2);
    EXPECT_EQ(SwapPositions(state, "4", "1"), SwapResult::Swapped);
    EXPECT_EQ(state.Party[3].Position, 1);
    EXPECT_EQ(state.Party[2].Position, 4);
    // Marching order now: Whisper, Evro, Rhomadon, Sharah.
    SortSlotsByPosition(state);
    EXPECT_EQ(state.Party[0].Name, "Whisper");
    EXPECT_EQ(state.Party[1].Name, "Evro");
    EXPECT_EQ(state.Party[2].Name, "Rhomadon");
    EXPECT_EQ(state.Party[3].Name, "Sharah");
    ExpectPartyInvariant(state);

    // Positions past the party are refused and nothing moves.
    state = PartyOf(3);
    EXPECT_EQ(SwapPositions(state, "1", "4"), SwapResult::NobodyThere);
    EXPECT_EQ(SwapPositions(state, "4", "2"), SwapResult::NobodyThere);
    ExpectPartyInvariant(state);
    state = PartyOf(0);
    EXPECT_EQ(SwapPositions(state, "1", "2"), SwapResult::NobodyThere);
}

// A game on a script host whose party screens are driven from a script.
struct ScriptedParty {
    ScriptedParty(const std::string& script, int members, const std::string& folder = "/nonexistent/")
        : input(script), host(input, transcript, folder) {
        game.state = PartyOf(members);
        game.state.AppPath = folder;
    }
    std::istringstream input;
    std::ostringstream transcript;
    ScriptHost host;
    Game game{host};
};

// An empty folder of this run's own: other builds may run the same tests at once.
std::filesystem::path FreshFolder(const std::string& name) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / (name + "_" + std::to_string(getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

TEST(PartyScreen, SwapsNamesAndSortsSlotsOnDone) {
    ScriptedParty scripted(
        "show lblName[0]\nshow lblName[3]\nshow lblGold\n"
        "type txt1 2\ntype txt2 2\nclick cmdSwitch\nshow txt1\n"
        "type txt1 1\ntype txt2 3\nclick cmdSwitch\n"
        "show lblName[0]\nshow lblName[2]\nshow txt1\nshow txt2\n"
        "type txt1 4\ntype txt2 1\nclick cmdSwitch\nclick cmdButton1\nshow lblName[0]\nshow txt1\n"
        "click cmdDone\n",
        3);
    GameState& state = scripted.game.state;
    state.Party[0].Gold = 10;
    state.Party[1].Silver = 25;   // 2.5 rounds to 2
    state.Party[2].Copper = 150;  // 1.5 rounds to 2
    frmParty screen(scripted.game);
    scripted.host.RunModal(screen);
    EXPECT_EQ(scripted.transcript.str(),
              "open frmParty\n"
              "show lblName[0]=Rhomadon\nshow lblName[3]=\nshow lblGold=Total Party Gold: 14 gp's.\n"
              "show txt1=2\n"
              "show lblName[0]=Sharah\nshow lblName[2]=Rhomadon\nshow txt1=\nshow txt2=\n"
              "dialog 1 No character marches in that position.\n"
              "show lblName[0]=Sharah\nshow txt1=4\n"
              "close frmParty\n");
    EXPECT_EQ(state.Party[0].Name, "Sharah");
    EXPECT_EQ(state.Party[1].Name, "Evro");
    EXPECT_EQ(state.Party[2].Name, "Rhomadon");
    ExpectPartyInvariant(state);
}

TEST(RemoveScreen, RemovesTheChosenCharacterAndRebuildsTheList) {
    const std::filesystem::path folder = FreshFolder("duskmoor_remove_test");
    ScriptedParty scripted(
        "show cmbCharacters\nchoose cmbCharacters 1\nfile Characters/Kept\nclick cmdRemove\nclick "
        "cmdButton1\n"
        "click cmdButton1\n"
        "show cmbCharacters\nchoose cmbCharacters 1\nfile\nclick cmdRemove\nclick cmdButton1\n"
        "file\nclick cmdRemove\nclick cmdButton1\nshow cmbCharacters\nclick cmdRemove\nclick cmdDone\n",
        3, folder.string() + "/");
    frmRemove screen(scripted.game);
    scripted.host.RunModal(screen);
    EXPECT_EQ(scripted.transcript.str(),
              "open frmRemove\nshow cmbCharacters=Rhomadon\n"
              "dialog 1 Evro has been saved to disk.\n"
              "dialog 1 Evro has been removed from the party.\n"
              "show cmbCharacters=Rhomadon\n"
              "dialog 1 Sharah has been removed from the party.\n"
              "dialog 1 Rhomadon has been removed from the party.\n"
              "show cmbCharacters=\n"
              "close frmRemove\n");
    EXPECT_EQ(scripted.game.state.NumPlayers, 0);
    ExpectPartyInvariant(scripted.game.state);
    EXPECT_TRUE(std::filesystem::is_regular_file(folder / "Characters" / "Kept.chr"));
    std::filesystem::remove_all(folder);
}

TEST(RemoveScreen, AFailedSaveKeepsTheCharacter) {
    const std::filesystem::path folder = FreshFolder("duskmoor_remove_fail_test");
    // A file in a folder that does not exist cannot be written.
    ScriptedParty scripted(
        "choose cmbCharacters 1\nfile NoSuchFolder/Kept\nclick cmdRemove\nclick cmdButton1\n"
        "show cmbCharacters\nclick cmdDone\n",
        3, folder.string() + "/");
    const GameState before = scripted.game.state;
    frmRemove screen(scripted.game);
    scripted.host.RunModal(screen);
    EXPECT_EQ(scripted.transcript.str(),
              "open frmRemove\n"
              "msgbox Error saving character to disk.\n"
              "dialog 1 Evro has not been removed from the party.\n"
              "show cmbCharacters=Evro\n"
              "close frmRemove\n");
    EXPECT_EQ(scripted.game.state.NumPlayers, 3);
    for (int slot = 0; slot < 4; ++slot)
        EXPECT_TRUE(scripted.game.state.Party[slot] == before.Party[slot]) << "slot " << slot;
    std::filesystem::remove_all(folder);
}

TEST(CreditsScreen, TitleFirstAndVersionLast) {
    std::istringstream input("click cmdDone\n");
    std::ostringstream transcript;
    ScriptHost host(input, transcript, "/nonexistent/");
    frmCredits credits(host);
    const std::string text = credits["lblCredits"].caption;
    EXPECT_EQ(text.substr(0, text.find('\n')), "The Duskmoor");
    EXPECT_EQ(text.substr(text.rfind('\n') + 1), "Version 1.1");
    // The project has no public home yet: the credits name no address at all.
    EXPECT_FALSE(std::regex_search(text, std::regex(R"(https?:|www\.|@|[A-Za-z0-9-]+\.[A-Za-z]{2,})")))
        << text;
    host.RunModal(credits);
    EXPECT_EQ(transcript.str(), "open frmCredits\nclose frmCredits\n");
}

}  // namespace
}  // namespace duskmoor
