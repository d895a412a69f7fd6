// The sound effects the build writes into the game's Sounds folder: plain 16-bit
// mono PCM at 22050 Hz that any mixer plays, loud but never clipped.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numbers>
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

// Loudness as the ear weighs it, roughly: a first-order high-pass near 300 Hz
// takes away the bass the ear (and a small speaker) hardly hears, and the
// loudest 0.4 s of the sound counts.
double HeardLoudness(const std::vector<int16_t>& samples) {
    const double pole = std::exp(-2 * std::numbers::pi * 300.0 / 22050.0);
    std::vector<int16_t> treble;
    double previous_in = 0, previous_out = 0;
    for (int16_t sample : samples) {
        previous_out = pole * (previous_out + sample - previous_in);
        previous_in = sample;
        treble.push_back(int16_t(std::lround(previous_out)));
    }
    const size_t window = 22050 * 4 / 10, step = 22050 / 50;
    double loudest = 0;
    for (size_t begin = 0; begin + window <= treble.size(); begin += step)
        loudest = std::max(loudest, Loudness(treble, begin, begin + window));
    return loudest;
}

// The energy of the band [low_hz, high_hz] in a stretch of the sound, summed over
// the frequencies the stretch resolves (Goertzel at each).
double BandEnergy(const std::vector<int16_t>& samples, double from_seconds, double to_seconds, double low_hz,
                  double high_hz) {
    const size_t begin = size_t(from_seconds * 22050), end = size_t(to_seconds * 22050);
    const double resolution = 22050.0 / double(end - begin);
    double energy = 0;
    for (double frequency = low_hz; frequency <= high_hz; frequency += resolution) {
        const double coefficient = 2 * std::cos(2 * std::numbers::pi * frequency / 22050.0);
        double previous = 0, before_previous = 0;
        for (size_t i = begin; i < end; ++i) {
            const double current = samples[i] + coefficient * previous - before_previous;
            before_previous = previous;
            previous = current;
        }
        energy += previous * previous + before_previous * before_previous -
                  coefficient * previous * before_previous;
    }
    return energy / double(end - begin);
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

TEST(GeneratedSounds, TheGongRingsAsLoudAsTheOtherSounds) {
    const double gong = HeardLoudness(Samples(ReadFile(SoundFolder() / "Gong.wav")));
    double quietest = 1e9, loudest = 0;
    for (const char* name : {"Door.wav", "Bell.wav", "Sword.wav"}) {
        const double other = HeardLoudness(Samples(ReadFile(SoundFolder() / name)));
        quietest = std::min(quietest, other);
        loudest = std::max(loudest, other);
    }
    EXPECT_GE(gong, quietest) << "the gong is the quietest sound";
    EXPECT_GE(gong, loudest / 2) << "the gong is more than 6 dB below the loudest sound";
}

TEST(GeneratedSounds, TheGongStrikesBrightlyThenBloomsAndShimmers) {
    const std::vector<int16_t> samples = Samples(ReadFile(SoundFolder() / "Gong.wav"));
    ASSERT_GT(samples.size(), size_t(22050 * 5 / 2));
    // The strike: the first moments carry more treble than the body's ringing.
    const double strike_treble = BandEnergy(samples, 0.0, 0.05, 2500, 6000);
    const double strike_body = BandEnergy(samples, 0.0, 0.05, 60, 600);
    EXPECT_GT(strike_treble, strike_body / 10) << "a dull strike";
    // The bloom: after the strike the middle of the spectrum swells before it fades.
    const double middle_early = BandEnergy(samples, 0.05, 0.15, 500, 2000);
    const double middle_bloom = BandEnergy(samples, 0.4, 0.5, 500, 2000);
    EXPECT_GT(middle_bloom, 2 * middle_early) << "no bloom";
    // The shimmer: close modes beat, so the level of the ringing wavers
    // instead of falling smoothly.
    const size_t slice = 22050 / 20;
    int rises = 0;
    double last = Loudness(samples, 22050, 22050 + slice);
    for (size_t begin = 22050 + slice; begin + slice <= 22050 * 5 / 2; begin += slice) {
        const double level = Loudness(samples, begin, begin + slice);
        if (level > last) ++rises;
        last = level;
    }
    EXPECT_GE(rises, 3) << "the ringing decays without shimmer";
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
    // A folder of this run's own: other builds may run the same test at once.
    const std::filesystem::path folder =
        std::filesystem::path(testing::TempDir()) / ("duskmoor_sounds_again_" + std::to_string(getpid()));
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
