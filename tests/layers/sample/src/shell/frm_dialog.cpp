// Crosses: a screen of the game includes a concrete host.
#include "ui/host.h"
#include "script/script_host.h"
