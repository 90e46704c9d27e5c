#include "spawns/GenMonsterFile.h"

#include "records/ExtractValues.h"
#include "records/GroupSplitter.h"
#include "records/IntegerText.h"

#include <span>

namespace {
struct KeyField {
    std::string_view key;
    std::size_t firstField;
};

// The reader searches the keys in this order, each after the previous one.
constexpr KeyField kKeys[] = {{"index", kIndex}, {"map", kMap},     {"area", kArea},
                              {"max", kMax},     {"cycle", kCycle}, {"rect", kX1}};
} // namespace

void ParseGenMonsterRecord(std::string_view text, bool commented, SpawnRecord& record) {
    record[kCommented] = commented ? "1" : "0";
    std::size_t start = 0;
    for (const KeyField& key : kKeys) {
        // A value that runs on past its key's fields lands in the next ones, up to y2 and never beyond.
        const std::span<std::string> slots(record.data() + key.firstField, kY2 + 1 - key.firstField);
        start = ExtractValues(text, key.key, slots, start);
    }
}

GenMonsterLoad ParseGenMonster(std::string_view bytes, SpawnTable& table) {
    table.ClearSpawnTable();
    GenMonsterLoad load;
    SplitRecords(bytes, "genmonster", [&](const RecordGroup& group) {
        if (load.stored == SpawnTable::kCapacity) {
            ++load.leftOut;
            return;
        }
        ParseGenMonsterRecord(group.text, group.commented, table[load.stored]);
        ++load.stored;
    });
    return load;
}

std::string GenMonsterLine(const SpawnRecord& record) {
    std::string line;
    if (record[kCommented] == "1") {
        line += ';';
    }
    line += "(genmonster ";
    line += "(index " + record[kIndex] + ") ";
    line += "(map " + record[kMap] + ") ";
    line += "(area " + record[kArea] + ") ";
    line += "(max " + record[kMax] + ") ";
    line += "(cycle " + record[kCycle] + ") ";
    line += "(rect " + record[kX1] + " " + record[kY1] + " " + record[kX2] + " " + record[kY2] + "))";
    return line;
}

std::vector<std::string> GenMonsterLines(const SpawnTable& table) {
    const std::size_t live = table.LiveCount();
    std::vector<std::string> lines;
    lines.reserve(live);
    for (std::size_t position = 0; position < live; ++position) {
        lines.push_back(GenMonsterLine(table[position]));
    }
    return lines;
}

std::string GenMonsterLeftOutWarning(const GenMonsterLoad& load, bool bytesLeftOut) {
    std::string text;
    if (load.leftOut > 0) {
        text += "The file holds more spawns than the table's " + IntToStr(SpawnTable::kCapacity) + ": " +
                IntToStr(static_cast<std::int64_t>(load.leftOut)) + " spawns after the first " +
                IntToStr(SpawnTable::kCapacity) + " were left out.";
    }
    if (bytesLeftOut) {
        if (!text.empty()) {
            text += "\n";
        }
        text += "Only the first 500,000 bytes of the file were read; the rest of the file was left out.";
    }
    if (!text.empty()) {
        text += "\nA save will not contain what was left out.";
    }
    return text;
}
