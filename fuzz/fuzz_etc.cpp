// Etc.txt reader and writer on any bytes: the tables hold what the reader
// promises and what the key search reads, the layout-keeping save of the
// tables as read (also with every record handed out for writing) gives the
// bytes back, and read -> write -> read -> write gives the same bytes whenever
// every goto and portal keeps its shape.
#include "FixedPoint.h"

#include "portals/EtcReader.h"
#include "portals/EtcWriter.h"
#include "portals/PortalList.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {
bool isPortalKey(std::string_view key) {
    return key == "country" || key == "from" || key == "to";
}

// A goto line writes its values after its keyword, no group of a key.
bool isGotoKey(std::string_view) {
    return false;
}

template <typename Record> std::span<const std::string> values(const Record& record) {
    return std::span(record.fields).subspan(1, Record::kFieldCount - 2);
}

template <typename Table> void checkTable(const Table& table, std::size_t stored) {
    Check(table.size() == stored);
    for (std::size_t position = 0; position < stored; ++position) {
        const auto& record = table[position];
        Check(record.present());
        // A trailing comment ends at the line end.
        Check(record.fields.back().find_first_of("\r\n") == std::string::npos);
        for (const std::string& value : values(record)) {
            Check(value.find(')') == std::string::npos);
        }
    }
}

// Each record read holds what the key search reads from its text, which
// leaves out the trailing comment.
template <typename Table, typename Parse>
void checkKeySearch(const Table& table, std::string_view bytes, Parse parse) {
    for (std::size_t position = 0; position < table.size(); ++position) {
        const RecordSpan& span = *table.SpanOf(position);
        auto searched = parse(span.RecordText(bytes), span.Commented());
        searched.fields.back() = table[position].fields.back();
        Check(table[position] == searched);
    }
}

template <typename Table, typename IsLineKey>
bool keepsItsShape(const Table& table, std::size_t stored, IsLineKey isLineKey) {
    for (std::size_t position = 0; position < stored; ++position) {
        if (!KeepsItsShape(values(table[position]), table[position].extras, isLineKey)) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // Only the tables' storage outlives a run: each run starts them empty.
    static PortalTable portals;
    static GotoTable gotos;
    static EtcOtherRecords others;
    portals.clear();
    gotos.clear();
    others.clear();
    const EtcLoad load = ReadEtc(bytes, portals, gotos, others);
    checkKeySearch(std::as_const(gotos), bytes, ParseGotoRecord);
    checkKeySearch(std::as_const(portals), bytes, ParsePortalRecord);
    Check(EtcKeepingLayout(bytes, gotos, portals) == bytes);
    HandOutEveryRecord(gotos);
    HandOutEveryRecord(portals);
    Check(EtcKeepingLayout(bytes, gotos, portals) == bytes);
    checkTable(portals, load.portalsStored);
    checkTable(gotos, load.gotosStored);
    Check(PortalListLines(portals).size() == std::max<std::size_t>(1, load.portalsStored));

    const std::vector<std::string> lines = EtcLines(gotos, portals, others);
    Check(lines.size() == 2 + std::max<std::size_t>(1, load.gotosStored) +
                              std::max<std::size_t>(1, load.portalsStored) + others.size());
    // Without records the save is the banners and two empty records, the same bytes every time.
    if (load.gotosStored + load.portalsStored + others.size() == 0) {
        return 0;
    }
    const bool othersBalanced =
        std::ranges::all_of(others, [](const std::string& record) { return Balanced(record); });
    if (!othersBalanced || !keepsItsShape(gotos, load.gotosStored, isGotoKey) ||
        !keepsItsShape(portals, load.portalsStored, isPortalKey)) {
        return 0;
    }
    const std::string firstSave = JoinLines(lines);
    // Read again into the same tables, as a load of the saved file would.
    ReadEtc(firstSave, portals, gotos, others);
    Check(JoinLines(EtcLines(gotos, portals, others)) == firstSave);
    return 0;
}
