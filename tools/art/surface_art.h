#pragma once
// Floors and ceilings. The view fills the whole half below (or above) the
// horizon with one picture anchored at its corner, so these pictures are the
// size of the view and painted in perspective: their joints run along the
// cell edges that the wall faces stand on, and they fade with distance.
#include "texture.h"
#include "world/view_geometry.h"

namespace duskmoor::art {

// What a floor or ceiling looks like at a point of the ground, in cells: u
// across (the party's column spans -0.5..0.5), v ahead (1 = the far edge of
// the party's own cell).
using SurfaceMaterial = Colour (*)(float u, float v);

Image PaintFloor(const ViewGeometry& view, SurfaceMaterial material);
Image PaintCeiling(const ViewGeometry& view, SurfaceMaterial material);

Colour TownFloor(float u, float v);        // flagstone paving
Colour RizevozFloor(float u, float v);     // dark purple slabs
Colour CaveFloor(float u, float v);        // stony earth
Colour TrogFloor(float u, float v);        // trampled mud and straw
Colour TownCeiling(float u, float v);      // planks on timber beams
Colour GardenCeiling(float u, float v);    // a pergola grown over with vines
Colour TempleCeiling(float u, float v);    // coffered marble
Colour BarracksCeiling(float u, float v);  // grey stone courses
Colour CryptCeiling(float u, float v);     // dark, damp slabs
Colour RuinCeiling(float u, float v);      // cracked stone with roots hanging through
Colour RizevozCeiling(float u, float v);   // dark purple blocks
Colour CaveCeiling(float u, float v);      // the rock overhead

}  // namespace duskmoor::art
