#pragma once

#include "records/GroupSplitter.h"
#include "records/GroupsInOrder.h"
#include "records/LoadNotes.h"
#include "records/RecordText.h"
#include "records/TextEncoding.h"

#include <cstddef>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

// What a load of a record file tells besides the table it filled.
struct RecordFileLoad {
    std::size_t stored = 0; // records stored from position 0
    LoadNotes notes;        // a group left open, records without their key field
    TextEncoding encoding = TextEncoding::Latin1;
};

// Replaces the records of `table` with every record of the bytes that
// starts with `keyword`, in file order; the table remembers where each record
// stood. A record is read in one pass (ReadGroupsInOrder, taking `groups`,
// its `commentedField` "1" or "0"), or when it has another shape, by
// `parse(text, commented, record)`, which searches the same groups by key. A
// record whose `keyField` is empty is kept like the others and named in the
// notes as a `noun` without its `keyName` ("monster", "name").
template <typename Table, typename Parse, typename Field>
RecordFileLoad ReadKeyedRecords(std::string_view bytes, std::string_view keyword, Table& table,
                                std::span<const KeyedGroup> groups, Parse parse, Field commentedField,
                                Field keyField, std::string_view noun, std::string_view keyName) {
    RecordFileLoad load;
    std::vector<KeylessRecord> keyless;
    std::size_t count = 0;
    SplitResult split = SplitRecords(bytes, keyword, [&](const RecordOpening& opening) {
        auto& record = table.Refill(count);
        const InOrderRead pass = ReadGroupsInOrder(bytes, opening.open, groups, record.fields, record.extras);
        if (pass.close == std::string_view::npos) {
            return pass.close;
        }
        if (pass.read) {
            record[commentedField] = opening.commented ? "1" : "0";
        } else {
            record.Clear();
            RecordText text(bytes.substr(opening.open, pass.close - opening.open));
            parse(text, opening.commented, record);
        }
        if (record[keyField].empty()) {
            keyless.push_back({count, opening.open});
        }
        ++count;
        return pass.close;
    });
    table.Resize(count);
    table.SetSpans(std::move(split.spans));
    load.stored = table.size();
    load.encoding = DetectEncoding(bytes);
    load.notes = TableLoadNotes(bytes, split.openGroupLine, noun, keyName, keyless);
    return load;
}
