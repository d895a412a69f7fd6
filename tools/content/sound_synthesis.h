#pragma once
// The game's sound effects, synthesised from partials, filtered noise and
// envelopes. Every sound is the same on every build: the noise comes from a
// generator with a fixed seed.
#include <vector>

namespace duskmoor::content {

// Signals at kSampleRate, not yet normalised.
std::vector<double> SynthesiseGong();   // a struck gong blooming and ringing out, about 3 s
std::vector<double> SynthesiseDoor();   // a creaking door swinging shut with a thud, about 0.8 s
std::vector<double> SynthesiseBell();   // a clear hand bell, about 1.5 s
std::vector<double> SynthesiseSword();  // blades clashing, about 0.6 s

}  // namespace duskmoor::content
