#include "spawns/GenMonsterWriter.h"

#include "records/KeptLayout.h"
#include "records/LineWriter.h"
#include "records/WrittenValues.h"
#include "spawns/GenMonsterKeys.h"
#include "spawns/GenMonsterReader.h"

#include <span>

namespace {
// Bytes a line writes besides the record's own text: each key's opening,
// ")" and separator, a blank and a "0" per value, ";(genmonster " and the
// closing ")".
constexpr std::size_t kFixedRoom = [] {
    std::size_t room = std::string_view(";(genmonster )").size();
    for (const GenMonsterKey& key : kGenMonsterKeys) {
        room += key.opening.size() + 2 + 2 * key.fields;
    }
    return room;
}();

// A key's group up to its ")": the key, its values separated by single spaces, then its surplus words.
char* putGroup(char* out, const SpawnRecord& record, const GenMonsterKey& key) {
    out = PutPiece(out, key.opening);
    const std::string& surplus = record.extras.SurplusOf(key.firstPosition());
    const auto values = std::span(record.fields).subspan(key.firstPosition(), key.fields);
    // A lone value with nothing after it is written as it is, also when empty.
    if (values.size() == 1 && surplus.empty()) {
        return PutField(out, values[0]);
    }
    const std::size_t filled = FilledValueCount(values, !surplus.empty());
    for (std::size_t value = 0; value < values.size(); ++value) {
        if (value > 0) {
            *out++ = ' ';
        }
        const std::string& text = values[value];
        out = text.empty() ? PutPiece(out, WrittenValue(text, value, filled)) : PutField(out, text);
    }
    return PutPiece(out, surplus);
}

bool cornersEmpty(const SpawnRecord& record) {
    return record[SpawnField::X1].empty() && record[SpawnField::Y1].empty() &&
           record[SpawnField::X2].empty() && record[SpawnField::Y2].empty();
}

} // namespace

std::string GenMonsterLine(const SpawnRecord& record) {
    return LineWithin(kFixedRoom + RecordTextBytes(record), [&record](char* out) {
        const RecordExtras& extras = record.extras;
        if (std::string_view(record[SpawnField::Commented]) == "1") {
            *out++ = ';';
        }
        out = PutPiece(out, "(genmonster ");
        for (const GenMonsterKey& key : kGenMonsterKeys) {
            if (&key == &kRectKey) {
                break;
            }
            out = putGroup(out, record, key);
            out = PutPiece(out, ") ");
        }
        // A spawn given by other groups (a point as "(xy x y)") has no rect of its own.
        const bool rect = !cornersEmpty(record) || extras.kept.empty();
        if (rect) {
            out = putGroup(out, record, kRectKey);
            *out++ = ')';
        }
        for (std::size_t i = 0; i < extras.kept.size(); ++i) {
            if (rect || i > 0) {
                *out++ = ' ';
            }
            out = PutPiece(out, extras.kept[i]);
        }
        *out++ = ')';
        return out;
    });
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
