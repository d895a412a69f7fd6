#pragma once
// A game folder of its own for each game the bot plays: the runner's Maps,
// Art and Sounds linked in, and room for the bot's saved games.
#include <string>

namespace duskmoor::bot {

// The folder of this executable, with a trailing slash.
std::string ProgramFolder();

class PlayFolder {
  public:
    // Links the content folders that sit beside `runner`.
    explicit PlayFolder(const std::string& runner);
    ~PlayFolder();
    PlayFolder(const PlayFolder&) = delete;
    PlayFolder& operator=(const PlayFolder&) = delete;
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

}  // namespace duskmoor::bot
