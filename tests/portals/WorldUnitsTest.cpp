#include "maps/WorldUnits.h"
#include "records/Errors.h"

#include <gtest/gtest.h>

#include <string>

namespace {
TEST(WorldUnits, StoredTextThatCannotBeShownInWorldUnitsFails) {
    for (const std::string text : {"", "abc", "1.5", " 3"}) {
        EXPECT_THROW(MapToWorld(text), ConvertError) << text;
    }
    for (const std::string text : {"67108864", "-67108865", "2147483647"}) {
        EXPECT_THROW(MapToWorld(text), BrennickError) << text;
    }
    EXPECT_EQ(MapToWorld("67108863"), 2147483616);
    EXPECT_EQ(MapToWorld("-67108864"), -2147483647 - 1);
}
} // namespace
