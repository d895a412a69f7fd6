#pragma once

namespace duskmoor {

struct Game;

// Starts a new game: clears the last one, places the party at the town's
// start at 13:00, asks for characters until there is at least one, loads the
// town and lets the king speak.
void StartNewGame(Game& game);
// Rebuilds the map of a game just loaded.
void KickStart(Game& game);
// Refreshes the party panel and tells whether the whole party is down.
bool CheckPartyDeath(Game& game);
// The main screen's start: sound on, the state cleared to "no game yet".
void Initialize(Game& game);

}  // namespace duskmoor
