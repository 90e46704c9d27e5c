#pragma once

#include "portals/PortalTable.h"

#include <array>
#include <cstdint>
#include <string>

// A new portal from the add-portal dialog, the entry corners in world units.
struct NewPortal {
    bool on = false; // "ON" ticked: the portal is active
    std::int32_t fromMap = 0;
    std::array<std::int32_t, 4> corners{}; // x1, y1, x2, y2
    std::int32_t toMap = 0;
    std::array<std::int32_t, 3> destination{}; // x, y, z
    std::string comment;
};

// The corner fields in the order of NewPortal::corners.
inline constexpr std::array<PortalField, 4> kPortalCorners{PortalField::X1, PortalField::Y1, PortalField::X2,
                                                           PortalField::Y2};

// The record of a new portal: the country group "0" "2" and the corners in
// map units. A line break in the comment would end the record's line in
// Etc.txt, so it is left out.
PortalRecord NewPortalRecord(const NewPortal& portal);
