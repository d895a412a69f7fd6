#include "combat/recording_battle_view.h"

#include "combat/battle_flow.h"
#include "shell/game_state.h"

namespace duskmoor {

bool RecordingBattleView::Wait(bool (*done)(const BattleContext&)) {
    messages.push_back(battle_->model.message);
    if (++waits_ == close_at_wait) return false;
    PressNext(*battle_);
    return done(*battle_);
}

bool RecordingBattleView::WaitForNext() {
    return Wait([](const BattleContext& battle) { return IsSet(battle.state.NextPressed); });
}

bool RecordingBattleView::WaitForClose() {
    return Wait([](const BattleContext& battle) { return battle.model.CloseRequested; });
}

bool RecordingBattleView::OpenMagicScreen() {
    ++magic_screens;
    if (cancel_magic) return true;
    PLAYER& caster = battle_->state.Party[battle_->state.MagicCaster];
    caster.CastSpell = cast_spell;
    caster.CastSource = cast_source;
    caster.CastIndex = cast_index;
    return false;
}

}  // namespace duskmoor
