// The sound effects the build writes into the game's Sounds folder: plain 16-bit
// mono PCM at 22050 Hz that any mixer plays, loud but never clipped.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct ExpectedSound {
    const char* file_name;
    double shortest_seconds;
    double longest_seconds;
};

constexpr ExpectedSound kSounds[] = {
    {"Gong.wav", 2.5, 3.5},
    {"Door.wav", 0.6, 1.0},
    {"Bell.wav", 1.2, 1.8},
    {"Sword.wav", 0.4, 0.8},
};
constexpr size_t kHeaderSize = 44;

std::vector<uint8_t> ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

uint32_t Read32(const std::vector<uint8_t>& bytes, size_t at) {
    return bytes[at] | (bytes[at + 1] << 8) | (bytes[at + 2] << 16) | (uint32_t(bytes[at + 3]) << 24);
}
uint32_t Read16(const std::vector<uint8_t>& bytes, size_t at) {
    return bytes[at] | (bytes[at + 1] << 8);
}
std::string Tag(const std::vector<uint8_t>& bytes, size_t at) {
    return std::string(bytes.begin() + at, bytes.begin() + at + 4);
}

std::vector<int16_t> Samples(const std::vector<uint8_t>& bytes) {
    std::vector<int16_t> samples;
    for (size_t at = kHeaderSize; at + 1 < bytes.size(); at += 2)
        samples.push_back(int16_t(Read16(bytes, at)));
    return samples;
}

double Loudness(const std::vector<int16_t>& samples, size_t begin, size_t end) {
    double sum = 0;
    for (size_t i = begin; i < end; ++i) sum += double(samples[i]) * samples[i];
    return std::sqrt(sum / double(end - begin));
}

std::filesystem::path SoundFolder() {
    return std::filesystem::path(DUSKMOOR_GAME_DIR) / "Sounds";
}

TEST(GeneratedSounds, HeadersDescribe16BitMonoPcmAt22050Hz) {
    for (const ExpectedSound& sound : kSounds) {
        SCOPED_TRACE(sound.file_name);
        const std::vector<uint8_t> bytes = ReadFile(SoundFolder() / sound.file_name);
        ASSERT_GT(bytes.size(), kHeaderSize);
        EXPECT_EQ(Tag(bytes, 0), "RIFF");
        EXPECT_EQ(Read32(bytes, 4), bytes.size() - 8);
        EXPECT_EQ(Tag(bytes, 8), "WAVE");
        EXPECT_EQ(Tag(bytes, 12), "fmt ");
        EXPECT_EQ(Read32(bytes, 16), 16u);
        EXPECT_EQ(Read16(bytes, 20), 1u) << "PCM";
        EXPECT_EQ(Read16(bytes, 22), 1u) << "mono";
        EXPECT_EQ(Read32(bytes, 24), 22050u);
        EXPECT_EQ(Read32(bytes, 28), 44100u);
        EXPECT_EQ(Read16(bytes, 32), 2u);
        EXPECT_EQ(Read16(bytes, 34), 16u);
        EXPECT_EQ(Tag(bytes, 36), "data");
        EXPECT_EQ(Read32(bytes, 40), bytes.size() - kHeaderSize);
        const double seconds = (bytes.size() - kHeaderSize) / 2 / 22050.0;
        EXPECT_GE(seconds, sound.shortest_seconds);
        EXPECT_LE(seconds, sound.longest_seconds);
    }
}

TEST(GeneratedSounds, LoudButNeverClippedAndEndingInSilence) {
    for (const ExpectedSound& sound : kSounds) {
        SCOPED_TRACE(sound.file_name);
        const std::vector<int16_t> samples = Samples(ReadFile(SoundFolder() / sound.file_name));
        ASSERT_FALSE(samples.empty());
        int peak = 0;
        for (int16_t sample : samples) peak = std::max(peak, std::abs(int(sample)));
        EXPECT_LT(peak, 32767);
        EXPECT_GT(peak, 32767 / 2);
        // No click when the sound stops.
        EXPECT_LT(std::abs(int(samples.back())), 200);
    }
}

TEST(GeneratedSounds, GongAndBellRingOut) {
    for (const char* name : {"Gong.wav", "Bell.wav"}) {
        SCOPED_TRACE(name);
        const std::vector<int16_t> samples = Samples(ReadFile(SoundFolder() / name));
        const size_t tenth = samples.size() / 10;
        ASSERT_GT(tenth, 0u);
        const double first = Loudness(samples, 0, tenth);
        const double last = Loudness(samples, samples.size() - tenth, samples.size());
        EXPECT_GT(first, 1000.0);
        EXPECT_LT(last, first / 8);
        EXPECT_GT(last, 0.0) << "still ringing, not cut off";
    }
}

TEST(GeneratedSounds, TheDoorCreaksBeforeItThuds) {
    const std::vector<int16_t> samples = Samples(ReadFile(SoundFolder() / "Door.wav"));
    const size_t tenth = samples.size() / 10;
    ASSERT_GT(tenth, 0u);
    // The creak fills the swing; the knock of the frame comes near the end.
    EXPECT_GT(Loudness(samples, 3 * tenth, 5 * tenth), 1000.0);
    EXPECT_GT(Loudness(samples, 7 * tenth, 8 * tenth), Loudness(samples, 5 * tenth, 7 * tenth));
}

TEST(GeneratedSounds, SynthesisingAgainGivesTheSameFiles) {
    const std::filesystem::path folder = std::filesystem::path(testing::TempDir()) / "duskmoor_sounds_again";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const std::string command =
        std::string("\"") + DUSKMOOR_GAME_DIR + "/duskmoor-sounds\" \"" + folder.string() + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0);
    for (const ExpectedSound& sound : kSounds) {
        SCOPED_TRACE(sound.file_name);
        EXPECT_EQ(ReadFile(folder / sound.file_name), ReadFile(SoundFolder() / sound.file_name));
    }
    // Written through temporaries that are all renamed into place.
    EXPECT_EQ(
        std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()),
        std::ssize(kSounds));
    std::filesystem::remove_all(folder);
}

}  // namespace
