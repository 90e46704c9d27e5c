#include "portals/NewPortal.h"

#include "maps/WorldUnits.h"
#include "records/IntegerText.h"

PortalRecord NewPortalRecord(const NewPortal& portal) {
    PortalRecord record;
    record[PortalField::Commented] = portal.on ? "0" : "1";
    record[PortalField::Country1] = "0";
    record[PortalField::Country2] = "2";
    record[PortalField::FromMap] = IntToStr(portal.fromMap);
    for (std::size_t i = 0; i < kPortalCorners.size(); ++i) {
        record[kPortalCorners[i]] = IntToStr(WorldToMap(portal.corners[i]));
    }
    record[PortalField::ToMap] = IntToStr(portal.toMap);
    record[PortalField::ToX] = IntToStr(portal.destination[0]);
    record[PortalField::ToY] = IntToStr(portal.destination[1]);
    record[PortalField::ToZ] = IntToStr(portal.destination[2]);
    std::string comment = portal.comment;
    std::erase_if(comment, [](char c) { return c == '\r' || c == '\n'; });
    record[PortalField::Comment] = std::move(comment);
    return record;
}
