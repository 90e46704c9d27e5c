#include "maps/MapGeometry.h"

namespace {
constexpr std::int64_t kWorldLeft = 212992;   // world units at the world picture's left edge
constexpr std::int64_t kWorldTop = 327680;    // world units at the world picture's top row
constexpr std::int64_t kPointerLeft = 212922; // world units the pointer reading starts from
constexpr std::int64_t kWorldUnitsPerPixel = 64;

// Pixel row of the top of the picture of maps 1 to 4.
std::optional<std::int64_t> TopRowOfMap(std::int64_t map) {
    switch (map) {
    case 1:
    case 2:
        return 512;
    case 3:
        return 1536;
    case 4:
        return 1024;
    default:
        return std::nullopt;
    }
}
} // namespace

PictureRect MapRectToPicture(std::int64_t map, const MapRect& area, const PicturePlace& picture) {
    PictureRect rect;
    if (map == 0) {
        const std::int64_t top = (kWorldTop - 32 * area.y2) / kWorldUnitsPerPixel;
        const std::int64_t bottom = (kWorldTop - 32 * area.y1) / kWorldUnitsPerPixel;
        const std::int64_t left = (32 * area.x1 - kWorldLeft) / kWorldUnitsPerPixel;
        const std::int64_t right = (32 * area.x2 - kWorldLeft) / kWorldUnitsPerPixel;
        rect.top = picture.top + top;
        rect.left = picture.left + left;
        rect.height = bottom - top;
        rect.width = right - left;
        return rect;
    }
    const std::int64_t topRow = TopRowOfMap(map).value_or(picture.height);
    rect.top = picture.top + topRow - area.y2 / 2;
    rect.left = picture.left + area.x1 / 2;
    rect.height = (topRow - area.y1 / 2) - (topRow - area.y2 / 2);
    rect.width = area.x2 / 2 - area.x1 / 2;
    return rect;
}

Marker ApplyMarkerRule(PictureRect rect) {
    if (rect.height > 2 && rect.width > 2) {
        return {rect, MarkerKind::Rectangle};
    }
    if (rect.height <= 2) {
        rect.top -= 3;
        rect.height = 9;
    }
    if (rect.width <= 2) {
        rect.left -= 3;
        rect.width = 9;
    }
    return {rect, MarkerKind::Circle};
}

WorldPoint PictureToWorld(std::int64_t px, std::int64_t py) {
    return {kWorldUnitsPerPixel * px + kPointerLeft, kWorldTop - kWorldUnitsPerPixel * py};
}

std::string CoordinatesTitle(std::int64_t px, std::int64_t py) {
    const WorldPoint world = PictureToWorld(px, py);
    return "Map    Coordinates   X: " + std::to_string(world.x) + " Y: " + std::to_string(world.y);
}

std::optional<std::string> MapPictureRelativePath(std::string_view mapText) {
    const bool separator = mapText.find_first_of("/\\") != std::string_view::npos;
    if (mapText.empty() || separator || mapText.find("..") != std::string_view::npos ||
        mapText.find('\0') != std::string_view::npos) {
        return std::nullopt;
    }
    return "map/" + std::string(mapText) + ".bmp";
}

std::string AreaOfMarkerName(std::string_view markerName) {
    if (markerName.size() <= 4) {
        return {};
    }
    return std::string(markerName.substr(4));
}
