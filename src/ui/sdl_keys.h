#pragma once
// SDL key codes to the key codes the game's rules are written in.
#include <cstdint>

namespace duskmoor {

// The game's code for an SDL key code (SDL_Keycode), or 0 for a key the game
// has no code for.
int GameKeyFromSdl(int32_t sdl_keycode);
// The code a screen is handed for a key pressed with Ctrl held or not (Ctrl+Q
// is 'Q' | CtrlModifier); Ctrl itself stays plain.
int GameKeyWithCtrl(int game_key, bool ctrl_held);

}  // namespace duskmoor
