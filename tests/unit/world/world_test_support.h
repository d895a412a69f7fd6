#pragma once
// A small world for tests: a game on a script host whose answers come from a
// script, with sounds written into the transcript, a main view that counts
// what it is asked to do, and a folder of hand-made map files.
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "shell/game.h"
#include "script/script_host.h"
#include "world/block_tables.h"
#include "world/map_cell.h"
#include "world/map_file.h"

namespace duskmoor::world_test {

// Wave files are not needed: every sound asked for goes into the transcript.
class SoundRecordingHost : public ScriptHost {
  public:
    SoundRecordingHost(std::istream& script, std::ostream& transcript)
        : ScriptHost(script, transcript, "/nonexistent/"), transcript_(transcript) {}
    bool PlayWave(const std::string& path) override {
        transcript_ << "sound " << std::filesystem::path(path).filename().string() << "\n";
        return true;
    }

  private:
    std::ostream& transcript_;
};

class CountingView : public MainView {
  public:
    void RefreshClock() override { ++clock_refreshes; }
    void RefreshCoords() override { ++coord_refreshes; }
    void RefreshPartyPanel() override {}
    void RedrawView() override { ++redraws; }
    void ClearView() override {}
    void RestartCollisionTimer() override {}
    void SetCollisionInterval(int) override {}
    void EndGameByDeath() override { ++game_ends; }

    int clock_refreshes = 0;
    int coord_refreshes = 0;
    int redraws = 0;
    int game_ends = 0;
};

// The width a block's test map gets: the one its arrival points fix.
inline int TestMapWidth(int block) {
    const BlockInfo* info = FindBlock(block);
    return info && info->map_width > 0 ? info->map_width : 10;
}
constexpr int kTestMapHeight = 16;

class TestWorld {
  public:
    explicit TestWorld(const std::string& script = "") : input_(script), host_(input_, transcript_) {
        std::string pattern = (std::filesystem::temp_directory_path() / "duskmoor-world-XXXXXX").string();
        folder_ = mkdtemp(pattern.data());
        std::filesystem::create_directories(folder_ / "Maps");
        game.state.AppPath = folder_.string() + "/";
        game.view = &view;
        game.state.SoundOn = True;
        game.state.NumPlayers = 1;
        game.state.Party[0].HP = 10;
    }
    ~TestWorld() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    TestWorld(const TestWorld&) = delete;
    TestWorld& operator=(const TestWorld&) = delete;

    void WriteFile(int block, const std::vector<uint8_t>& bytes) {
        std::ofstream file(folder_ / "Maps" / FindBlock(block)->map_file, std::ios::binary);
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    void WriteMap(int block, int width, int height, const std::vector<MapCell>& cells) {
        WriteFile(block, EncodeMapFile(static_cast<int16_t>(width), static_cast<int16_t>(height), cells));
    }
    // Every block gets an open map (no walls) of its width.
    void WriteOpenMaps() {
        for (int block = 0; block < kBlockCount; ++block)
            WriteMap(block, TestMapWidth(block), kTestMapHeight, {});
    }
    // Stands the party on a cell of the block's map, as the script runner's goto does.
    void Place(int block, int x, int y, int facing) {
        GameState& state = game.state;
        state.CurrentBlock = static_cast<int16_t>(block);
        state.PosX = static_cast<int16_t>(x);
        state.PosY = static_cast<int16_t>(y);
        state.PosCell = static_cast<int16_t>(y * state.MapWidth + x);
        state.Facing = static_cast<int16_t>(facing);
    }
    // What the player saw, and forget it.
    std::string TakeTranscript() {
        std::string text = transcript_.str();
        transcript_.str({});
        return text;
    }

    CountingView view;

  private:
    std::istringstream input_;
    std::ostringstream transcript_;
    std::filesystem::path folder_;
    SoundRecordingHost host_;

  public:
    Game game{host_};
};

}  // namespace duskmoor::world_test
