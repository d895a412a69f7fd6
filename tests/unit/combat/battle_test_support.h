#pragma once
// A small party and forced dice for the battle tests.
#include <initializer_list>
#include <string>

#include "core/random.h"
#include "shell/game_state.h"

namespace duskmoor::battle_test {

// Queues the draws that make the next rolls come out as `faces` (each 1..100).
inline void ForceRolls(std::initializer_list<int> faces) {
    for (int face : faces) Random().Force(face / 100.0);
}

// Drops any draws a test left queued.
inline void ClearForcedRolls() {
    Random().Seed(1);
}

inline PLAYER Member(const std::string& name, int16_t cls, int16_t to_hit, int16_t ac, int16_t hp) {
    PLAYER p;
    p.Name = name;
    p.Class = cls;
    p.ToHit = to_hit;
    p.AC = ac;
    p.HP = hp;
    p.MaxHP = hp;
    p.Level = 1;
    p.Weapon = 10;  // a sword: 1d8
    p.Status = status::Ok;
    p.Active = True;
    p.MaxLoad = kMaxLoad;
    return p;
}

constexpr int16_t kFighter = 0, kMagicUser = 1, kCleric = 3;

inline void SetParty(GameState& state, std::initializer_list<PLAYER> members) {
    state.NumPlayers = 0;
    for (const PLAYER& p : members) {
        state.Party[state.NumPlayers] = p;
        state.Party[state.NumPlayers].Position = static_cast<int16_t>(state.NumPlayers + 1);
        ++state.NumPlayers;
    }
}

inline void SetGroups(GameState& state, std::initializer_list<EncounterGroup> groups) {
    state.EncounterGroups = {};
    int g = 0;
    for (const EncounterGroup& group : groups) state.EncounterGroups[g++] = group;
}

}  // namespace duskmoor::battle_test
