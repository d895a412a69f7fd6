#pragma once
// Doors and tunnel mouths. A door is painted into the opening the view cuts
// for it, and the view fills every opening with the same picture anchored at
// its corner; so these pictures are the size of the view, with a whole door
// drawn inside each opening, in perspective on the side walls. Between the
// openings a plain plank (or rock) pattern keeps any other view size sensible.
#include "texture.h"
#include "world/view_geometry.h"

namespace duskmoor::art {

enum class DoorKind { Town, Lair, Rizevoz, Troglodyte };

Image PaintDoors(const ViewGeometry& view, DoorKind kind);
Image PaintTunnels(const ViewGeometry& view);

}  // namespace duskmoor::art
