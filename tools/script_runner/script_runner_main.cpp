// duskmoor-script: the whole game without a window, driven by a script, with a
// transcript of what a player would have seen.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "core/random.h"
#include "script/game_access.h"
#include "script/script_host.h"
#include "shell/game_main.h"
#include "ui/sdl_font.h"

namespace {

struct Options {
    unsigned long long seed = 1;
    std::string data_folder;
    std::string script_path;
};

[[noreturn]] void Usage(const std::string& problem) {
    std::cerr << "duskmoor-script: " << problem << "\n"
              << "usage: duskmoor-script [--seed N] [--data DIR] SCRIPT\n";
    std::exit(2);
}

std::string ProgramFolder(const char* argv0) {
    std::error_code error;
    std::string self = std::filesystem::read_symlink("/proc/self/exe", error).string();
    if (error) self = argv0;
    size_t slash = self.find_last_of('/');
    return slash == std::string::npos ? std::string("./") : self.substr(0, slash + 1);
}

Options ParseOptions(int argc, char** argv) {
    Options options;
    options.data_folder = ProgramFolder(argv[0]);
    for (int i = 1; i < argc; ++i) {
        std::string argument = argv[i];
        if (argument == "--seed" && i + 1 < argc) {
            char* end = nullptr;
            options.seed = std::strtoull(argv[++i], &end, 10);
            if (*end != '\0') Usage("--seed takes a whole number");
        } else if (argument == "--data" && i + 1 < argc) {
            options.data_folder = argv[++i];
        } else if (options.script_path.empty() && (argument == "-" || argument.rfind("--", 0) != 0)) {
            options.script_path = argument;
        } else {
            Usage("unexpected argument '" + argument + "'");
        }
    }
    if (options.script_path.empty()) Usage("no script given");
    return options;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace duskmoor;
    Options options = ParseOptions(argc, argv);
    std::ifstream file;
    if (options.script_path != "-") {
        file.open(options.script_path);
        if (!file) Usage("cannot read " + options.script_path);
    }
    std::istream& script = options.script_path == "-" ? std::cin : file;

    Random().Seed(options.seed);
    InstallSdlFontEngine();
    ScriptHost host(script, std::cout, options.data_folder);
    ScriptedGameAccess access;
    host.SetGameAccess(&access);
    return host.Run([&] { RunGame(host, options.data_folder, [&](Game& game) { access.Attach(game); }); },
                    std::cerr);
}
