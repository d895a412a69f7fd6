#pragma once
// A software rasterizer over an RGBA buffer. Every picture the game draws goes
// through it, in the window and headless alike, so a frame drawn by the script
// runner is pixel for pixel the frame a player sees.
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "ui/bitmap.h"
#include "ui/color.h"

namespace duskmoor {

struct Point {
    int x = 0;
    int y = 0;
};

class Canvas;

// Draws text into a canvas; the SDL_ttf implementation lives in sdl_font.cpp.
class FontEngine {
  public:
    virtual ~FontEngine() = default;
    // Draws UTF-8 text with its top-left corner at (x, y); `size` is in points.
    virtual void DrawText(Canvas& canvas, int x, int y, std::string_view utf8, int size, Color color,
                          bool bold) = 0;
    virtual int TextWidth(std::string_view utf8, int size, bool bold) = 0;
    virtual int LineHeight(int size, bool bold) = 0;
};

// The font engine of the running program (set once by the host at start-up).
FontEngine* DefaultFontEngine();
void SetDefaultFontEngine(FontEngine* engine);

class Canvas {
  public:
    Canvas() = default;
    Canvas(int width, int height, Color fill = colors::Black);

    void Resize(int width, int height, Color fill = colors::Black);
    int width() const { return width_; }
    int height() const { return height_; }
    uint32_t* Row(int y) { return pixels_.data() + static_cast<size_t>(y) * width_; }
    const std::vector<uint32_t>& pixels() const { return pixels_; }
    uint32_t PixelAt(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }
    void SetPixel(int x, int y, Color color);  // clipped; blends when alpha < 255
    Bitmap ToBitmap() const;

    void Clear(Color color);
    // Fills the rectangle between two corners, both corners included.
    void FillRect(int x1, int y1, int x2, int y2, Color color);
    // A line with a pen `pen_width` pixels wide, both ends included.
    void Line(int x1, int y1, int x2, int y2, int pen_width, Color color);
    // The outline of the rectangle between two corners.
    void Rect(int x1, int y1, int x2, int y2, int pen_width, Color color);
    // Fills a four-point polygon with `pattern` tiled from the canvas origin,
    // by the alternate (even-odd) rule: pixel (x, y) takes pattern pixel
    // (x mod width, y mod height). Pixel centres decide coverage.
    void FillPolygonTiled(const std::array<Point, 4>& points, const Bitmap& pattern);
    void FillPolygon(const std::array<Point, 4>& points, Color color);
    void OutlinePolygon(const std::array<Point, 4>& points, int pen_width, Color color);
    // Copies a bitmap with its top-left corner at (x, y), clipped.
    void Blit(const Bitmap& bitmap, int x, int y);
    // Copies a bitmap scaled to the rectangle (x, y, w, h), nearest neighbour.
    void BlitScaled(const Bitmap& bitmap, int x, int y, int w, int h);
    // Copies part of another canvas at (x, y), clipped.
    void BlitCanvas(const Canvas& source, int x, int y);
    // Darkens or lightens every pixel towards `color` by `amount` 0..255.
    void Tint(Color color, int amount);
    // Text through the default font engine; does nothing when there is none.
    void DrawText(int x, int y, std::string_view utf8, int size, Color color, bool bold = false);

  private:
    int width_ = 0;
    int height_ = 0;
    std::vector<uint32_t> pixels_;
};

}  // namespace duskmoor
