#pragma once
// A battle without a screen: every message the player would confirm is
// written down, and NEXT is pressed at once. Tests play whole rounds through
// it, and the benchmark fights thousands of battles with it.
#include <cstdint>
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
    // Plays the magic screen: the cast below goes into the caster's record.
    bool OpenMagicScreen() override;
    void ShowError(const std::string& text) override { messages.push_back("error: " + text); }
    void ShowMessage(const std::string& text) override { messages.push_back("dialog: " + text); }

    // The message line at every wait, in order.
    std::vector<std::string> messages;
    int battle_cries = 0;
    int backpacks_opened = 0;
    bool cancel_magic = false;
    // What the player picks on the magic screen: `CastSpell`, `CastSource`
    // and `CastIndex` of the caster.
    int16_t cast_spell = 0, cast_source = 0, cast_index = 0;
    int magic_screens = 0;
    // Closes the battle (as "ExiT" does) at the wait with this number, counted from 1.
    int close_at_wait = 0;

  private:
    bool Wait(bool (*done)(const BattleContext&));

    BattleContext* battle_ = nullptr;
    int waits_ = 0;
};

}  // namespace duskmoor
