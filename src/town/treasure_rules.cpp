#include "town/treasure_rules.h"

#include <cctype>
#include <cmath>

#include "core/int16.h"
#include "core/rounding.h"
#include "items/item_catalogue.h"
#include "shell/game_state.h"

namespace duskmoor {
namespace {

// A pack holds 25 entries, but a treasure is only handed to a pack below 23.
constexpr int kTreasurePackLimit = 23;

int32_t& CoinsOf(PLAYER& member, int coin) {
    return coin == 0 ? member.Gold : coin == 1 ? member.Silver : member.Copper;
}

bool AmountAllowed(double amount, int32_t offer) {
    if (amount < 0 || amount > offer) return false;
    return FitsInt16(RoundHalfEven(amount));
}

}  // namespace

double LeadingNumber(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    const size_t start = i;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    bool digits = false;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, digits = true;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, digits = true;
    }
    if (!digits) return 0;
    const double value = std::strtod(text.substr(start, i - start).c_str(), nullptr);
    return std::isfinite(value) ? value : 0;
}

int32_t& OfferOf(GameState& state, int coin) {
    return coin == 0 ? state.TreasureGold : coin == 1 ? state.TreasureSilver : state.TreasureCopper;
}

TakeResult TakeTreasureItem(GameState& state, int member, int slot) {
    if (slot < 0 || slot >= 4 || state.TreasureItems[slot] <= 0) return TakeResult::NothingThere;
    PLAYER& taker = state.Party[member];
    if (taker.PackCount >= kTreasurePackLimit) return TakeResult::PackFull;
    const int16_t item = state.TreasureItems[slot];
    const int16_t weight = ItemWeight(item);
    if (taker.Load + weight > taker.MaxLoad) return TakeResult::Overloaded;
    taker.Pack[taker.PackCount++] = item;
    taker.Load = static_cast<int16_t>(taker.Load + weight);
    state.TreasureItems[slot] = 0;
    return TakeResult::Taken;
}

CoinTake TakeTreasureCoins(GameState& state, int member, int coin, const std::array<std::string, 3>& boxes) {
    for (int box = 0; box < 3; ++box)
        if (!AmountAllowed(LeadingNumber(boxes[box]), OfferOf(state, box)))
            return {TakeResult::AmountRefused, box};
    if (coin < 0 || coin > 2) return {TakeResult::NothingThere, -1};
    const int amount = static_cast<int>(RoundHalfEven(LeadingNumber(boxes[coin])));
    PLAYER& taker = state.Party[member];
    // Every coin weighs one unit of load.
    if (taker.Load + amount > taker.MaxLoad) return {TakeResult::Overloaded, -1};
    taker.Load = static_cast<int16_t>(taker.Load + amount);
    CoinsOf(taker, coin) += amount;
    OfferOf(state, coin) -= amount;
    return {TakeResult::Taken, -1};
}

std::string LeftoverQuestion(const GameState& state) {
    const bool coins = state.TreasureGold > 0 || state.TreasureSilver > 0 || state.TreasureCopper >= 1;
    bool items = false;
    for (int16_t item : state.TreasureItems) items = items || item > 0;
    if (coins && items) return "There are items and treasure left, go back?";
    if (items) return "There are items left, go back?";
    if (coins) return "There is treasure left, go back?";
    return "";
}

}  // namespace duskmoor
