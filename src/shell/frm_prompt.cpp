#include "shell/frm_prompt.h"

#include "party/character_files.h"
#include "party/frm_generator.h"
#include "party/party.h"
#include "shell/frm_dialog.h"
#include "shell/game.h"
#include "ui/host.h"
#include "ui/widget_style.h"

namespace duskmoor {

frmPrompt::frmPrompt(Game& game) : Screen(game.host, "frmPrompt", 330, 250), game_(game) {
    title = "The Duskmoor";
    AddHeading(*this, "lblTitle", "Gather your party", 16);
    Control& load = AddButton(*this, "cmdLoad", "Load Character", 65, 60, 200, 34);
    load.on_click = [this] { LoadCharacterAtStart(game_); };
    Control& default_party = AddButton(*this, "cmdDefault", "Default Party", 65, 102, 200, 34);
    default_party.on_click = [this] { LoadDefaultParty(); };
    AddButton(*this, "cmdCreate", "Create Character", 65, 144, 200, 34).on_click = [this] {
        frmGenerator generator(game_);
        game_.host.RunModal(generator);
    };
    Control& done = AddDefaultButton(*this, "cmdDone", "Done", 115, 196, 100, 34);
    done.on_click = [this] { Close(); };
}

void frmPrompt::LoadDefaultParty() {
    GameState& state = game_.state;
    if (ShowDialog(game_, "Load default party?", dialog::YesNo) == dialog::No) return;
    state.NumPlayers = 4;
    state.Party = DefaultParty();
}

}  // namespace duskmoor
