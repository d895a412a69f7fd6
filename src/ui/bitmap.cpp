#include "ui/bitmap.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "core/safe_file.h"

namespace duskmoor {

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kInfoHeaderSize = 40;
constexpr int64_t kLargestSide = 16384;
// Far beyond any picture of the game; a larger file is not read.
constexpr size_t kLargestFile = 256u << 20;
constexpr uint32_t kUncompressed = 0;
constexpr uint32_t kBitFields = 3;
constexpr int32_t kPixelsPerMetre = 2835;  // 72 dots per inch

uint32_t ReadU16(const uint8_t* bytes) {
    return uint32_t(bytes[0]) | (uint32_t(bytes[1]) << 8);
}
uint32_t ReadU32(const uint8_t* bytes) {
    return ReadU16(bytes) | (ReadU16(bytes + 2) << 16);
}
int32_t ReadI32(const uint8_t* bytes) {
    return static_cast<int32_t>(ReadU32(bytes));
}

void PutU16(std::vector<uint8_t>& out, uint32_t value) {
    out.push_back(uint8_t(value));
    out.push_back(uint8_t(value >> 8));
}
void PutU32(std::vector<uint8_t>& out, uint32_t value) {
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}

// What the headers say, once checked against the size of the file.
struct BmpLayout {
    int width = 0;
    int height = 0;
    bool top_down = false;
    int bits_per_pixel = 0;
    size_t row_stride = 0;
    size_t pixel_offset = 0;
    const uint8_t* palette = nullptr;  // 4 bytes per entry: blue, green, red, unused
    size_t palette_count = 0;
    bool alpha_mask = false;  // 32-bit pixels carry alpha in their top byte
};

bool MasksAreStandard(const uint8_t* masks) {
    return ReadU32(masks) == 0x00FF0000u && ReadU32(masks + 4) == 0x0000FF00u &&
           ReadU32(masks + 8) == 0x000000FFu;
}

// Reads the colour masks and alpha mask of 32-bit files; only the usual BGRA
// byte order is accepted.
bool ReadMasks(const uint8_t* data, size_t size, size_t header_size, uint32_t compression,
               BmpLayout& layout) {
    const size_t masks_at = kFileHeaderSize + kInfoHeaderSize;
    if (compression == kBitFields) {
        // A plain info header keeps its three masks just after itself.
        if (layout.bits_per_pixel != 32 || masks_at + 12 > size) return false;
        if (!MasksAreStandard(data + masks_at)) return false;
    }
    if (header_size >= 56 && layout.bits_per_pixel == 32) {
        const uint32_t alpha = ReadU32(data + masks_at + 12);
        if (alpha != 0 && alpha != 0xFF000000u) return false;
        layout.alpha_mask = alpha == 0xFF000000u;
    }
    return true;
}

bool ReadPalette(const uint8_t* data, size_t size, size_t header_size, uint32_t colours_used,
                 BmpLayout& layout) {
    if (layout.bits_per_pixel > 8) return true;
    const size_t largest = size_t(1) << layout.bits_per_pixel;
    if (colours_used > largest) return false;
    layout.palette_count = colours_used == 0 ? largest : colours_used;
    const size_t palette_at = kFileHeaderSize + header_size;
    if (palette_at > size || (size - palette_at) / 4 < layout.palette_count) return false;
    if (palette_at + layout.palette_count * 4 > layout.pixel_offset) return false;
    layout.palette = data + palette_at;
    return true;
}

bool ReadLayout(const uint8_t* data, size_t size, BmpLayout& layout) {
    if (size < kFileHeaderSize + 4 || data[0] != 'B' || data[1] != 'M') return false;
    const size_t header_size = ReadU32(data + kFileHeaderSize);
    if (header_size != 40 && header_size != 52 && header_size != 56 && header_size != 108 &&
        header_size != 124) {
        return false;
    }
    if (size - kFileHeaderSize < header_size) return false;
    const uint8_t* info = data + kFileHeaderSize;
    const int64_t width = ReadI32(info + 4);
    int64_t height = ReadI32(info + 8);
    const uint32_t planes = ReadU16(info + 12);
    layout.bits_per_pixel = static_cast<int>(ReadU16(info + 14));
    const uint32_t compression = ReadU32(info + 16);
    const uint32_t colours_used = ReadU32(info + 32);
    layout.top_down = height < 0;
    if (height < 0) height = -height;
    if (width <= 0 || height <= 0 || width > kLargestSide || height > kLargestSide || planes != 1)
        return false;
    layout.width = static_cast<int>(width);
    layout.height = static_cast<int>(height);
    const int bits = layout.bits_per_pixel;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return false;
    if (compression != kUncompressed && compression != kBitFields) return false;

    layout.pixel_offset = ReadU32(data + 10);
    layout.row_stride = static_cast<size_t>((uint64_t(width) * bits + 31) / 32 * 4);
    if (layout.pixel_offset < kFileHeaderSize + header_size || layout.pixel_offset > size) return false;
    if ((size - layout.pixel_offset) / layout.row_stride < static_cast<size_t>(height)) return false;
    return ReadMasks(data, size, header_size, compression, layout) &&
           ReadPalette(data, size, header_size, colours_used, layout);
}

// Decodes one stored row into `out`; false when a palette index is out of range.
bool DecodeRow(const BmpLayout& layout, const uint8_t* row, uint32_t* out) {
    const int bits = layout.bits_per_pixel;
    for (int x = 0; x < layout.width; ++x) {
        if (bits == 24 || bits == 32) {
            const uint8_t* pixel = row + static_cast<size_t>(x) * (bits / 8);
            const uint32_t alpha = bits == 32 ? pixel[3] : 255;
            out[x] = (alpha << 24) | (uint32_t(pixel[2]) << 16) | (uint32_t(pixel[1]) << 8) | pixel[0];
            continue;
        }
        const int pixels_per_byte = 8 / bits;
        const uint8_t byte = row[x / pixels_per_byte];
        const int shift = 8 - bits * (x % pixels_per_byte + 1);
        const size_t index = (byte >> shift) & ((1u << bits) - 1);
        if (index >= layout.palette_count) return false;
        const uint8_t* entry = layout.palette + index * 4;
        out[x] = 0xFF000000u | (uint32_t(entry[2]) << 16) | (uint32_t(entry[1]) << 8) | entry[0];
    }
    return true;
}

// Many 32-bit files leave the fourth byte zero and mean an opaque picture; the
// alpha only counts when the header says so or some pixel actually uses it.
void SettleAlpha(const BmpLayout& layout, Bitmap& bitmap) {
    if (layout.bits_per_pixel != 32 || layout.alpha_mask) return;
    for (uint32_t pixel : bitmap.pixels) {
        if ((pixel >> 24) != 0) return;
    }
    for (uint32_t& pixel : bitmap.pixels) pixel |= 0xFF000000u;
}

}  // namespace

bool DecodeBmp(const uint8_t* data, size_t size, Bitmap& out) {
    out = Bitmap{};
    BmpLayout layout;
    if (data == nullptr || !ReadLayout(data, size, layout)) return false;
    Bitmap bitmap;
    bitmap.width = layout.width;
    bitmap.height = layout.height;
    bitmap.pixels.resize(static_cast<size_t>(layout.width) * layout.height);
    for (int y = 0; y < layout.height; ++y) {
        const int stored_row = layout.top_down ? y : layout.height - 1 - y;
        const uint8_t* row = data + layout.pixel_offset + static_cast<size_t>(stored_row) * layout.row_stride;
        if (!DecodeRow(layout, row, bitmap.pixels.data() + static_cast<size_t>(y) * layout.width))
            return false;
    }
    SettleAlpha(layout, bitmap);
    out = std::move(bitmap);
    return true;
}

bool LoadBmpFile(const std::string& path, Bitmap& out) {
    out = Bitmap{};
    std::vector<uint8_t> bytes;
    std::string ignored;
    if (!ReadWholeFile(path, kLargestFile, bytes, ignored)) return false;
    return DecodeBmp(bytes.data(), bytes.size(), out);
}

std::vector<uint8_t> EncodeBmp24(const Bitmap& bitmap) {
    if (bitmap.Empty() || bitmap.width > kLargestSide || bitmap.height > kLargestSide ||
        bitmap.pixels.size() != static_cast<size_t>(bitmap.width) * bitmap.height) {
        return {};
    }
    const uint32_t stride = (uint32_t(bitmap.width) * 3 + 3) / 4 * 4;
    const uint32_t image_size = stride * uint32_t(bitmap.height);
    const uint32_t offset = kFileHeaderSize + kInfoHeaderSize;
    std::vector<uint8_t> out;
    out.reserve(offset + image_size);
    out.push_back('B');
    out.push_back('M');
    PutU32(out, offset + image_size);
    PutU32(out, 0);  // two reserved words
    PutU32(out, offset);
    PutU32(out, kInfoHeaderSize);
    PutU32(out, uint32_t(bitmap.width));
    PutU32(out, uint32_t(bitmap.height));  // positive: bottom row first
    PutU16(out, 1);                        // planes
    PutU16(out, 24);
    PutU32(out, kUncompressed);
    PutU32(out, image_size);
    PutU32(out, kPixelsPerMetre);
    PutU32(out, kPixelsPerMetre);
    PutU32(out, 0);  // colours used
    PutU32(out, 0);  // important colours
    for (int y = bitmap.height - 1; y >= 0; --y) {
        for (int x = 0; x < bitmap.width; ++x) {
            const uint32_t pixel = bitmap.At(x, y);
            out.push_back(uint8_t(pixel));
            out.push_back(uint8_t(pixel >> 8));
            out.push_back(uint8_t(pixel >> 16));
        }
        for (uint32_t pad = uint32_t(bitmap.width) * 3; pad < stride; ++pad) out.push_back(0);
    }
    return out;
}

bool SaveBmp24(const std::string& path, const Bitmap& bitmap) {
    const std::vector<uint8_t> bytes = EncodeBmp24(bitmap);
    if (bytes.empty()) return false;
    // Written beside the target and renamed over it, so a reader never sees half a picture.
    const std::string temporary = path + ".tmp";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        if (!file) return false;
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        file.flush();
        if (!file) {
            file.close();
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}

}  // namespace duskmoor
