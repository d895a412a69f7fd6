#include "town/bank.h"

#include <climits>

#include "core/rounding.h"
#include "shell/game_state.h"

namespace duskmoor {
namespace {

constexpr long long kBeyondAnyPurse = -1;

// The amount of a box: 0 when the box does not count, kBeyondAnyPurse when it
// is negative or does not fit 32 bits.
long long AmountIn(const std::string& box) {
    double typed = 0;
    if (box.empty() || !ParseNumber(box, typed)) return 0;
    if (typed < -0.5 || typed > static_cast<double>(INT32_MAX) + 0.5) return kBeyondAnyPurse;
    const long long amount = RoundHalfEven(typed);
    return amount < 0 || amount > INT32_MAX ? kBeyondAnyPurse : amount;
}

struct Purse {
    int32_t* gold;
    int32_t* silver;
    int32_t* copper;
    int32_t& operator[](int box) const { return *(box == 0 ? gold : box == 1 ? silver : copper); }
};

Purse MemberPurse(PLAYER& character) {
    return {&character.Gold, &character.Silver, &character.Copper};
}

Purse Account(GameState& state) {
    return {&state.BankGold, &state.BankSilver, &state.BankCopper};
}

// Checks the boxes in order against what `source` holds.
bool Affordable(Purse source, const std::array<long long, 3>& amounts, BankResult& result) {
    for (int box = 0; box < 3; ++box) {
        if (amounts[box] == kBeyondAnyPurse || source[box] < amounts[box]) {
            result = {BankResult::InsufficientFunds, box};
            return false;
        }
    }
    return true;
}

void Move(Purse from, Purse to, const std::array<long long, 3>& amounts) {
    for (int box = 0; box < 3; ++box) {
        from[box] = static_cast<int32_t>(from[box] - amounts[box]);
        const long long sum = to[box] + amounts[box];
        to[box] = static_cast<int32_t>(sum > INT32_MAX ? INT32_MAX : sum);
    }
}

std::array<long long, 3> Amounts(const BankBoxes& boxes) {
    return {AmountIn(boxes[0]), AmountIn(boxes[1]), AmountIn(boxes[2])};
}

bool ValidMember(const GameState& state, int member) {
    return member >= 0 && member < state.NumPlayers && member < 4;
}

// Moves the typed coins from a member's purse into the account, or back.
BankResult Transfer(GameState& state, int member, const BankBoxes& boxes, bool deposit) {
    BankResult result;
    if (!ValidMember(state, member)) return result;
    PLAYER& character = state.Party[member];
    const auto amounts = Amounts(boxes);
    const Purse from = deposit ? MemberPurse(character) : Account(state);
    const Purse to = deposit ? Account(state) : MemberPurse(character);
    if (!Affordable(from, amounts, result)) return result;
    const long long coins = amounts[0] + amounts[1] + amounts[2];
    const long long load = character.Load + (deposit ? -coins : coins);
    // Every coin weighs as much as any other: a purse holds what its owner can carry.
    if (!deposit && load > character.MaxLoad) {
        result.kind = BankResult::CannotCarry;
        return result;
    }
    Move(from, to, amounts);
    character.Load = static_cast<int16_t>(load);
    return result;
}

}  // namespace

BankResult Deposit(GameState& state, int member, const BankBoxes& boxes) {
    return Transfer(state, member, boxes, true);
}

BankResult Withdraw(GameState& state, int member, const BankBoxes& boxes) {
    return Transfer(state, member, boxes, false);
}

}  // namespace duskmoor
