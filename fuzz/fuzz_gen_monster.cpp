// GenMonster reader and writer on any bytes: every record read is stored with
// the page's columns empty, holding what the key search reads from its text,
// the layout-keeping save of the table as read (also with every record handed
// out for writing) gives the bytes back, and read -> write -> read -> write
// gives the same bytes whenever every spawn written keeps its shape.
#include "FixedPoint.h"

#include "spawns/GenMonsterReader.h"
#include "spawns/GenMonsterWriter.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {
bool isLineKey(std::string_view key) {
    constexpr std::array<std::string_view, 6> kKeys{"index", "map", "area", "max", "cycle", "rect"};
    return std::ranges::find(kKeys, key) != kKeys.end();
}

bool keepsItsShape(const SpawnRecord& record) {
    return KeepsItsShape(std::span(record.fields).subspan(static_cast<std::size_t>(SpawnField::Index)),
                         record.extras, isLineKey);
}

// A spawn with empty corners and kept groups is written without its rect, so
// the next read takes a kept rect group for the corners and writes it first:
// "(rect) (xy 1 2) (rect 5 6 7 8)" is written "(xy 1 2) (rect 5 6 7 8)" and
// then "(rect 5 6 7 8) (xy 1 2)". What such a spawn becomes is still open;
// not checked.
bool keptRectTakesTheCorners(const SpawnRecord& record) {
    const bool cornersEmpty =
        std::ranges::all_of(std::span(record.fields).subspan(static_cast<std::size_t>(SpawnField::X1)),
                            [](const std::string& corner) { return corner.empty(); });
    return cornersEmpty && std::ranges::any_of(record.extras.kept, [](const std::string& group) {
               return LeadingWord(group) == "rect";
           });
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // Only the table's storage outlives a run: each run starts it empty.
    static SpawnTable first;
    first.clear();
    Check(ParseGenMonster(bytes, first).stored == first.size());
    // A record read in one pass holds what the key search reads from its text.
    static SpawnRecord searched;
    for (std::size_t position = 0; position < first.size(); ++position) {
        const RecordSpan& span = *first.SpanOf(position);
        searched.Clear();
        ParseGenMonsterRecord(span.RecordText(bytes), span.Commented(), searched);
        Check(std::as_const(first)[position] == searched);
    }
    Check(GenMonsterKeepingLayout(bytes, first) == bytes);
    HandOutEveryRecord(first);
    Check(GenMonsterKeepingLayout(bytes, first) == bytes);

    const std::vector<std::string> lines = GenMonsterLines(first);
    // Without records the save is the one empty record, the same bytes every time.
    if (first.size() == 0) {
        return 0;
    }
    for (std::size_t position = 0; position < lines.size(); ++position) {
        if (!keepsItsShape(first[position]) || keptRectTakesTheCorners(first[position])) {
            return 0;
        }
    }
    const std::string firstSave = JoinLines(lines);
    // Read again into the table of the first read, as a load of the saved file would.
    ParseGenMonster(firstSave, first);
    Check(JoinLines(GenMonsterLines(first)) == firstSave);
    return 0;
}
