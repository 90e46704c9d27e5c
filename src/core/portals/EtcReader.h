#pragma once

#include "portals/PortalTable.h"
#include "records/LoadNotes.h"
#include "records/TextEncoding.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

struct EtcLoad {
    std::size_t portalsStored = 0;
    std::size_t gotosStored = 0;
    LoadNotes notes; // a group left open at the end of the file
    TextEncoding encoding = TextEncoding::Latin1;
};

// Empties the tables and fills them with the records of an Etc.txt: gotos,
// portals and every other top-level record, in file order. A ";" outside
// every group starts comment text that ends with its line, and whose
// parentheses open and close nothing, with these exceptions:
// - a ";" after a goto or portal on its line opens that record's trailing
//   comment (of both, when both stand on the line);
// - a ";" directly before a record's "(", or before blanks (spaces, tabs) and
//   a goto or portal, marks that record commented out.
EtcLoad ReadEtc(std::string_view bytes, PortalTable& portals, GotoTable& gotos, EtcOtherRecords& others);

// Reads the whole file into `read` and then fills the tables from it. A file
// that cannot be read throws before `read` or any table is touched.
EtcLoad LoadEtcFile(const std::string& path, std::optional<std::string>& read, PortalTable& portals,
                    GotoTable& gotos, EtcOtherRecords& others);

// One goto or portal from its record text (from its "(", without its ")");
// its trailing comment is not part of the text and stays empty.
GotoRecord ParseGotoRecord(std::string_view text, bool commented);
PortalRecord ParsePortalRecord(std::string_view text, bool commented);
