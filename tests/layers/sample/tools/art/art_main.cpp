// Crosses: a tool draws through SDL itself.
#include <SDL2/SDL_image.h>
