#include "soak.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "items/item_catalogue.h"

namespace duskmoor::bot {
namespace {

GameState Party(int members) {
    GameState state;
    state.NumPlayers = static_cast<int16_t>(members);
    for (int slot = 0; slot < members; ++slot) {
        state.Party[slot].Active = -1;
        state.Party[slot].Position = static_cast<int16_t>(slot + 1);
    }
    return state;
}

TEST(BotSoak, ThePartyInvariantAtItsEdges) {
    EXPECT_EQ(PartyInvariantProblem(Party(4)), "");
    EXPECT_EQ(PartyInvariantProblem(Party(0)), "");
    GameState swapped = Party(3);
    swapped.Party[0].Position = 3;
    swapped.Party[2].Position = 1;
    EXPECT_EQ(PartyInvariantProblem(swapped), "");  // any order of positions, each once
    GameState twice = Party(3);
    twice.Party[2].Position = 1;
    EXPECT_NE(PartyInvariantProblem(twice), "");
    GameState beyond = Party(3);
    beyond.Party[2].Position = 4;  // no fourth member
    EXPECT_NE(PartyInvariantProblem(beyond), "");
    GameState leftover = Party(2);
    leftover.Party[2].Active = -1;  // a removed member left active
    EXPECT_NE(PartyInvariantProblem(leftover), "");
    GameState inactive = Party(2);
    inactive.Party[1].Active = 0;
    EXPECT_NE(PartyInvariantProblem(inactive), "");
    GameState too_many = Party(4);
    too_many.NumPlayers = 5;
    EXPECT_NE(PartyInvariantProblem(too_many), "");
}

TEST(BotSoak, LoadIsTheItemsWeightAndOneUnitACoin) {
    GameState state = Party(2);
    PLAYER& p = state.Party[0];
    p.Pack[0] = 18;   // plate mail
    p.Pack[1] = 200;  // a scroll weighs nothing
    p.Pack[2] = 10;   // a sword
    p.PackCount = 3;
    p.Gold = 7;
    p.Silver = 2;
    p.Copper = 1;
    p.Load = static_cast<int16_t>(ItemWeight(18) + ItemWeight(10) + 10);
    EXPECT_EQ(LoadProblem(state), "");
    p.Load = static_cast<int16_t>(p.Load + 1);
    EXPECT_NE(LoadProblem(state), "");
    p.Load = static_cast<int16_t>(p.Load - 1);
    // An item beyond PackCount does not count.
    p.Pack[3] = 18;
    EXPECT_EQ(LoadProblem(state), "");
    state.Party[1].Gold = 1;
    EXPECT_NE(LoadProblem(state).find("slot 1"), std::string::npos);
}

TEST(BotSoak, ReadsTheResidentMemoryOfAProcess) {
    EXPECT_GT(ResidentKilobytes(getpid()), 0);
    EXPECT_EQ(ResidentKilobytes(-1), 0);
}

}  // namespace
}  // namespace duskmoor::bot
