#include "maps/MapGeometry.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {
struct GeometryCase {
    const char* name;
    std::int64_t map, x1, x2, y1, y2;
    std::int64_t pictureTop, pictureLeft, pictureHeight;
    PictureRect picture; // as the map rectangle maps onto the picture
    PictureRect marker;  // after the marker rule
    MarkerKind kind;
};

void ExpectRect(const PictureRect& actual, const PictureRect& expected) {
    EXPECT_EQ(actual.top, expected.top);
    EXPECT_EQ(actual.left, expected.left);
    EXPECT_EQ(actual.height, expected.height);
    EXPECT_EQ(actual.width, expected.width);
}

class MarkerGeometryTest : public ::testing::TestWithParam<GeometryCase> {};

TEST_P(MarkerGeometryTest, MapsTheRectangleAndAppliesTheMarkerRule) {
    const GeometryCase& c = GetParam();
    const PictureRect picture =
        MapRectToPicture(c.map, MapRect{.x1 = c.x1, .y1 = c.y1, .x2 = c.x2, .y2 = c.y2},
                         PicturePlace{c.pictureTop, c.pictureLeft, c.pictureHeight});
    ExpectRect(picture, c.picture);
    const Marker marker = ApplyMarkerRule(picture);
    ExpectRect(marker.rect, c.marker);
    EXPECT_EQ(marker.kind, c.kind);
}

constexpr auto Rect = MarkerKind::Rectangle;
constexpr auto Circle = MarkerKind::Circle;

INSTANTIATE_TEST_SUITE_P(
    Maps, MarkerGeometryTest,
    ::testing::Values(
        GeometryCase{"WorldRectangle",
                     0,
                     7000,
                     7100,
                     10000,
                     10100,
                     0,
                     0,
                     512,
                     {70, 172, 50, 50},
                     {70, 172, 50, 50},
                     Rect},
        GeometryCase{"WorldScrolled",
                     0,
                     7000,
                     7100,
                     10000,
                     10100,
                     -20,
                     -5,
                     512,
                     {50, 167, 50, 50},
                     {50, 167, 50, 50},
                     Rect},
        // Division truncates toward zero: a corner just left of the picture still lands on column 0.
        GeometryCase{"WorldLeftOfPicture",
                     0,
                     6655,
                     6700,
                     10000,
                     10100,
                     0,
                     0,
                     512,
                     {70, 0, 50, 22},
                     {70, 0, 50, 22},
                     Rect},
        GeometryCase{
            "WorldPoint", 0, 7300, 7300, 9700, 9700, 0, 0, 512, {270, 322, 0, 0}, {267, 319, 9, 9}, Circle},
        GeometryCase{
            "Map3Point", 3, 100, 100, 200, 200, 0, 0, 1536, {1436, 50, 0, 0}, {1433, 47, 9, 9}, Circle},
        GeometryCase{
            "Map1Thin", 1, 100, 104, 200, 240, 0, 0, 512, {392, 50, 20, 2}, {392, 47, 20, 9}, Circle},
        GeometryCase{
            "Map2Flat", 2, 100, 200, 200, 204, 0, 0, 512, {410, 50, 2, 50}, {407, 50, 9, 50}, Circle},
        GeometryCase{
            "Map4JustWideEnough", 4, 10, 16, 20, 26, 0, 0, 1024, {1011, 5, 3, 3}, {1011, 5, 3, 3}, Rect},
        GeometryCase{
            "Map1NegativeCorner", 1, -3, 97, 0, 100, 0, 0, 512, {462, -1, 50, 49}, {462, -1, 50, 49}, Rect},
        // A drawn-upside-down area has a negative height and becomes a circle.
        GeometryCase{
            "Map1Upside", 1, 0, 100, 300, 200, 0, 0, 512, {412, 0, -50, 50}, {409, 0, 9, 50}, Circle},
        // Maps without a frame of their own have y = 0 on the picture's bottom row.
        GeometryCase{"OtherMapUsesPictureHeight",
                     7,
                     100,
                     200,
                     100,
                     200,
                     0,
                     0,
                     300,
                     {200, 50, 50, 50},
                     {200, 50, 50, 50},
                     Rect}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MapGeometryTest, PointerReadsWorldUnitsInTheWorldFrame) {
    struct Case {
        std::int64_t px, py, x, y;
    };
    for (const Case c : {Case{0, 0, 212922, 327680}, Case{100, 200, 219322, 314880},
                         Case{150, 260, 222522, 311040}, Case{-1, -1, 212858, 327744}}) {
        const WorldPoint world = PictureToWorld(c.px, c.py);
        EXPECT_EQ(world.x, c.x);
        EXPECT_EQ(world.y, c.y);
    }
    EXPECT_EQ(CoordinatesTitle(0, 0), "Map    Coordinates   X: 212922 Y: 327680");
}

TEST(MapGeometryTest, PicturePathsTakeThePlainMapText) {
    struct Case {
        const char* map;
        std::optional<std::string> path;
    };
    for (const Case& c :
         {Case{"0", "map/0.bmp"}, Case{"05", "map/05.bmp"}, Case{"-1", "map/-1.bmp"}, Case{"", std::nullopt},
          Case{"..", std::nullopt}, Case{"../../etc/passwd", std::nullopt}, Case{"a/b", std::nullopt},
          Case{"a\\b", std::nullopt}, Case{"1..2", std::nullopt}}) {
        EXPECT_EQ(MapPictureRelativePath(c.map), c.path) << c.map;
    }
}

} // namespace
