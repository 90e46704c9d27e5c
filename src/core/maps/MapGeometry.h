#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Map pictures have one pixel per 2 map units; a map's y axis points up while
// picture rows go down. Every picture is read in the world map's frame for
// the coordinates under the pointer.

struct PictureRect {
    std::int64_t top = 0;
    std::int64_t left = 0;
    std::int64_t height = 0;
    std::int64_t width = 0;
};

enum class MarkerKind { Rectangle, Circle };

struct Marker {
    PictureRect rect;
    MarkerKind kind = MarkerKind::Rectangle;
};

// A rectangle of a map in map units, by its corners; (x1, y2) is the upper-left one.
struct MapRect {
    std::int64_t x1 = 0;
    std::int64_t y1 = 0;
    std::int64_t x2 = 0;
    std::int64_t y2 = 0;
};

// Where a map picture stands in the viewer, and how high it is, in pixels.
struct PicturePlace {
    std::int64_t top = 0;
    std::int64_t left = 0;
    std::int64_t height = 0;
};

// The picture rectangle of a map rectangle. Maps 1 to 4 start at x = 0 with
// their top row at y = 1024, 1024, 3072 and 2048; map 0 is the world map,
// starting at x = 6656 and y = 10240. Any other map starts at x = 0 with its
// top row at twice the picture's height, so y = 0 is the picture's bottom.
PictureRect MapRectToPicture(std::int64_t map, const MapRect& area, const PicturePlace& picture);

// Areas more than 2 pixels high and wide are rectangles; thinner ones become
// circles 9 pixels across in each thin direction, centred where the edge was.
Marker ApplyMarkerRule(PictureRect rect);

struct WorldPoint {
    std::int64_t x = 0;
    std::int64_t y = 0;
};

// World units of a picture pixel, in the world map's frame.
WorldPoint PictureToWorld(std::int64_t px, std::int64_t py);

// The viewer's title for a picture pixel.
std::string CoordinatesTitle(std::int64_t px, std::int64_t py);

// The picture file of a map, relative to the program folder: "map/" + M + ".bmp",
// M being the map text as stored. Nothing when the text is not a plain file name
// (empty, or holding a path separator or "..").
std::optional<std::string> MapPictureRelativePath(std::string_view mapText);

inline constexpr std::string_view kMinimapFileName = "minimap_outworld.bmp";

// The area text of a marker name: everything after "area".
std::string AreaOfMarkerName(std::string_view markerName);
