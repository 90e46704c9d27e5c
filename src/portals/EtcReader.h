#pragma once

#include "portals/PortalTable.h"

#include <cstddef>
#include <string>
#include <string_view>

// Etc.txt beyond this many bytes is not read.
inline constexpr std::size_t kEtcByteLimit = 1'000'000;

// What a load stored and what it had to leave out.
struct EtcLoad {
    std::size_t portalsStored = 0;
    std::size_t gotosStored = 0;
    std::size_t portalsLeftOut = 0; // portal records beyond the portal table
    std::size_t gotosLeftOut = 0;   // goto records beyond the goto table
    std::size_t valuesLeftOut = 0;  // values beyond the fields of their group
    bool bytesLeftOut = false;      // the file held more than kEtcByteLimit bytes

    bool leftOutAnything() const {
        return portalsLeftOut > 0 || gotosLeftOut > 0 || valuesLeftOut > 0 || bytesLeftOut;
    }
};

// Empties both tables and fills them with the goto and portal records of an
// Etc.txt; every other group, line comment and blank line is skipped. A
// ";" directly before a record's "(" marks it commented out. A ";" after a
// stored record on its line (outside any group) opens its trailing comment,
// which runs to the line end (CR, LF or CR LF); parentheses inside it are
// comment text. `wholeFile` tells whether `bytes` end where the file ends: a
// comment still open at the end is stored only then.
EtcLoad ReadEtc(std::string_view bytes, bool wholeFile, PortalTable& portals, GotoTable& gotos);

// Reads at most kEtcByteLimit bytes of the file and then fills the tables.
// A file that cannot be opened or read throws InOutError before either
// table is touched.
EtcLoad LoadEtcFile(const std::string& path, PortalTable& portals, GotoTable& gotos);

// The warning shown after a load that left something out; empty otherwise.
std::string EtcLoadWarning(const EtcLoad& load);
