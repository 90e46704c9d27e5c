#pragma once

#include <cstdint>

// GenMonster.txt and Etc.txt store coordinates in map units; the pages and
// dialogs show world units, 32 to a map unit.
inline constexpr std::int32_t kWorldUnitsPerMapUnit = 32;

// Map units of a world-unit value, truncated toward zero.
constexpr std::int32_t WorldToMap(std::int32_t worldUnits) {
    return worldUnits / kWorldUnitsPerMapUnit;
}
