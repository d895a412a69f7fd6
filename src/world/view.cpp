#include "world/view.h"

#include "ui/canvas.h"

namespace duskmoor {

// The first-person view arrives with the world's maps and art; until then the
// view area stays dark.
void UpdateGraphics(Game& /*game*/, Canvas& view) {
    view.Clear(colors::Black);
}

}  // namespace duskmoor
