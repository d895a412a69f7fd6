#pragma once
// Text for the canvas through SDL_ttf, in DejaVu Sans compiled into the game.
#include <map>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/canvas.h"

struct _TTF_Font;

namespace duskmoor {

class SdlFontEngine : public FontEngine {
  public:
    SdlFontEngine() = default;
    ~SdlFontEngine() override;
    SdlFontEngine(const SdlFontEngine&) = delete;
    SdlFontEngine& operator=(const SdlFontEngine&) = delete;

    void DrawText(Canvas& canvas, int x, int y, std::string_view utf8, int size, Color color,
                  bool bold) override;
    int TextWidth(std::string_view utf8, int size, bool bold) override;
    int LineHeight(int size, bool bold) override;

    // False when no face could be found or opened; text then draws nothing.
    bool Available(bool bold);

  private:
    // The bytes of one face, from the embedded resources or else from disk.
    struct FaceBytes {
        bool looked_up = false;
        const uint8_t* data = nullptr;
        size_t size = 0;
        std::vector<uint8_t> loaded;
    };

    bool EnsureStarted();
    const FaceBytes& Face(bool bold);
    _TTF_Font* FontFor(int size, bool bold);

    bool started_ = false;
    bool start_failed_ = false;
    FaceBytes regular_;
    FaceBytes bold_;
    // One open font per (size, bold); a failed open is kept as null.
    std::map<std::pair<int, bool>, _TTF_Font*> fonts_;
};

// The program's one SDL_ttf engine, created on first use.
SdlFontEngine& SharedSdlFontEngine();
// Makes the shared engine the canvas's default font engine.
void InstallSdlFontEngine();

}  // namespace duskmoor
