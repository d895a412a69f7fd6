#include "events/set_events.h"

#include "events/encounter_kinds.h"
#include "events/notes.h"
#include "events/quest_objects.h"
#include "events/traps.h"
#include "shell/frm_dialog.h"
#include "shell/game.h"
#include "town/frm_treasure.h"
#include "ui/host.h"

namespace duskmoor {
namespace {

void OpenTreasureScreen(Game& game) {
    frmTreasure screen(game);
    game.host.RunModal(screen);
}

// The treasure on the ground goes to the treasure screen exactly as the entry
// holds it: its three coin amounts and its four items, nothing carried over.
void HandOverTreasure(Game& game) {
    GameState& state = game.state;
    ShowDialog(game, "You've found treasure!");
    state.TreasureGold = state.EncounterGold;
    state.TreasureSilver = state.EncounterSilver;
    state.TreasureCopper = state.EncounterCopper;
    state.TreasureItems = state.EncounterItems;
    OpenTreasureScreen(game);
}

}  // namespace

bool HandleSetEvent(Game& game, int index) {
    GameState& state = game.state;
    if (state.CurrentBlock < 0 || state.CurrentBlock >= kEncounterBlocks || index < 0 || index >= 26)
        return false;
    int16_t& pending = state.Encounters[state.CurrentBlock].Pending[index];
    switch (state.EncounterKind) {
        case encounter_kind::Treasure:
            HandOverTreasure(game);
            break;
        case encounter_kind::Note:
            ShowDialog(game, "You've found some paperwork.");
            ShowNote(game, state.NoteNumber);
            break;
        case encounter_kind::Trap:
            if (HandleTrap(game)) {
                ShowDialog(game, "The party has been defeated.");
                state.PartyDefeated = True;
            }
            break;
        case encounter_kind::TreasureAndNote:
            HandOverTreasure(game);
            ShowDialog(game, "You've also found some paperwork.");
            ShowNote(game, state.NoteNumber);
            break;
        case encounter_kind::QuestObject:
            // An object nobody could carry stays where it lies.
            if (!RevealQuestObject(game, state.QuestObject)) return true;
            break;
        default:
            return false;
    }
    pending = False;
    return true;
}

}  // namespace duskmoor
