#include "events/story_texts.h"

#include <cstdio>

#include "ui/resources.h"

namespace duskmoor {
namespace {

// The embedded text of that name, without the line break its file ends with.
std::string EmbeddedText(const std::string& name) {
    const EmbeddedResource resource = FindResource(name);
    if (resource.size == 0) return {};
    std::string text(reinterpret_cast<const char*>(resource.data), resource.size);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    return text;
}

}  // namespace

std::string NoteProse(int number) {
    if (number < 0 || number >= kNoteCount) return {};
    char name[16];
    std::snprintf(name, sizeof name, "note%02d", number);
    return EmbeddedText(name);
}

std::string KingSpeechPage(int page) {
    if (page < 1 || page > kKingSpeechPages) return {};
    return EmbeddedText("king" + std::to_string(page));
}

std::string EndingPage(int page, const std::string& hero) {
    if (page < 1 || page > kEndingPages) return {};
    std::string text = EmbeddedText("ending" + std::to_string(page));
    const std::string placeholder = "{name}";
    for (size_t at = text.find(placeholder); at != std::string::npos;
         at = text.find(placeholder, at + hero.size()))
        text.replace(at, placeholder.size(), hero);
    return text;
}

}  // namespace duskmoor
