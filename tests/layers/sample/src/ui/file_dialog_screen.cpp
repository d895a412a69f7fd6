// Crosses: the ui layer below the game reaches up to the script player.
#include "script/script_player.h"
