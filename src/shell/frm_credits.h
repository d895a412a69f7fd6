#pragma once
// Who made the game, and which version it is.
#include "ui/screen.h"

namespace duskmoor {

class Host;

class frmCredits : public Screen {
  public:
    explicit frmCredits(Host& host);
    void CloseRequested() override { Close(); }
};

}  // namespace duskmoor
