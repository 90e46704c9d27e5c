#include "portals/PortalEditing.h"

#include "maps/WorldUnits.h"
#include "records/IntegerText.h"

void AddPortal(PortalTable& portals, const NewPortal& portal) {
    const std::size_t free = portals.firstFree();
    PortalRecord& record = free < portals.size() ? portals[free] : portals.Append();
    record[PortalRecord::commented] = portal.on ? "0" : "1";
    record[PortalRecord::country1] = "0";
    record[PortalRecord::country2] = "2";
    record[PortalRecord::fromMap] = IntToStr(portal.fromMap);
    const std::array<std::size_t, 4> corners{PortalRecord::x1, PortalRecord::y1, PortalRecord::x2,
                                             PortalRecord::y2};
    for (std::size_t i = 0; i < corners.size(); ++i) {
        record[corners[i]] = IntToStr(WorldToMap(portal.corners[i]));
    }
    record[PortalRecord::toMap] = IntToStr(portal.toMap);
    record[PortalRecord::toX] = IntToStr(portal.destination[0]);
    record[PortalRecord::toY] = IntToStr(portal.destination[1]);
    record[PortalRecord::toZ] = IntToStr(portal.destination[2]);
    std::string comment = portal.comment;
    std::erase_if(comment, [](char c) { return c == '\r' || c == '\n'; });
    record[PortalRecord::comment] = std::move(comment);
}
