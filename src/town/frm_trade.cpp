#include "town/frm_trade.h"

#include <algorithm>

#include "core/codepage.h"
#include "shell/frm_dialog.h"
#include "shell/game.h"
#include "town/trade.h"
#include "ui/host.h"
#include "ui/widget_style.h"

namespace duskmoor {
namespace {

constexpr int kWidth = 320, kHeight = 250;
constexpr int kFirstRow = 52, kRowHeight = 30;
constexpr Color kNameColor = palette::Text;
constexpr Color kChosenColor = palette::Chosen;

}  // namespace

frmTrade::frmTrade(Game& game) : Screen(game.host, "frmTrade", kWidth, kHeight), game_(game) {
    title = "Trade";
    AddHeading(*this, "lblPrompt", "", 12);
    for (int member = 0; member < 4; ++member) {
        Control& name = Add(ControlKind::Label, "lblPlayer[" + std::to_string(member) + "]", 60,
                            kFirstRow + member * kRowHeight, kWidth - 120, kRowHeight - 4);
        name.font_size = 14;
        name.bold = true;
        name.align = TextAlign::Center;
        name.on_click = [this, member] { Select(member); };
    }
    const int buttons_y = kHeight - 50;
    AddDefaultButton(*this, "lblDone", "done", 40, buttons_y, 100, 34).on_click = [this] { Done(); };
    AddButton(*this, "lblCancel", "cancel", kWidth - 140, buttons_y, 100, 34).on_click = [this] { Close(); };
}

void frmTrade::Load() {
    const GameState& state = game_.state;
    (*this)["lblPrompt"].caption = state.TradeMode == trade::PickSpellTarget
                                       ? "Cast spell on which character?"
                                       : "Give item to which character?";
    for (int member = 0; member < 4; ++member) {
        Control& name = At("lblPlayer", member);
        const bool in_play = member < state.NumPlayers;
        name.caption = in_play ? Cp1252ToUtf8(state.Party[member].Name) : std::string();
        name.visible = in_play;
    }
    selected_ = 0;
    RedLabels();
}

void frmTrade::Select(int member) {
    if (member < 0 || member >= game_.state.NumPlayers || member > 3) return;
    selected_ = member;
    RedLabels();
}

// The chosen member's name in red, the others as usual.
void frmTrade::RedLabels() {
    for (int member = 0; member < 4; ++member)
        At("lblPlayer", member).fore = member == selected_ ? palette::Chosen : palette::Text;
    host().Invalidate();
}

void frmTrade::KeyDown(int key) {
    if (key == keys::Up) Select(selected_ - 1);
    if (key == keys::Down) Select(selected_ + 1);
}

void frmTrade::Done() {
    GameState& state = game_.state;
    if (state.TradeMode == trade::GiveItem) {
        if (MoveItem(state, selected_) == MoveResult::CannotCarry)
            ShowDialog(game_, Cp1252ToUtf8(state.Party[selected_].Name) + " cannot carry anymore.");
    } else if (state.TradeMode == trade::PickSpellTarget) {
        state.TradeMode = static_cast<int16_t>(selected_);
    }
    Close();
}

}  // namespace duskmoor
