#include "shell/game_state.h"

namespace duskmoor {

void SetGlobals(GameState& state) {
    state.SearchMode = False;
    state.InWilderness = False;
}

void Reinit(GameState& state) {
    for (PLAYER& slot : state.Party) slot = PLAYER{};
    state.NumPlayers = 0;

    state.MaxGroups = 0;
    state.MaxNumber = 0;
    state.RandomGroups.fill(0);
    for (Monster& monster : state.Monsters) {
        monster = Monster{};
        monster.MonsterStatus = monster_status::Dead;
    }
    for (BlockEncounters& block : state.Encounters) block = BlockEncounters{};

    state.PosX = state.PosY = state.PosCell = state.Facing = 0;
    state.QuestFlags.fill(0);
    state.QuestNotes.fill(0);
    state.CurrentBlock = 0;
    state.GameHour = state.GameMinute = 0;
    state.StepFraction = 0.0f;
    state.PoisonWalkCounter = 0;
    state.RestNeeded = 0.0f;
    state.BankGold = state.BankSilver = state.BankCopper = 0;
    state.BankMode = 0;
    state.BackpackMode = 0;
    state.QuestsDone.fill(0);

    state.BuildingMessage.clear();
    state.BuildingMode = 0;
    state.MessageResult = 0;
    state.RoomRented = False;
    state.SelectedPlayer = 0;
    state.SearchMode = False;
    state.LoadPending = False;
    state.NewGamePending = False;
    state.InWilderness = False;

    state.InBattle = False;
    state.BattleOutcome = 0;
    state.Initiative = 0;
    state.TurnSide = 0;
    state.NextPressed = False;
    state.AcceptingCommands = False;
    state.PartyDefeated = False;

    state.TreasureGold = state.TreasureSilver = state.TreasureCopper = 0;
    state.TreasureItems.fill(0);

    state.EncounterKind = 0;
    state.EncounterGold = state.EncounterSilver = state.EncounterCopper = 0;
    state.EncounterItems.fill(0);
    state.NoteNumber = 0;
    state.QuestObject = 0;
    state.TrapKind = 0;
}

}  // namespace duskmoor
