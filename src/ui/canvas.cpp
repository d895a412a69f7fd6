#include "ui/canvas.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace duskmoor {

namespace {

FontEngine* default_font_engine = nullptr;

// Mixes one 8-bit channel: `amount` 0..255 of `top` over `bottom`, rounded.
inline uint32_t MixChannel(uint32_t bottom, uint32_t top, uint32_t amount) {
    return (top * amount + bottom * (255 - amount) + 127) / 255;
}

// Lays `source` (0xAARRGGBB) over `destination` by the source's alpha.
inline uint32_t BlendOver(uint32_t destination, uint32_t source) {
    const uint32_t alpha = source >> 24;
    if (alpha == 255) return source;
    if (alpha == 0) return destination;
    const uint32_t red = MixChannel((destination >> 16) & 0xFF, (source >> 16) & 0xFF, alpha);
    const uint32_t green = MixChannel((destination >> 8) & 0xFF, (source >> 8) & 0xFF, alpha);
    const uint32_t blue = MixChannel(destination & 0xFF, source & 0xFF, alpha);
    const uint32_t destination_alpha = destination >> 24;
    const uint32_t out_alpha = alpha + (destination_alpha * (255 - alpha) + 127) / 255;
    return (out_alpha << 24) | (red << 16) | (green << 8) | blue;
}

// Floor division for a positive divisor.
inline int64_t FloorDivide(int64_t numerator, int64_t divisor) {
    int64_t quotient = numerator / divisor;
    if (numerator % divisor != 0 && numerator < 0) --quotient;
    return quotient;
}

// One polygon edge walked down the rows it crosses. On each row it gives the
// first pixel column whose centre lies at or right of the crossing with the
// row's centre line, in exact integer steps so that walls meet without gaps.
class EdgeWalker {
  public:
    EdgeWalker() = default;
    // `a` is the upper end (a.y < b.y); the walk starts at `row`.
    EdgeWalker(Point a, Point b, int row) {
        // Twice the crossing on row y is N / d with
        // N = 2 a.x d + (2y + 1 - 2 a.y)(b.x - a.x); column x qualifies when
        // 2x + 1 >= N / d, so the first is ceil((N - d) / 2d).
        const int64_t height = int64_t(b.y) - a.y;
        const int64_t run = int64_t(b.x) - a.x;
        divisor_ = 2 * height;
        const int64_t numerator = 2 * int64_t(a.x) * height + (2 * int64_t(row) + 1 - 2 * int64_t(a.y)) * run;
        const int64_t shifted = numerator - height + divisor_ - 1;  // ceil through floor
        column_ = FloorDivide(shifted, divisor_);
        remainder_ = shifted - column_ * divisor_;
        step_column_ = FloorDivide(2 * run, divisor_);
        step_remainder_ = 2 * run - step_column_ * divisor_;
    }

    int64_t column() const { return column_; }
    void Step() {
        column_ += step_column_;
        remainder_ += step_remainder_;
        if (remainder_ >= divisor_) {
            remainder_ -= divisor_;
            ++column_;
        }
    }

  private:
    int64_t divisor_ = 1;
    int64_t column_ = 0;
    int64_t remainder_ = 0;
    int64_t step_column_ = 0;
    int64_t step_remainder_ = 0;
};

// Hands the pixels between two crossings, clipped to the row, to `span`.
template <typename SpanFunction>
inline void EmitSpan(int y, int64_t begin, int64_t end, int width, SpanFunction& span) {
    begin = std::max<int64_t>(begin, 0);
    end = std::min<int64_t>(end, width);
    if (begin < end) span(y, static_cast<int>(begin), static_cast<int>(end));
}

inline void Order(int64_t& first, int64_t& second) {
    if (second < first) std::swap(first, second);
}

// Rows [first_row, end_row) crossed by the same two edges. They may cross each
// other (the waist of a bow-tie), so the pair is ordered on every row.
template <typename SpanFunction>
void FillBandOfTwo(EdgeWalker first, EdgeWalker second, int first_row, int end_row, int width,
                   SpanFunction& span) {
    for (int y = first_row; y < end_row; ++y) {
        int64_t left = first.column(), right = second.column();
        Order(left, right);
        EmitSpan(y, left, right, width, span);
        first.Step();
        second.Step();
    }
}

// Rows crossed by all four edges: two spans by the even-odd rule.
template <typename SpanFunction>
void FillBandOfFour(std::array<EdgeWalker, 4> edges, int first_row, int end_row, int width,
                    SpanFunction& span) {
    for (int y = first_row; y < end_row; ++y) {
        int64_t a = edges[0].column(), b = edges[1].column(), c = edges[2].column(), d = edges[3].column();
        Order(a, b);
        Order(c, d);
        Order(a, c);
        Order(b, d);
        Order(b, c);
        EmitSpan(y, a, b, width, span);
        EmitSpan(y, c, d, width, span);
        for (EdgeWalker& edge : edges) edge.Step();
    }
}

// Calls `span(y, x_begin, x_end)` for every run of pixels inside the polygon on
// each canvas row, by the even-odd rule on pixel centres, clipped to the canvas.
// The rows are cut into bands at the corners' heights; within a band the same
// edges cross every row.
template <typename SpanFunction>
void ForEachPolygonSpan(const std::array<Point, 4>& points, int width, int height, SpanFunction&& span) {
    if (width <= 0 || height <= 0) return;
    // Corners far beyond any view are pulled in so the edge arithmetic stays
    // well inside 64 bits.
    constexpr int kFarthest = 1 << 24;
    std::array<Point, 4> corners = points;
    std::array<int, 4> corner_rows{};
    for (size_t i = 0; i < corners.size(); ++i) {
        corners[i].x = std::clamp(corners[i].x, -kFarthest, kFarthest);
        corners[i].y = std::clamp(corners[i].y, -kFarthest, kFarthest);
        corner_rows[i] = corners[i].y;
    }
    std::sort(corner_rows.begin(), corner_rows.end());
    for (size_t band = 0; band + 1 < corner_rows.size(); ++band) {
        const int band_top = corner_rows[band];
        const int band_bottom = corner_rows[band + 1];
        const int first_row = std::max(band_top, 0);
        const int end_row = std::min(band_bottom, height);
        if (first_row >= end_row) continue;
        std::array<EdgeWalker, 4> edges;
        int edge_count = 0;
        for (size_t i = 0; i < corners.size(); ++i) {
            Point a = corners[i];
            Point b = corners[(i + 1) % corners.size()];
            if (a.y > b.y) std::swap(a, b);
            // Row centres sit at half steps, so a level edge never counts.
            if (a.y <= band_top && b.y >= band_bottom) edges[edge_count++] = EdgeWalker(a, b, first_row);
        }
        if (edge_count == 2) FillBandOfTwo(edges[0], edges[1], first_row, end_row, width, span);
        if (edge_count == 4) FillBandOfFour(edges, first_row, end_row, width, span);
    }
}

// Paints pixels [x_begin, x_end) of a row with a colour, blending when it is translucent.
void FillRun(uint32_t* row, int x_begin, int x_end, Color color) {
    const uint32_t packed = color.Packed();
    if (color.a == 255) {
        std::fill(row + x_begin, row + x_end, packed);
    } else {
        for (int x = x_begin; x < x_end; ++x) row[x] = BlendOver(row[x], packed);
    }
}

}  // namespace

FontEngine* DefaultFontEngine() {
    return default_font_engine;
}
void SetDefaultFontEngine(FontEngine* engine) {
    default_font_engine = engine;
}

Canvas::Canvas(int width, int height, Color fill) {
    Resize(width, height, fill);
}

void Canvas::Resize(int width, int height, Color fill) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    pixels_.assign(static_cast<size_t>(width_) * height_, fill.Packed());
}

void Canvas::SetPixel(int x, int y, Color color) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    uint32_t& pixel = pixels_[static_cast<size_t>(y) * width_ + x];
    pixel = BlendOver(pixel, color.Packed());
}

Bitmap Canvas::ToBitmap() const {
    return Bitmap{width_, height_, pixels_};
}

void Canvas::Clear(Color color) {
    std::fill(pixels_.begin(), pixels_.end(), color.Packed());
}

void Canvas::FillRect(int x1, int y1, int x2, int y2, Color color) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    x1 = std::max(x1, 0);
    y1 = std::max(y1, 0);
    x2 = std::min(x2, width_ - 1);
    y2 = std::min(y2, height_ - 1);
    if (x1 > x2 || y1 > y2) return;
    for (int y = y1; y <= y2; ++y) FillRun(Row(y), x1, x2 + 1, color);
}

void Canvas::Line(int x1, int y1, int x2, int y2, int pen_width, Color color) {
    // A wide pen is a square brush centred on each point of the thin line.
    const int pen = std::max(pen_width, 1);
    const int before = (pen - 1) / 2;
    const int after = pen / 2;
    const int step_x = x1 < x2 ? 1 : -1;
    const int step_y = y1 < y2 ? 1 : -1;
    const int distance_x = std::abs(x2 - x1);
    const int distance_y = -std::abs(y2 - y1);
    int error = distance_x + distance_y;
    int x = x1, y = y1;
    while (true) {
        if (pen == 1) {
            SetPixel(x, y, color);
        } else {
            FillRect(x - before, y - before, x + after, y + after, color);
        }
        if (x == x2 && y == y2) break;
        const int doubled = 2 * error;
        if (doubled >= distance_y) {
            error += distance_y;
            x += step_x;
        }
        if (doubled <= distance_x) {
            error += distance_x;
            y += step_y;
        }
    }
}

void Canvas::Rect(int x1, int y1, int x2, int y2, int pen_width, Color color) {
    Line(x1, y1, x2, y1, pen_width, color);
    Line(x2, y1, x2, y2, pen_width, color);
    Line(x2, y2, x1, y2, pen_width, color);
    Line(x1, y2, x1, y1, pen_width, color);
}

void Canvas::FillPolygonTiled(const std::array<Point, 4>& points, const Bitmap& pattern) {
    if (pattern.Empty() || pattern.pixels.size() < static_cast<size_t>(pattern.width) * pattern.height) {
        return;
    }
    ForEachPolygonSpan(points, width_, height_, [&](int y, int x_begin, int x_end) {
        // Whole runs of the pattern row, so a wall costs a few copies per row.
        const uint32_t* pattern_row =
            pattern.pixels.data() + static_cast<size_t>(y % pattern.height) * pattern.width;
        uint32_t* destination = Row(y) + x_begin;
        int pattern_x = x_begin % pattern.width;
        int remaining = x_end - x_begin;
        while (remaining > 0) {
            const int run = std::min(remaining, pattern.width - pattern_x);
            std::memcpy(destination, pattern_row + pattern_x, static_cast<size_t>(run) * sizeof(uint32_t));
            destination += run;
            remaining -= run;
            pattern_x = 0;
        }
    });
}

void Canvas::FillPolygon(const std::array<Point, 4>& points, Color color) {
    ForEachPolygonSpan(points, width_, height_,
                       [&](int y, int x_begin, int x_end) { FillRun(Row(y), x_begin, x_end, color); });
}

void Canvas::OutlinePolygon(const std::array<Point, 4>& points, int pen_width, Color color) {
    for (size_t i = 0; i < points.size(); ++i) {
        const Point& from = points[i];
        const Point& to = points[(i + 1) % points.size()];
        Line(from.x, from.y, to.x, to.y, pen_width, color);
    }
}

void Canvas::Blit(const Bitmap& bitmap, int x, int y) {
    if (bitmap.Empty() || bitmap.pixels.size() < static_cast<size_t>(bitmap.width) * bitmap.height) return;
    const int first_column = std::max(0, -x);
    const int last_column = std::min(bitmap.width, width_ - x);
    const int first_row = std::max(0, -y);
    const int last_row = std::min(bitmap.height, height_ - y);
    for (int row = first_row; row < last_row; ++row) {
        uint32_t* destination = Row(y + row) + x;
        for (int column = first_column; column < last_column; ++column) {
            destination[column] = BlendOver(destination[column], bitmap.At(column, row));
        }
    }
}

void Canvas::BlitScaled(const Bitmap& bitmap, int x, int y, int w, int h) {
    if (bitmap.Empty() || w <= 0 || h <= 0) return;
    if (bitmap.pixels.size() < static_cast<size_t>(bitmap.width) * bitmap.height) return;
    const int first_column = std::max(0, -x);
    const int last_column = std::min(w, width_ - x);
    const int first_row = std::max(0, -y);
    const int last_row = std::min(h, height_ - y);
    for (int row = first_row; row < last_row; ++row) {
        // Each target pixel takes the source pixel under its centre.
        const int source_row = static_cast<int>((2 * int64_t(row) + 1) * bitmap.height / (2 * int64_t(h)));
        uint32_t* destination = Row(y + row) + x;
        for (int column = first_column; column < last_column; ++column) {
            const int source_column =
                static_cast<int>((2 * int64_t(column) + 1) * bitmap.width / (2 * int64_t(w)));
            destination[column] = BlendOver(destination[column], bitmap.At(source_column, source_row));
        }
    }
}

void Canvas::BlitCanvas(const Canvas& source, int x, int y) {
    const int first_column = std::max(0, -x);
    const int last_column = std::min(source.width_, width_ - x);
    const int first_row = std::max(0, -y);
    const int last_row = std::min(source.height_, height_ - y);
    if (first_column >= last_column) return;
    for (int row = first_row; row < last_row; ++row) {
        const uint32_t* from =
            source.pixels_.data() + static_cast<size_t>(row) * source.width_ + first_column;
        std::memcpy(Row(y + row) + x + first_column, from,
                    static_cast<size_t>(last_column - first_column) * sizeof(uint32_t));
    }
}

void Canvas::Tint(Color color, int amount) {
    const uint32_t strength = static_cast<uint32_t>(std::clamp(amount, 0, 255));
    if (strength == 0) return;
    for (uint32_t& pixel : pixels_) {
        const uint32_t red = MixChannel((pixel >> 16) & 0xFF, color.r, strength);
        const uint32_t green = MixChannel((pixel >> 8) & 0xFF, color.g, strength);
        const uint32_t blue = MixChannel(pixel & 0xFF, color.b, strength);
        pixel = (pixel & 0xFF000000u) | (red << 16) | (green << 8) | blue;
    }
}

void Canvas::DrawText(int x, int y, std::string_view utf8, int size, Color color, bool bold) {
    if (FontEngine* engine = DefaultFontEngine()) engine->DrawText(*this, x, y, utf8, size, color, bold);
}

}  // namespace duskmoor
