#pragma once

#include "portals/PortalTable.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// One line of Etc.txt per record, every field written as stored; a record
// whose `commented` field is anything but "0" gets a leading ";". Surplus
// values stay inside their group; kept groups follow the line's last piece.
std::string GotoLine(const GotoRecord& record);
std::string PortalLine(const PortalRecord& record);

// How many records of a table a save writes, from position 0
// (EtcTable::walkLength). Both ways of saving walk these.
template <typename Record> std::size_t SavedEtcCount(const EtcTable<Record>& table) {
    return table.walkLength();
}

// The lines of a new Etc.txt: the goto banner, the goto lines, the portal
// banner, the portal lines (the records saved of each table), and then the
// other records, one a line.
std::vector<std::string> EtcLines(const GotoTable& gotos, const PortalTable& portals,
                                  const EtcOtherRecords& others);

// The file as it was read (`read`, which the tables were last filled from),
// with the line of each saved goto and portal whose line changed in place of
// its bytes and trailing comment, and each portal added since on a line of its own.
std::string EtcKeepingLayout(std::string_view read, const GotoTable& gotos, const PortalTable& portals);
