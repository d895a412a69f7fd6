#pragma once
// SDL key codes to the key codes the game's rules are written in.
#include <cstdint>

namespace duskmoor {

// The game's code for an SDL key code (SDL_Keycode), or 0 for a key the game
// has no code for.
int GameKeyFromSdl(int32_t sdl_keycode);

}  // namespace duskmoor
