#include "town/frm_treasure.h"

#include <array>

#include "core/codepage.h"
#include "items/frm_backpack.h"
#include "items/item_catalogue.h"
#include "shell/frm_dialog.h"
#include "shell/game.h"
#include "shell/screen_style.h"
#include "town/treasure_rules.h"
#include "ui/host.h"

namespace duskmoor {
namespace {

constexpr int kWidth = 460, kHeight = 400;
constexpr int kCoinTop = 50, kCoinStep = 40;
constexpr int kSpecialTop = 190, kSpecialStep = 28;

constexpr const char* kCoinNames[] = {"Gold", "Silver", "Copper"};
constexpr const char* kShowBoxes[] = {"lblShowGold", "lblShowSilver", "lblShowCopper"};
constexpr const char* kTakeBoxes[] = {"txtTakeGold", "txtTakeSilver", "txtTakeCopper"};

Control& AddTreasureLabel(Screen& screen, const std::string& name, const std::string& text, int x, int y,
                          int width) {
    Control& label = screen.Add(ControlKind::Label, name, x, y, width, 24);
    label.caption = text;
    label.font_size = 12;
    label.fore = palette::Caption;
    return label;
}

}  // namespace

frmTreasure::frmTreasure(Game& game) : Screen(game.host, "frmTreasure", kWidth, kHeight), game_(game) {
    title = "TREASURE!";
    AddHeading(*this, "lblTitle", "TREASURE!", 10);
    BuildCoins();
    BuildSpecials();
    AddButton(*this, "cmdPrior", "-- Prior", 20, 312, 100, 30).on_click = [this] { ChangeMember(-1); };
    Control& player = AddTreasureLabel(*this, "lblPlayer", "", 130, 315, 200);
    player.align = TextAlign::Center;
    player.bold = true;
    player.fore = colors::Gold;
    AddButton(*this, "cmdNext", "Next --", kWidth - 120, 312, 100, 30).on_click = [this] {
        ChangeMember(+1);
    };
    AddButton(*this, "cmdEquipment", "EQUIPMENT...", 20, 354, 150, 32).on_click = [this] { Equipment(); };
    AddButton(*this, "cmdDone", "Done", kWidth - 120, 354, 100, 32).on_click = [this] { Done(); };
}

void frmTreasure::BuildCoins() {
    for (int coin = 0; coin < 3; ++coin) {
        const int y = kCoinTop + coin * kCoinStep;
        Control& picture =
            Add(ControlKind::ImageButton, "imgCoin[" + std::to_string(coin) + "]", 20, y - 4, 40, 32);
        picture.enabled = false;
        AddTreasureLabel(*this, "lblCoin[" + std::to_string(coin) + "]", std::string(kCoinNames[coin]) + ":",
                         70, y, 70);
        Control& show = AddTreasureLabel(*this, kShowBoxes[coin], "0", 140, y, 90);
        show.align = TextAlign::Right;
        show.fore = colors::White;
        Control& box = AddTextBox(*this, kTakeBoxes[coin], 250, y - 2, 80, 26);
        box.max_length = 9;
        box.on_dblclick = [this, coin] {
            (*this)[kTakeBoxes[coin]].caption = std::to_string(OfferOf(game_.state, coin));
        };
        AddButton(*this, "cmdTakeMoney[" + std::to_string(coin) + "]", "Take", 345, y - 4, 90, 30).on_click =
            [this, coin] { TakeMoney(coin); };
    }
}

void frmTreasure::BuildSpecials() {
    AddTreasureLabel(*this, "lblSpecialHeading", "Special items:", 20, kSpecialTop - 28, 200).bold = true;
    for (int slot = 0; slot < 4; ++slot) {
        const int y = kSpecialTop + slot * kSpecialStep;
        Control& label = AddTreasureLabel(*this, "lblSpecial[" + std::to_string(slot) + "]", "", 40, y, 290);
        label.fore = colors::White;
        AddButton(*this, "cmdTake[" + std::to_string(slot) + "]", "Take", 345, y - 3, 90, 26).on_click =
            [this, slot] { TakeItem(slot); };
    }
}

void frmTreasure::Load() {
    member_ = 0;
    ShowCoins();
    ShowSpecials();
    ShowMember();
    for (int coin = 0; coin < 3; ++coin) At("imgCoin", coin).picture = "TreasureBmp";
    focus = &(*this)["txtTakeGold"];
}

void frmTreasure::ShowCoins() {
    for (int coin = 0; coin < 3; ++coin)
        (*this)[kShowBoxes[coin]].caption = std::to_string(OfferOf(game_.state, coin));
}

void frmTreasure::ShowSpecials() {
    bool any = false;
    for (int slot = 0; slot < 4; ++slot) {
        const int16_t item = game_.state.TreasureItems[slot];
        Control& label = At("lblSpecial", slot);
        Control& take = At("cmdTake", slot);
        if (item != 0) {
            label.caption = SpecialItemName(item).empty() ? ItemName(item) : SpecialItemName(item);
            any = true;
        } else {
            label.caption.clear();
            take.enabled = take.visible = false;
        }
    }
    if (!any) At("lblSpecial", 0).caption = "None";
}

// Shows the member whose turn it is, with fresh boxes.
void frmTreasure::ShowMember() {
    const int last = std::max<int>(game_.state.NumPlayers - 1, 0);
    (*this)["lblPlayer"].caption = Cp1252ToUtf8(game_.state.Party[member_].Name);
    for (const char* box : kTakeBoxes) (*this)[box].caption = "0";
    (*this)["cmdPrior"].enabled = member_ > 0;
    (*this)["cmdNext"].enabled = member_ < last;
}

void frmTreasure::ChangeMember(int step) {
    const int next = member_ + step;
    if (next < 0 || next >= game_.state.NumPlayers) return;
    member_ = next;
    ShowMember();
}

void frmTreasure::TakeItem(int slot) {
    const std::string name = Cp1252ToUtf8(game_.state.Party[member_].Name);
    switch (TakeTreasureItem(game_.state, member_, slot)) {
        case TakeResult::PackFull:
            ShowDialog(game_, "Not enough room in " + name + "'s pack.");
            return;
        case TakeResult::Overloaded:
            ShowDialog(game_, name + " is overloaded.");
            return;
        case TakeResult::Taken: {
            At("lblSpecial", slot).caption.clear();
            Control& take = At("cmdTake", slot);
            take.enabled = take.visible = false;
            ShowSpecials();
            return;
        }
        default:
            return;
    }
}

void frmTreasure::TakeMoney(int coin) {
    std::array<std::string, 3> boxes;
    for (int box = 0; box < 3; ++box) boxes[box] = (*this)[kTakeBoxes[box]].caption;
    const CoinTake take = TakeTreasureCoins(game_.state, member_, coin, boxes);
    switch (take.result) {
        case TakeResult::AmountRefused:
            (*this)[kTakeBoxes[take.refused_box]].caption = "0";
            return;
        case TakeResult::Overloaded:
            ShowDialog(game_, Cp1252ToUtf8(game_.state.Party[member_].Name) + " is overloaded.");
            return;
        case TakeResult::Taken:
            ShowCoins();
            (*this)[kTakeBoxes[coin]].caption = "0";
            return;
        default:
            return;
    }
}

void frmTreasure::Equipment() {
    game_.state.LootMode = True;
    game_.state.Looter = static_cast<int16_t>(member_);
    frmBackPack loot(game_);
    host().RunModal(loot);
    game_.state.LootMode = False;
}

void frmTreasure::Done() {
    const std::string question = LeftoverQuestion(game_.state);
    if (!question.empty() && ShowDialog(game_, question, dialog::YesNo) == dialog::Yes) return;
    Close();
}

}  // namespace duskmoor
