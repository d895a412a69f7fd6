#include "events/set_battles.h"

#include "combat/fight_battle.h"
#include "events/encounter_kinds.h"
#include "events/notes.h"
#include "events/quest_objects.h"
#include "events/random_encounters.h"
#include "events/speeches.h"
#include "shell/frm_dialog.h"
#include "shell/game.h"

namespace duskmoor {
namespace {

constexpr int kAmbushEntry = 8;  // the troglodytes' ambush waits on entry 8 of its block

int16_t& PendingFlag(GameState& state, int index) {
    return state.Encounters[state.CurrentBlock].Pending[index];
}

// Announces and fights the battle; true when the party neither lost nor fled.
bool Fight(Game& game, const std::string& announcement) {
    ShowDialog(game, announcement);
    FightBattle(game);
    return !BattleEndedBadly(game.state);
}

}  // namespace

bool BattleEndedBadly(const GameState& state) {
    return IsSet(state.PartyDefeated) || state.BattleOutcome == 7;
}

bool HandleSetBattle(Game& game, int index) {
    GameState& state = game.state;
    if (state.CurrentBlock < 0 || state.CurrentBlock >= kEncounterBlocks || index < 0 || index >= 26)
        return false;
    switch (state.EncounterKind) {
        case encounter_kind::Battle:
            if (Fight(game, GetBattleString())) PendingFlag(state, index) = False;
            return true;
        case encounter_kind::BattleAndNote:
            if (!Fight(game, GetBattleString())) return true;
            ShowDialog(game, "You've found some paperwork.");
            ShowNote(game, state.NoteNumber);
            PendingFlag(state, index) = False;
            return true;
        case encounter_kind::BattleAndQuestObject:
            if (!Fight(game, GetBattleString())) return true;
            PendingFlag(state, index) = False;
            // Guarded objects nobody could carry are guarded again next time.
            if (!RevealQuestObject(game, state.QuestObject)) PendingFlag(state, index) = True;
            return true;
        case encounter_kind::VonDevever:
            if (!Fight(game, "You are startled by movement in the corner...a Vampire!...it's Von Devever!"))
                return true;
            PendingFlag(state, index) = False;
            GameFinale(game);
            return true;
        case encounter_kind::Ambush:
            if (!IsSet(PendingFlag(state, kAmbushEntry))) return true;
            if (Fight(game, "More murderers from Verezeve!!  You will die now!"))
                PendingFlag(state, index) = False;
            return true;
        default:
            return false;
    }
}

}  // namespace duskmoor
