#include "town/encounter_town.h"

#include <iterator>

#include "combat/fight_battle.h"
#include "combat/monster_codes.h"
#include "events/encounter_kinds.h"
#include "shell/game.h"
#include "town/frm_message.h"
#include "ui/host.h"
#include "world/block_change.h"
#include "world/movement.h"

namespace duskmoor {
namespace {

constexpr int kTownBlock = 0;
constexpr int16_t kBattleFled = 7;

// Wilderness sites the wagon drives to.
constexpr int16_t kRizevozSite = 5, kTrogCampSite = 6, kNorthCavesSite = 7;

constexpr int kInnEntry = 0, kKingEntry = 6;
constexpr int16_t kFacingNorth = 0;

struct TownEntry {
    int16_t mode;
    const char* message;
};

// By entry: the building and its greeting. The inn's farewell and the king
// (who keeps no building of his own) are told apart where they are used.
constexpr TownEntry kTownEntries[15] = {
    {1, "Welcome to the Warrior's Inn.  Your stay will cost 12 gold pieces.  Do you want to stay?"},
    {3, "Welcome to the Temple of Tharah.  Do you require healing services?"},
    {4, "Welcome to Verezeve Bank.  What can we do for you?"},
    {5, "Welcome to the Verezeve Magic Shop.  Are you interested in the goods?"},
    {5, "Welcome to the Verezeve Magic Shop.  Are you interested in the goods?"},
    {6, "Verezeve Town Council\n\nWelcome heroes!  What can I help you with?"},
    {0, "The King."},
    {7, "The King is not entertaining guests at this time.  You must leave now!"},
    {8, "You glance into the Armory/Treasury and are quickly confronted by heavily armored knights."},
    {9, "Would you like to receive training?"},
    {9, "Would you like to receive training?"},
    {10, "Welcome to the Armor Shop.  How can I help you?"},
    {11, "You have found the finest weapons in Verezeve, care to take a look?"},
    {12, "Welcome to the Pawn Shop...we'll take anything off your hands."},
    {13,
     "Hello, folks.  We offer round-trip transportation services to the North Caves,"
     " the Ruins of Rizevoz, and the SouthWest Trog Camp.  The Price is 200 gold pieces.  "
     "Where can I take you?"},
};
constexpr const char* kInnFarewell = "We hope you enjoyed your stay.  Come again soon.";

// The temple, the magic shop and the three shops let the party browse its
// members at the counter.
bool IsCounter(int16_t mode) {
    return mode == building::Temple || mode == building::MagicShop || mode == building::ArmorShop ||
           mode == building::WeaponShop || mode == building::PawnShop;
}

void EnterBuilding(GameState& state, int index) {
    const TownEntry& entry = kTownEntries[index];
    state.BuildingMessage = entry.message;
    if (index == kKingEntry) return;  // the king's room keeps whatever mode was last used
    state.BuildingMode = entry.mode;
    // The inn is entered from the street facing south and left from the back
    // room facing north; any other way in counts as arriving.
    if (index == kInnEntry && state.Facing == kFacingNorth) {
        state.BuildingMessage = kInnFarewell;
        state.BuildingMode = building::InnLeaving;
    }
}

// Back out of the door the party came through: about turn, a step, and about
// turn again, so that the party faces the building from the street.
void StepOut(Game& game) {
    TurnCommand(game, move::Left);
    TurnCommand(game, move::Left);
    ForwardCommand(game);
    TurnCommand(game, move::Right);
    TurnCommand(game, move::Right);
}

void RideTheWagon(Game& game, int16_t site) {
    game.state.TownSite = site;
    SetTown(game);
}

}  // namespace

void EncounterTown(Game& game, int index) {
    if (index < 0 || index >= static_cast<int>(std::size(kTownEntries))) return;
    GameState& state = game.state;
    state.MessageResult = message_result::Stay;
    EnterBuilding(state, index);
    const bool counter = index != kKingEntry && IsCounter(state.BuildingMode);
    if (counter) {
        state.PackOwner = 0;
        state.BrowseParty = True;
    }
    if (index != kKingEntry && state.BuildingMode == building::Transport) state.WagonRide = False;
    {
        frmMessage screen(game, index == kKingEntry);
        game.host.RunModal(screen);
    }
    if (counter) state.BrowseParty = False;
    switch (state.MessageResult) {
        case message_result::RideToTrogCamp:
            RideTheWagon(game, kTrogCampSite);
            break;
        case message_result::RideToRizevoz:
            RideTheWagon(game, kRizevozSite);
            break;
        case message_result::RideToNorthCaves:
            RideTheWagon(game, kNorthCavesSite);
            break;
        case message_result::StepOut:
            StepOut(game);
            state.RoomRented = False;
            break;
        case message_result::StepIn:
            ForwardCommand(game);
            state.RoomRented = False;
            break;
        default:
            break;
    }
}

void HandleTownEncounter(Game& game, int index) {
    GameState& state = game.state;
    state.MessageResult = message_result::Stay;
    state.EncounterKind = encounter_kind::Town;
    EncounterTown(game, index);
    const int16_t result = state.MessageResult;
    if (result != message_result::Fight30Guards && result != message_result::Fight25Guards) return;
    state.EncounterGroups = {};
    state.EncounterGroups[0] = {monster::TownGuard,
                                static_cast<int16_t>(result == message_result::Fight30Guards ? 30 : 25)};
    FightBattle(game);
    const bool ended_badly = IsSet(state.PartyDefeated) || state.BattleOutcome == kBattleFled;
    if (!ended_badly) state.Encounters[kTownBlock].Pending[index] = False;
}

}  // namespace duskmoor
