#pragma once
// The backpack screen's model and rules. One screen is the character's pack,
// the town's shop and temple counters, the pawn shop, the place items are
// handed to another character from, and the heap of the beaten foes' gear.
// `BackpackMode` (and `LootMode`) choose the use when it opens.
#include <array>
#include <cstdint>
#include <string>

namespace duskmoor {

struct Game;
struct GameState;

namespace pack_mode {
constexpr int16_t WeaponShop = 1, ArmorShop = 2, MagicShop = 3, Temple = 4, OwnPack = 5, PawnShop = 6,
                  PartyTrade = 8;
}

constexpr int kItemLabels = 24;

struct BackpackModel {
    int16_t mode = 0;
    bool loot = false;
    int slot = 0;      // the character shown (the looter in loot mode)
    int selected = 0;  // the highlighted label
    std::array<std::string, kItemLabels> labels;
    std::array<int16_t, kItemLabels> loot_items{};  // the item of each label in loot mode
};

// What the backpack screen asks of its window.
class BackpackView {
  public:
    virtual ~BackpackView() = default;
    // The trade screen, for `TradeItem` at `TradeSlot`.
    virtual void OpenTrade() = 0;
};

// Reads the mode and the character from the state as the screen opens.
BackpackModel OpenBackpack(GameState& state);
// Moves to the character `step` places on (Next 1, Prior -1) when there is one.
bool BrowseTo(GameState& state, BackpackModel& model, int step);
bool CanBrowse(const GameState& state, const BackpackModel& model);
bool IsPackMode(const BackpackModel& model);

void FillLabels(const GameState& state, BackpackModel& model);
// `lblGold`: the party's money, or "Equipment..." over the loot.
std::string MoneyLine(const GameState& state, const BackpackModel& model);
// `lblAction`'s caption.
std::string ActionCaption(const GameState& state, const BackpackModel& model);
// `lblName`.
std::string ShownName(const GameState& state, const BackpackModel& model);
// The name of an item as a pack lists it: scrolls and magic items by their special name.
std::string PackItemName(int item);

// Up and Down.
void MoveHighlight(BackpackModel& model, int step);
// The E key: equips the highlighted pack entry, or takes it off when it is marked.
void ToggleEquipped(Game& game, BackpackModel& model);
// `lblAction` on the highlighted entry: take, buy, heal, sell, trade, use or drop.
void DoAction(Game& game, BackpackModel& model, BackpackView& view);
// `lblUse`: drinks a highlighted Potion of Healing.
void UseHighlighted(Game& game, BackpackModel& model);
// `lblDone`: what closing leaves behind.
void CloseBackpack(GameState& state, const BackpackModel& model);

}  // namespace duskmoor
