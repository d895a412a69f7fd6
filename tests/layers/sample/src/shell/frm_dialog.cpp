// Crosses: a screen of the game includes a concrete host.
#include "script/script_host.h"
#include "ui/host.h"
