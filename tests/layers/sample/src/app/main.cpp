// Fine: main picks the host.
#include <SDL.h>

#include "script/script_host.h"
#include "ui/sdl_host.h"
