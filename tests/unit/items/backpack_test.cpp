#include "items/backpack.h"

#include <gtest/gtest.h>

#include "core/random.h"
#include "items/loot.h"
#include "items/temple.h"
#include "support/scripted_game.h"

namespace duskmoor {
namespace {

struct PackGame : ScriptedGame, BackpackView {
    explicit PackGame(const std::string& script = "") : ScriptedGame(script) {
        game.state.NumPlayers = 2;
        const char* names[] = {"Rhomadon", "Evro"};
        for (int slot = 0; slot < 2; ++slot) {
            game.state.Party[slot].Name = names[slot];
            game.state.Party[slot].MaxLoad = 1600;
            game.state.Party[slot].MaxHP = 8;
            game.state.Party[slot].HP = 8;
            game.state.Party[slot].Status = 1;
        }
    }
    PLAYER& operator[](int slot) { return game.state.Party[slot]; }
    void OpenTrade() override { ++trades_opened; }
    BackpackModel Open(int16_t mode) {
        game.state.BackpackMode = mode;
        return OpenBackpack(game.state);
    }
    int trades_opened = 0;
};

void Carry(PLAYER& character, std::initializer_list<int16_t> items) {
    for (int16_t item : items) {
        character.Pack[character.PackCount++] = item;
        character.Load = static_cast<int16_t>(character.Load + (item == 10 ? 60 : item == 20 ? 10 : 0));
    }
}

TEST(Backpack, PackLabelsMarkTheFirstEquippedEntryOnly) {
    PackGame pack;
    Carry(pack[0], {10, 10, 20, 209, 600});
    pack[0].Weapon = 10;
    BackpackModel model = pack.Open(pack_mode::OwnPack);
    EXPECT_EQ(pack.game.state.SelectedPlayer, 1) << "no character chosen means the first";
    EXPECT_EQ(model.labels[0], "** Sword");
    EXPECT_EQ(model.labels[1], "Sword");
    EXPECT_EQ(model.labels[2], "Potion of Healing");
    EXPECT_EQ(model.labels[3], "Sleep");
    EXPECT_EQ(model.labels[4], "Sword +1");
    EXPECT_EQ(model.labels[5], "");
    EXPECT_EQ(ActionCaption(pack.game.state, model), "Drop");
    pack.game.state.InBattle = True;
    EXPECT_EQ(ActionCaption(pack.game.state, model), "Use");
}

TEST(Backpack, DroppingRefusesTheEquippedAndClosesTheGap) {
    PackGame pack("click cmdButton1\n");
    Carry(pack[0], {10, 10, 20});
    pack[0].Weapon = 10;
    BackpackModel model = pack.Open(pack_mode::OwnPack);
    DoAction(pack.game, model, pack);
    EXPECT_EQ(pack.transcript.str(), "dialog 1 Cannot drop an equipped item.\n");
    EXPECT_EQ(pack[0].PackCount, 3);
    MoveHighlight(model, 1);
    DoAction(pack.game, model, pack);
    EXPECT_EQ(pack[0].PackCount, 2);
    EXPECT_EQ(pack[0].Pack[1], 20);
    EXPECT_EQ(pack[0].Pack[2], 0);
    EXPECT_EQ(pack[0].Load, 70);
    EXPECT_EQ(model.labels[1], "Potion of Healing");
}

TEST(Backpack, TheHighlightStaysOnFilledLabels) {
    PackGame pack;
    Carry(pack[0], {10, 20});
    BackpackModel model = pack.Open(pack_mode::OwnPack);
    MoveHighlight(model, -1);
    EXPECT_EQ(model.selected, 0);
    MoveHighlight(model, 1);
    MoveHighlight(model, 1);
    EXPECT_EQ(model.selected, 1) << "Down stops at the last item";
}

TEST(Backpack, TheEKeyTogglesEquipmentAndReportsRefusals) {
    PackGame pack("click cmdButton1\n");
    Carry(pack[1], {13, 16});
    pack[1].Class = 2;  // a thief: no shield, no chain mail
    pack.game.state.SelectedPlayer = 2;
    BackpackModel model = pack.Open(pack_mode::OwnPack);
    ToggleEquipped(pack.game, model);
    EXPECT_EQ(pack.transcript.str(), "dialog 1 Evro cannot use a Shield.\n");
    pack[1].Class = 0;
    ToggleEquipped(pack.game, model);
    EXPECT_EQ(pack[1].Armor, 13);
    EXPECT_EQ(model.labels[0], "** Shield");
    ToggleEquipped(pack.game, model);
    EXPECT_EQ(pack[1].Armor, 0);
    EXPECT_EQ(pack[1].AC, 9);
}

TEST(Backpack, ThePotionHealsWithinMaxHitPointsAndLeavesThePack) {
    PackGame pack("click cmdButton1\nclick cmdButton1\n");
    Carry(pack[0], {10, 20, 20});
    pack[0].HP = 1;
    pack[0].MaxHP = 20;
    BackpackModel model = pack.Open(pack_mode::OwnPack);
    UseHighlighted(pack.game, model);
    EXPECT_EQ(pack[0].PackCount, 3) << "only the potion is drunk";
    model.selected = 1;
    Random().Force(0.03);
    Random().Force(0.04);  // 3 + 4 + 2
    UseHighlighted(pack.game, model);
    EXPECT_EQ(pack[0].HP, 10);
    EXPECT_EQ(pack[0].PackCount, 2);
    EXPECT_EQ(pack[0].Load, 70);
    pack[0].HP = 18;
    Random().Force(0.06);
    Random().Force(0.06);
    UseHighlighted(pack.game, model);
    EXPECT_EQ(pack[0].HP, 20);
    EXPECT_EQ(pack.transcript.str(),
              "dialog 1 Rhomadon is healed for 9 hit points.\n"
              "dialog 1 Rhomadon is healed for 2 hit points.\n");
}

TEST(Backpack, InBattleOnlyThePotionIsChosen) {
    PackGame pack;
    Carry(pack[0], {23, 20});
    pack.game.state.InBattle = True;
    BackpackModel model = pack.Open(pack_mode::OwnPack);
    DoAction(pack.game, model, pack);
    EXPECT_EQ(pack.game.state.PotionChosen, False);
    EXPECT_EQ(pack[0].PackCount, 2);
    MoveHighlight(model, 1);
    DoAction(pack.game, model, pack);
    EXPECT_EQ(pack.game.state.PotionChosen, True);
    EXPECT_EQ(pack[0].PackCount, 2) << "the battle drinks it, not the pack";
}

TEST(Backpack, CountersListTheirPricesAndSellWhatTheyList) {
    PackGame pack("click cmdButton1\nclick cmdButton1\n");
    pack[0].Gold = 110;
    pack[0].Load = 110;
    BackpackModel weapons = pack.Open(pack_mode::WeaponShop);
    EXPECT_EQ(weapons.labels[0], "Club - 3gps");
    EXPECT_EQ(weapons.labels[11], "2-Handed Sword - 15gps");
    EXPECT_EQ(weapons.labels[12], "");
    EXPECT_EQ(ActionCaption(pack.game.state, weapons), "Buy");
    BackpackModel magic = pack.Open(pack_mode::MagicShop);
    EXPECT_EQ(magic.labels[0], "Healing Potion - 100gps");
    EXPECT_EQ(magic.labels[16], "Destroy - 1500gps");
    BackpackModel temple = pack.Open(pack_mode::Temple);
    EXPECT_EQ(temple.labels[6], "Raise Dead - 10000 gps");
    EXPECT_EQ(ActionCaption(pack.game.state, temple), "Heal");

    weapons = pack.Open(pack_mode::WeaponShop);
    weapons.selected = 9;
    DoAction(pack.game, weapons, pack);
    EXPECT_EQ(pack[0].Pack[0], 10);
    EXPECT_EQ(pack[0].Gold, 100);
    EXPECT_EQ(pack[0].Load, 160);
    magic = pack.Open(pack_mode::MagicShop);
    DoAction(pack.game, magic, pack);
    EXPECT_EQ(pack[0].Pack[1], 20);
    EXPECT_EQ(pack[0].Gold, 0);
    EXPECT_EQ(pack[0].Load, 10 + 60);
    EXPECT_EQ(MoneyLine(pack.game.state, magic), "Party's Total Gold: 0gp's.");
}

TEST(Backpack, TheMoneyLineRoundsEachCharactersShare) {
    PackGame pack;
    pack[0].Silver = 15;
    pack[0].Copper = 150;
    BackpackModel model = pack.Open(pack_mode::PawnShop);
    EXPECT_EQ(MoneyLine(pack.game.state, model), "Party's Total Gold: 4gp's.");
    EXPECT_EQ(ActionCaption(pack.game.state, model), "Sell");
}

TEST(Backpack, TradingRefusesTheEquippedAndHandsTheRestToThePicker) {
    PackGame pack("click cmdButton1\n");
    Carry(pack[1], {10, 20});
    pack[1].Weapon = 10;
    pack.game.state.BrowseParty = True;
    BackpackModel model = pack.Open(pack_mode::PartyTrade);
    EXPECT_TRUE(BrowseTo(pack.game.state, model, 1));
    EXPECT_FALSE(BrowseTo(pack.game.state, model, 1)) << "there is nobody after Evro";
    EXPECT_EQ(pack.game.state.SelectedPlayer, 2);
    DoAction(pack.game, model, pack);
    EXPECT_EQ(pack.trades_opened, 0);
    MoveHighlight(model, 1);
    DoAction(pack.game, model, pack);
    EXPECT_EQ(pack.trades_opened, 1);
    EXPECT_EQ(pack.game.state.TradeItem, 20);
    EXPECT_EQ(pack.game.state.TradeSlot, 1);
    EXPECT_EQ(pack.game.state.TradeMode, 50);
    EXPECT_EQ(pack.transcript.str(), "dialog 1 Cannot trade an equipped item.\n");
    CloseBackpack(pack.game.state, model);
    EXPECT_EQ(pack.game.state.SelectedPlayer, 0);
    EXPECT_EQ(pack.game.state.BrowseParty, False);
}

TEST(Backpack, LootIsOfferedByKindAndWhatIsLeftIsLost) {
    PackGame pack("click cmdButton1\n");
    GameState& state = pack.game.state;
    state.NumMonsters = 3;
    state.Monsters[0].CarriedItems = {10, 14, 13};
    state.Monsters[1].CarriedItems = {10};
    state.Monsters[2].CarriedItems = {0, 0, 3};
    state.Monsters[5].CarriedItems = {12};  // beyond the roster in play
    state.LootMode = True;
    state.Looter = 1;
    BackpackModel model = pack.Open(0);
    EXPECT_EQ(ShownName(state, model), "Evro");
    EXPECT_EQ(MoneyLine(state, model), "Equipment...");
    EXPECT_EQ(ActionCaption(state, model), "Take");
    EXPECT_EQ(model.labels[0], "Sword (2)");
    EXPECT_EQ(model.labels[1], "Leather Armor (1)");
    EXPECT_EQ(model.labels[2], "Shield (1)");
    EXPECT_EQ(model.labels[3], "Dagger (1)");
    EXPECT_EQ(model.labels[4], "");
    DoAction(pack.game, model, pack);
    EXPECT_EQ(pack[1].Pack[0], 10);
    EXPECT_EQ(pack[1].Load, 60);
    EXPECT_EQ(model.labels[0], "Sword (1)");
    pack[1].Load = 1590;
    model.selected = 1;
    DoAction(pack.game, model, pack);
    EXPECT_EQ(pack.transcript.str(), "dialog 1 Evro is overloaded.\n");
    EXPECT_EQ(model.labels[1], "Leather Armor (1)");
    model.selected = 0;
    pack[1].Load = 0;
    DoAction(pack.game, model, pack);
    EXPECT_EQ(model.labels[0], "Sword (0)") << "a kind taken to the last keeps its place";
    DoAction(pack.game, model, pack);
    EXPECT_EQ(pack[1].PackCount, 2) << "nothing is left of it to take";
    EXPECT_TRUE(BrowseTo(state, model, -1));
    EXPECT_EQ(state.Looter, 0);
    CloseBackpack(state, model);
    EXPECT_TRUE(LootOnOffer(state).empty());
    EXPECT_EQ(state.Monsters[5].CarriedItems[0], 0);
}

TEST(Temple, ServicesHealCureAndRaise) {
    GameState state;
    state.NumPlayers = 2;
    state.Party[0].Name = "Rhomadon";
    state.Party[0].MaxHP = 8;
    state.Party[0].HP = 7;
    state.Party[0].Status = 1;
    state.PackOwner = 0;
    EXPECT_EQ(Cure(state, service::LightWounds), "Rhomadon is fully healed.");
    EXPECT_EQ(state.Party[0].HP, 8);
    state.Party[0].MaxHP = 30;
    state.Party[0].HP = 0;
    state.Party[0].Status = 1 | 2;
    Random().Force(0.00);
    Random().Force(0.01);  // a 0 is drawn again: the die shows 1
    EXPECT_EQ(Cure(state, service::LightWounds), "Rhomadon is healed for 2 hit points.");
    EXPECT_EQ(state.Party[0].Status, 1) << "awake again";
    EXPECT_EQ(Cure(state, service::CriticalWounds), "Rhomadon is fully healed.");
    EXPECT_EQ(Cure(state, service::CurePoison), "");
    state.Party[0].Status = 1 | 4 | 64 | 128;
    EXPECT_EQ(Cure(state, service::CurePoison), "Poision has been removed from Rhomadon's blood.");
    EXPECT_EQ(Cure(state, service::CureDisease), "Rhomadon is no longer diseased.");
    EXPECT_EQ(Cure(state, service::LiftCurse), "Rhomadon is no longer cursed.");
    EXPECT_EQ(state.Party[0].Status, 1);
    EXPECT_EQ(Cure(state, service::RaiseDead), "") << "the living are not raised";

    state.Party[0].Status = 256;
    state.Party[0].HP = 0;
    EXPECT_EQ(Cure(state, service::SeriousWounds), "Rhomadon is dead.  This spell will have no effect.");
    Random().Force(0.16);
    EXPECT_EQ(Cure(state, service::RaiseDead), "Rhomadon has been raised from the dead.");
    EXPECT_EQ(state.Party[0].HP, 1);
    EXPECT_EQ(state.Party[0].Status, 1);

    state.Party[1].Name = "Evro";
    state.Party[0].Status = 256;
    Random().Force(0.15);
    EXPECT_EQ(Cure(state, service::RaiseDead), "Rhomadon has been destroyed.");
    EXPECT_EQ(state.NumPlayers, 1) << "the destroyed leave the party";
    EXPECT_EQ(state.Party[0].Name, "Evro");
}

}  // namespace
}  // namespace duskmoor
