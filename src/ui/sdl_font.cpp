#include "ui/sdl_font.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

#include "ui/resources.h"

namespace duskmoor {

namespace {

constexpr const char* kRegularResource = "DejaVuSans";
constexpr const char* kBoldResource = "DejaVuSansBold";
// Where Debian's fonts-dejavu-core puts the same faces, for builds whose
// resources do not carry them yet.
constexpr const char* kRegularFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
constexpr const char* kBoldFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

std::vector<uint8_t> ReadWholeFile(const char* path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return {};
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

// Lays an antialiased ARGB glyph surface onto the canvas, its coverage scaled
// by the alpha of the text colour.
void BlendSurface(Canvas& canvas, int x, int y, SDL_Surface* surface, Color color) {
    if (SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) != 0) return;
    for (int row = 0; row < surface->h; ++row) {
        const auto* pixels = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(surface->pixels) +
                                                               row * surface->pitch);
        for (int column = 0; column < surface->w; ++column) {
            const uint32_t coverage = pixels[column] >> 24;
            if (coverage == 0) continue;
            const uint8_t alpha = static_cast<uint8_t>((coverage * color.a + 127) / 255);
            canvas.SetPixel(x + column, y + row, Color{color.r, color.g, color.b, alpha});
        }
    }
    if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
}

}  // namespace

SdlFontEngine::~SdlFontEngine() {
    // Fonts belong to FreeType: close them only while SDL_ttf is still up.
    if (!started_ || TTF_WasInit() == 0) return;
    for (auto& [key, font] : fonts_) {
        if (font != nullptr) TTF_CloseFont(font);
    }
    TTF_Quit();
}

bool SdlFontEngine::EnsureStarted() {
    if (started_) return true;
    if (start_failed_) return false;
    if (TTF_Init() != 0) {
        start_failed_ = true;
        return false;
    }
    started_ = true;
    return true;
}

const SdlFontEngine::FaceBytes& SdlFontEngine::Face(bool bold) {
    FaceBytes& face = bold ? bold_ : regular_;
    if (face.looked_up) return face;
    face.looked_up = true;
    const EmbeddedResource resource = FindResource(bold ? kBoldResource : kRegularResource);
    if (resource.data != nullptr && resource.size > 0) {
        face.data = resource.data;
        face.size = resource.size;
        return face;
    }
    face.loaded = ReadWholeFile(bold ? kBoldFile : kRegularFile);
    face.data = face.loaded.empty() ? nullptr : face.loaded.data();
    face.size = face.loaded.size();
    return face;
}

TTF_Font* SdlFontEngine::FontFor(int size, bool bold) {
    if (size <= 0 || !EnsureStarted()) return nullptr;
    const auto key = std::make_pair(size, bold);
    if (auto found = fonts_.find(key); found != fonts_.end()) return found->second;
    TTF_Font* font = nullptr;
    const FaceBytes& face = Face(bold);
    if (face.data != nullptr && face.size <= static_cast<size_t>(INT32_MAX)) {
        // The bytes outlive every font opened on them: resources are static and
        // loaded files stay in the engine.
        SDL_RWops* stream = SDL_RWFromConstMem(face.data, static_cast<int>(face.size));
        if (stream != nullptr) font = TTF_OpenFontRW(stream, 1, size);
    }
    fonts_[key] = font;
    return font;
}

bool SdlFontEngine::Available(bool bold) {
    return FontFor(12, bold) != nullptr;
}

void SdlFontEngine::DrawText(Canvas& canvas, int x, int y, std::string_view utf8, int size, Color color,
                             bool bold) {
    if (utf8.empty() || color.a == 0) return;
    TTF_Font* font = FontFor(size, bold);
    if (font == nullptr) return;
    const std::string text(utf8);
    SDL_Surface* rendered =
        TTF_RenderUTF8_Blended(font, text.c_str(), SDL_Color{color.r, color.g, color.b, 255});
    if (rendered == nullptr) return;
    SDL_Surface* surface = rendered;
    if (rendered->format->format != SDL_PIXELFORMAT_ARGB8888) {
        surface = SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_ARGB8888, 0);
        SDL_FreeSurface(rendered);
        if (surface == nullptr) return;
    }
    BlendSurface(canvas, x, y, surface, color);
    SDL_FreeSurface(surface);
}

int SdlFontEngine::TextWidth(std::string_view utf8, int size, bool bold) {
    if (utf8.empty()) return 0;
    TTF_Font* font = FontFor(size, bold);
    if (font == nullptr) return 0;
    const std::string text(utf8);
    int width = 0;
    int height = 0;
    if (TTF_SizeUTF8(font, text.c_str(), &width, &height) != 0) return 0;
    return width;
}

int SdlFontEngine::LineHeight(int size, bool bold) {
    TTF_Font* font = FontFor(size, bold);
    return font == nullptr ? 0 : TTF_FontLineSkip(font);
}

SdlFontEngine& SharedSdlFontEngine() {
    static SdlFontEngine engine;
    return engine;
}

void InstallSdlFontEngine() {
    SetDefaultFontEngine(&SharedSdlFontEngine());
}

}  // namespace duskmoor
