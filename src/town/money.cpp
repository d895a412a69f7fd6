#include "town/money.h"

#include <algorithm>
#include <climits>

#include "core/codepage.h"
#include "core/rounding.h"
#include "items/item_catalogue.h"
#include "items/pack.h"
#include "shell/frm_dialog.h"
#include "shell/game.h"

namespace duskmoor {
namespace {

int Members(const GameState& state) {
    return std::clamp<int>(state.NumPlayers, 0, 4);
}

int32_t ToCoins(long long value) {
    return static_cast<int32_t>(std::clamp<long long>(value, INT32_MIN, INT32_MAX));
}

int16_t ToLoad(long long value) {
    return static_cast<int16_t>(std::clamp<long long>(value, INT16_MIN, INT16_MAX));
}

struct Totals {
    long long gold = 0, silver = 0, copper = 0;
};

Totals PartyTotals(const GameState& state) {
    Totals totals;
    for (int member = 0; member < Members(state); ++member) {
        totals.gold += state.Party[member].Gold;
        totals.silver += state.Party[member].Silver;
        totals.copper += state.Party[member].Copper;
    }
    return totals;
}

// One pass over the members in one coin: a member who holds enough pays the
// rest and the pass ends; otherwise the member's coins go and count, rounded,
// toward the rest. True when somebody paid the rest.
bool PayInCoin(GameState& state, int last, int32_t PLAYER::*coins, double per_gold, long long& remaining) {
    for (int member = 0; member <= last; ++member) {
        int32_t& purse = state.Party[member].*coins;
        if (purse / per_gold >= remaining) {
            purse = ToCoins(purse - remaining * static_cast<long long>(per_gold));
            return true;
        }
        remaining -= RoundHalfEven(purse / per_gold);
        purse = 0;
    }
    return false;
}

void EmptyCoins(GameState& state, int last, int32_t PLAYER::*coins) {
    for (int member = 0; member <= last; ++member) state.Party[member].*coins = 0;
}

}  // namespace

long long PartyWealth(const GameState& state) {
    const Totals totals = PartyTotals(state);
    return RoundHalfEven(totals.gold + totals.silver / 10.0 + totals.copper / 100.0);
}

Payment PayGold(GameState& state, int32_t price) {
    if (PartyWealth(state) < price) return Payment::NotEnoughMoney;
    const Totals totals = PartyTotals(state);
    const bool completed =
        TakeMoney(state, price, totals.gold, totals.silver, totals.copper, Members(state) - 1);
    RecalcLoad(state);
    return completed ? Payment::Paid : Payment::PaidUnnoticed;
}

bool TakeMoney(GameState& state, int32_t price, long long gold_total, long long silver_total,
               long long copper_total, int last) {
    last = std::min(last, 3);
    long long remaining = price;
    if (gold_total >= remaining) {
        PayInCoin(state, last, &PLAYER::Gold, 1.0, remaining);
        return true;
    }
    EmptyCoins(state, last, &PLAYER::Gold);
    remaining = price - gold_total;
    if (silver_total / 10.0 >= remaining) {
        PayInCoin(state, last, &PLAYER::Silver, 10.0, remaining);
        return true;
    }
    EmptyCoins(state, last, &PLAYER::Silver);
    remaining = RoundHalfEven(remaining - silver_total / 10.0);
    // Only the rounding of the steps before can leave the copper short.
    if (copper_total / 100.0 < remaining) return false;
    PayInCoin(state, last, &PLAYER::Copper, 100.0, remaining);
    return true;
}

bool ReportPayment(Game& game, Payment payment) {
    switch (payment) {
        case Payment::Paid:
            ShowDialog(game, "Transaction completed.");
            return true;
        case Payment::PaidUnnoticed:
            return true;
        case Payment::NotEnoughMoney:
            ShowDialog(game, "Not enough money!");
            return false;
    }
    return false;
}

bool PayGoldTelling(Game& game, int32_t price) {
    return ReportPayment(game, PayGold(game.state, price));
}

void RecalcLoad(GameState& state) {
    for (int member = 0; member < Members(state); ++member) {
        PLAYER& character = state.Party[member];
        long long load = 0;
        for (int index = 0; index < std::clamp<int>(character.PackCount, 0, 25); ++index)
            load += ItemWeight(character.Pack[index]);
        load += static_cast<long long>(character.Gold) + character.Silver + character.Copper;
        character.Load = ToLoad(load);
    }
}

void ConvertMoney(GameState& state) {
    for (int member = 0; member < Members(state); ++member) {
        PLAYER& character = state.Party[member];
        const long long before = static_cast<long long>(character.Gold) + character.Silver + character.Copper;
        long long gold = character.Gold + RoundHalfEven(character.Silver / 10.0);
        gold += RoundHalfEven(character.Copper / 100.0);
        character.Gold = ToCoins(gold);
        character.Silver = 0;
        character.Copper = 0;
        character.Load = ToLoad(character.Load - (before - character.Gold));
    }
}

bool CanTakeCoins(const GameState& state, long long amount, int member) {
    const PLAYER& character = state.Party[member];
    return character.Load + amount <= character.MaxLoad;
}

int32_t SplitMoney(GameState& state, int kind, int32_t amount) {
    int32_t PLAYER::*coins = kind == coin::Silver   ? &PLAYER::Silver
                             : kind == coin::Copper ? &PLAYER::Copper
                                                    : &PLAYER::Gold;
    for (int member = 0; member < Members(state) && amount > 0; ++member) {
        PLAYER& character = state.Party[member];
        const long long share =
            CanTakeCoins(state, amount, member) ? amount : std::max(0, character.MaxLoad - character.Load);
        character.*coins = ToCoins(character.*coins + share);
        character.Load = ToLoad(character.Load + share);
        amount = ToCoins(amount - share);
    }
    return amount;
}

std::string LeftBehindNotice(int32_t amount) {
    return "Characters are overloaded, " + std::to_string(amount) + " gold pieces left behind.";
}

int32_t PawnOffer(int item) {
    return ToCoins(RoundHalfEven(ItemValue(item).value_or(0) * 0.75));
}

PawnResult PawnSale(Game& game, int index) {
    GameState& state = game.state;
    if (state.PackOwner < 0 || state.PackOwner > 3) return PawnResult::NoSale;
    PLAYER& seller = state.Party[state.PackOwner];
    if (index < 0 || index >= seller.PackCount) return PawnResult::NoSale;
    const int item = seller.Pack[index];
    if (FindItem(item) && FindItem(item)->kind == ItemKind::QuestObject) {
        ShowDialog(game, "We can't buy that!  Take it to the town council for reward!");
        return PawnResult::QuestObject;
    }
    const int32_t offer = PawnOffer(item);
    if (seller.Load + static_cast<long long>(offer) - ItemWeight(item) < seller.MaxLoad) {
        seller.Gold = ToCoins(static_cast<long long>(seller.Gold) + offer);
        RemovePackEntry(seller, index);
        seller.Load = ToLoad(seller.Load + static_cast<long long>(offer));
        return PawnResult::Sold;
    }
    const std::string question = Cp1252ToUtf8(seller.Name) + " will be overloaded, split money?";
    if (ShowDialog(game, question, dialog::YesNo) != dialog::Yes) {
        ShowDialog(game, "No sale.");
        return PawnResult::NoSale;
    }
    const int32_t left = SplitMoney(state, coin::Gold, offer);
    RemovePackEntry(seller, index);
    if (left > 0) ShowDialog(game, LeftBehindNotice(left));
    return PawnResult::SoldAndShared;
}

}  // namespace duskmoor
