// A long seeded run of buying, selling, trading, banking, converting and
// training, checking after every action that no coin or item appears or
// vanishes except as the rules say, and that every `Load` is what
// `RecalcLoad` makes of the pack and the purse.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <random>

#include "core/random.h"
#include "items/backpack.h"
#include "items/item_catalogue.h"
#include "shell/frm_dialog.h"
#include "shell/game.h"
#include "support/recording_host.h"
#include "town/bank.h"
#include "town/money.h"
#include "town/trade.h"
#include "town/training.h"

namespace duskmoor {
namespace {

struct Coins {
    long long gold = 0, silver = 0, copper = 0;
    double Value() const { return gold + silver / 10.0 + copper / 100.0; }
    bool operator==(const Coins&) const = default;
};

Coins PartyCoins(const GameState& state) {
    Coins coins;
    for (int member = 0; member < state.NumPlayers; ++member) {
        coins.gold += state.Party[member].Gold;
        coins.silver += state.Party[member].Silver;
        coins.copper += state.Party[member].Copper;
    }
    return coins;
}

Coins AllCoins(const GameState& state) {
    Coins coins = PartyCoins(state);
    coins.gold += state.BankGold;
    coins.silver += state.BankSilver;
    coins.copper += state.BankCopper;
    return coins;
}

std::map<int, int> PartyItems(const GameState& state) {
    std::map<int, int> items;
    for (int member = 0; member < state.NumPlayers; ++member)
        for (int index = 0; index < state.Party[member].PackCount; ++index)
            ++items[state.Party[member].Pack[index]];
    return items;
}

class Economy {
  public:
    explicit Economy(uint32_t seed) : dice_(seed) {
        GameState& state = game_.state;
        state.NumPlayers = 4;
        for (int member = 0; member < 4; ++member) {
            PLAYER& character = state.Party[member];
            character.Name = "Member" + std::to_string(member);
            character.Class = static_cast<int16_t>(member);
            character.Level = 1;
            character.MaxLoad = 1600;
            character.Gold = Pick(0, 900);
            character.Silver = Pick(0, 300);
            character.Copper = Pick(0, 300);
        }
        RecalcLoad(state);
        Random().Seed(seed);
    }

    void Step() {
        GameState& state = game_.state;
        const GameState before = state;
        switch (Pick(0, 7)) {
            case 0:
            case 1:
                Buy(before);
                break;
            case 2:
                Sell(before);
                break;
            case 3:
                Trade(before);
                break;
            case 4:
                Bank(before);
                break;
            case 5:
                Convert(before);
                break;
            case 6:
                Train(before);
                break;
            default:
                Earn();
                break;
        }
        for (int member = 0; member < state.NumPlayers; ++member) {
            const PLAYER& character = state.Party[member];
            EXPECT_GE(character.Gold, 0);
            EXPECT_GE(character.Silver, 0);
            EXPECT_GE(character.Copper, 0);
            EXPECT_LE(character.PackCount, 24);
        }
        EXPECT_GE(state.BankGold, 0);
        EXPECT_GE(state.BankSilver, 0);
        EXPECT_GE(state.BankCopper, 0);
        GameState recomputed = state;
        RecalcLoad(recomputed);
        for (int member = 0; member < state.NumPlayers; ++member)
            ASSERT_EQ(state.Party[member].Load, recomputed.Party[member].Load) << "member " << member;
    }

  private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(dice_); }

    BackpackModel OpenAt(int16_t mode, int member) {
        GameState& state = game_.state;
        state.BackpackMode = mode;
        state.SelectedPlayer = static_cast<int16_t>(member + 1);
        state.BrowseParty = True;
        return OpenBackpack(state);
    }

    // A purchase takes one item and about its price (each rounding step may be
    // off by half a gold per member), or nothing at all.
    void Buy(const GameState& before) {
        static constexpr int16_t kCounters[] = {1, 2, 3};
        const int16_t mode = kCounters[Pick(0, 2)];
        BackpackModel model = OpenAt(mode, Pick(0, 3));
        model.selected = Pick(0, mode == 3 ? 16 : mode == 2 ? 3 : 11);
        const int16_t item = ShopItem(mode, model.selected);
        const int32_t price = mode == 3 ? *ItemValue(item) : *ShopPrice(mode, model.selected);
        DoAction(game_, model, view_);
        const GameState& state = game_.state;
        const int bought = PartyItems(state)[item] - PartyItems(before)[item];
        const double paid = PartyCoins(before).Value() - PartyCoins(state).Value();
        if (bought == 0) {
            EXPECT_EQ(PartyCoins(state), PartyCoins(before)) << "nothing bought, nothing paid";
            return;
        }
        EXPECT_EQ(bought, 1);
        EXPECT_LE(std::abs(paid - price), state.NumPlayers + 1.0) << "price " << price;
    }

    void Sell(const GameState& before) {
        const int member = Pick(0, 3);
        if (before.Party[member].PackCount == 0) return;
        BackpackModel model = OpenAt(6, member);
        model.selected = Pick(0, before.Party[member].PackCount - 1);
        const int item = before.Party[member].Pack[model.selected];
        game_.state.DialogResult = Pick(0, 1) ? dialog::Yes : dialog::No;
        DoAction(game_, model, view_);
        const GameState& state = game_.state;
        const long long gained = PartyCoins(state).gold - PartyCoins(before).gold;
        if (state.Party[member].PackCount == before.Party[member].PackCount) {
            EXPECT_EQ(gained, 0);
            return;
        }
        EXPECT_EQ(PartyItems(before)[item] - PartyItems(state)[item], 1);
        EXPECT_LE(gained, PawnOffer(item)) << "coins nobody can carry are lost, never made";
        EXPECT_EQ(PartyCoins(state).silver, PartyCoins(before).silver);
    }

    void Trade(const GameState& before) {
        GameState& state = game_.state;
        const int giver = Pick(0, 3);
        if (before.Party[giver].PackCount == 0) return;
        state.SelectedPlayer = static_cast<int16_t>(giver + 1);
        state.TradeSlot = Pick(0, before.Party[giver].PackCount - 1);
        state.TradeItem = before.Party[giver].Pack[state.TradeSlot];
        MoveItem(state, Pick(0, 3));
        EXPECT_EQ(PartyItems(state), PartyItems(before));
        EXPECT_EQ(PartyCoins(state), PartyCoins(before));
    }

    std::string TypedAmount() {
        static const char* kOdd[] = {"", "abc", "-4", "1e3", " 7 ", "2.5", "99999999999", "0x10", "3.49"};
        if (Pick(0, 3) == 0) return kOdd[Pick(0, 8)];
        return std::to_string(Pick(0, 400));
    }

    // The bank only moves coins between a purse and the account.
    void Bank(const GameState& before) {
        GameState& state = game_.state;
        const BankBoxes boxes = {TypedAmount(), TypedAmount(), TypedAmount()};
        const int member = Pick(0, 3);
        const BankResult result = Pick(0, 1) ? Deposit(state, member, boxes) : Withdraw(state, member, boxes);
        EXPECT_EQ(AllCoins(state), AllCoins(before));
        if (result.kind != BankResult::Moved) {
            EXPECT_EQ(PartyCoins(state), PartyCoins(before));
        }
    }

    void Convert(const GameState& before) {
        ConvertMoney(game_.state);
        const GameState& state = game_.state;
        EXPECT_EQ(PartyCoins(state).silver + PartyCoins(state).copper, 0);
        EXPECT_LE(std::abs(PartyCoins(state).Value() - PartyCoins(before).Value()), state.NumPlayers * 1.0);
    }

    void Train(const GameState& before) {
        GameState& state = game_.state;
        const int member = Pick(0, 3);
        state.Party[member].Experience += Pick(0, 3000);
        game_.state.DialogResult = Pick(0, 3) ? dialog::Yes : dialog::No;
        const GameState offered = state;
        TrainParty(game_);
        int levels = 0;
        for (int slot = 0; slot < state.NumPlayers; ++slot)
            levels += state.Party[slot].Level - before.Party[slot].Level;
        const double paid = PartyCoins(offered).Value() - PartyCoins(state).Value();
        EXPECT_LE(std::abs(paid - levels * 1000.0), levels * (state.NumPlayers + 1.0));
        if (levels == 0) {
            EXPECT_EQ(PartyCoins(state), PartyCoins(offered));
        }
    }

    // Treasure from the road: gold shared out to whoever can carry it.
    void Earn() {
        GameState& state = game_.state;
        const long long before = PartyCoins(state).gold;
        const int32_t amount = Pick(0, 500);
        const int32_t lost = SplitMoney(state, coin::Gold, amount);
        EXPECT_EQ(PartyCoins(state).gold, before + amount - lost);
    }

    struct NoTrade : BackpackView {
        void OpenTrade() override {}
    };

    std::mt19937 dice_;
    RecordingHost host_;
    Game game_{host_};
    NoTrade view_;
};

TEST(EconomyProperty, CoinsAndLoadsFollowTheRulesThroughALongRun) {
    for (uint32_t seed : {1u, 2u, 3u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Economy economy(seed);
        for (int step = 0; step < 1500; ++step) {
            economy.Step();
            if (::testing::Test::HasFatalFailure() || ::testing::Test::HasNonfatalFailure()) {
                ADD_FAILURE() << "at step " << step;
                return;
            }
        }
    }
}

}  // namespace
}  // namespace duskmoor
