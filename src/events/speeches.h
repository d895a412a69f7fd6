#pragma once
// The two speeches that frame the story: the king's welcome, which also fills
// the party's purses, and the ending after Von Devever falls.
#include <cstdint>
#include <string>

namespace duskmoor {

struct Game;
struct GameState;

namespace speech_mode {
constexpr int16_t King = 1, Ending = 2;
}  // namespace speech_mode

// Pages of the speech of `mode` and the text of one of them.
int SpeechPages(int mode);
std::string SpeechPage(const GameState& state, int mode, int page);

// The king's purse for each member in play: the coins are set, not added, and
// they weigh on `Load`.
void HandOutStartingMoney(GameState& state);

// The king speaks at the start of every new game.
void KingSpeech(Game& game);
// Von Devever is destroyed: the ending, then home to Verezeve's west gate, and
// the game goes on.
void GameFinale(Game& game);

}  // namespace duskmoor
