#include "sound_synthesis.h"

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
};

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
            signal[i] +=
                p.amplitude * std::exp(-t / p.decay_seconds) * std::sin(kTwoPi * p.frequency * t + phase);
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
    // A gong's modes are far from harmonic; pairs a fraction apart beat slowly,
    // which gives the shimmer of a large bronze plate.
    constexpr double kBase = 98.0;
    const double ratios[] = {1.0, 1.003, 1.52, 2.03, 2.04, 2.61, 3.17, 3.74, 4.41, 5.25, 6.12};
    std::vector<Partial> partials;
    for (size_t k = 0; k < std::size(ratios); ++k) {
        partials.push_back({kBase * ratios[k], 1.0 / (1.0 + 0.45 * k), 1.25 / (1.0 + 0.22 * k)});
    }
    AddPartials(signal, partials, 0.0);
    // The padded mallet: a dull thump of low noise in the first moments.
    NoiseSource noise(0x60116u);
    Resonator thump(140, 120);
    for (size_t i = 0; i < SamplesFor(0.12); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        signal[i] += 6.0 * thump.Process(noise.Next()) * std::exp(-t / 0.03);
    }
    Taper(signal, 0.004, 0.25);
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
