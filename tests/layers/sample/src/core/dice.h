// Crosses: core reaches up into the game.
#include <cstdint>

#include "core/random.h"
#include "shell/game_state.h"
