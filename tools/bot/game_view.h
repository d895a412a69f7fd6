#pragma once
// What the bot knows of the game, as a player with pencil and paper would:
// the party's records, where it stands, the map of the block it is in and
// which set encounters are still waiting. It is read with `get` into a mirror
// of the game state, through the same names the runner answers to.
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "session.h"
#include "shell/game_state.h"

namespace duskmoor::bot {

class GameView {
  public:
    explicit GameView(Session& session);

    // Re-reads the party and the position (and the block's map once per block).
    void Refresh();
    // Re-reads only the position and facing.
    void RefreshPosition();
    // Re-reads the encounter table of the current block.
    void RefreshEncounters();
    // Re-reads which set encounters of every block are still waiting.
    void RefreshAllEncounters();
    void RefreshMap();

    const GameState& state() const { return *mirror_; }
    GameState& mirror() { return *mirror_; }

    // Takes answers of `get` into the mirror.
    void Absorb(const std::map<std::string, std::string>& answers);

    // Party helpers over the mirror.
    int members() const;
    bool Able(int slot) const;  // conscious and alive
    bool Dead(int slot) const;
    int Wealth() const;  // the party's coins in gold, as paying counts them

  private:
    void Read(const std::vector<std::string>& names);

    Session& session_;
    std::unique_ptr<GameState> mirror_;
    std::map<int, std::vector<MapCell>> maps_;  // each block's map, read once
    std::map<int, std::pair<int, int>> sizes_;
};

// The row of the magic screen's list of readied spells that holds the first
// ready spell among `spells` (rows count the ready and the chosen); -1 for none.
int ReadiedRow(const PLAYER& caster, std::initializer_list<int> spells);

// The names to read for the set encounters of a block.
std::vector<std::string> EncounterNames(int block);
// The state a finished game is compared by: position, clock, the party's records, the quests.
std::vector<std::string> FinalStateNames();
// The names to read where the party stands.
std::vector<std::string> PositionNames();
// The names to read for a battle: its groups, its roster and the party's fighting records.
std::vector<std::string> BattleNames();
// The names to read for one party slot.
std::vector<std::string> PartyNames(int slot, int pack_count);

}  // namespace duskmoor::bot
