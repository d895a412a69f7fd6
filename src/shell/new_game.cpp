#include "shell/new_game.h"

#include "events/set_encounters.h"
#include "events/speeches.h"
#include "party/party.h"
#include "shell/frm_dialog.h"
#include "shell/frm_prompt.h"
#include "shell/game.h"
#include "shell/sound.h"
#include "ui/host.h"
#include "world/blocks.h"

namespace duskmoor {

void Initialize(Game& game) {
    GameState& state = game.state;
    SetGlobals(state);
    SetEncounters(state);
    state.NumPlayers = 0;
    for (int slot = 0; slot < 4; ++slot) {
        state.Party[slot].Active = False;
        state.TreasureItems[slot] = 0;
    }
    if (game.view) {
        game.view->RefreshCoords();
        game.view->RefreshPartyPanel();
    }
    InitializeSound(game);
}

void StartNewGame(Game& game) {
    GameState& state = game.state;
    Reinit(state);
    state.PosX = 4;
    state.PosY = 10;
    state.PosCell = 164;
    state.Facing = 3;
    state.GameHour = 13;
    state.GameMinute = 0;
    if (game.view) {
        game.view->RefreshCoords();
        game.view->RefreshClock();
    }
    do {
        frmPrompt prompt(game);
        game.host.RunModal(prompt);
        if (state.NumPlayers == 0) {
            if (ShowDialog(game, "You must load at least one character to begin.", dialog::OkCancel) ==
                dialog::Cancel)
                game.host.Quit();
        }
        game.host.DoEvents();
    } while (state.NumPlayers < 1);
    if (game.view) game.view->RefreshPartyPanel();
    ClearMap(state);
    LoadStartingMap(game);
    if (game.view) game.view->RedrawView();
    KingSpeech(game);
}

void KickStart(Game& game) {
    ClearMap(game.state);
    LoadNewMap(game, game.state.CurrentBlock);
    if (game.view) {
        // The read-outs still show where the party stood before the load.
        game.view->RefreshCoords();
        game.view->RedrawView();
    }
    game.state.LoadPending = False;
}

bool CheckPartyDeath(Game& game) {
    if (game.view) game.view->RefreshPartyPanel();
    return PartyIsDead(game.state);
}

}  // namespace duskmoor
