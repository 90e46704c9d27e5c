#include "spawns/GenMonsterWriter.h"

#include "records/KeptLayout.h"
#include "records/LineWriter.h"
#include "records/WrittenValues.h"
#include "spawns/GenMonsterKeys.h"
#include "spawns/GenMonsterReader.h"

#include <span>

namespace {
// A key's group up to its ")": the key, its values separated by single spaces, then its surplus words.
void putGroup(LineWriter& line, const SpawnRecord& record, const GenMonsterKey& key) {
    line.Put(key.opening);
    const std::string& surplus = record.extras.SurplusOf(key.firstPosition());
    const auto values = std::span(record.fields).subspan(key.firstPosition(), key.fields);
    // A lone value with nothing after it is written as it is, also when empty.
    if (values.size() == 1 && surplus.empty()) {
        line.Put(values[0]);
        return;
    }
    const std::size_t filled = FilledValueCount(values, !surplus.empty());
    for (std::size_t value = 0; value < values.size(); ++value) {
        if (value > 0) {
            line.Put(' ');
        }
        line.Put(WrittenValue(values[value], value, filled));
    }
    line.Put(surplus);
}

bool cornersEmpty(const SpawnRecord& record) {
    return record[SpawnField::X1].empty() && record[SpawnField::Y1].empty() &&
           record[SpawnField::X2].empty() && record[SpawnField::Y2].empty();
}

} // namespace

std::string GenMonsterLine(const SpawnRecord& record) {
    const RecordExtras& extras = record.extras;
    LineWriter line;
    if (record[SpawnField::Commented] == "1") {
        line.Put(';');
    }
    line.Put("(genmonster ");
    for (const GenMonsterKey& key : kGenMonsterKeys) {
        if (&key == &kRectKey) {
            break;
        }
        putGroup(line, record, key);
        line.Put(") ");
    }
    // A spawn given by other groups (a point as "(xy x y)") has no rect of its own.
    const bool rect = !cornersEmpty(record) || extras.kept.empty();
    if (rect) {
        putGroup(line, record, kRectKey);
        line.Put(')');
    }
    for (std::size_t i = 0; i < extras.kept.size(); ++i) {
        if (rect || i > 0) {
            line.Put(' ');
        }
        line.Put(extras.kept[i]);
    }
    line.Put(')');
    return line.Take();
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
