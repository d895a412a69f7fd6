#include "shell/game_main.h"

#include "shell/frm_main.h"
#include "shell/game.h"
#include "ui/host.h"

namespace duskmoor {

void RunGame(Host& host, const std::string& program_folder, const std::function<void(Game&)>& attach) {
    Game game(host);
    game.state.AppPath = program_folder;
    if (game.state.AppPath.empty() || game.state.AppPath.back() != '/') game.state.AppPath += '/';
    if (attach) attach(game);
    frmMain main_screen(game);
    host.RunModal(main_screen);
}

}  // namespace duskmoor
