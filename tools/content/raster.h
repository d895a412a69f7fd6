#pragma once
// A small RGBA drawing surface for the build-time picture generator: shapes are
// filled with 4x4 supersampling so that the pictograms keep smooth edges at the
// tiny sizes of the game's buttons.
#include <cstdint>
#include <functional>
#include <vector>

namespace duskmoor::content {

struct Rgba {
    uint8_t r = 0, g = 0, b = 0, a = 255;
};

struct Point {
    double x = 0, y = 0;
};

// Inside test in pixel coordinates: pixel (x, y) covers [x, x+1) x [y, y+1).
using Shape = std::function<bool(double, double)>;
// Colour of a filled shape at a point.
using Paint = std::function<Rgba(double, double)>;

Shape Circle(Point centre, double radius);
Shape Ellipse(Point centre, double radius_x, double radius_y);
Shape Box(double left, double top, double right, double bottom);
Shape Polygon(std::vector<Point> corners);
// A thick line with round ends.
Shape Capsule(Point from, Point to, double radius);
// A band between two radii, from one angle to another (degrees, clockwise on
// screen, 0 pointing right and -90 pointing up).
Shape RingSector(Point centre, double inner, double outer, double from_degrees, double to_degrees);
// The edges of a polygon drawn as thin lines.
Shape Edges(const std::vector<Point>& corners, double radius);
Shape Union(Shape first, Shape second);
Shape Intersection(Shape first, Shape second);
Shape Difference(Shape shape, Shape removed);

Paint Flat(Rgba colour);
// Blends from `top` at y0 to `bottom` at y1.
Paint Vertical(Rgba top, Rgba bottom, double y0, double y1);
Paint Radial(Rgba centre_colour, Rgba edge_colour, Point centre, double radius);

Rgba Mix(Rgba first, Rgba second, double amount);
Rgba Shade(Rgba colour, double factor);

class Raster {
  public:
    Raster(int width, int height, Rgba background = Rgba{0, 0, 0, 0});

    int Width() const { return width_; }
    int Height() const { return height_; }
    Rgba Get(int x, int y) const { return pixels_[Index(x, y)]; }
    void Set(int x, int y, Rgba colour);
    // Paints `colour` over the pixel with the given coverage (0..1), source over.
    void Blend(int x, int y, Rgba colour, double coverage);
    void Fill(const Shape& shape, const Paint& paint);
    void Fill(const Shape& shape, Rgba colour) { Fill(shape, Flat(colour)); }
    // Fills only the pixels of a box known to hold the whole shape: large
    // pictures with many small shapes would take minutes otherwise.
    void FillWithin(const Shape& shape, const Paint& paint, double left, double top, double right,
                    double bottom);
    // Places `layer` with its top-left corner at (x, y), source over.
    void Draw(const Raster& layer, int x, int y, double opacity = 1.0);

  private:
    size_t Index(int x, int y) const { return static_cast<size_t>(y) * width_ + x; }

    int width_;
    int height_;
    std::vector<Rgba> pixels_;
};

// A copy of the layer's silhouette grown by one pixel in every direction.
Raster Silhouette(const Raster& layer, Rgba colour);
// Draws a pictogram layer the way every symbol of the game sits on stone: a soft
// shadow down-right, a dark outline, then the picture itself.
void Stamp(Raster& target, const Raster& layer, Rgba outline = Rgba{20, 14, 8, 255});

// A repeatable noise value in [0, 1) for a pixel and a seed.
double Noise(int x, int y, uint32_t seed);
// Noise smoothed over cells of the given size, for blotches in stone.
double SmoothNoise(double x, double y, double cell, uint32_t seed);

// Uncompressed BMP bytes: 24-bit, or 32-bit with the alpha in the fourth byte.
std::vector<uint8_t> EncodeBmp(const Raster& raster, bool with_alpha);

}  // namespace duskmoor::content
