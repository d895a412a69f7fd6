// Synthesises the game's sound effects into its Sounds folder.
//
//     duskmoor-sounds <output folder>
#include <cstdio>
#include <string>
#include <vector>

#include "atomic_file.h"
#include "sound_synthesis.h"
#include "wave_file.h"

namespace {

struct SoundSpec {
    const char* file_name;
    std::vector<double> (*synthesise)();
};

constexpr SoundSpec kSounds[] = {
    {"Gong.wav", duskmoor::content::SynthesiseGong},
    {"Door.wav", duskmoor::content::SynthesiseDoor},
    {"Bell.wav", duskmoor::content::SynthesiseBell},
    {"Sword.wav", duskmoor::content::SynthesiseSword},
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: duskmoor-sounds <output folder>\n");
        return 2;
    }
    using namespace duskmoor::content;
    for (const SoundSpec& sound : kSounds) {
        const std::string path = std::string(argv[1]) + "/" + sound.file_name;
        if (!WriteFileAtomically(path, EncodeWave(Normalise(sound.synthesise())))) {
            std::fprintf(stderr, "duskmoor-sounds: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
