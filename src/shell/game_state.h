#pragma once
// Every program-wide variable of the game, with its start value. Screens read
// and change it directly; rules are free functions over it.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "combat/monster.h"
#include "core/field_list.h"
#include "core/int16.h"
#include "events/block_encounters.h"
#include "party/player.h"
#include "world/map_cell.h"

namespace duskmoor {

// How long a field of the game state lives.
enum class Kept {
    Saved,        // also in a saved game, in the order the field list gives
    Running,      // for the run only
    RunningUtf8,  // a text for the run only, in UTF-8 as shown; other texts are in the files' code page
};

struct GameState {
    // The party and the program.
    std::array<PLAYER, 4> Party{};
    int16_t NumPlayers = 0;
    int16_t GameActive = False;
    std::string AppPath;  // the program's folder, ending in a separator
    int16_t SoundOn = True;
    int16_t SoundBusy = False;
    int16_t TitleStep = 0;
    int16_t SelectedPlayer = 0;  // 1-based; 0 = none
    int16_t LoadPending = False;
    int16_t NewGamePending = False;
    int16_t SearchMode = False;
    int16_t InWilderness = False;
    int16_t RoomRented = False;
    int16_t PartyDefeated = False;
    int16_t RestState = 0;
    int16_t LogMode = 0;
    int16_t QuestsMode = 0;
    int16_t MagicMode = 0;

    // The message dialog.
    int16_t DialogMode = 0;
    std::string DialogText;  // UTF-8, as shown
    int16_t DialogResult = 0;

    // Position, clock and map.
    int16_t PosX = 0;
    int16_t PosY = 0;
    int16_t PosCell = 0;
    int16_t Facing = 0;
    int16_t CurrentBlock = 0;
    int16_t GameHour = 0;
    int16_t GameMinute = 0;
    float StepFraction = 0.0f;
    int16_t MapWidth = 0;
    int16_t MapHeight = 0;
    std::array<MapCell, kMapCells> Map{};
    int16_t TownSite = 0;
    int16_t WagonRide = False;

    // Set encounters and what the pending one holds.
    std::array<BlockEncounters, kEncounterBlocks> Encounters{};
    int16_t EncounterKind = 0;
    int32_t EncounterGold = 0;
    int32_t EncounterSilver = 0;
    int32_t EncounterCopper = 0;
    std::array<int16_t, 4> EncounterItems{};
    int16_t NoteNumber = 0;
    int16_t QuestObject = 0;
    int16_t TrapKind = 0;

    // Random battles: the size limits of the tier drawn and the groups rolled.
    int16_t MaxGroups = 0;
    int16_t MaxNumber = 0;
    std::array<int16_t, 4> RandomGroups{};

    // The battle.
    std::array<EncounterGroup, 4> EncounterGroups{};
    int16_t NumGroups = 0;
    std::array<Monster, kRosterSize> Monsters{};
    int16_t NumMonsters = 0;
    int16_t BattleOutcome = 0;
    int16_t InBattle = False;
    int16_t Initiative = 0;
    int16_t TurnSide = 0;
    int16_t NextPressed = False;
    int16_t AcceptingCommands = False;

    // Quests, speeches and the adventure log (texts in Windows-1252, as saved).
    std::array<int16_t, 15> QuestsDone{};
    // Two flag tables of the quests, 0..50, cleared with every new game.
    std::array<int16_t, 51> QuestFlags{};
    std::array<int16_t, 51> QuestNotes{};
    int16_t SpeechMode = 0;
    std::string LogText;
    std::string CluesText;
    std::string NoteText;

    // Town: buildings, bank, treasure, trade.
    std::string BuildingMessage;
    int16_t BuildingMode = 0;
    int16_t MessageResult = 0;
    int16_t BankMode = 0;
    int32_t BankGold = 0;
    int32_t BankSilver = 0;
    int32_t BankCopper = 0;
    int32_t TreasureGold = 0;
    int32_t TreasureSilver = 0;
    int32_t TreasureCopper = 0;
    std::array<int16_t, 4> TreasureItems{};
    int16_t TradeMode = 0;
    int16_t TradeItem = 0;
    int32_t TradeSlot = 0;

    // The backpack screen.
    int16_t BackpackMode = 0;
    int16_t LootMode = False;
    int16_t BrowseParty = False;
    int16_t PackOwner = 0;
    int16_t Looter = 0;
    int16_t PotionChosen = False;

    // Magic and rest.
    int16_t MagicCaster = 0;
    // The longest rest any caster needs for the spells chosen on the magic screen.
    float RestNeeded = 0.0f;
    // Game minutes walked since poison last bit (0..9).
    int16_t PoisonWalkCounter = 0;

    // Every field by name, for `VisitFields`. The fields a saved game holds
    // come first, in the file's order; the script runner's names, the saved
    // game and the file inspector all read this one list.
    template <typename Visitor, typename... States>
    static void FieldsOf(Visitor& visit, States&... state) {
        // The saved game, in the order of the file.
        visit.Field(Kept::Saved, "NumPlayers", state.NumPlayers...);
        visit.Records(Kept::Saved, "Party", state.Party...);
        visit.Field(Kept::Saved, "CurrentBlock", state.CurrentBlock...);
        visit.Field(Kept::Saved, "PosX", state.PosX...);
        visit.Field(Kept::Saved, "PosY", state.PosY...);
        visit.Field(Kept::Saved, "PosCell", state.PosCell...);
        visit.Field(Kept::Saved, "Facing", state.Facing...);
        visit.Records(Kept::Saved, "Encounters", state.Encounters...);
        visit.Field(Kept::Saved, "GameHour", state.GameHour...);
        visit.Field(Kept::Saved, "GameMinute", state.GameMinute...);
        visit.Field(Kept::Saved, "StepFraction", state.StepFraction...);
        visit.Field(Kept::Saved, "RoomRented", state.RoomRented...);
        visit.Field(Kept::Saved, "BankGold", state.BankGold...);
        visit.Field(Kept::Saved, "BankSilver", state.BankSilver...);
        visit.Field(Kept::Saved, "BankCopper", state.BankCopper...);
        visit.Field(Kept::Saved, "SearchMode", state.SearchMode...);
        visit.Field(Kept::Saved, "QuestsDone", state.QuestsDone...);
        visit.Field(Kept::Saved, "WagonRide", state.WagonRide...);
        visit.Field(Kept::Saved, "LogText", state.LogText...);
        visit.Field(Kept::Saved, "CluesText", state.CluesText...);
        // For the run only.
        visit.Field(Kept::Running, "GameActive", state.GameActive...);
        visit.Field(Kept::RunningUtf8, "AppPath", state.AppPath...);
        visit.Field(Kept::Running, "SoundOn", state.SoundOn...);
        visit.Field(Kept::Running, "SoundBusy", state.SoundBusy...);
        visit.Field(Kept::Running, "TitleStep", state.TitleStep...);
        visit.Field(Kept::Running, "SelectedPlayer", state.SelectedPlayer...);
        visit.Field(Kept::Running, "LoadPending", state.LoadPending...);
        visit.Field(Kept::Running, "NewGamePending", state.NewGamePending...);
        visit.Field(Kept::Running, "InWilderness", state.InWilderness...);
        visit.Field(Kept::Running, "PartyDefeated", state.PartyDefeated...);
        visit.Field(Kept::Running, "RestState", state.RestState...);
        visit.Field(Kept::Running, "LogMode", state.LogMode...);
        visit.Field(Kept::Running, "QuestsMode", state.QuestsMode...);
        visit.Field(Kept::Running, "MagicMode", state.MagicMode...);
        visit.Field(Kept::Running, "DialogMode", state.DialogMode...);
        visit.Field(Kept::RunningUtf8, "DialogText", state.DialogText...);
        visit.Field(Kept::Running, "DialogResult", state.DialogResult...);
        visit.Field(Kept::Running, "MapWidth", state.MapWidth...);
        visit.Field(Kept::Running, "MapHeight", state.MapHeight...);
        visit.Records(Kept::Running, "Map", state.Map...);
        visit.Field(Kept::Running, "TownSite", state.TownSite...);
        visit.Field(Kept::Running, "EncounterKind", state.EncounterKind...);
        visit.Field(Kept::Running, "EncounterGold", state.EncounterGold...);
        visit.Field(Kept::Running, "EncounterSilver", state.EncounterSilver...);
        visit.Field(Kept::Running, "EncounterCopper", state.EncounterCopper...);
        visit.Field(Kept::Running, "EncounterItems", state.EncounterItems...);
        visit.Field(Kept::Running, "NoteNumber", state.NoteNumber...);
        visit.Field(Kept::Running, "QuestObject", state.QuestObject...);
        visit.Field(Kept::Running, "TrapKind", state.TrapKind...);
        visit.Field(Kept::Running, "MaxGroups", state.MaxGroups...);
        visit.Field(Kept::Running, "MaxNumber", state.MaxNumber...);
        visit.Field(Kept::Running, "RandomGroups", state.RandomGroups...);
        visit.Records(Kept::Running, "EncounterGroups", state.EncounterGroups...);
        visit.Field(Kept::Running, "NumGroups", state.NumGroups...);
        visit.Records(Kept::Running, "Monsters", state.Monsters...);
        visit.Field(Kept::Running, "NumMonsters", state.NumMonsters...);
        visit.Field(Kept::Running, "BattleOutcome", state.BattleOutcome...);
        visit.Field(Kept::Running, "InBattle", state.InBattle...);
        visit.Field(Kept::Running, "Initiative", state.Initiative...);
        visit.Field(Kept::Running, "TurnSide", state.TurnSide...);
        visit.Field(Kept::Running, "NextPressed", state.NextPressed...);
        visit.Field(Kept::Running, "AcceptingCommands", state.AcceptingCommands...);
        visit.Field(Kept::Running, "QuestFlags", state.QuestFlags...);
        visit.Field(Kept::Running, "QuestNotes", state.QuestNotes...);
        visit.Field(Kept::Running, "SpeechMode", state.SpeechMode...);
        visit.Field(Kept::Running, "NoteText", state.NoteText...);
        visit.Field(Kept::RunningUtf8, "BuildingMessage", state.BuildingMessage...);
        visit.Field(Kept::Running, "BuildingMode", state.BuildingMode...);
        visit.Field(Kept::Running, "MessageResult", state.MessageResult...);
        visit.Field(Kept::Running, "BankMode", state.BankMode...);
        visit.Field(Kept::Running, "TreasureGold", state.TreasureGold...);
        visit.Field(Kept::Running, "TreasureSilver", state.TreasureSilver...);
        visit.Field(Kept::Running, "TreasureCopper", state.TreasureCopper...);
        visit.Field(Kept::Running, "TreasureItems", state.TreasureItems...);
        visit.Field(Kept::Running, "TradeMode", state.TradeMode...);
        visit.Field(Kept::Running, "TradeItem", state.TradeItem...);
        visit.Field(Kept::Running, "TradeSlot", state.TradeSlot...);
        visit.Field(Kept::Running, "BackpackMode", state.BackpackMode...);
        visit.Field(Kept::Running, "LootMode", state.LootMode...);
        visit.Field(Kept::Running, "BrowseParty", state.BrowseParty...);
        visit.Field(Kept::Running, "PackOwner", state.PackOwner...);
        visit.Field(Kept::Running, "Looter", state.Looter...);
        visit.Field(Kept::Running, "PotionChosen", state.PotionChosen...);
        visit.Field(Kept::Running, "MagicCaster", state.MagicCaster...);
        visit.Field(Kept::Running, "RestNeeded", state.RestNeeded...);
        visit.Field(Kept::Running, "PoisonWalkCounter", state.PoisonWalkCounter...);
    }
};

// Hands a record visitor (a byte reader or writer, a namer) the saved part of
// the game state in file order, as if it were one record: `Field` for each
// value and `Nested` for each record of the party and the encounter table.
template <typename Visitor>
class SavedPart {
  public:
    explicit SavedPart(Visitor& visit) : visit_(visit) {}

    template <typename... Values>
    void Field(Kept kept, const char* name, Values&... values) {
        if (kept == Kept::Saved) visit_.Field(name, values...);
    }
    template <typename Table, typename... More>
    void Records(Kept kept, const char* name, Table& table, More&... more) {
        if (kept != Kept::Saved) return;
        for (size_t index = 0; index < table.size(); ++index)
            visit_.Nested(name, index, table[index], more[index]...);
    }

  private:
    Visitor& visit_;
};

template <typename Visitor, typename... States>
void VisitSavedPart(Visitor& visit, States&... states) {
    SavedPart<Visitor> part(visit);
    VisitFields(part, states...);
}

// `SearchMode` and `InWilderness` off.
void SetGlobals(GameState& state);
// Clears everything a finished game leaves behind; keeps `GameActive`,
// `SoundOn`, `AppPath` and `RestState`.
void Reinit(GameState& state);

}  // namespace duskmoor
