#pragma once
// Every program-wide variable of the game, with its start value. Screens read
// and change it directly; rules are free functions over it.
#include <array>
#include <cstdint>
#include <string>

#include "combat/monster.h"
#include "core/int16.h"
#include "events/block_encounters.h"
#include "party/player.h"
#include "world/map_cell.h"

namespace duskmoor {

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
};

// `SearchMode` and `InWilderness` off.
void SetGlobals(GameState& state);
// Clears everything a finished game leaves behind; keeps `GameActive`,
// `SoundOn`, `AppPath` and `RestState`.
void Reinit(GameState& state);

}  // namespace duskmoor
