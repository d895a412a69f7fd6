#include "town/frm_bank.h"

#include "core/codepage.h"
#include "shell/frm_dialog.h"
#include "shell/game.h"
#include "town/bank.h"
#include "ui/host.h"
#include "ui/widget_style.h"

namespace duskmoor {
namespace {

constexpr int kWidth = 420, kHeight = 330;
constexpr int kCoinTop = 110, kCoinStep = 42;

struct CoinRow {
    const char* picture;
    const char* shown;
    const char* box;
    const char* caption;
};
constexpr CoinRow kCoinRows[3] = {{"GoldCoinBmp", "lblShowGold", "txtGold", "Gold"},
                                  {"SilverCoinBmp", "lblShowSilver", "txtSilver", "Silver"},
                                  {"CopperCoinBmp", "lblShowCopper", "txtCopper", "Copper"}};

}  // namespace

frmBank::frmBank(Game& game) : Screen(game.host, "frmBank", kWidth, kHeight), game_(game) {
    title = "Verezeve Bank";
    AddHeading(*this, "lblPrompt", "", 12);
    Control& player = Add(ControlKind::Label, "lblPlayer", 20, 44, kWidth - 40, 24);
    player.font_size = 14;
    player.bold = true;
    player.align = TextAlign::Center;
    player.fore = palette::Value;
    Control& message = Add(ControlKind::Label, "lblMessage", 40, 76, 200, 22);
    message.font_size = 12;
    message.bold = true;
    message.fore = palette::Caption;
    Control& amounts = Add(ControlKind::Label, "lblAmounts", 270, 76, 120, 22);
    amounts.caption = "AMOUNT:";
    amounts.font_size = 12;
    amounts.bold = true;
    amounts.fore = palette::Caption;
    for (int coin = 0; coin < 3; ++coin) {
        const CoinRow& row = kCoinRows[coin];
        const int y = kCoinTop + coin * kCoinStep;
        Add(ControlKind::ImageButton, std::string("imgCoin") + row.caption, 40, y, 32, 32).picture =
            row.picture;
        Control& shown = Add(ControlKind::Label, row.shown, 84, y + 6, 170, 22);
        shown.font_size = 13;
        shown.fore = palette::Value;
        Control& box = Add(ControlKind::TextBox, row.box, 270, y + 3, 110, 26);
        box.font_size = 12;
        box.fore = palette::FieldText;
        box.max_length = 12;
        Control* shown_label = &shown;
        Control* box_control = &box;
        box.on_dblclick = [shown_label, box_control] { box_control->caption = shown_label->caption; };
    }
    const int buttons_y = kHeight - 54;
    const int gap = (kWidth - 4 * 86) / 5;
    auto button = [&](const char* name, const char* caption, int place) -> Control& {
        return AddButton(*this, name, caption, gap + place * (86 + gap), buttons_y, 86, 34);
    };
    // Enter moves the amounts typed.
    Control& enter = button("cmdEnter", "ENTER", 0);
    enter.on_click = [this] { Enter(); };
    default_button = &enter;
    button("cmdPrior", "PRIOR", 1).on_click = [this] { Browse(-1); };
    button("cmdNext", "NEXT", 2).on_click = [this] { Browse(1); };
    button("cmdCancel", "DONE", 3).on_click = [this] { Close(); };
}

void frmBank::Load() {
    const bool deposit = game_.state.BankMode != bank::Withdrawal;
    (*this)["lblPrompt"].caption = deposit ? "Enter amounts to deposit..." : "Enter amounts to withdrawel...";
    (*this)["lblMessage"].caption = deposit ? "PLAYER FUNDS:" : "ACCOUNT FUNDS:";
    member_ = 0;
    (*this)["cmdPrior"].enabled = false;
    (*this)["cmdNext"].enabled = game_.state.NumPlayers > 1;
    ClearLabels();
    UpdateLabels();
    focus = &(*this)["txtGold"];
}

void frmBank::UpdateLabels() {
    const GameState& state = game_.state;
    if (member_ >= state.NumPlayers || member_ > 3) return;
    const PLAYER& member = state.Party[member_];
    (*this)["lblPlayer"].caption = Cp1252ToUtf8(member.Name);
    const bool deposit = state.BankMode != bank::Withdrawal;
    (*this)["lblShowGold"].caption = std::to_string(deposit ? member.Gold : state.BankGold);
    (*this)["lblShowSilver"].caption = std::to_string(deposit ? member.Silver : state.BankSilver);
    (*this)["lblShowCopper"].caption = std::to_string(deposit ? member.Copper : state.BankCopper);
    host().Invalidate();
}

void frmBank::ClearLabels() {
    for (const CoinRow& row : kCoinRows) (*this)[row.box].caption = "0";
}

void frmBank::Browse(int step) {
    const int next = member_ + step;
    if (next < 0 || next >= game_.state.NumPlayers) return;
    member_ = next;
    (*this)["cmdPrior"].enabled = member_ > 0;
    (*this)["cmdNext"].enabled = member_ + 1 < game_.state.NumPlayers;
    UpdateLabels();
}

void frmBank::Enter() {
    GameState& state = game_.state;
    const BankBoxes boxes = {(*this)["txtGold"].caption, (*this)["txtSilver"].caption,
                             (*this)["txtCopper"].caption};
    const BankResult result =
        state.BankMode == bank::Withdrawal ? Withdraw(state, member_, boxes) : Deposit(state, member_, boxes);
    switch (result.kind) {
        case BankResult::InsufficientFunds:
            (*this)[kCoinRows[result.box].box].caption = "0";
            ShowDialog(game_, "Insufficient funds!");
            return;
        case BankResult::CannotCarry:
            ShowDialog(game_, Cp1252ToUtf8(state.Party[member_].Name) + " cannot carry that much.");
            return;
        case BankResult::Moved:
            break;
    }
    UpdateLabels();
    ClearLabels();
}

}  // namespace duskmoor
