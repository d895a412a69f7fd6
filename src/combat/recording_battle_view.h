#pragma once
// A battle without a screen: every message the player would confirm is
// written down, and NEXT is pressed at once. Tests play whole rounds through
// it, and the benchmark fights thousands of battles with it.
#include <string>
#include <vector>

#include "combat/battle_model.h"
#include "combat/battle_view.h"

namespace duskmoor {

class RecordingBattleView : public BattleView {
  public:
    // The battle this view shows; set before the battle starts.
    void Attach(BattleContext& battle) { battle_ = &battle; }

    void Refresh() override {}
    bool WaitForNext() override;
    bool WaitForClose() override;
    void PlayBattleCry() override { ++battle_cries; }
    void OpenBackpack() override { ++backpacks_opened; }
    bool OpenMagicScreen() override { return cancel_magic; }
    void ShowError(const std::string& text) override { messages.push_back("error: " + text); }

    // The message line at every wait, in order.
    std::vector<std::string> messages;
    int battle_cries = 0;
    int backpacks_opened = 0;
    bool cancel_magic = false;
    // Closes the battle (as "ExiT" does) at the wait with this number, counted from 1.
    int close_at_wait = 0;

  private:
    bool Wait(bool (*done)(const BattleContext&));

    BattleContext* battle_ = nullptr;
    int waits_ = 0;
};

}  // namespace duskmoor
