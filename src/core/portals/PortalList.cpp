#include "portals/PortalList.h"

std::vector<std::string> PortalListLines(const PortalTable& portals) {
    std::vector<std::string> lines;
    const std::size_t length = portals.walkLength();
    lines.reserve(length);
    for (std::size_t position = 0; position < length; ++position) {
        const PortalRecord& portal = portals[position];
        lines.push_back("Portal from map: " + portal[PortalField::FromMap] +
                        " to map:" + portal[PortalField::ToMap] + "  " + portal[PortalField::Comment]);
    }
    return lines;
}
