#include "raster.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace duskmoor::content {

namespace {

constexpr int kSamples = 4;

uint8_t ToByte(double value) {
    return static_cast<uint8_t>(std::clamp(std::lround(value), 0L, 255L));
}

double DistanceToSegment(Point p, Point a, Point b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length_squared = dx * dx + dy * dy;
    double t = length_squared > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length_squared : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

void PutLittleEndian(std::vector<uint8_t>& bytes, uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

}  // namespace

Shape Circle(Point centre, double radius) {
    return [=](double x, double y) { return std::hypot(x - centre.x, y - centre.y) <= radius; };
}

Shape Ellipse(Point centre, double radius_x, double radius_y) {
    return [=](double x, double y) {
        const double u = (x - centre.x) / radius_x, v = (y - centre.y) / radius_y;
        return u * u + v * v <= 1.0;
    };
}

Shape Box(double left, double top, double right, double bottom) {
    return [=](double x, double y) { return x >= left && x < right && y >= top && y < bottom; };
}

Shape Polygon(std::vector<Point> corners) {
    return [corners = std::move(corners)](double x, double y) {
        bool inside = false;
        for (size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
            const Point a = corners[i], b = corners[j];
            if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) inside = !inside;
        }
        return inside;
    };
}

Shape Capsule(Point from, Point to, double radius) {
    return [=](double x, double y) { return DistanceToSegment({x, y}, from, to) <= radius; };
}

Shape RingSector(Point centre, double inner, double outer, double from_degrees, double to_degrees) {
    return [=](double x, double y) {
        const double distance = std::hypot(x - centre.x, y - centre.y);
        if (distance < inner || distance > outer) return false;
        double angle = std::atan2(y - centre.y, x - centre.x) * 180.0 / std::numbers::pi;
        while (angle < from_degrees) angle += 360.0;
        while (angle > from_degrees + 360.0) angle -= 360.0;
        return angle <= to_degrees;
    };
}

Shape Edges(const std::vector<Point>& corners, double radius) {
    return [corners, radius](double x, double y) {
        for (size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
            if (DistanceToSegment({x, y}, corners[j], corners[i]) <= radius) return true;
        }
        return false;
    };
}

Shape Union(Shape first, Shape second) {
    return [=](double x, double y) { return first(x, y) || second(x, y); };
}

Shape Intersection(Shape first, Shape second) {
    return [=](double x, double y) { return first(x, y) && second(x, y); };
}

Shape Difference(Shape shape, Shape removed) {
    return [=](double x, double y) { return shape(x, y) && !removed(x, y); };
}

Paint Flat(Rgba colour) {
    return [=](double, double) { return colour; };
}

Paint Vertical(Rgba top, Rgba bottom, double y0, double y1) {
    return [=](double, double y) { return Mix(top, bottom, std::clamp((y - y0) / (y1 - y0), 0.0, 1.0)); };
}

Paint Radial(Rgba centre_colour, Rgba edge_colour, Point centre, double radius) {
    return [=](double x, double y) {
        return Mix(centre_colour, edge_colour,
                   std::clamp(std::hypot(x - centre.x, y - centre.y) / radius, 0.0, 1.0));
    };
}

Rgba Mix(Rgba first, Rgba second, double amount) {
    auto channel = [amount](uint8_t a, uint8_t b) { return ToByte(a + (b - a) * amount); };
    return {channel(first.r, second.r), channel(first.g, second.g), channel(first.b, second.b),
            channel(first.a, second.a)};
}

Rgba Shade(Rgba colour, double factor) {
    return {ToByte(colour.r * factor), ToByte(colour.g * factor), ToByte(colour.b * factor), colour.a};
}

Raster::Raster(int width, int height, Rgba background)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, background) {}

void Raster::Set(int x, int y, Rgba colour) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_) pixels_[Index(x, y)] = colour;
}

void Raster::Blend(int x, int y, Rgba colour, double coverage) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || coverage <= 0) return;
    Rgba& target = pixels_[Index(x, y)];
    const double source_alpha = colour.a / 255.0 * std::min(coverage, 1.0);
    const double target_alpha = target.a / 255.0;
    const double alpha = source_alpha + target_alpha * (1 - source_alpha);
    if (alpha <= 0) return;
    auto channel = [&](uint8_t source, uint8_t below) {
        return ToByte((source * source_alpha + below * target_alpha * (1 - source_alpha)) / alpha);
    };
    target = {channel(colour.r, target.r), channel(colour.g, target.g), channel(colour.b, target.b),
              ToByte(alpha * 255.0)};
}

void Raster::Fill(const Shape& shape, const Paint& paint) {
    FillWithin(shape, paint, 0, 0, width_, height_);
}

void Raster::FillWithin(const Shape& shape, const Paint& paint, double left, double top, double right,
                        double bottom) {
    const int x0 = std::max(0, static_cast<int>(std::floor(left)));
    const int y0 = std::max(0, static_cast<int>(std::floor(top)));
    const int x1 = std::min(width_, static_cast<int>(std::ceil(right)));
    const int y1 = std::min(height_, static_cast<int>(std::ceil(bottom)));
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            int hits = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    if (shape(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples)) ++hits;
                }
            }
            if (hits > 0) Blend(x, y, paint(x + 0.5, y + 0.5), hits / double(kSamples * kSamples));
        }
    }
}

void Raster::Draw(const Raster& layer, int x, int y, double opacity) {
    for (int ly = 0; ly < layer.Height(); ++ly) {
        for (int lx = 0; lx < layer.Width(); ++lx) Blend(x + lx, y + ly, layer.Get(lx, ly), opacity);
    }
}

Raster Silhouette(const Raster& layer, Rgba colour) {
    Raster result(layer.Width(), layer.Height());
    for (int y = 0; y < layer.Height(); ++y) {
        for (int x = 0; x < layer.Width(); ++x) {
            int strongest = 0;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= layer.Width() || ny >= layer.Height()) continue;
                    // Diagonal neighbours count less so that the outline keeps round corners.
                    const int alpha = layer.Get(nx, ny).a * (dx != 0 && dy != 0 ? 3 : 4) / 4;
                    strongest = std::max(strongest, alpha);
                }
            }
            result.Set(x, y, Rgba{colour.r, colour.g, colour.b, static_cast<uint8_t>(strongest)});
        }
    }
    return result;
}

void Stamp(Raster& target, const Raster& layer, Rgba outline) {
    const Raster silhouette = Silhouette(layer, outline);
    target.Draw(Silhouette(layer, Rgba{0, 0, 0, 255}), 1, 1, 0.45);
    target.Draw(silhouette, 0, 0);
    target.Draw(layer, 0, 0);
}

double Noise(int x, int y, uint32_t seed) {
    uint32_t h =
        seed * 0x9E3779B1u ^ static_cast<uint32_t>(x) * 0x85EBCA77u ^ static_cast<uint32_t>(y) * 0xC2B2AE3Du;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return (h & 0xFFFFFF) / double(0x1000000);
}

double SmoothNoise(double x, double y, double cell, uint32_t seed) {
    const double u = x / cell, v = y / cell;
    const int cx = static_cast<int>(std::floor(u)), cy = static_cast<int>(std::floor(v));
    auto ease = [](double t) { return t * t * (3 - 2 * t); };
    const double fx = ease(u - cx), fy = ease(v - cy);
    const double top = Noise(cx, cy, seed) + (Noise(cx + 1, cy, seed) - Noise(cx, cy, seed)) * fx;
    const double bottom =
        Noise(cx, cy + 1, seed) + (Noise(cx + 1, cy + 1, seed) - Noise(cx, cy + 1, seed)) * fx;
    return top + (bottom - top) * fy;
}

std::vector<uint8_t> EncodeBmp(const Raster& raster, bool with_alpha) {
    const int bytes_per_pixel = with_alpha ? 4 : 3;
    const uint32_t row_size = (raster.Width() * bytes_per_pixel + 3) & ~3u;
    const uint32_t image_size = row_size * raster.Height();
    constexpr uint32_t kHeaderSize = 14 + 40;
    std::vector<uint8_t> bytes;
    bytes.reserve(kHeaderSize + image_size);
    bytes.push_back('B');
    bytes.push_back('M');
    PutLittleEndian(bytes, kHeaderSize + image_size, 4);
    PutLittleEndian(bytes, 0, 4);
    PutLittleEndian(bytes, kHeaderSize, 4);
    PutLittleEndian(bytes, 40, 4);
    PutLittleEndian(bytes, raster.Width(), 4);
    PutLittleEndian(bytes, raster.Height(), 4);  // positive: bottom row first
    PutLittleEndian(bytes, 1, 2);
    PutLittleEndian(bytes, bytes_per_pixel * 8, 2);
    PutLittleEndian(bytes, 0, 4);  // uncompressed
    PutLittleEndian(bytes, image_size, 4);
    PutLittleEndian(bytes, 2835, 4);  // 72 dots per inch
    PutLittleEndian(bytes, 2835, 4);
    PutLittleEndian(bytes, 0, 4);
    PutLittleEndian(bytes, 0, 4);
    for (int y = raster.Height() - 1; y >= 0; --y) {
        const size_t row_start = bytes.size();
        for (int x = 0; x < raster.Width(); ++x) {
            const Rgba pixel = raster.Get(x, y);
            bytes.push_back(pixel.b);
            bytes.push_back(pixel.g);
            bytes.push_back(pixel.r);
            if (with_alpha) bytes.push_back(pixel.a);
        }
        bytes.resize(row_start + row_size, 0);
    }
    return bytes;
}

}  // namespace duskmoor::content
