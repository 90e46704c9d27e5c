#include "portals/PortalUnits.h"
#include "records/Errors.h"

#include <gtest/gtest.h>

#include <string>

namespace {
TEST(PortalUnits, MapUnitsShowMultipliedBy32) {
    const std::vector<std::pair<std::string, std::int32_t>> cases{{"10", 320},
                                                                  {"-5", -160},
                                                                  {"0", 0},
                                                                  {"+7", 224},
                                                                  {"67108863", 2147483616},
                                                                  {"-67108864", -2147483647 - 1}};
    for (const auto& [text, world] : cases) {
        EXPECT_EQ(MapToWorld(text), world) << text;
    }
}

TEST(PortalUnits, TextThatCannotBeShownFails) {
    for (const std::string text : {"", "abc", "1.5", " 3"}) {
        EXPECT_THROW(MapToWorld(text), ConvertError) << text;
    }
    // An integer whose world units do not fit a field.
    for (const std::string text : {"67108864", "-67108865", "2147483647"}) {
        EXPECT_THROW(MapToWorld(text), BrennickError) << text;
    }
}

TEST(PortalUnits, WorldUnitsTruncateTowardZero) {
    const std::vector<std::pair<std::int32_t, std::int32_t>> cases{
        {100, 3}, {-33, -1}, {6400, 200}, {6431, 200}, {-40, -1}, {31, 0}, {-31, 0}};
    for (const auto& [world, map] : cases) {
        EXPECT_EQ(WorldToMap(world), map) << world;
    }
}
} // namespace
