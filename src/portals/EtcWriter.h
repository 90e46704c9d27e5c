#pragma once

#include "portals/PortalTable.h"

#include <string>
#include <vector>

// One line of Etc.txt per record, every field written as stored; a record
// whose `commented` field is anything but "0" gets a leading ";". Surplus
// values stay inside their group; kept groups follow the line's last piece.
std::string GotoLine(const GotoRecord& record);
std::string PortalLine(const PortalRecord& record);

// The lines of a new Etc.txt: the goto banner, the goto lines, the portal
// banner, the portal lines (each table walked from position 0), and then the
// other records, one a line.
std::vector<std::string> EtcLines(const GotoTable& gotos, const PortalTable& portals,
                                  const EtcOtherRecords& others);
