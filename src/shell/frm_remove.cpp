#include "shell/frm_remove.h"

#include "core/codepage.h"
#include "party/character_files.h"
#include "shell/frm_dialog.h"
#include "shell/game.h"
#include "shell/party_changes.h"
#include "ui/widget_style.h"

namespace duskmoor {
namespace {
constexpr int kWidth = 320, kHeight = 190;
constexpr int kButtonWidth = 110, kButtonHeight = 34;
}  // namespace

frmRemove::frmRemove(Game& game) : Screen(game.host, "frmRemove", kWidth, kHeight), game_(game) {
    title = "Remove a Character";
    AddHeading(*this, "lblTitle", "Remove a Character", 14);
    Control& prompt = Add(ControlKind::Label, "lblPrompt", 30, 52, kWidth - 60, 20);
    prompt.caption = "Who leaves the party?";
    prompt.font_size = 12;
    prompt.align = TextAlign::Center;
    prompt.fore = palette::Caption;
    Control& list = Add(ControlKind::List, "cmbCharacters", 60, 80, kWidth - 120, 26);
    list.font_size = 12;
    list.fore = palette::FieldText;
    const int buttons_y = kHeight - kButtonHeight - 18;
    const int gap = (kWidth - 2 * kButtonWidth) / 3;
    AddButton(*this, "cmdRemove", "Remove", gap, buttons_y, kButtonWidth, kButtonHeight).on_click = [this] {
        RemoveSelected();
    };
    AddDefaultButton(*this, "cmdDone", "Done", 2 * gap + kButtonWidth, buttons_y, kButtonWidth, kButtonHeight)
        .on_click = [this] { Close(); };
}

void frmRemove::Load() {
    FillList();
}

void frmRemove::FillList() {
    Control& list = (*this)["cmbCharacters"];
    list.items.clear();
    for (int slot = 0; slot < 4; ++slot) {
        const PLAYER& member = game_.state.Party[slot];
        if (IsSet(member.Active)) list.items.push_back(Cp1252ToUtf8(member.Name));
    }
    list.selected = list.items.empty() ? -1 : 0;
}

void frmRemove::RemoveSelected() {
    GameState& state = game_.state;
    const int slot = (*this)["cmbCharacters"].selected;
    if (slot < 0 || slot >= state.NumPlayers) return;
    const std::string name = Cp1252ToUtf8(state.Party[slot].Name);
    // The player may keep the character on disk; cancelling the save still
    // removes it, but a save that fails keeps the character in the party, or
    // it would exist nowhere.
    if (SaveCharacter(game_, slot) == SaveOutcome::Failed) {
        ShowDialog(game_, name + " has not been removed from the party.");
        return;
    }
    ShowDialog(game_, name + " has been removed from the party.");
    RemoveFromParty(state, slot);
    FillList();
    if (game_.view) game_.view->RefreshPartyPanel();
}

}  // namespace duskmoor
