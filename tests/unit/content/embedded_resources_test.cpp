// The pictures and fonts compiled into the game: every name the screens ask for
// is there, decodes, and has the size its screen lays out.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "ui/resources.h"

namespace duskmoor {
namespace {

struct ExpectedPicture {
    const char* name;
    int width;
    int height;
};

constexpr ExpectedPicture kButtons[] = {
    {"CampBmp", 78, 44},
    {"LogBmp", 78, 44},
    {"MagicBmp", 78, 44},
    {"GameBmp", 78, 44},
    {"TradeBmp", 78, 44},
    {"QuestsBmp", 78, 44},
    {"SearchBmp", 78, 44},
    {"ViewBmp", 78, 44},
    {"ArrowLeftBmp", 52, 44},
    {"ArrowUpBmp", 52, 44},
    {"ArrowRightBmp", 52, 44},
    {"NewBmp", 200, 40},
    {"LoadGameBmp", 200, 40},
    {"SaveBmp", 200, 40},
    {"LoadHeroBmp", 200, 40},
    {"NewHeroBmp", 200, 40},
    {"RemoveBmp", 200, 40},
    {"SoundOnBmp", 200, 40},
    {"SoundOffBmp", 200, 40},
    {"Done2Bmp", 200, 40},
    {"ExitBmp", 200, 40},
    {"CreditsBmp", 200, 40},
    {"RestBmp", 96, 48},
    {"PartyBmp", 96, 48},
    {"Save2Bmp", 96, 48},
    {"DoneBmp", 96, 48},
    // The signs of the town's buildings.
    {"KingSignBmp", 112, 112},
    {"InnSignBmp", 112, 112},
    {"TempleSignBmp", 112, 112},
    {"BankSignBmp", 112, 112},
    {"MagicSignBmp", 112, 112},
    {"CouncilSignBmp", 112, 112},
    {"ArmorySignBmp", 112, 112},
    {"TrainingSignBmp", 112, 112},
    {"ArmorSignBmp", 112, 112},
    {"WeaponSignBmp", 112, 112},
    {"PawnSignBmp", 112, 112},
    {"WagonSignBmp", 112, 112},
    // The battle's foes, the vampire, the tomb of a beaten group, and the treasure's coins.
    {"MonsterBmp", 112, 96},
    {"VampireBmp", 112, 96},
    {"TombBmp", 112, 96},
    {"TreasureBmp", 40, 32},
};
// Pictures with a transparent ground: the icons and the bank's coins.
constexpr ExpectedPicture kIcons[] = {{"DuskIcon", 32, 32},
                                      {"ViewIcon", 32, 32},
                                      {"GoldCoinBmp", 32, 32},
                                      {"SilverCoinBmp", 32, 32},
                                      {"CopperCoinBmp", 32, 32}};
constexpr ExpectedPicture kScenes[] = {{"CampFireBmp", 540, 296}, {"WildBmp", 640, 480}};

int Alpha(uint32_t pixel) {
    return static_cast<int>(pixel >> 24);
}
int Brightness(uint32_t pixel) {
    return ((pixel >> 16) & 0xFF) + ((pixel >> 8) & 0xFF) + (pixel & 0xFF);
}

std::vector<uint8_t> ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// The mean brightness of a rectangle given in percent of the picture.
double MeanBrightness(const Bitmap& bitmap, double left, double top, double right, double bottom) {
    double sum = 0;
    int count = 0;
    for (int y = static_cast<int>(top * bitmap.height / 100); y < bottom * bitmap.height / 100; ++y)
        for (int x = static_cast<int>(left * bitmap.width / 100); x < right * bitmap.width / 100;
             ++x, ++count)
            sum += Brightness(bitmap.At(x, y));
    return count ? sum / count : 0;
}

TEST(EmbeddedResources, TheScenesShowANightFireAndTownsWhereTheMapFindsThem) {
    for (const ExpectedPicture& expected : kScenes) {
        SCOPED_TRACE(expected.name);
        const Bitmap* bitmap = ResourceBitmap(expected.name);
        ASSERT_NE(bitmap, nullptr);
        EXPECT_EQ(bitmap->width, expected.width);
        EXPECT_EQ(bitmap->height, expected.height);
        for (uint32_t pixel : bitmap->pixels) ASSERT_EQ(Alpha(pixel), 255);
    }
    // The fire burns bright under a dark sky.
    const Bitmap& camp = *ResourceBitmap("CampFireBmp");
    EXPECT_GT(MeanBrightness(camp, 45, 60, 55, 78), 3 * MeanBrightness(camp, 0, 0, 100, 30));
    // Each town stands out from the plain land around it, inside its own rectangle.
    const Bitmap& map = *ResourceBitmap("WildBmp");
    const double land = MeanBrightness(map, 40, 55, 55, 70);
    const double towns[][4] = {{84, 30, 96, 47}, {11.2, 43, 32, 52}, {12, 7, 19, 13}, {59, 78, 74.8, 94}};
    for (const auto& town : towns)
        EXPECT_GT(std::abs(MeanBrightness(map, town[0], town[1], town[2], town[3]) - land), 5) << town[0];
}

TEST(EmbeddedResources, EveryButtonDecodesAtItsSizeAsAnOpaqueBevelledPlate) {
    for (const ExpectedPicture& expected : kButtons) {
        SCOPED_TRACE(expected.name);
        const Bitmap* bitmap = ResourceBitmap(expected.name);
        ASSERT_NE(bitmap, nullptr);
        EXPECT_EQ(bitmap->width, expected.width);
        EXPECT_EQ(bitmap->height, expected.height);
        EXPECT_EQ(ResourceBitmap(expected.name), bitmap) << "decoded once and kept";
        for (uint32_t pixel : bitmap->pixels) ASSERT_EQ(Alpha(pixel), 255);
        // Light falls from the top left: the rim is bright above and dark below.
        int top_rim = 0, bottom_rim = 0;
        for (int x = 4; x < bitmap->width - 4; ++x) {
            top_rim += Brightness(bitmap->At(x, 1));
            bottom_rim += Brightness(bitmap->At(x, bitmap->height - 2));
        }
        EXPECT_GT(top_rim, 2 * bottom_rim);
        // A pictogram or caption stands out from the stone face.
        int darkest = 765, brightest = 0;
        for (int y = 6; y < bitmap->height - 6; ++y) {
            for (int x = 6; x < bitmap->width - 6; ++x) {
                darkest = std::min(darkest, Brightness(bitmap->At(x, y)));
                brightest = std::max(brightest, Brightness(bitmap->At(x, y)));
            }
        }
        EXPECT_LT(darkest, 120);
        EXPECT_GT(brightest, 540);
    }
}

TEST(EmbeddedResources, IconsAreTransparentAroundAnOpaqueCentre) {
    for (const ExpectedPicture& expected : kIcons) {
        SCOPED_TRACE(expected.name);
        const Bitmap* bitmap = ResourceBitmap(expected.name);
        ASSERT_NE(bitmap, nullptr);
        ASSERT_EQ(bitmap->width, expected.width);
        ASSERT_EQ(bitmap->height, expected.height);
        for (auto [x, y] : {std::pair{0, 0}, {31, 0}, {0, 31}, {31, 31}})
            EXPECT_EQ(Alpha(bitmap->At(x, y)), 0);
        EXPECT_EQ(Alpha(bitmap->At(16, 16)), 255);
        int transparent = 0, opaque = 0;
        for (uint32_t pixel : bitmap->pixels) {
            transparent += Alpha(pixel) == 0;
            opaque += Alpha(pixel) == 255;
        }
        EXPECT_GT(transparent, 100);
        EXPECT_GT(opaque, 200);
    }
    // The pointer's hot spot is its centre: the pupil of the eye, dark and solid.
    EXPECT_LT(Brightness(ResourceBitmap("ViewIcon")->At(16, 16)), 60);
}

TEST(EmbeddedResources, FontsAreTheSystemFilesByteForByte) {
    const std::pair<const char*, const char*> fonts[] = {
        {"DejaVuSans", "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"},
        {"DejaVuSansBold", "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"},
    };
    for (auto [name, path] : fonts) {
        SCOPED_TRACE(name);
        const EmbeddedResource font = FindResource(name);
        const std::vector<uint8_t> file = ReadFile(path);
        ASSERT_GT(font.size, 100000u);
        ASSERT_EQ(font.size, file.size());
        EXPECT_TRUE(std::equal(file.begin(), file.end(), font.data));
        // A font is not a picture: asking for it as one gives nothing.
        EXPECT_EQ(ResourceBitmap(name), nullptr);
    }
}

TEST(EmbeddedResources, UnknownNamesGiveNothing) {
    for (const char* name : {"", "NoSuchBmp", "campbmp", "CampBmp ", "DejaVu"}) {
        SCOPED_TRACE(name);
        const EmbeddedResource missing = FindResource(name);
        EXPECT_EQ(missing.size, 0u);
        EXPECT_EQ(missing.data, nullptr);
        EXPECT_EQ(ResourceBitmap(name), nullptr);
        EXPECT_EQ(ResourceBitmap(name), nullptr);
    }
    // Names in the table are unique, so a lookup can never pick the wrong twin.
    std::set<std::string> names;
    for (size_t i = 0; i < kEmbeddedResourceCount; ++i) {
        EXPECT_TRUE(names.insert(kEmbeddedResources[i].name).second) << kEmbeddedResources[i].name;
        EXPECT_GT(kEmbeddedResources[i].size, 0u);
    }
    // Besides the pictures and the two fonts: the 33 notes and the pages of the speeches.
    const size_t texts = std::count_if(names.begin(), names.end(), [](const std::string& name) {
        return name.rfind("note", 0) == 0 || name.rfind("king", 0) == 0 || name.rfind("ending", 0) == 0;
    });
    EXPECT_GE(texts, 33u);
    EXPECT_EQ(kEmbeddedResourceCount,
              std::size(kButtons) + std::size(kIcons) + std::size(kScenes) + 2 + texts);
}

// Drawing the pictures again gives the very bytes the game carries: the
// generator is repeatable and the embedder copies files unchanged.
TEST(EmbeddedResources, RedrawingThePicturesGivesTheEmbeddedBytes) {
    // A folder of this run's own: other builds may run the same test at once.
    const std::filesystem::path folder =
        std::filesystem::path(testing::TempDir()) / ("duskmoor_pictures_again_" + std::to_string(getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const std::string command =
        std::string("\"") + DUSKMOOR_GAME_DIR + "/duskmoor-pictures\" \"" + folder.string() + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::set<std::string> listed;
    std::ifstream list(folder / "pictures.txt");
    for (std::string name; std::getline(list, name);) listed.insert(name);
    std::set<std::string> expected;
    for (const ExpectedPicture& picture : kButtons) expected.insert(picture.name);
    for (const ExpectedPicture& picture : kIcons) expected.insert(picture.name);
    for (const ExpectedPicture& picture : kScenes) expected.insert(picture.name);
    EXPECT_EQ(listed, expected);
    for (const std::string& name : listed) {
        SCOPED_TRACE(name);
        const std::vector<uint8_t> drawn = ReadFile((folder / (name + ".bmp")).string());
        const EmbeddedResource embedded = FindResource(name);
        ASSERT_EQ(drawn.size(), embedded.size);
        EXPECT_TRUE(std::equal(drawn.begin(), drawn.end(), embedded.data));
    }
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace duskmoor
