#include "ui/sdl_keys.h"

#include <SDL.h>

#include "ui/screen.h"

namespace duskmoor {

namespace {

struct KeyPair {
    SDL_Keycode sdl;
    int game;
};

// Named keys; letters, digits and function keys are ranges handled below.
constexpr KeyPair kNamedKeys[] = {
    {SDLK_BACKSPACE, keys::Backspace},
    {SDLK_TAB, keys::Tab},
    {SDLK_RETURN, keys::Enter},
    {SDLK_KP_ENTER, keys::Enter},
    {SDLK_LSHIFT, keys::Shift},
    {SDLK_RSHIFT, keys::Shift},
    {SDLK_LCTRL, keys::Control},
    {SDLK_RCTRL, keys::Control},
    {SDLK_LALT, 18},
    {SDLK_RALT, 18},
    {SDLK_PAUSE, 19},
    {SDLK_CAPSLOCK, 20},
    {SDLK_ESCAPE, keys::Escape},
    {SDLK_SPACE, keys::Space},
    {SDLK_PAGEUP, 33},
    {SDLK_PAGEDOWN, 34},
    {SDLK_END, 35},
    {SDLK_HOME, 36},
    {SDLK_LEFT, keys::Left},
    {SDLK_UP, keys::Up},
    {SDLK_RIGHT, keys::Right},
    {SDLK_DOWN, keys::Down},
    {SDLK_INSERT, 45},
    {SDLK_DELETE, keys::Delete},
    {SDLK_KP_MULTIPLY, 106},
    {SDLK_KP_PLUS, 107},
    {SDLK_KP_MINUS, 109},
    {SDLK_KP_PERIOD, 110},
    {SDLK_KP_DIVIDE, 111},
    {SDLK_SEMICOLON, 186},
    {SDLK_EQUALS, 187},
    {SDLK_COMMA, 188},
    {SDLK_MINUS, 189},
    {SDLK_PERIOD, 190},
    {SDLK_SLASH, 191},
    {SDLK_BACKQUOTE, 192},
    {SDLK_LEFTBRACKET, 219},
    {SDLK_BACKSLASH, 220},
    {SDLK_RIGHTBRACKET, 221},
    {SDLK_QUOTE, 222},
};

}  // namespace

int GameKeyFromSdl(int32_t sdl_keycode) {
    const SDL_Keycode key = sdl_keycode;
    if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
    if (key >= SDLK_0 && key <= SDLK_9) return '0' + (key - SDLK_0);
    if (key >= SDLK_F1 && key <= SDLK_F12) return 112 + (key - SDLK_F1);
    if (key == SDLK_KP_0) return 96;
    if (key >= SDLK_KP_1 && key <= SDLK_KP_9) return 97 + (key - SDLK_KP_1);
    for (const KeyPair& pair : kNamedKeys) {
        if (pair.sdl == key) return pair.game;
    }
    return 0;
}

int GameKeyWithCtrl(int game_key, bool ctrl_held) {
    if (!ctrl_held || game_key == 0 || game_key == keys::Control) return game_key;
    return game_key | keys::CtrlModifier;
}

}  // namespace duskmoor
