#include "maps/WorldUnits.h"

#include "records/Errors.h"
#include "records/IntegerText.h"

#include <limits>
#include <string>

std::int32_t MapToWorld(std::string_view mapUnits) {
    const std::int64_t world = std::int64_t{StrToInt(mapUnits)} * kWorldUnitsPerMapUnit;
    if (world < std::numeric_limits<std::int32_t>::min() ||
        world > std::numeric_limits<std::int32_t>::max()) {
        throw BrennickError("'" + std::string(mapUnits) + "' map units are out of range in world units");
    }
    return static_cast<std::int32_t>(world);
}
