// Walking: through a block to a cell, out through its edge doors and stairs,
// and from block to block.
#include "bot.h"
#include "world/block_tables.h"
#include "world_map.h"

namespace duskmoor::bot {

namespace {

const char* KeyOf(Move move) {
    switch (move) {
        case Move::Left:
            return "key Left";
        case Move::Right:
            return "key Right";
        case Move::Forward:
            return "key Up";
    }
    return "key Up";
}

}  // namespace

std::set<int> Bot::AvoidedCells(const std::set<int>& allowed) const {
    std::set<int> avoid;
    const GameState& state = view_.state();
    const BlockEncounters& table = state.Encounters[state.CurrentBlock];
    for (int i = 0; i < 16; ++i)
        if (table.Cell[i] >= 0 && table.Pending[i] != 0 && !allowed.count(table.Cell[i]))
            avoid.insert(table.Cell[i]);
    return avoid;
}

bool Bot::Step(Move move) {
    session_.Act(KeyOf(move));
    return session_.top() == "frmMain";
}

// Re-reads where the party is after something interrupted the walk. A
// member killed sends the party back to its saved game, as a player would.
void Bot::AfterInterruption() {
    Settle();
    view_.Refresh();
    CountDay();
    int dead = 0;
    for (int slot = 0; slot < view_.members(); ++slot) dead += view_.Dead(slot) ? 1 : 0;
    if (dead == 0 || session_.top() != "frmMain") return;
    summary_.deaths += dead;
    // The same save lost again and again: play on without the fallen.
    if (!has_save_ || ++death_loads_ > kDeathLoads) return;
    Log(std::to_string(dead) + (dead == 1 ? " member" : " members") + " killed: back to the saved game.");
    LoadGame();
}

// Sends the whole walk at once: a random encounter on the way opens its
// screens, and the keys left over fall on them harmlessly (arrow keys choose
// nothing for good in a battle or a message). Where the party then stands
// tells how far it came.
bool Bot::WalkInBlock(const std::function<bool(int)>& goal, int face, const std::set<int>& allowed) {
    view_.RefreshPosition();
    view_.RefreshEncounters();
    const int block = view_.state().CurrentBlock;
    std::vector<std::string> queries;
    for (const std::string& name : PositionNames()) queries.push_back("get " + name);
    for (int attempt = 0; attempt < 400 && !OutOfActions(); ++attempt) {
        const GameState& state = view_.state();
        if (state.CurrentBlock != block || session_.ended()) return false;
        Place place{state.PosX, state.PosY, state.Facing};
        std::vector<Move> walk;
        if (!FindWalk(state, place, goal, AvoidedCells(allowed), face, walk)) return false;
        if (walk.empty()) return true;
        std::vector<std::string> keys;
        for (Move move : walk) {
            keys.push_back(KeyOf(move));
            summary_.steps += move == Move::Forward;
        }
        view_.Absorb(session_.ActAll(keys, queries));
        const int cell = view_.state().PosCell;
        fighting_target_ = goal(cell);
        // The goal's own screen (a building) is the caller's to answer.
        if (view_.state().CurrentBlock == block && goal(cell) && allowed.count(cell)) return true;
        if (session_.top() == "frmMain") continue;
        AfterInterruption();
        if (defeated_) return false;
        // A fight on the way that left the party hurt sends it home first;
        // far from home, on the way to a goal, it camps where it stands.
        if (PartyHurt() && !push_on_) {
            if (!expedition_) return false;
            CampAndHeal(3);
            view_.RefreshPosition();
        }
    }
    return false;
}

bool Bot::LeaveBlock(int direction) {
    const int block = view_.state().CurrentBlock;
    const GameState& state = view_.state();
    const auto at_edge_door = [&](int cell) { return EdgeDoor(state, cell, direction); };
    if (!WalkInBlock(at_edge_door, direction, {})) return false;
    Step(Move::Forward);
    AfterInterruption();
    return view_.state().CurrentBlock != block;
}

bool Bot::CrossToBlock(int next_block) {
    const int block = view_.state().CurrentBlock;
    const Crossing* crossing = CrossingBetween(block, next_block);
    if (!crossing) return false;
    if (crossing->direction >= 0) return LeaveBlock(crossing->direction);
    // A staircase: step onto it and take it (off it first when the party arrived on it).
    want_stairs_ = true;
    const int stairs = crossing->stairs_cell;
    view_.RefreshPosition();
    if (view_.state().PosCell == stairs) WalkInBlock([stairs](int cell) { return cell != stairs; }, -1, {});
    bool arrived = WalkInBlock([stairs](int cell) { return cell == stairs; }, -1, {stairs});
    if (arrived) AfterInterruption();
    want_stairs_ = false;
    return view_.state().CurrentBlock == next_block;
}

// Leaves Rizevoz, the caves or the camp by its gate: home by wagon when the party came by wagon.
bool Bot::LeaveTown() {
    const int block = view_.state().CurrentBlock;
    const GameState& state = view_.state();
    int direction = -1;
    const auto at_gate = [&](int cell) {
        for (int d = 0; d < 4; ++d)
            if (EdgeDoor(state, cell, d)) {
                direction = d;
                return true;
            }
        return false;
    };
    if (!WalkInBlock(at_gate, -1, {})) return false;
    for (Move turn : TurnsToFace(view_.state().Facing, direction)) Step(turn);
    Step(Move::Forward);
    AfterInterruption();
    return view_.state().CurrentBlock != block;
}

bool Bot::WalkTo(const Target& target, int face) {
    for (int leg = 0; leg < 40 && !OutOfActions(); ++leg) {
        view_.RefreshPosition();
        const int block = view_.state().CurrentBlock;
        if (block == target.block) {
            const int cell = target.cell;
            return WalkInBlock([cell](int here) { return here == cell; }, face, {cell});
        }
        std::vector<int> path = BlockPath(block, target.block);
        if (path.size() < 2) {
            // Away from Verezeve's ruins: down to the town's gate level, then home by the wagon.
            if (block < 15 || block > 20) return false;
            const int gate = block <= 18 ? 15 : block;
            if (block != gate) {
                std::vector<int> down = BlockPath(block, gate);
                if (down.size() < 2 || !CrossToBlock(down[1])) return false;
                continue;
            }
            if (!LeaveTown()) return false;
            continue;
        }
        const int loads = summary_.loads_after_defeat;
        if (!CrossToBlock(path[1])) {
            // Beaten and loaded: the caller decides whether to go on.
            if (summary_.loads_after_defeat != loads) return false;
            // One more try: a battle or a question may have stopped the crossing.
            if (!CrossToBlock(path[1])) return false;
        }
        const BlockInfo* entered = FindBlock(view_.state().CurrentBlock);
        const std::string name = entered && *entered->name ? std::string(" ") + entered->name : std::string();
        Log("Entered block " + std::to_string(view_.state().CurrentBlock) + name);
        // Far from home every level reached is kept.
        if (expedition_) SaveGame();
    }
    return false;
}

}  // namespace duskmoor::bot
