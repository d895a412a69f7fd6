#include "world/wilderness_rules.h"

#include "core/dice.h"
#include "core/rounding.h"

namespace duskmoor {
namespace {

float Of(float percent, float whole) {
    return static_cast<float>(percent * whole / 100.0f);
}

float Rounded(float value) {
    return static_cast<float>(RoundHalfEven(value));
}

}  // namespace

void LoadHotSpots(WildernessModel& model) {
    model.hot_spots = {{
        {4, 84.0f, 96.0f, 30.0f, 47.0f, "Enter Verezeve?"},
        {5, 11.2f, 32.0f, 43.0f, 52.0f, "Enter Rizevoz?"},
        {7, 12.0f, 19.0f, 7.0f, 13.0f, "Enter North Caves?"},
        {6, 59.0f, 74.8f, 78.0f, 94.0f, "Enter Troglodyte Camp?"},
    }};
}

const HotSpot* FindHotSpot(const WildernessModel& model, int site) {
    for (const HotSpot& spot : model.hot_spots)
        if (spot.site == site) return &spot;
    return nullptr;
}

void PlaceMarker(WildernessModel& model, float width, float height, int town_site) {
    model.width = width;
    model.height = height;
    model.marker_width = width / 100.0f;
    model.marker_height = height / 100.0f;
    const HotSpot* spot = FindHotSpot(model, town_site);
    if (!spot) spot = FindHotSpot(model, 4);  // an unknown site starts beside Verezeve
    if (!spot) return;
    const float left = Of(spot->left, width), right = Of(spot->right, width);
    const float top = Of(spot->top, height), bottom = Of(spot->bottom, height);
    switch (spot->site) {
        case 5:  // Rizevoz: just east
            model.left = right;
            model.top = (top + bottom) / 2;
            break;
        case 6:  // the Troglodyte Camp: just north
            model.left = (left + right) / 2;
            model.top = top - model.marker_height;
            break;
        case 7:  // the North Caves: just south
            model.left = (left + right) / 2;
            model.top = bottom;
            break;
        default:  // Verezeve: just west
            model.left = left - model.marker_width;
            model.top = (top + bottom) / 2;
            break;
    }
}

int16_t CheckTown(const WildernessModel& model) {
    for (const HotSpot& spot : model.hot_spots) {
        if (model.left > Of(spot.left, model.width) && model.left < Of(spot.right, model.width) &&
            model.top > Of(spot.top, model.height) && model.top < Of(spot.bottom, model.height))
            return spot.site;
    }
    return 0;
}

int16_t MoveMarker(WildernessModel& model, int key) {
    const float w = model.marker_width, h = model.marker_height;
    switch (key) {
        case wild_key::Right:
            if (!(model.width - w > Rounded(model.left + w))) return 0;
            model.left += w / 2;
            break;
        case wild_key::Left:
            if (!(1.5f * w < model.left)) return 0;
            model.left -= w / 2;
            break;
        case wild_key::Down:
            if (!(model.height - h > Rounded(model.top + h))) return 0;
            model.top += h / 2;
            break;
        case wild_key::Up:
            if (!(1.5f * h < model.top)) return 0;
            model.top -= h / 2;
            break;
        default:
            return 0;
    }
    return CheckTown(model);
}

bool CheckEncounter() {
    return RollDice(1, 10) < 2;
}

}  // namespace duskmoor
