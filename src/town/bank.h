#pragma once
// The town bank: one account for the whole party, in gold, silver and copper.
// A member pays in or draws out typed amounts of each coin.
#include <array>
#include <string>

namespace duskmoor {

struct GameState;

namespace bank {
constexpr int16_t Deposit = 1, Withdrawal = 2;
}

// The three amount boxes, gold, silver and copper, as typed.
using BankBoxes = std::array<std::string, 3>;

struct BankResult {
    enum Kind { Moved, InsufficientFunds, CannotCarry } kind = Moved;
    int box = -1;  // the box that asked for too much (reset to "0" by the screen)
};

// A box counts when it holds a number; it is rounded half to even. A box that
// does not count moves nothing. A negative amount, or one no purse could hold,
// asks for more than there is.
BankResult Deposit(GameState& state, int member, const BankBoxes& boxes);
BankResult Withdraw(GameState& state, int member, const BankBoxes& boxes);

}  // namespace duskmoor
