#include "records/TableEditor.h"
#include "records/FieldRecord.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {
using Record = FieldRecord<3>;

class Editor : public TableEditor<Record> {
  public:
    using TableEditor::TableEditor;
    void set(std::size_t position, std::size_t field, std::string value) {
        Commit(FieldChange(position, field, std::move(value)));
    }
    void add(Record record) {
        Change change;
        change.appended.push_back(std::move(record));
        Commit(std::move(change));
    }
};

TEST(TableEditorTest, ChangesAppliedAtOnceOrThroughAHistoryAreTakenBackExactly) {
    for (const bool withHistory : {false, true}) {
        RecordTable<Record> table;
        table.Append({{"a", "", "c"}, {}});
        const RecordTable<Record> before = table;
        Editor editor(table);
        std::vector<TableChange<Record>> history;
        if (withHistory) {
            editor.SetHistory([&](TableChange<Record> change) {
                editor.Apply(change);
                history.push_back(std::move(change));
            });
        }
        int heard = 0;
        editor.OnChanged([&](const TableChange<Record>&) { ++heard; });

        editor.set(0, 1, "b");
        editor.set(0, 1, "b"); // no change: nothing committed
        editor.add({{"x", "y", "z"}, {}});
        ASSERT_EQ(table.size(), 2u);
        EXPECT_EQ(table[0].fields[1], "b");
        EXPECT_EQ(heard, 2);
        if (withHistory) {
            ASSERT_EQ(history.size(), 2u);
            editor.Revert(history[1]);
            editor.Revert(history[0]);
            EXPECT_EQ(table.size(), 1u);
            EXPECT_EQ(table[0], before[0]);
            EXPECT_EQ(heard, 4);
        }
    }
}

TEST(RecordTableTest, GrowingNeverMovesARecordAndACopyGrowsOnItsOwn) {
    RecordTable<Record> table;
    std::vector<const Record*> addresses;
    for (int k = 0; k < 100; ++k) {
        addresses.push_back(&table.Append({{std::to_string(k), "", ""}, {}}));
    }
    RecordTable<Record> copy = table;
    copy.Resize(300);
    copy[250].fields[0] = "new";
    table.Resize(40);
    table.RemoveLast();
    for (std::size_t k = 0; k < 100; ++k) {
        EXPECT_EQ(copy[k].fields[0], std::to_string(k));
        if (k < 39) {
            EXPECT_EQ(&std::as_const(table)[k], addresses[k]);
            EXPECT_EQ(table[k].fields[0], std::to_string(k));
        }
    }
    EXPECT_EQ(table.size(), 39u);
    EXPECT_EQ(std::as_const(table)[39], Record{});
    EXPECT_EQ(copy[250].fields[0], "new");

    copy.clear();
    copy.Append({{"again", "", ""}, {}});
    copy.Resize(130);
    EXPECT_EQ(copy[0].fields[0], "again");
    EXPECT_EQ(copy[129], Record{});
}
} // namespace
