#pragma once
// The speech screen: one speech, page by page, with Back, Next and Skip.
#include "ui/screen.h"

namespace duskmoor {

struct Game;

class frmSpeech : public Screen {
  public:
    explicit frmSpeech(Game& game);
    void Load() override;
    // Closing the window ends the speech as Skip does, so the king's purse is never lost.
    void CloseRequested() override { Skip(); }

  private:
    void DisplayPage();
    void Next();
    void Back();
    void Skip();

    Game& game_;
    int mode_ = 1;
    int page_ = 1;
    int pages_ = 1;
};

}  // namespace duskmoor
