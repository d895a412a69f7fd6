#pragma once
// What a script reaches of the game beyond its screens: state by name, and
// placing the party anywhere as a test fixture.
#include "script/script_player.h"

namespace duskmoor {

struct Game;

class ScriptedGameAccess : public ScriptGameAccess {
  public:
    void Attach(Game& game) { game_ = &game; }

    std::string Get(const std::string& name, std::string& value) override;
    std::string Set(const std::string& name, const std::string& value) override;
    std::string Goto(int block, int x, int y, int facing) override;

  private:
    Game* game_ = nullptr;
};

}  // namespace duskmoor
