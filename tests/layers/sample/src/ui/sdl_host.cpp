// Fine: the SDL adapter.
#include <SDL.h>
#include <SDL_mixer.h>

#include "ui/sdl_host.h"
