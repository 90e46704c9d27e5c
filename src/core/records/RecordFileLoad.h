#pragma once

#include "records/GroupSplitter.h"
#include "records/LoadNotes.h"
#include "records/TextEncoding.h"

#include <cstddef>
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
// starts with `keyword`, in file order, each parsed by `parse(text, commented,
// record)`; the table remembers where each record stood. A record whose
// `keyField` is empty is kept like the others and named in the notes as a
// `noun` without its `keyName` ("monster", "name").
template <typename Table, typename Parse, typename Field>
RecordFileLoad ReadKeyedRecords(std::string_view bytes, std::string_view keyword, Table& table, Parse parse,
                                Field keyField, std::string_view noun, std::string_view keyName) {
    RecordFileLoad load;
    std::vector<KeylessRecord> keyless;
    std::size_t count = 0;
    SplitResult split = SplitRecords(bytes, keyword, [&](const RecordGroup& group) {
        const std::size_t position = count++;
        auto& record = table.Refill(position);
        RecordText groups(group.text, group.groups);
        parse(groups, group.commented, record);
        if (record[keyField].empty()) {
            keyless.push_back({position, static_cast<std::size_t>(group.text.data() - bytes.data())});
        }
    });
    table.Resize(count);
    table.SetSpans(std::move(split.spans));
    load.stored = table.size();
    load.encoding = DetectEncoding(bytes);
    load.notes = TableLoadNotes(bytes, split.openGroupLine, noun, keyName, keyless);
    return load;
}
