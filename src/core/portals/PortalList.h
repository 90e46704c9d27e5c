#pragma once

#include "portals/PortalTable.h"

#include <string>
#include <vector>

// The lines of the portal list: line k shows the portal at position k as
// "Portal from map: <from> to map:<to>  <comment>".
std::vector<std::string> PortalListLines(const PortalTable& portals);
