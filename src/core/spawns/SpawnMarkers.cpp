#include "spawns/SpawnMarkers.h"

#include "records/IntegerText.h"

std::unordered_map<std::string_view, std::size_t> FirstRecordOfEachArea(const SpawnTable& spawns) {
    std::unordered_map<std::string_view, std::size_t> firstOfArea;
    for (std::size_t position = 0; position < spawns.size(); ++position) {
        firstOfArea.try_emplace(spawns[position][SpawnField::Area], position);
    }
    return firstOfArea;
}

std::optional<Marker> SpawnMarker(const SpawnRecord& record, std::int64_t map, const PicturePlace& picture) {
    MapRect area;
    if (HasAllCorners(record)) {
        area.y2 = StrToInt(record[SpawnField::Y2]);
        area.x1 = StrToInt(record[SpawnField::X1]);
        area.y1 = StrToInt(record[SpawnField::Y1]);
        area.x2 = StrToInt(record[SpawnField::X2]);
    } else if (const auto point = XyPoint(record)) {
        area.y1 = area.y2 = StrToInt((*point)[1]);
        area.x1 = area.x2 = StrToInt((*point)[0]);
    } else {
        return std::nullopt;
    }
    return ApplyMarkerRule(MapRectToPicture(map, area, picture));
}
