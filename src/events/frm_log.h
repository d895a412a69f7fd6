#pragma once
// The adventure log: a notebook of two pages, the player's own log and the
// clues found in the ruins, shown one at a time in one editable text box.
#include "ui/screen.h"

namespace duskmoor {

struct Game;

class frmLog : public Screen {
  public:
    explicit frmLog(Game& game);
    void Load() override;
    // Escape leaves as Done does, keeping what was written.
    void CloseRequested() override { Done(); }

  private:
    void ShowPage();
    void SwitchPage();
    void ClearPage();
    void PrintPage();
    void Done();

    Game& game_;
    int mode_ = 1;  // the page shown, as `LogMode`
};

}  // namespace duskmoor
