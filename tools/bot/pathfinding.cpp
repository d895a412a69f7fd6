#include "pathfinding.h"

#include <algorithm>
#include <climits>
#include <deque>
#include <queue>

namespace duskmoor::bot {

namespace {

int CellCount(const GameState& map) {
    return std::min<int>(map.MapWidth * map.MapHeight, kMapCells - 1);
}

// One side of a cell: whether it lies on the map's edge, and its wall and door.
struct Side {
    bool valid = false;
    bool on_edge = false;
    bool wall = false;
    bool door = false;
};

Side SideOf(const GameState& map, int cell, int direction) {
    Side side;
    if (cell < 0 || cell >= CellCount(map) || direction < 0 || direction > 3) return side;
    const MapCell& c = map.Map[cell];
    const int x = cell % map.MapWidth;
    const int y = cell / map.MapWidth;
    const int16_t walls[4] = {c.NorthWall, c.EastWall, c.SouthWall, c.WestWall};
    const int16_t doors[4] = {c.NorthDoor, c.EastDoor, c.SouthDoor, c.WestDoor};
    const bool edges[4] = {y + 1 >= map.MapHeight, x + 1 >= map.MapWidth, y < 1, x < 1};
    side.valid = true;
    side.on_edge = edges[direction];
    side.wall = walls[direction] != 0;
    side.door = doors[direction] != 0;
    return side;
}

}  // namespace

bool CanStep(const GameState& map, int cell, int direction) {
    Side side = SideOf(map, cell, direction);
    return side.valid && !side.on_edge && (!side.wall || side.door);
}

int NeighbourCell(const GameState& map, int cell, int direction) {
    static const int kDx[4] = {0, 1, 0, -1};
    static const int kDy[4] = {1, 0, -1, 0};
    return cell + kDy[direction] * map.MapWidth + kDx[direction];
}

bool EdgeDoor(const GameState& map, int cell, int direction) {
    Side side = SideOf(map, cell, direction);
    return side.valid && side.on_edge && side.door;
}

std::vector<Move> TurnsToFace(int from, int to) {
    int right_turns = ((to - from) % 4 + 4) % 4;
    if (right_turns == 3) return {Move::Left};
    return std::vector<Move>(right_turns, Move::Right);
}

bool FindWalk(const GameState& map, const Place& start, const std::function<bool(int)>& goal,
              const std::set<int>& avoid, int face, std::vector<Move>& walk) {
    walk.clear();
    int cells = CellCount(map);
    int from = start.y * map.MapWidth + start.x;
    if (from < 0 || from >= cells) return false;
    // Cheapest first: a step costs 1, a step onto an avoided cell (an
    // encounter not wanted now) costs as much as a long detour.
    std::vector<int> cost(cells, INT_MAX);
    std::vector<int> came_from(cells, -1);
    std::vector<int> step_direction(cells, -1);
    using Entry = std::pair<int, int>;  // cost, cell
    std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> queue;
    cost[from] = 0;
    queue.push({0, from});
    int found = -1;
    while (!queue.empty()) {
        auto [here_cost, here] = queue.top();
        queue.pop();
        if (here_cost > cost[here]) continue;
        if (goal(here)) {
            found = here;
            break;
        }
        for (int direction = 0; direction < 4; ++direction) {
            if (!CanStep(map, here, direction)) continue;
            int next = NeighbourCell(map, here, direction);
            int next_cost = here_cost + 1 + (avoid.count(next) && !goal(next) ? kAvoidCost : 0);
            if (next_cost >= cost[next]) continue;
            cost[next] = next_cost;
            came_from[next] = here;
            step_direction[next] = direction;
            queue.push({next_cost, next});
        }
    }
    if (found < 0) return false;
    std::vector<int> directions;
    for (int cell = found; cell != from; cell = came_from[cell]) directions.push_back(step_direction[cell]);
    std::reverse(directions.begin(), directions.end());
    int facing = start.facing;
    for (int direction : directions) {
        for (Move turn : TurnsToFace(facing, direction)) walk.push_back(turn);
        walk.push_back(Move::Forward);
        facing = direction;
    }
    if (face >= 0)
        for (Move turn : TurnsToFace(facing, face)) walk.push_back(turn);
    return true;
}

}  // namespace duskmoor::bot
