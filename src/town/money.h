#pragma once
// The party's money: gold, silver and copper per character, one gold worth 10
// silver or 100 copper, every coin one unit of `Load`. Paying a price from the
// whole party's purse, the pawn shop's purchases, sharing out gold nobody can
// carry alone, converting at the bank, and keeping `Load` right.
#include <cstdint>
#include <string>

namespace duskmoor {

struct Game;
struct GameState;

namespace coin {
constexpr int Gold = 1, Silver = 2, Copper = 3;
}

// What paying is worth: the party's gold, silver / 10 and copper / 100 over
// the three totals, rounded once. (The money lines of the screens round each
// character's share instead: `PartyGoldTotal`.)
long long PartyWealth(const GameState& state);

enum class Payment {
    Paid,            // the price was taken: "Transaction completed."
    PaidUnnoticed,   // the rounding ran out in the copper: gold and silver are gone, nothing is said
    NotEnoughMoney,  // nothing was taken
};
// Pays `price` gold from the whole party's coins.
Payment PayGold(GameState& state, int32_t price);
// Takes the price out of the coins of members 0..`last`, given the party's
// three totals; true when the "Transaction completed." notice is due. No change
// is given: each step rounds, so a member may pay up to half a gold more or less.
bool TakeMoney(GameState& state, int32_t price, long long gold_total, long long silver_total,
               long long copper_total, int last);
// Tells the player how a payment went; true when the party paid.
bool ReportPayment(Game& game, Payment payment);
// `PayGold` with its messages.
bool PayGoldTelling(Game& game, int32_t price);

// Every member's `Load`: the weight of the pack plus one unit per coin.
void RecalcLoad(GameState& state);
// Every member's silver and copper become gold, each rounded half to even.
void ConvertMoney(GameState& state);
constexpr const char* kConvertedNotice = "All money has been converted to gold pieces.";

// Whether `member` can take `amount` more coins.
bool CanTakeCoins(const GameState& state, long long amount, int member);
// Gives `amount` coins of one kind to the party, filling members in order;
// returns the coins nobody could carry, which are lost.
int32_t SplitMoney(GameState& state, int kind, int32_t amount);
std::string LeftBehindNotice(int32_t amount);

// What the pawn shop pays for an item: three quarters of its value, rounded.
int32_t PawnOffer(int item);
enum class PawnResult { Sold, SoldAndShared, NoSale, QuestObject };
// Sells entry `index` of `PackOwner`'s pack, asking first when the seller
// could not carry the money.
PawnResult PawnSale(Game& game, int index);

}  // namespace duskmoor
