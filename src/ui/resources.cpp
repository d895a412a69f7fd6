#include "ui/resources.h"

#include <map>
#include <memory>
#include <string>

namespace duskmoor {

EmbeddedResource FindResource(std::string_view name) {
    for (size_t i = 0; i < kEmbeddedResourceCount; ++i) {
        if (name == kEmbeddedResources[i].name) return kEmbeddedResources[i];
    }
    return EmbeddedResource{"", nullptr, 0};
}

const Bitmap* ResourceBitmap(std::string_view name) {
    // Decoded pictures live as long as the game; a name that failed is
    // remembered too, as an empty entry, so it is not decoded again. The ui
    // runs on one thread, so the cache needs no lock.
    static std::map<std::string, std::unique_ptr<Bitmap>, std::less<>> cache;
    if (auto found = cache.find(name); found != cache.end()) return found->second.get();
    std::unique_ptr<Bitmap> bitmap;
    const EmbeddedResource resource = FindResource(name);
    if (resource.size > 0) {
        bitmap = std::make_unique<Bitmap>();
        if (!DecodeBmp(resource.data, resource.size, *bitmap)) bitmap.reset();
    }
    return cache.emplace(std::string(name), std::move(bitmap)).first->second.get();
}

}  // namespace duskmoor
