#pragma once
// `frmWilderness`: the overland map between the towns, with the party's marker
// moved by the arrow keys, a camp on C, and wandering monsters on the way.
#include "ui/screen.h"
#include "world/wilderness_rules.h"

namespace duskmoor {

struct Game;

class frmWilderness : public Screen {
  public:
    explicit frmWilderness(Game& game);
    void Load() override;
    void Unload() override;
    void KeyDown(int key) override;
    // The window's close box does not end a journey: the party must reach a town.
    void CloseRequested() override {}

  private:
    // What a key leads to: the open country (0) or a town's site.
    int16_t Handle(int key);
    void InTheOpen();
    void AtTown(int16_t site);
    void ShowMarker();

    Game& game_;
    WildernessModel model_;
};

// Opens the wilderness from `TownSite`; on return `TownSite` holds the town
// chosen, or the party was defeated on the way.
void CrossTheWilderness(Game& game);

}  // namespace duskmoor
