#include "play_folder.h"

#include <stdlib.h>

#include <filesystem>
#include <stdexcept>

namespace duskmoor::bot {

namespace fs = std::filesystem;

std::string ProgramFolder() {
    std::error_code error;
    fs::path self = fs::read_symlink("/proc/self/exe", error);
    if (error) return "./";
    return self.parent_path().string() + "/";
}

PlayFolder::PlayFolder(const std::string& runner) {
    std::string pattern = (fs::temp_directory_path() / "duskmoor-bot-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a game folder");
    path_ = pattern;
    fs::path content = fs::absolute(fs::path(runner)).parent_path();
    for (const char* folder : {"Maps", "Art", "Sounds"}) {
        std::error_code error;
        fs::create_directory_symlink(content / folder, fs::path(path_) / folder, error);
    }
}

PlayFolder::~PlayFolder() {
    std::error_code error;
    fs::remove_all(path_, error);
}

}  // namespace duskmoor::bot
