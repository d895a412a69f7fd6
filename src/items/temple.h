#pragma once
// The temple's seven services and the healing potion drunk from the pack.
#include <string>

namespace duskmoor {

struct GameState;

namespace service {
constexpr int LightWounds = 0, SeriousWounds = 1, CriticalWounds = 2, CurePoison = 3, CureDisease = 4,
              LiftCurse = 5, RaiseDead = 6;
}

// Serves `PackOwner`; returns what the player is told, empty when the service
// found nothing to do. A raising that fails destroys the character, who
// leaves the party.
std::string Cure(GameState& state, int service);

// The character in `slot` drinks the potion at `index` of the pack; returns the message.
std::string DrinkPotion(GameState& state, int slot, int index);

// "is healed for 3 hit points." or, for one, "hit point.".
std::string HealedText(const std::string& name, int heal);

}  // namespace duskmoor
