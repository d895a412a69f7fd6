#include "town/bank.h"

#include <gtest/gtest.h>

#include "shell/game_state.h"
#include "town/trade.h"

namespace duskmoor {
namespace {

GameState TwoMembers() {
    GameState state;
    state.NumPlayers = 2;
    for (PLAYER& member : state.Party) member.MaxLoad = 1600;
    state.Party[0].Gold = 100;
    state.Party[0].Silver = 50;
    state.Party[0].Copper = 7;
    state.Party[0].Load = 157;
    return state;
}

TEST(Bank, DepositsMoveOnlyTheBoxesThatHoldANumber) {
    GameState state = TwoMembers();
    BankResult result = Deposit(state, 0, {"", "20", "x"});
    EXPECT_EQ(result.kind, BankResult::Moved);
    EXPECT_EQ(state.Party[0].Gold, 100);
    EXPECT_EQ(state.Party[0].Silver, 30);
    EXPECT_EQ(state.Party[0].Copper, 7);
    EXPECT_EQ(state.Party[0].Load, 137);
    EXPECT_EQ(state.BankSilver, 20);
    // Typed amounts round half to even; spaces around a number are fine.
    result = Deposit(state, 0, {" 2.5 ", "0.5", "1.5"});
    EXPECT_EQ(result.kind, BankResult::Moved);
    EXPECT_EQ(state.BankGold, 2);
    EXPECT_EQ(state.BankSilver, 20);
    EXPECT_EQ(state.BankCopper, 2);
    EXPECT_EQ(state.Party[0].Load, 133);
}

TEST(Bank, TooMuchOrNonsenseMovesNothingAndNamesTheBox) {
    for (const BankBoxes& boxes : std::initializer_list<BankBoxes>{{"101", "0", "0"},
                                                                   {"1", "51", "0"},
                                                                   {"1", "1", "-3"},
                                                                   {"99999999999", "0", "0"},
                                                                   {"1", "1e9", "0"}}) {
        GameState state = TwoMembers();
        const GameState before = state;
        const BankResult result = Deposit(state, 0, boxes);
        if (boxes[1] == "1e9") {
            // Not a number a box takes: it counts as nothing, and the rest goes in.
            EXPECT_EQ(result.kind, BankResult::Moved);
            EXPECT_EQ(state.BankGold, 1);
            continue;
        }
        EXPECT_EQ(result.kind, BankResult::InsufficientFunds)
            << boxes[0] << " " << boxes[1] << " " << boxes[2];
        EXPECT_EQ(result.box, boxes[0] != "1" ? 0 : boxes[1] != "1" && boxes[1] != "0" ? 1 : 2);
        EXPECT_EQ(state.Party[0], before.Party[0]);
        EXPECT_EQ(state.BankGold + state.BankSilver + state.BankCopper, 0);
    }
}

TEST(Bank, WithdrawalsStopAtTheAccountAndAtWhatAMemberCanCarry) {
    GameState state = TwoMembers();
    Deposit(state, 0, {"100", "50", "7"});
    EXPECT_EQ(state.Party[0].Load, 0);
    // The account is the party's: another member draws on it.
    state.Party[1].Load = 1500;
    EXPECT_EQ(Withdraw(state, 1, {"101", "", ""}).kind, BankResult::InsufficientFunds);
    EXPECT_EQ(Withdraw(state, 1, {"100", "1", ""}).kind, BankResult::CannotCarry);
    EXPECT_EQ(state.BankGold, 100);
    EXPECT_EQ(Withdraw(state, 1, {"100", "", ""}).kind, BankResult::Moved) << "exactly MaxLoad is allowed";
    EXPECT_EQ(state.Party[1].Load, 1600);
    EXPECT_EQ(state.Party[1].Gold, 100);
    EXPECT_EQ(state.BankGold, 0);
    EXPECT_EQ(state.BankSilver, 50);
}

GameState Traders() {
    GameState state;
    state.NumPlayers = 2;
    for (PLAYER& member : state.Party) member.MaxLoad = 1600;
    state.Party[0].Pack = {10, 20, 13};
    state.Party[0].PackCount = 3;
    state.Party[0].Load = 170;
    state.SelectedPlayer = 1;
    state.TradeMode = trade::GiveItem;
    state.TradeItem = 20;
    state.TradeSlot = 1;
    return state;
}

TEST(Trade, AnItemMovesToTheEndOfTheReceiversPack) {
    GameState state = Traders();
    EXPECT_EQ(MoveItem(state, 1), MoveResult::Moved);
    EXPECT_EQ(state.Party[0].PackCount, 2);
    EXPECT_EQ(state.Party[0].Pack[1], 13);
    EXPECT_EQ(state.Party[0].Pack[2], 0);
    EXPECT_EQ(state.Party[0].Load, 160);
    EXPECT_EQ(state.Party[1].PackCount, 1);
    EXPECT_EQ(state.Party[1].Pack[0], 20);
    EXPECT_EQ(state.Party[1].Load, 10);
    // The same slot no longer holds the item: nothing more is given.
    EXPECT_EQ(MoveItem(state, 1), MoveResult::NothingToGive);

    // Giving to oneself puts the item at the end of the same pack.
    state = Traders();
    EXPECT_EQ(MoveItem(state, 0), MoveResult::Moved);
    EXPECT_EQ(state.Party[0].Pack[2], 20);
    EXPECT_EQ(state.Party[0].Load, 170);
}

TEST(Trade, AFullOrOverloadedReceiverKeepsBothPacksAsTheyWere) {
    GameState state = Traders();
    state.Party[1].PackCount = 24;
    GameState before = state;
    EXPECT_EQ(MoveItem(state, 1), MoveResult::CannotCarry);
    EXPECT_EQ(state.Party, before.Party);
    state.Party[1].PackCount = 0;
    state.Party[1].Load = 1591;
    before = state;
    EXPECT_EQ(MoveItem(state, 1), MoveResult::CannotCarry);
    EXPECT_EQ(state.Party, before.Party);
    EXPECT_EQ(MoveItem(state, 2), MoveResult::NothingToGive) << "nobody is in slot 2";
}

}  // namespace
}  // namespace duskmoor
