#pragma once
// The quests screen: the objects the council has been given back, or the
// list of every object it seeks.
#include "ui/screen.h"

namespace duskmoor {

struct Game;

namespace quests_mode {
constexpr int16_t Completed = 1, Sought = 2;
}  // namespace quests_mode

class frmQuests : public Screen {
  public:
    explicit frmQuests(Game& game);
    void Load() override;
    void CloseRequested() override { Close(); }

  private:
    Game& game_;
};

// Opens the quests screen in `mode`.
void ShowQuestsScreen(Game& game, int16_t mode);

}  // namespace duskmoor
