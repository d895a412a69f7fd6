#include "ui/bitmap.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <string>
#include <vector>

namespace duskmoor {
namespace {

void PutU16(std::vector<uint8_t>& out, uint32_t value) {
    out.push_back(uint8_t(value));
    out.push_back(uint8_t(value >> 8));
}
void PutU32(std::vector<uint8_t>& out, uint32_t value) {
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}
void SetU32(std::vector<uint8_t>& out, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) out[at + i] = uint8_t(value >> (8 * i));
}

// File and info headers of a hand-made BMP; pixel data goes right after the
// headers, the palette and `extra_header` bytes.
std::vector<uint8_t> Headers(int32_t width, int32_t height, int bits, uint32_t header_size = 40,
                             uint32_t palette_entries = 0, uint32_t compression = 0) {
    const uint32_t offset = 14 + header_size + palette_entries * 4;
    std::vector<uint8_t> out = {'B', 'M'};
    PutU32(out, 0);  // file size, which readers do not trust anyway
    PutU32(out, 0);
    PutU32(out, offset);
    PutU32(out, header_size);
    PutU32(out, uint32_t(width));
    PutU32(out, uint32_t(height));
    PutU16(out, 1);
    PutU16(out, uint32_t(bits));
    PutU32(out, compression);
    PutU32(out, 0);
    PutU32(out, 2835);
    PutU32(out, 2835);
    PutU32(out, palette_entries);
    PutU32(out, 0);
    out.resize(14 + header_size, 0);
    return out;
}

bool Decodes(const std::vector<uint8_t>& bytes, Bitmap& out) {
    return DecodeBmp(bytes.data(), bytes.size(), out);
}

TEST(BitmapTest, HandMadeBottomUp24BitWithPadding) {
    // 3 x 2: rows of 9 bytes padded to 12, bottom row stored first. The pad
    // bytes are junk on purpose.
    std::vector<uint8_t> bytes = Headers(3, 2, 24);
    const std::vector<uint8_t> bottom = {1, 2, 3, 4, 5, 6, 7, 8, 9, 0xEE, 0xEE, 0xEE};
    const std::vector<uint8_t> top = {10, 11, 12, 13, 14, 15, 16, 17, 18, 0xEE, 0xEE, 0xEE};
    bytes.insert(bytes.end(), bottom.begin(), bottom.end());
    bytes.insert(bytes.end(), top.begin(), top.end());

    Bitmap bitmap;
    ASSERT_TRUE(Decodes(bytes, bitmap));
    ASSERT_EQ(bitmap.width, 3);
    ASSERT_EQ(bitmap.height, 2);
    const std::vector<uint32_t> expected = {0xFF0C0B0Au, 0xFF0F0E0Du, 0xFF121110u,
                                            0xFF030201u, 0xFF060504u, 0xFF090807u};
    EXPECT_EQ(bitmap.pixels, expected);

    // The same picture stored top-down (negative height).
    std::vector<uint8_t> top_down = Headers(3, -2, 24);
    top_down.insert(top_down.end(), top.begin(), top.end());
    top_down.insert(top_down.end(), bottom.begin(), bottom.end());
    Bitmap flipped;
    ASSERT_TRUE(Decodes(top_down, flipped));
    EXPECT_EQ(flipped.pixels, expected);
}

TEST(BitmapTest, Encode24LayoutOfATwoByTwoImage) {
    const Bitmap bitmap{2, 2, {0xFF102030u, 0xFF405060u, 0xFF708090u, 0x00A0B0C0u}};
    const std::vector<uint8_t> expected = {
        'B',  'M',  70,   0,    0,    0,    0, 0, 0,    0,    54, 0, 0, 0,  // file header
        40,   0,    0,    0,    2,    0,    0, 0, 2,    0,    0,  0, 1, 0,
        24,   0,    0,    0,    0,    0,  // size, width, height, planes, bits
        16,   0,    0,    0,    0x13, 0x0B, 0, 0, 0x13, 0x0B, 0,  0, 0, 0,
        0,    0,    0,    0,    0,    0,           // image size, 2835 px/m
        0x90, 0x80, 0x70, 0xC0, 0xB0, 0xA0, 0, 0,  // bottom row first, blue green red, padded
        0x30, 0x20, 0x10, 0x60, 0x50, 0x40, 0, 0,
    };
    EXPECT_EQ(EncodeBmp24(bitmap), expected);
    EXPECT_TRUE(EncodeBmp24(Bitmap{}).empty());
    EXPECT_TRUE(EncodeBmp24(Bitmap{2, 2, {1, 2, 3}}).empty());  // too few pixels
}

TEST(BitmapTest, EncodeDecodeRoundTripAndFileSave) {
    Bitmap bitmap{5, 3, {}};
    for (uint32_t i = 0; i < 15; ++i) bitmap.pixels.push_back(0xFF000000u | ((i * 0x0A1B2Cu) & 0xFFFFFFu));
    Bitmap decoded;
    ASSERT_TRUE(Decodes(EncodeBmp24(bitmap), decoded));
    EXPECT_EQ(decoded.width, 5);
    EXPECT_EQ(decoded.height, 3);
    EXPECT_EQ(decoded.pixels, bitmap.pixels);

    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "duskmoor_bitmap_test";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "snap.bmp").string();
    ASSERT_TRUE(SaveBmp24(path, bitmap));
    ASSERT_TRUE(SaveBmp24(path, bitmap));  // replaces an existing file
    Bitmap loaded;
    ASSERT_TRUE(LoadBmpFile(path, loaded));
    EXPECT_EQ(loaded.pixels, bitmap.pixels);
    EXPECT_EQ(
        std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()),
        1);  // no temporary left
    EXPECT_FALSE(LoadBmpFile((folder / "missing.bmp").string(), loaded));
    EXPECT_TRUE(loaded.Empty());
    EXPECT_FALSE(SaveBmp24((folder / "no" / "such" / "dir.bmp").string(), bitmap));
    std::filesystem::remove_all(folder);
}

TEST(BitmapTest, ThirtyTwoBitAlphaOnlyWhenMeant) {
    // Fourth bytes all zero and no alpha mask: an opaque picture.
    std::vector<uint8_t> plain = Headers(2, 1, 32);
    plain.insert(plain.end(), {1, 2, 3, 0, 4, 5, 6, 0});
    Bitmap bitmap;
    ASSERT_TRUE(Decodes(plain, bitmap));
    EXPECT_EQ(bitmap.pixels, (std::vector<uint32_t>{0xFF030201u, 0xFF060504u}));

    // One nonzero alpha byte: the alpha channel is real, zeros included.
    std::vector<uint8_t> some = Headers(2, 1, 32);
    some.insert(some.end(), {1, 2, 3, 0, 4, 5, 6, 0x80});
    ASSERT_TRUE(Decodes(some, bitmap));
    EXPECT_EQ(bitmap.pixels, (std::vector<uint32_t>{0x00030201u, 0x80060504u}));

    // A V5 header with bit-field masks and an alpha mask: zero alpha stays zero.
    std::vector<uint8_t> v5 = Headers(2, 1, 32, 124, 0, 3);
    SetU32(v5, 54, 0x00FF0000u);
    SetU32(v5, 58, 0x0000FF00u);
    SetU32(v5, 62, 0x000000FFu);
    SetU32(v5, 66, 0xFF000000u);
    v5.insert(v5.end(), {1, 2, 3, 0, 4, 5, 6, 0});
    ASSERT_TRUE(Decodes(v5, bitmap));
    EXPECT_EQ(bitmap.pixels, (std::vector<uint32_t>{0x00030201u, 0x00060504u}));

    // Masks in another byte order are not supported.
    SetU32(v5, 54, 0x000000FFu);
    SetU32(v5, 62, 0x00FF0000u);
    EXPECT_FALSE(Decodes(v5, bitmap));
}

TEST(BitmapTest, PalettedImages) {
    // 8-bit, 3 x 1 with two palette entries: the row is 3 bytes padded to 4.
    std::vector<uint8_t> eight = Headers(3, 1, 8, 40, 2);
    eight.insert(eight.end(),
                 {0x10, 0x20, 0x30, 0, 0xA0, 0xB0, 0xC0, 0});  // palette: blue, green, red, unused
    eight.insert(eight.end(), {1, 0, 1, 0xEE});
    Bitmap bitmap;
    ASSERT_TRUE(Decodes(eight, bitmap));
    EXPECT_EQ(bitmap.pixels, (std::vector<uint32_t>{0xFFC0B0A0u, 0xFF302010u, 0xFFC0B0A0u}));

    eight[eight.size() - 3] = 2;  // an index past the palette
    EXPECT_FALSE(Decodes(eight, bitmap));

    // 4-bit, 3 x 2, full 16-entry palette; high nibble is the left pixel.
    std::vector<uint8_t> four = Headers(3, 2, 4, 40, 0);
    SetU32(four, 10, 14 + 40 + 16 * 4);
    for (uint8_t i = 0; i < 16; ++i) four.insert(four.end(), {i, uint8_t(i * 2), uint8_t(i * 3), 0});
    four.insert(four.end(), {0x12, 0x30, 0xEE, 0xEE});  // bottom row: 1, 2, 3
    four.insert(four.end(), {0xF0, 0x70, 0, 0});        // top row: 15, 0, 7
    ASSERT_TRUE(Decodes(four, bitmap));
    EXPECT_EQ(bitmap.pixels, (std::vector<uint32_t>{0xFF2D1E0Fu, 0xFF000000u, 0xFF150E07u, 0xFF030201u,
                                                    0xFF060402u, 0xFF090603u}));
}

TEST(BitmapTest, DamagedInputsAreRefused) {
    const std::vector<uint8_t> good = EncodeBmp24(Bitmap{3, 3, std::vector<uint32_t>(9, 0xFF123456u)});
    Bitmap bitmap;
    ASSERT_TRUE(Decodes(good, bitmap));
    // Every shorter prefix is refused and leaves the bitmap empty.
    for (size_t length = 0; length < good.size(); ++length) {
        EXPECT_FALSE(DecodeBmp(good.data(), length, bitmap)) << length;
        EXPECT_TRUE(bitmap.Empty() && bitmap.pixels.empty()) << length;
    }
    EXPECT_FALSE(DecodeBmp(nullptr, 0, bitmap));

    std::vector<uint8_t> garbage(200);
    for (size_t i = 0; i < garbage.size(); ++i) garbage[i] = uint8_t(i * 37 + 11);
    EXPECT_FALSE(Decodes(garbage, bitmap));
    garbage[0] = 'B';
    garbage[1] = 'M';
    EXPECT_FALSE(Decodes(garbage, bitmap));

    auto altered = [&](size_t at, uint32_t value) {
        std::vector<uint8_t> bytes = good;
        SetU32(bytes, at, value);
        return bytes;
    };
    EXPECT_FALSE(Decodes(altered(18, 16385), bitmap));              // too wide
    EXPECT_FALSE(Decodes(altered(22, 16385), bitmap));              // too tall
    EXPECT_FALSE(Decodes(altered(22, uint32_t(INT_MIN)), bitmap));  // height that cannot be negated
    EXPECT_FALSE(Decodes(altered(18, 0), bitmap));                  // no width
    EXPECT_FALSE(Decodes(altered(22, 0), bitmap));                  // no height
    EXPECT_FALSE(Decodes(altered(18, 16384), bitmap));              // legal size, missing pixel data
    EXPECT_FALSE(Decodes(altered(10, 0xFFFFFFF0u), bitmap));        // pixel data past the end
    EXPECT_FALSE(Decodes(altered(10, 20), bitmap));                 // pixel data inside the header
    EXPECT_FALSE(Decodes(altered(14, 0xFFFFFFFFu), bitmap));        // absurd header size
    EXPECT_FALSE(Decodes(altered(14, 64), bitmap));                 // unknown header
    EXPECT_FALSE(Decodes(altered(30, 1), bitmap));                  // run-length compressed
    std::vector<uint8_t> sixteen = good;
    sixteen[28] = 16;
    EXPECT_FALSE(Decodes(sixteen, bitmap));
    std::vector<uint8_t> huge_palette = Headers(1, 1, 8, 40, 0x40000000u);
    huge_palette.resize(huge_palette.size() + 8);
    EXPECT_FALSE(Decodes(huge_palette, bitmap));
}

}  // namespace
}  // namespace duskmoor
