#pragma once
// The first-person view: what the party sees from its cell, up to three cells
// ahead and two to each side, painted far to near over the floor and the sky
// or ceiling.
#include <map>
#include <string>

#include "ui/bitmap.h"
#include "world/view_geometry.h"

namespace duskmoor {

struct Game;
class Canvas;

// What a face is filled with.
enum class Plot { Wall = 1, Floor = 2, Ceiling = 3, Door = 4, Tunnel = 5 };

// The bitmap file (inside Art/) of `block` for `plot`; empty for an unknown block.
std::string GetPattern(int block, Plot plot);

// Decoded pictures of the block on show. A picture is read from disk the first
// time a face needs it and kept until the party enters another block; a file
// that cannot be read is tried again each time.
class ViewPictures {
  public:
    const Bitmap* Load(const std::string& path, int block);

  private:
    int block_ = -1;
    std::map<std::string, Bitmap> pictures_;
};

// The view of the main screen: its geometry, fixed when the screen starts, and
// the pictures it paints with.
class FirstPersonView {
  public:
    void SetViewPort(int width, int height);
    const ViewGeometry& geometry() const { return geometry_; }
    // Redraws the whole view for the party's position.
    void UpdateGraphics(Game& game, Canvas& view);

  private:
    ViewGeometry geometry_;
    ViewPictures pictures_;
};

}  // namespace duskmoor
