#pragma once
// Pictures, icons and the font are compiled into the executable. A name that is
// not there yields nothing; callers draw an empty frame rather than fail.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "ui/bitmap.h"

namespace duskmoor {

struct EmbeddedResource {
    const char* name;
    const uint8_t* data;
    size_t size;
};

// Filled in by the build (tools/content): every embedded resource, by name.
extern const EmbeddedResource kEmbeddedResources[];
extern const size_t kEmbeddedResourceCount;

// The bytes of a resource, or null with size 0 when there is none of that name.
EmbeddedResource FindResource(std::string_view name);
// A picture resource decoded once and kept; null when missing or undecodable.
const Bitmap* ResourceBitmap(std::string_view name);

}  // namespace duskmoor
