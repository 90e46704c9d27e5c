#pragma once

#include "portals/PortalTable.h"
#include "records/LoadNotes.h"
#include "records/TextEncoding.h"

#include <cstddef>
#include <string>
#include <string_view>

struct EtcLoad {
    std::size_t portalsStored = 0;
    std::size_t gotosStored = 0;
    LoadNotes notes; // a group left open at the end of the file
    TextEncoding encoding = TextEncoding::Latin1;
};

// Empties the tables and fills them with the records of an Etc.txt: gotos,
// portals and every other top-level record, in file order. Line comments,
// blank lines and groups that stand in a line's comment text are skipped. A
// ";" directly before a record's "(" marks it commented out. A ";" after a
// goto or portal on its line (outside any group) opens that record's
// trailing comment, which runs to the line end (CR, LF or CR LF);
// parentheses inside it are comment text.
EtcLoad ReadEtc(std::string_view bytes, PortalTable& portals, GotoTable& gotos, EtcOtherRecords& others);

// Reads the whole file and then fills the tables. A file that cannot be read
// throws before any table is touched.
EtcLoad LoadEtcFile(const std::string& path, PortalTable& portals, GotoTable& gotos, EtcOtherRecords& others);
