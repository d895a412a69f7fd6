// Crosses twice: SDL in a rule, and the SDL host.
#  include <SDL.h>
#include "ui/sdl_host.h"
