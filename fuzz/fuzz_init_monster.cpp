// InitMonster reader and writer on any bytes: every record read is stored,
// holding what the key search reads from its text, the layout-keeping save of
// the table as read (also with every record handed out for writing) gives the
// bytes back, and read -> write -> read -> write gives the same bytes whenever
// every record written keeps its shape.
#include "FixedPoint.h"

#include "monsters/InitMonsterReader.h"
#include "monsters/InitMonsterWriter.h"
#include "monsters/MonsterSlots.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace {
bool isLineKey(std::string_view key) {
    return std::ranges::find(kMonsterValueGroups, key, &MonsterGroup::key) != kMonsterValueGroups.end() ||
           key == "skill" || key == "quest";
}

std::string written(const MonsterTable& table) {
    return JoinLines(InitMonsterLines(table));
}

// Slots 1 to 48 hold values; the raw `skill` and `quest` texts are written as read.
bool keepsItsShape(const MonsterRecord& record) {
    return KeepsItsShape(std::span(record.fields)
                             .subspan(SlotNumber(MonsterSlot::Name),
                                      SlotNumber(MonsterSlot::Skill) - SlotNumber(MonsterSlot::Name)),
                         record.extras, isLineKey);
}

bool itemGroupWritten(const std::string& first) {
    return !first.empty() && first != "0";
}

// Whether the line writes the piece of a key (every piece of a key the line
// does not write counts as written here).
bool pieceWritten(const MonsterRecord& record, std::string_view key) {
    using Slot = MonsterSlot;
    if (key == "itemgroup") {
        return itemGroupWritten(record[Slot::ItemGroup1]) && itemGroupWritten(record[Slot::ItemGroup2]);
    }
    if (key == "skill") {
        return !record[Slot::Skill].empty();
    }
    constexpr std::array<std::string_view, 5> kAlwaysWritten{"name", "index", "country", "race", "level"};
    const auto group = std::ranges::find(kMonsterValueGroups, key, &MonsterGroup::key);
    return group == kMonsterValueGroups.end() ||
           std::ranges::find(kAlwaysWritten, key) != kAlwaysWritten.end() ||
           !record.fields[group->firstSlot].empty();
}

// A kept group of a key whose piece the line leaves out stands where that
// piece would, so the next read takes it for the piece, which is then
// written in the piece's own form or left out: "(exp) (exp)" is written
// "(exp) " and then "", "(sight) (sight 4)" "(sight 4) " and then
// "(sight 4 ) ". What such a group becomes is still open; not checked.
bool keptGroupTakesAPiecesPlace(const MonsterRecord& record) {
    return std::ranges::any_of(record.extras.kept, [&](const std::string& group) {
        return !pieceWritten(record, LeadingWord(group));
    });
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // Only the table's storage outlives a run: each run starts it empty.
    static MonsterTable first;
    first.clear();
    Check(ParseInitMonster(bytes, first).stored == first.size());
    // A record read in one pass holds what the key search reads from its text.
    for (std::size_t position = 0; position < first.size(); ++position) {
        const RecordSpan& span = *first.SpanOf(position);
        Check(std::as_const(first)[position] == ParseMonsterRecord(span.RecordText(bytes), span.Commented()));
    }
    Check(InitMonsterKeepingLayout(bytes, first) == bytes);
    HandOutEveryRecord(first);
    Check(InitMonsterKeepingLayout(bytes, first) == bytes);
    const std::string firstSave = written(first);
    // Without records the save is the one empty record, the same bytes every time.
    if (first.size() == 0) {
        return 0;
    }
    const std::size_t last = first.LastMonsterIndex();
    for (std::size_t position = 0; position <= last; ++position) {
        if (!keepsItsShape(first[position]) || keptGroupTakesAPiecesPlace(first[position])) {
            return 0;
        }
    }
    // Read again into the table of the first read, as a load of the saved file would.
    ParseInitMonster(firstSave, first);
    Check(written(first) == firstSave);
    return 0;
}
