#include "items/backpack.h"

#include <algorithm>
#include <optional>
#include <span>
#include <vector>

#include "core/codepage.h"
#include "items/can_carry.h"
#include "items/equipment.h"
#include "items/item_catalogue.h"
#include "items/loot.h"
#include "items/pack.h"
#include "items/temple.h"
#include "party/party.h"
#include "shell/frm_dialog.h"
#include "shell/game.h"
#include "town/money.h"

namespace duskmoor {
namespace {

// The counters' price lists, in order; each caption is followed by its price.
constexpr const char* kWeaponCaptions[] = {
    "Club - ",        "Staff - ", "Dagger - ",     "Silver Dagger - ", "Hand Axe - ",   "Mace - ",
    "Short Sword - ", "Spear - ", "War Hammer - ", "Sword - ",         "Battle Axe - ", "2-Handed Sword - "};
constexpr const char* kArmorCaptions[] = {"Shield - ", "Leather - ", "Chain Mail - ", "Plate Mail - "};
constexpr const char* kMagicCaptions[] = {
    "Healing Potion - ", "Cure Light - ", "Cure Serious - ", "Cure Critical - ", "Cause Light - ",
    "Cure Poison - ",    "Raise Dead - ", "Cure Disease - ", "Touch Death - ",   "Magic Missile - ",
    "Sleep - ",          "Lightening - ", "Burn. Touch - ",  "Fireball - ",      "Windstorm - ",
    "Ice Storm - ",      "Destroy - "};
constexpr const char* kTempleCaptions[] = {"Light Wounds - ", "Serious Wounds - ", "Critical Wounds - ",
                                           "Cure Poison - ",  "Cure Disease - ",   "Lift Curse - ",
                                           "Raise Dead - "};

constexpr int16_t kHealingPotion = 20;
constexpr const char* kEquippedMark = "** ";

std::span<const char* const> CaptionsOf(int mode) {
    switch (mode) {
        case pack_mode::WeaponShop:
            return kWeaponCaptions;
        case pack_mode::ArmorShop:
            return kArmorCaptions;
        case pack_mode::MagicShop:
            return kMagicCaptions;
        case pack_mode::Temple:
            return kTempleCaptions;
        default:
            return {};
    }
}

// The price of entry `index` of a counter; none outside its list.
std::optional<int32_t> CounterPrice(int mode, int index) {
    if (mode == pack_mode::MagicShop) {
        const int16_t item = ShopItem(shop::Magic, index);
        return item ? ItemValue(item) : std::nullopt;
    }
    return ShopPrice(mode, index);
}

bool IsCounterMode(int mode) {
    return mode >= pack_mode::WeaponShop && mode <= pack_mode::Temple;
}

int Members(const GameState& state) {
    return std::clamp<int>(state.NumPlayers, 0, 4);
}

bool HasCharacter(const GameState& state, const BackpackModel& model) {
    return model.slot >= 0 && model.slot < Members(state);
}

// The shown character is the one who buys, sells, is served, drops and gives.
void KeepCharacterInState(GameState& state, const BackpackModel& model) {
    if (model.loot) {
        state.Looter = static_cast<int16_t>(model.slot);
        return;
    }
    state.SelectedPlayer = static_cast<int16_t>(model.slot + 1);
    if (model.mode != pack_mode::OwnPack) state.PackOwner = static_cast<int16_t>(model.slot);
}

int LabelCount(const BackpackModel& model) {
    int count = 0;
    while (count < kItemLabels && !model.labels[count].empty()) ++count;
    return count;
}

bool Marked(const BackpackModel& model) {
    return model.labels[model.selected].rfind("**", 0) == 0;
}

int HighlightedPackItem(const GameState& state, const BackpackModel& model) {
    if (!HasCharacter(state, model)) return 0;
    const PLAYER& character = state.Party[model.slot];
    return model.selected < character.PackCount ? character.Pack[model.selected] : 0;
}

void TakeLoot(Game& game, BackpackModel& model) {
    const int16_t item = model.loot_items[model.selected];
    if (item == 0 || !HasCharacter(game.state, model)) return;
    const std::vector<LootEntry> offer = LootOnOffer(game.state);
    const bool left = std::any_of(offer.begin(), offer.end(),
                                  [item](const LootEntry& entry) { return entry.item == item; });
    if (!left || !CanCarry(game, item, model.slot)) return;
    TakeOneFromFoes(game.state, item);
    AppendToPack(game.state.Party[model.slot], item);
}

void Buy(Game& game, BackpackModel& model) {
    const int16_t item = ShopItem(model.mode, model.selected);
    const std::optional<int32_t> price = CounterPrice(model.mode, model.selected);
    if (item == 0 || !price || !HasCharacter(game.state, model)) return;
    if (!CanCarry(game, item, model.slot)) return;
    if (PayGoldTelling(game, *price)) backpack::AddToPack(game.state, item);
}

void Heal(Game& game, BackpackModel& model) {
    const std::optional<int32_t> price = ShopPrice(shop::Temple, model.selected);
    if (!price || !HasCharacter(game.state, model)) return;
    if (!PayGoldTelling(game, *price)) return;
    // The temple keeps the money even when there was nothing to heal.
    const std::string message = Cure(game.state, model.selected);
    if (!message.empty()) ShowDialog(game, message);
}

void Sell(Game& game, BackpackModel& model) {
    if (HighlightedPackItem(game.state, model) == 0) return;
    if (Marked(model)) {
        ShowDialog(game, "Cannot sell an equipped item.");
        return;
    }
    PawnSale(game, model.selected);
}

void Trade(Game& game, BackpackModel& model, BackpackView& view) {
    const int item = HighlightedPackItem(game.state, model);
    if (item == 0) return;
    if (Marked(model)) {
        ShowDialog(game, "Cannot trade an equipped item.");
        return;
    }
    game.state.TradeItem = static_cast<int16_t>(item);
    game.state.TradeSlot = model.selected;
    game.state.TradeMode = 50;
    view.OpenTrade();
}

void UseInBattle(Game& game, BackpackModel& model) {
    if (HighlightedPackItem(game.state, model) == kHealingPotion) game.state.PotionChosen = True;
}

void Drop(Game& game, BackpackModel& model) {
    if (HighlightedPackItem(game.state, model) == 0) return;
    if (Marked(model)) {
        ShowDialog(game, "Cannot drop an equipped item.");
        return;
    }
    RemovePackEntry(game.state.Party[model.slot], model.selected);
}

void FillPackLabels(const GameState& state, BackpackModel& model) {
    if (!HasCharacter(state, model)) return;
    const PLAYER& character = state.Party[model.slot];
    const std::array<bool, 25> equipped = EquippedEntries(character);
    const int count = std::clamp<int>(character.PackCount, 0, kItemLabels);
    for (int index = 0; index < count; ++index)
        model.labels[index] = (equipped[index] ? kEquippedMark : "") + PackItemName(character.Pack[index]);
}

void FillCounterLabels(BackpackModel& model) {
    const std::span<const char* const> captions = CaptionsOf(model.mode);
    const char* unit = model.mode == pack_mode::Temple ? " gps" : "gps";
    for (size_t index = 0; index < captions.size(); ++index) {
        const int32_t price = CounterPrice(model.mode, static_cast<int>(index)).value_or(0);
        model.labels[index] = captions[index] + std::to_string(price) + unit;
    }
}

// The kinds on offer keep their places while the screen is open; each label
// counts what the foes still carry of its kind.
void FillLootLabels(const GameState& state, BackpackModel& model) {
    const std::vector<LootEntry> offer = LootOnOffer(state);
    if (std::all_of(model.loot_items.begin(), model.loot_items.end(),
                    [](int16_t item) { return item == 0; })) {
        for (size_t index = 0; index < offer.size(); ++index) model.loot_items[index] = offer[index].item;
    }
    for (int index = 0; index < kItemLabels && model.loot_items[index] != 0; ++index) {
        const int16_t item = model.loot_items[index];
        auto found = std::find_if(offer.begin(), offer.end(),
                                  [item](const LootEntry& entry) { return entry.item == item; });
        const int count = found == offer.end() ? 0 : found->count;
        model.labels[index] = PackItemName(item) + " (" + std::to_string(count) + ")";
    }
}

}  // namespace

std::string PackItemName(int item) {
    const bool special = (item >= 200 && item <= 215) || (item >= 600 && item <= 612);
    return special ? SpecialItemName(item) : ItemName(item);
}

BackpackModel OpenBackpack(GameState& state) {
    BackpackModel model;
    model.mode = state.BackpackMode;
    model.loot = IsSet(state.LootMode);
    if (state.SelectedPlayer == 0) state.SelectedPlayer = 1;
    const int wanted = model.loot ? state.Looter : state.SelectedPlayer - 1;
    model.slot = std::clamp(wanted, 0, std::max(0, Members(state) - 1));
    KeepCharacterInState(state, model);
    FillLabels(state, model);
    return model;
}

bool CanBrowse(const GameState& state, const BackpackModel& model) {
    return IsSet(state.BrowseParty) || model.loot;
}

bool IsPackMode(const BackpackModel& model) {
    return !model.loot && (model.mode == pack_mode::OwnPack || model.mode == pack_mode::PawnShop ||
                           model.mode == pack_mode::PartyTrade);
}

bool BrowseTo(GameState& state, BackpackModel& model, int step) {
    const int next = model.slot + step;
    if (!CanBrowse(state, model) || next < 0 || next >= Members(state)) return false;
    model.slot = next;
    model.selected = 0;
    KeepCharacterInState(state, model);
    FillLabels(state, model);
    return true;
}

void FillLabels(const GameState& state, BackpackModel& model) {
    model.labels.fill({});
    if (model.loot) {
        FillLootLabels(state, model);
    } else if (IsCounterMode(model.mode)) {
        FillCounterLabels(model);
    } else if (IsPackMode(model)) {
        FillPackLabels(state, model);
    }
    model.selected = std::clamp(model.selected, 0, std::max(0, LabelCount(model) - 1));
}

std::string MoneyLine(const GameState& state, const BackpackModel& model) {
    if (model.loot) return "Equipment...";
    return "Party's Total Gold: " + std::to_string(PartyGoldTotal(state)) + "gp's.";
}

std::string ActionCaption(const GameState& state, const BackpackModel& model) {
    if (model.loot) return "Take";
    switch (model.mode) {
        case pack_mode::WeaponShop:
        case pack_mode::ArmorShop:
        case pack_mode::MagicShop:
            return "Buy";
        case pack_mode::Temple:
            return "Heal";
        case pack_mode::OwnPack:
            return IsSet(state.InBattle) ? "Use" : "Drop";
        case pack_mode::PawnShop:
            return "Sell";
        case pack_mode::PartyTrade:
            return "Trade";
        default:
            return {};
    }
}

std::string ShownName(const GameState& state, const BackpackModel& model) {
    return HasCharacter(state, model) ? Cp1252ToUtf8(state.Party[model.slot].Name) : std::string();
}

void MoveHighlight(BackpackModel& model, int step) {
    const int next = model.selected + step;
    if (next < 0 || next >= kItemLabels) return;
    if (step > 0 && model.labels[next].empty()) return;
    model.selected = next;
}

void ToggleEquipped(Game& game, BackpackModel& model) {
    if (!IsPackMode(model) || HighlightedPackItem(game.state, model) == 0) return;
    const int slot = game.state.SelectedPlayer - 1;
    if (slot < 0 || slot >= Members(game.state)) return;
    if (Marked(model)) {
        UnequipItem(game.state, slot, model.selected);
    } else {
        const EquipResult result = EquipItem(game.state, slot, model.selected);
        const std::string refusal =
            EquipRefusal(result, game.state.Party[slot], game.state.Party[slot].Pack[model.selected]);
        if (!refusal.empty()) ShowDialog(game, refusal);
    }
    FillLabels(game.state, model);
}

void DoAction(Game& game, BackpackModel& model, BackpackView& view) {
    if (model.loot) {
        TakeLoot(game, model);
    } else {
        switch (model.mode) {
            case pack_mode::WeaponShop:
            case pack_mode::ArmorShop:
            case pack_mode::MagicShop:
                Buy(game, model);
                break;
            case pack_mode::Temple:
                Heal(game, model);
                break;
            case pack_mode::PawnShop:
                Sell(game, model);
                break;
            case pack_mode::PartyTrade:
                Trade(game, model, view);
                break;
            case pack_mode::OwnPack:
                if (IsSet(game.state.InBattle)) {
                    UseInBattle(game, model);
                } else {
                    Drop(game, model);
                }
                break;
            default:
                break;
        }
    }
    // A raising that failed may have taken the shown character out of the party.
    model.slot = std::clamp(model.slot, 0, std::max(0, Members(game.state) - 1));
    KeepCharacterInState(game.state, model);
    FillLabels(game.state, model);
}

void UseHighlighted(Game& game, BackpackModel& model) {
    if (model.loot || model.mode != pack_mode::OwnPack || IsSet(game.state.InBattle)) return;
    if (model.labels[model.selected] != ItemName(kHealingPotion)) return;
    if (HighlightedPackItem(game.state, model) != kHealingPotion) return;
    const std::string message = DrinkPotion(game.state, model.slot, model.selected);
    if (game.view) game.view->RefreshPartyPanel();
    FillLabels(game.state, model);
    ShowDialog(game, message);
}

void CloseBackpack(GameState& state, const BackpackModel& model) {
    if (model.loot) DiscardLoot(state);
    state.BrowseParty = False;
    state.SelectedPlayer = 0;
}

}  // namespace duskmoor
