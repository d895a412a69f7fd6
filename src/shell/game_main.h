#pragma once
#include <functional>
#include <string>

namespace duskmoor {

class Host;
struct Game;

// Runs the game on `host` from the main screen's load until the player ends
// it. `program_folder` is the folder that holds Maps/, Art/ and Sounds/.
// `attach`, when given, is told of the game before the main screen opens (the
// script runner uses it to read and set the state).
void RunGame(Host& host, const std::string& program_folder,
             const std::function<void(Game&)>& attach = nullptr);

}  // namespace duskmoor
