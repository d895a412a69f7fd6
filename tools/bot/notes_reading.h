#pragma once
// Reading what the game tells the player: a password written in a note.
#include <string>

namespace duskmoor::bot {

// The word a note gives as "the password ... is WORD", or empty when the
// text names no password (a note may speak of one without giving it).
std::string PasswordIn(const std::string& text);

}  // namespace duskmoor::bot
