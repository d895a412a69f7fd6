#include "sound_synthesis.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "wave_file.h"

namespace duskmoor::content {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

struct Partial {
    double frequency;
    double amplitude;
    double decay_seconds;
    // A partial that blooms rises over about this long before it decays (0: at once).
    double bloom_seconds = 0;
    // The pitch starts this fraction above `frequency` and settles in about kGlideSeconds.
    double glide = 0;
};

// A struck plate is briefly stiffer while it swings wide, so it sounds a
// little sharp at the strike and sinks to its pitch.
constexpr double kGlideSeconds = 0.35;

// A small repeatable noise source: xorshift with a fixed seed per sound.
class NoiseSource {
  public:
    explicit NoiseSource(uint32_t seed) : state_(seed) {}
    double Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_ / 2147483648.0 - 1.0;
    }

  private:
    uint32_t state_;
};

// A two-pole resonant filter: noise or clicks through it ring at one pitch.
class Resonator {
  public:
    Resonator(double frequency, double bandwidth) {
        radius_ = std::exp(-std::numbers::pi * bandwidth / kSampleRate);
        coefficient_ = 2 * radius_ * std::cos(kTwoPi * frequency / kSampleRate);
    }
    void Tune(double frequency) { coefficient_ = 2 * radius_ * std::cos(kTwoPi * frequency / kSampleRate); }
    double Process(double input) {
        const double output =
            input * (1 - radius_) + coefficient_ * previous_ - radius_ * radius_ * before_previous_;
        before_previous_ = previous_;
        previous_ = output;
        return output;
    }

  private:
    double radius_ = 0;
    double coefficient_ = 0;
    double previous_ = 0;
    double before_previous_ = 0;
};

size_t SamplesFor(double seconds) {
    return static_cast<size_t>(seconds * kSampleRate);
}

// Adds decaying sine partials, each starting at a small phase offset so that
// they do not all peak together at the strike.
void AddPartials(std::vector<double>& signal, const std::vector<Partial>& partials, double start_seconds) {
    const size_t start = SamplesFor(start_seconds);
    for (size_t index = 0; index < partials.size(); ++index) {
        const Partial& p = partials[index];
        const double phase = 0.7 * static_cast<double>(index);
        for (size_t i = start; i < signal.size(); ++i) {
            const double t = static_cast<double>(i - start) / kSampleRate;
            const double bloom = p.bloom_seconds > 0 ? 1 - std::exp(-t / p.bloom_seconds) : 1;
            // The phase is the integral of the gliding frequency.
            const double glide_time = p.glide * kGlideSeconds * (1 - std::exp(-t / kGlideSeconds));
            signal[i] += p.amplitude * bloom * std::exp(-t / p.decay_seconds) *
                         std::sin(kTwoPi * p.frequency * (t + glide_time) + phase);
        }
    }
}

// Softens the first and last moments so that no sound starts or stops with a click.
void Taper(std::vector<double>& signal, double attack_seconds, double release_seconds) {
    const size_t attack = SamplesFor(attack_seconds), release = SamplesFor(release_seconds);
    for (size_t i = 0; i < attack && i < signal.size(); ++i) signal[i] *= static_cast<double>(i) / attack;
    for (size_t i = 0; i < release && i < signal.size(); ++i) {
        signal[signal.size() - 1 - i] *= static_cast<double>(i) / release;
    }
}

}  // namespace

std::vector<double> SynthesiseGong() {
    std::vector<double> signal(SamplesFor(3.0));
    // The body: the low modes of a large bronze plate, far from harmonic. Each
    // mode is a pair a fraction apart, and the pairs beat slowly: the shimmer.
    // The low modes carry the strike's energy at once and ring longest.
    constexpr double kBase = 131.0;
    const double body_ratios[] = {1.0, 1.59, 2.14, 2.30, 2.65, 2.92, 3.16, 3.50};
    std::vector<Partial> partials;
    for (size_t k = 0; k < std::size(body_ratios); ++k) {
        const double frequency = kBase * body_ratios[k];
        const double amplitude = 0.9 / (1.0 + 0.35 * k);
        const double decay = 1.7 / (1.0 + 0.12 * k);
        const double beat = 0.0025 + 0.0007 * k;
        partials.push_back({frequency, amplitude, decay, 0, 0.012});
        partials.push_back({frequency * (1 + beat), 0.8 * amplitude, decay, 0, 0.012});
    }
    // The bloom: energy spreads from the struck modes into the higher ones, so
    // the middle of the sound swells for half a second after the strike and
    // the higher the mode, the later it comes.
    const double bloom_ratios[] = {4.06, 4.60, 5.13, 5.40, 6.20, 7.07, 7.93, 8.61, 9.66, 10.9, 12.3, 13.7};
    for (size_t k = 0; k < std::size(bloom_ratios); ++k) {
        const double frequency = kBase * bloom_ratios[k];
        const double amplitude = 0.75 / (1.0 + 0.18 * k);
        partials.push_back({frequency, amplitude, 1.1 - 0.05 * k, 0.22 + 0.03 * k, 0.006});
        partials.push_back({frequency * 1.0041, 0.6 * amplitude, 1.0 - 0.05 * k, 0.26 + 0.03 * k, 0.006});
    }
    // The strike: bright, closely packed high modes that flare and die within
    // a few tenths of a second.
    NoiseSource noise(0x60116u);
    for (int k = 0; k < 32; ++k) {
        const double frequency = 2000.0 + 5000.0 * (0.5 + 0.5 * noise.Next());
        partials.push_back({frequency, 0.24, 0.04 + 0.12 * (0.5 + 0.5 * noise.Next())});
    }
    AddPartials(signal, partials, 0.0);
    // The mallet's contact: a short click of bright noise.
    double previous = 0;
    for (size_t i = 0; i < SamplesFor(0.03); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double white = noise.Next();
        signal[i] += 1.6 * (white - previous) * std::exp(-t / 0.006);
        previous = white;
    }
    // Bronze struck hard answers with less than its share: a soft limit keeps
    // the strike's peak from dwarfing the ringing that follows.
    double loudest = 0;
    for (double sample : signal) loudest = std::max(loudest, std::abs(sample));
    for (double& sample : signal) sample = std::tanh(1.4 * sample / loudest);
    Taper(signal, 0.002, 0.4);
    return signal;
}

std::vector<double> SynthesiseDoor() {
    std::vector<double> signal(SamplesFor(0.8));
    // The hinge sticks and slips: a train of clicks whose rate wanders, each
    // click ringing in the wood of the door.
    NoiseSource noise(0xD00Du);
    Resonator wood_low(780, 160), wood_high(1900, 260);
    const size_t creak_end = SamplesFor(0.6);
    double phase = 0;
    for (size_t i = 0; i < creak_end; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double rate = 170 + 190 * std::sin(std::numbers::pi * t / 0.6) +
                            45 * std::sin(kTwoPi * 7.3 * t) + 25 * std::sin(kTwoPi * 13.1 * t);
        phase += rate / kSampleRate;
        double click = 0;
        if (phase >= 1.0) {
            phase -= 1.0;
            click = 1.0 + 0.3 * noise.Next();
        }
        const double swell =
            std::sin(std::numbers::pi * t / 0.6) * (0.75 + 0.25 * std::sin(kTwoPi * 4.1 * t));
        const double rasp = click + 0.04 * noise.Next();
        signal[i] = 10.0 * swell * (wood_low.Process(rasp) + 0.6 * wood_high.Process(rasp));
    }
    // The door meets its frame: a low knock that dies quickly.
    Resonator knock(120, 90);
    const size_t thud_start = SamplesFor(0.62);
    for (size_t i = thud_start; i < signal.size(); ++i) {
        const double t = static_cast<double>(i - thud_start) / kSampleRate;
        const double pitch = 72 - 26 * std::min(t / 0.12, 1.0);
        const double body = std::sin(kTwoPi * pitch * t) * std::exp(-t / 0.05);
        signal[i] += 0.55 * body + 1.5 * knock.Process(noise.Next()) * std::exp(-t / 0.025);
    }
    Taper(signal, 0.01, 0.03);
    return signal;
}

std::vector<double> SynthesiseBell() {
    std::vector<double> signal(SamplesFor(1.5));
    // A tuned bell: hum, prime, minor third, fifth and nominal above its strike
    // note, the higher partials fading first.
    constexpr double kStrike = 880.0;
    const Partial partials[] = {
        {kStrike * 0.5, 0.55, 0.75},   {kStrike * 1.0, 1.0, 0.55},   {kStrike * 1.183, 0.6, 0.42},
        {kStrike * 1.506, 0.35, 0.33}, {kStrike * 2.0, 0.45, 0.28},  {kStrike * 2.514, 0.2, 0.2},
        {kStrike * 3.011, 0.15, 0.15}, {kStrike * 4.166, 0.08, 0.1},
    };
    AddPartials(signal, std::vector<Partial>(std::begin(partials), std::end(partials)), 0.0);
    NoiseSource noise(0xBE11u);
    for (size_t i = 0; i < SamplesFor(0.004); ++i) signal[i] += 0.6 * noise.Next();
    Taper(signal, 0.001, 0.12);
    return signal;
}

std::vector<double> SynthesiseSword() {
    std::vector<double> signal(SamplesFor(0.6));
    // The clash: a bright burst of noise (high-passed by taking differences),
    // then the blades ring at a few high, unrelated pitches.
    NoiseSource noise(0x5EEDu);
    double previous = 0;
    for (size_t i = 0; i < SamplesFor(0.12); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double white = noise.Next();
        signal[i] += 0.9 * (white - previous) * std::exp(-t / 0.018);
        previous = white;
    }
    const Partial ring[] = {
        {2637, 0.32, 0.22}, {3413, 0.26, 0.18}, {4771, 0.2, 0.13}, {5913, 0.14, 0.09}, {7321, 0.1, 0.06},
    };
    AddPartials(signal, std::vector<Partial>(std::begin(ring), std::end(ring)), 0.0);
    // The blades slide apart: a quieter scrape just after the strike.
    previous = 0;
    const size_t scrape_start = SamplesFor(0.07);
    for (size_t i = scrape_start; i < SamplesFor(0.2); ++i) {
        const double t = static_cast<double>(i - scrape_start) / kSampleRate;
        const double white = noise.Next();
        signal[i] += 0.25 * (white - previous) * std::sin(std::numbers::pi * std::min(t / 0.13, 1.0));
        previous = white;
    }
    Taper(signal, 0.0005, 0.05);
    return signal;
}

}  // namespace duskmoor::content
