// Verezeve: the shops, the inn, the training hall, the council, the bank and the wagon.
#include <cstdlib>

#include "bot.h"
#include "items/item_catalogue.h"
#include "outfit.h"
#include "town/training.h"

namespace duskmoor::bot {

// The temple's list: Cure Poison is its fourth service.
constexpr int kTempleCurePoison = 3;
constexpr int kCurePoisonPrice = 250;

namespace town {
constexpr int Inn = 33, Temple = 46, Bank = 104, Council = 163, Training = 188, ArmorShop = 226,
              WeaponShop = 228, Wagon = 254;
}  // namespace town

bool Bot::EnterBuilding(int cell) {
    if (!WalkTo({0, cell})) return false;
    if (session_.top() == "frmMessage") return true;
    AfterInterruption();
    return false;
}

void Bot::LeaveBuilding() {
    if (session_.top() == "frmMessage") session_.Act("key Escape");
    AfterInterruption();
}

// Buys, in the shop that is open, what `NextPurchase` picks from that shop,
// going through the party with Next.
void Bot::BuyInShop(int shop_kind) {
    int shown = 0;  // the party member the backpack screen shows
    for (int guard = 0; guard < 24; ++guard) {
        view_.Refresh();
        auto purchase = NextPurchase(view_.state(), view_.Wealth() - kTownReserve);
        if (!purchase || purchase->shop != shop_kind) break;
        while (shown < purchase->slot) {
            session_.Act("click lblNext");
            ++shown;
        }
        while (shown > purchase->slot) {
            session_.Act("click lblPrior");
            --shown;
        }
        session_.Act("click lblItem[" + std::to_string(purchase->entry) + "]");
        session_.Act("click lblAction");
        SettleTo("frmBackPack");
        Log("Bought " + ItemName(purchase->item) + " for " + view_.state().Party[purchase->slot].Name + ".");
    }
    if (session_.top() == "frmBackPack") session_.Act("click lblDone");
}

void Bot::Shop(int cell, int shop_kind) {
    view_.Refresh();
    auto purchase = NextPurchase(view_.state(), view_.Wealth() - kTownReserve);
    if (!purchase || purchase->shop != shop_kind) return;
    if (!EnterBuilding(cell)) return;
    session_.Act("click cmd2");
    if (session_.top() == "frmBackPack") BuyInShop(shop_kind);
    LeaveBuilding();
}

void Bot::Outfit() {
    for (int round = 0; round < 3; ++round) {
        view_.Refresh();
        auto purchase = NextPurchase(view_.state(), view_.Wealth() - kTownReserve);
        if (!purchase) break;
        Shop(town::WeaponShop, 1);
        Shop(town::ArmorShop, 2);
    }
    EquipParty();
    shopped_with_ = view_.Wealth();
}

// The party's equipment view: each member puts on the best it carries.
void Bot::EquipParty() {
    view_.Refresh();
    bool any = false;
    for (int slot = 0; slot < view_.members(); ++slot)
        any = any || !EquipPresses(view_.state(), slot).empty();
    if (!any) return;
    session_.Act("click imgOverhead");
    if (session_.top() != "frmBackPack") return Settle();
    for (int slot = 0; slot < view_.members(); ++slot) {
        if (slot > 0) session_.Act("click lblNext");
        for (int press = 0; press < 3; ++press) {
            view_.Refresh();
            std::vector<int> presses = EquipPresses(view_.state(), slot);
            if (presses.empty()) break;
            session_.Act("click lblItem[" + std::to_string(presses.front()) + "]");
            session_.Act("key E");
            SettleTo("frmBackPack");
        }
    }
    session_.Act("click lblDone");
    Settle();
    view_.Refresh();
}

// A room at the inn lets the party camp in town, safe from wandering monsters.
void Bot::RestAtInn() {
    view_.Refresh();
    if (!view_.state().RoomRented) {
        if (view_.Wealth() < 12 || !EnterBuilding(town::Inn)) return;
        session_.Act("click cmd2");
        Settle();
        view_.Refresh();
        if (!view_.state().RoomRented) return;
    }
    CampAndHeal(12);
}

bool Bot::ReadyToTrain() const {
    const GameState& state = view_.state();
    for (int slot = 0; slot < state.NumPlayers; ++slot) {
        const PLAYER& p = state.Party[slot];
        if (p.Level < 6 && p.Experience >= ExpForLevel(p.Class, p.Level + 1)) return true;
    }
    return false;
}

void Bot::Train() {
    view_.Refresh();
    if (!ReadyToTrain() || view_.Wealth() < 1000) return;
    if (!EnterBuilding(town::Training)) return;
    session_.Act("click cmd2");
    Settle();
    view_.Refresh();
    std::string levels;
    for (int slot = 0; slot < view_.members(); ++slot)
        levels += (slot ? ", " : "") + view_.state().Party[slot].Name + " " +
                  std::to_string(view_.state().Party[slot].Level);
    Log("Trained: " + levels + ".");
}

bool Bot::CarriesQuestObject() const {
    const GameState& state = view_.state();
    for (int slot = 0; slot < state.NumPlayers; ++slot)
        for (int i = 0; i < state.Party[slot].PackCount; ++i)
            if (state.Party[slot].Pack[i] >= 100 && state.Party[slot].Pack[i] <= 113) return true;
    return false;
}

void Bot::Redeem() {
    for (int guard = 0; guard < 14; ++guard) {
        view_.Refresh();
        if (!CarriesQuestObject()) return;
        if (!EnterBuilding(town::Council)) return;
        session_.Act("click cmd1");
        Settle();
        Log("Redeemed a quest object at the council.");
    }
}

// Silver and copper weigh as much as gold: the bank turns them into gold.
void Bot::ConvertCoins() {
    view_.Refresh();
    long small = 0;
    for (int slot = 0; slot < view_.members(); ++slot)
        small += view_.state().Party[slot].Silver + view_.state().Party[slot].Copper;
    if (small < 200) return;
    if (!EnterBuilding(town::Bank)) return;
    session_.Act("click cmd1");
    Settle();
}

bool Bot::RideWagon(const std::string& button) {
    view_.Refresh();
    if (view_.Wealth() < 200) return false;
    if (!EnterBuilding(town::Wagon)) return false;
    session_.Act("click " + button);
    AfterInterruption();
    view_.Refresh();
    return view_.state().CurrentBlock != 0;
}

bool Bot::Poisoned() const {
    for (int slot = 0; slot < view_.members(); ++slot)
        if ((view_.state().Party[slot].Status & (4 | 256)) == 4) return true;
    return false;
}

// The temple's cure for poison, for each poisoned member the party can pay for.
void Bot::CurePoisonAtTemple() {
    view_.Refresh();
    if (!Poisoned() || view_.Wealth() < kCurePoisonPrice || !EnterBuilding(town::Temple)) return;
    session_.Act("click cmd2");
    if (session_.top() == "frmBackPack") {
        for (int slot = 0; slot < view_.members(); ++slot) {
            if (slot > 0) session_.Act("click lblNext");
            view_.Refresh();
            if ((view_.state().Party[slot].Status & (4 | 256)) != 4 || view_.Wealth() < kCurePoisonPrice)
                continue;
            session_.ActAll({"click lblItem[" + std::to_string(kTempleCurePoison) + "]", "click lblAction"});
            SettleTo("frmBackPack");
            Log("The temple cures " + view_.state().Party[slot].Name + " of poison.");
        }
        if (session_.top() == "frmBackPack") session_.Act("click lblDone");
    }
    LeaveBuilding();
}

// Everything the town does for a party back from the ruins.
void Bot::VisitTown() {
    CurePoisonAtTemple();
    ConvertCoins();
    Redeem();
    Train();
    Outfit();
    view_.Refresh();
    if (NeedsHealing()) RestAtInn();
}

}  // namespace duskmoor::bot
