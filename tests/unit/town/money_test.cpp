#include "town/money.h"

#include <gtest/gtest.h>

#include "support/scripted_game.h"

namespace duskmoor {
namespace {

// A game whose dialogs are answered by `script` and written to `transcript`.
struct TownGame : ScriptedGame {
    explicit TownGame(const std::string& script = "") : ScriptedGame(script) {
        game.state.NumPlayers = 2;
        for (int slot = 0; slot < 2; ++slot) {
            game.state.Party[slot].Name = slot == 0 ? "Rhomadon" : "Evro";
            game.state.Party[slot].MaxLoad = 1600;
        }
    }
    PLAYER& operator[](int slot) { return game.state.Party[slot]; }
};

void GiveCoins(PLAYER& character, int32_t gold, int32_t silver, int32_t copper) {
    character.Gold = gold;
    character.Silver = silver;
    character.Copper = copper;
    character.Load = static_cast<int16_t>(gold + silver + copper);
}

TEST(Money, WealthRoundsTheTotalsOnceAndPaymentsRoundEachStep) {
    TownGame town;
    GameState& state = town.game.state;
    GiveCoins(town[0], 0, 15, 0);
    EXPECT_EQ(PartyWealth(state), 2);
    EXPECT_EQ(PayGold(state, 2), Payment::Paid);
    EXPECT_EQ(town[0].Silver, 0);
    EXPECT_EQ(town[0].Load, 0);

    GiveCoins(town[0], 0, 25, 0);
    EXPECT_EQ(PayGold(state, 3), Payment::NotEnoughMoney);
    EXPECT_EQ(town[0].Silver, 25) << "nothing is taken from a party that is short";

    // Two members with 5 silver each: a whole gold between them for paying.
    GiveCoins(town[0], 0, 5, 0);
    GiveCoins(town[1], 0, 5, 0);
    EXPECT_EQ(PartyWealth(state), 1);
    EXPECT_EQ(PayGold(state, 1), Payment::Paid);
    EXPECT_EQ(town[0].Silver + town[1].Silver, 0);

    // A price that one member's gold meets exactly touches nobody else.
    GiveCoins(town[0], 12, 3, 4);
    GiveCoins(town[1], 30, 0, 0);
    EXPECT_EQ(PayGold(state, 12), Payment::Paid);
    EXPECT_EQ(town[0].Gold, 0);
    EXPECT_EQ(town[0].Silver, 3);
    EXPECT_EQ(town[1].Gold, 30);
    EXPECT_EQ(town[0].Load, 7);

    // Gold first, in party order, then silver for what is left.
    GiveCoins(town[0], 5, 0, 0);
    GiveCoins(town[1], 2, 40, 0);
    EXPECT_EQ(PayGold(state, 9), Payment::Paid);
    EXPECT_EQ(town[0].Gold + town[1].Gold, 0);
    EXPECT_EQ(town[1].Silver, 20);
    EXPECT_EQ(town[1].Load, 20);

    // When only rounding made the party rich enough, the copper is short: gold
    // and silver are gone, the copper stays, and nothing is said.
    GiveCoins(town[0], 0, 14, 10);
    GiveCoins(town[1], 0, 0, 0);
    EXPECT_EQ(PartyWealth(state), 2);
    EXPECT_EQ(PayGold(state, 2), Payment::PaidUnnoticed);
    EXPECT_EQ(town[0].Silver, 0);
    EXPECT_EQ(town[0].Copper, 10);
    EXPECT_EQ(town[0].Load, 10);
}

TEST(Money, PaymentsAreReportedToThePlayer) {
    TownGame town("click cmdButton1\nclick cmdButton1\n");
    GiveCoins(town[0], 20, 0, 0);
    EXPECT_TRUE(PayGoldTelling(town.game, 12));
    EXPECT_FALSE(PayGoldTelling(town.game, 12));
    EXPECT_EQ(town.transcript.str(), "dialog 1 Transaction completed.\ndialog 1 Not enough money!\n");
    EXPECT_EQ(town[0].Gold, 8);
}

TEST(Money, ConvertingRoundsHalvesToEvenAndLightensTheLoad) {
    TownGame town;
    GiveCoins(town[0], 1, 25, 150);
    town[0].Load = static_cast<int16_t>(town[0].Load + 60);  // a sword
    GiveCoins(town[1], 0, 15, 50);
    ConvertMoney(town.game.state);
    EXPECT_EQ(town[0].Gold, 1 + 2 + 2);
    EXPECT_EQ(town[0].Load, 60 + 5);
    EXPECT_EQ(town[1].Gold, 2 + 0);
    EXPECT_EQ(town[1].Silver + town[1].Copper, 0);
    EXPECT_EQ(town[1].Load, 2);
}

TEST(Money, RecalcLoadCountsPackAndCoins) {
    TownGame town;
    town[0].Pack = {10, 200, 105, 20};
    town[0].PackCount = 3;  // the potion beyond the count weighs nothing
    GiveCoins(town[0], 7, 8, 9);
    town[0].Load = 999;
    RecalcLoad(town.game.state);
    EXPECT_EQ(town[0].Load, 60 + 0 + 0 + 24);
}

TEST(Money, SplitMoneyFillsMembersInOrderAndLosesTheRest) {
    TownGame town;
    GameState& state = town.game.state;
    town[0].Load = 1590;
    town[1].Load = 1600;
    EXPECT_TRUE(CanTakeCoins(state, 10, 0));
    EXPECT_FALSE(CanTakeCoins(state, 11, 0));
    EXPECT_EQ(SplitMoney(state, coin::Gold, 25), 15);
    EXPECT_EQ(town[0].Gold, 10);
    EXPECT_EQ(town[0].Load, 1600);
    EXPECT_EQ(town[1].Gold, 0);
    EXPECT_EQ(LeftBehindNotice(15), "Characters are overloaded, 15 gold pieces left behind.");
    town[1].Load = 1000;
    EXPECT_EQ(SplitMoney(state, coin::Silver, 30), 0);
    EXPECT_EQ(town[1].Silver, 30);
    EXPECT_EQ(town[1].Load, 1030);
}

TEST(Money, ThePawnShopPaysThreeQuartersAndRefusesQuestObjects) {
    EXPECT_EQ(PawnOffer(10), 8);  // 7.5 goes to the even 8
    EXPECT_EQ(PawnOffer(13), 8);  // 7.5 as well
    EXPECT_EQ(PawnOffer(1), 2);   // 2.25
    EXPECT_EQ(PawnOffer(5), 3);   // 3
    EXPECT_EQ(PawnOffer(209), 150);
    EXPECT_EQ(PawnOffer(105), 0);

    TownGame town("click cmdButton1\n");
    GameState& state = town.game.state;
    state.PackOwner = 0;
    town[0].Pack = {105, 10, 20};
    town[0].PackCount = 3;
    town[0].Load = 70;
    EXPECT_EQ(PawnSale(town.game, 0), PawnResult::QuestObject);
    EXPECT_EQ(town[0].PackCount, 3);
    EXPECT_EQ(PawnSale(town.game, 1), PawnResult::Sold);
    EXPECT_EQ(town[0].Gold, 8);
    EXPECT_EQ(town[0].Load, 70 - 60 + 8);
    EXPECT_EQ(town[0].PackCount, 2);
    EXPECT_EQ(town[0].Pack[1], 20);
    EXPECT_EQ(town[0].Pack[2], 0);
    EXPECT_EQ(town.transcript.str(),
              "dialog 1 We can't buy that!  Take it to the town council for reward!\n");
}

TEST(Money, APawnSaleThatWouldOverloadAsksFirst) {
    // No: nothing changes. Yes: the gold is shared and the item goes.
    TownGame town("click cmdButton2\nclick cmdButton1\nclick cmdButton1\nclick cmdButton1\n");
    GameState& state = town.game.state;
    state.PackOwner = 0;
    town[0].Pack = {612};
    town[0].PackCount = 1;
    town[0].Load = 1500;  // 500 of plate and 1000 of other things
    town[0].Gold = 1000;
    const PLAYER before = town[0];
    EXPECT_EQ(PawnSale(town.game, 0), PawnResult::NoSale);
    EXPECT_EQ(town[0], before);
    town[1].Load = 1000;
    EXPECT_EQ(PawnSale(town.game, 0), PawnResult::SoldAndShared);
    EXPECT_EQ(town[0].Gold, 1000 + 100);
    EXPECT_EQ(town[0].PackCount, 0);
    EXPECT_EQ(town[0].Load, 1600 - 500);
    EXPECT_EQ(town[1].Gold, 600);
    EXPECT_EQ(town[1].Load, 1600);
    EXPECT_EQ(town.transcript.str(),
              "dialog 2 Rhomadon will be overloaded, split money?\n"
              "dialog 1 No sale.\n"
              "dialog 2 Rhomadon will be overloaded, split money?\n"
              "dialog 1 Characters are overloaded, 800 gold pieces left behind.\n");
}

}  // namespace
}  // namespace duskmoor
