#pragma once

#include <cstdint>
#include <string_view>

// GenMonster.txt and Etc.txt store coordinates in map units; the pages and
// dialogs show world units, 32 to a map unit.
inline constexpr std::int32_t kWorldUnitsPerMapUnit = 32;

// Map units of a world-unit value, truncated toward zero.
constexpr std::int32_t WorldToMap(std::int32_t worldUnits) {
    return worldUnits / kWorldUnitsPerMapUnit;
}

// The world-unit value of a stored map-unit text. Throws ConvertError for a
// text that is not an integer, and BrennickError for a value whose world
// units do not fit a field.
std::int32_t MapToWorld(std::string_view mapUnits);
