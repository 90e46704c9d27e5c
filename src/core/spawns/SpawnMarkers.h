#pragma once

#include "maps/MapGeometry.h"
#include "spawns/SpawnTable.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <unordered_map>

// The first record of each area text over the whole table, so that many
// selected areas find their records in one pass. The keys are the table's own
// texts: the index holds while no area text changes.
std::unordered_map<std::string_view, std::size_t> FirstRecordOfEachArea(const SpawnTable& spawns);

// The marker of a spawn on the picture of `map`: its corners mapped onto the
// picture with the marker rule applied. A spawn placed by "(xy x y)" instead
// of a rect of its own is drawn as a rect whose four corners are that point;
// a spawn with neither has no marker. A value that is not a number throws
// ConvertError; they are read in the order the picture rectangle needs them
// (y2, x1, y1, x2).
std::optional<Marker> SpawnMarker(const SpawnRecord& record, std::int64_t map, const PicturePlace& picture);
