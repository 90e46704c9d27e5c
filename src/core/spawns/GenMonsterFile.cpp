#include "spawns/GenMonsterFile.h"

#include "records/ExtractValues.h"
#include "records/GroupSplitter.h"
#include "records/KeptLayout.h"
#include "records/WrittenValues.h"

#include <iterator>
#include <span>
#include <utility>
#include <vector>

namespace {
struct KeyField {
    std::string_view key;
    std::size_t firstField;
    std::size_t fields;
};

// The reader searches the keys in this order, each after the previous one.
constexpr KeyField kKeys[] = {{"index", kIndex, 1}, {"map", kMap, 1},     {"area", kArea, 1},
                              {"max", kMax, 1},     {"cycle", kCycle, 1}, {"rect", kX1, 4}};
constexpr const KeyField& kRect = kKeys[std::size(kKeys) - 1];

// The values of a key's group, each after one space, then its surplus words.
void appendValues(std::string& line, const SpawnRecord& record, const KeyField& key) {
    const std::string& surplus = record.extras.SurplusOf(key.firstField);
    const auto values = std::span(record.fields).subspan(key.firstField, key.fields);
    const std::size_t filled = FilledValueCount(values, !surplus.empty());
    for (std::size_t value = 0; value < values.size(); ++value) {
        line += ' ';
        line += WrittenValue(values[value], value, filled);
    }
    line += surplus;
}

bool cornersEmpty(const SpawnRecord& record) {
    return record[kX1].empty() && record[kY1].empty() && record[kX2].empty() && record[kY2].empty();
}
} // namespace

void ParseGenMonsterRecord(std::string_view text, bool commented, SpawnRecord& record) {
    record[kCommented] = commented ? "1" : "0";
    RecordText groups(text);
    const std::span<std::string> fields(record.fields);
    std::size_t start = 0;
    for (const KeyField& key : kKeys) {
        std::string surplus;
        start = ExtractValues(groups, key.key, fields.subspan(key.firstField, key.fields), surplus, start);
        record.extras.AddSurplus(key.firstField, std::move(surplus));
    }
    record.extras.kept = groups.UntakenGroups();
}

GenMonsterLoad ParseGenMonster(std::string_view bytes, SpawnTable& table) {
    table.ClearSpawnTable();
    GenMonsterLoad load;
    std::vector<KeylessRecord> indexless;
    SplitResult split = SplitRecords(bytes, "genmonster", [&](const RecordGroup& group) {
        const std::size_t position = table.size();
        SpawnRecord& record = table.Append();
        ParseGenMonsterRecord(group.text, group.commented, record);
        if (record[kIndex].empty()) {
            indexless.push_back({position, static_cast<std::size_t>(group.text.data() - bytes.data())});
        }
    });
    table.SetSpans(std::move(split.spans));
    load.stored = table.size();
    load.encoding = DetectEncoding(bytes);
    load.notes = TableLoadNotes(bytes, split.openGroupLine, "spawn", "index", indexless);
    return load;
}

std::string GenMonsterLine(const SpawnRecord& record) {
    const RecordExtras& extras = record.extras;
    std::string line;
    if (record[kCommented] == "1") {
        line += ';';
    }
    line += "(genmonster ";
    for (const KeyField& key : kKeys) {
        if (key.firstField == kX1) {
            break;
        }
        line += '(';
        line += key.key;
        appendValues(line, record, key);
        line += ") ";
    }
    // A spawn given by other groups (a point as "(xy x y)") has no rect of its own.
    const bool rect = !cornersEmpty(record) || extras.kept.empty();
    if (rect) {
        line += "(rect";
        appendValues(line, record, kRect);
        line += ')';
    }
    for (std::size_t i = 0; i < extras.kept.size(); ++i) {
        if (rect || i > 0) {
            line += ' ';
        }
        line += extras.kept[i];
    }
    line += ')';
    return line;
}

std::size_t SavedSpawnCount(const SpawnTable& table) {
    return table.LiveCount();
}

std::vector<std::string> GenMonsterLines(const SpawnTable& table) {
    const std::size_t count = SavedSpawnCount(table);
    std::vector<std::string> lines;
    lines.reserve(count);
    for (std::size_t position = 0; position < count; ++position) {
        lines.push_back(GenMonsterLine(table[position]));
    }
    return lines;
}

std::string GenMonsterKeepingLayout(std::string_view read, const SpawnTable& table) {
    KeptLayout layout(read, KeptLayout::TrailingComments::No);
    KeepRecords(layout, table, SavedSpawnCount(table), GenMonsterLine, [read](const RecordSpan& span) {
        SpawnRecord record;
        ParseGenMonsterRecord(span.RecordText(read), span.Commented(), record);
        return record;
    });
    return layout.Result();
}
