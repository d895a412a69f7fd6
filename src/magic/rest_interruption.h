#pragma once
// What waits for the party when it breaks camp on the main screen: the fallen
// end the game, and wandering monsters that broke the rest attack at once.
namespace duskmoor {

struct Game;

// Runs after the camp screen opened from the main screen has closed. Returns
// true when the game is over: nobody is left standing, or the monsters won.
bool BreakCamp(Game& game);

}  // namespace duskmoor
