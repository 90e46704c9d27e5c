#pragma once

#include "records/RecordTable.h"
#include "records/TableChange.h"

#include <cstddef>
#include <functional>
#include <string>
#include <utility>
#include <vector>

// The one place through which an editing object changes its table. Every
// change is computed first (TableChange) and then committed: applied at once,
// or handed to the history set with SetHistory, which applies it and can take
// it back later. Whoever shows the table hears of every change applied or
// taken back, so that what it shows follows the table.
template <typename Record> class TableEditor {
  public:
    using Change = TableChange<Record>;

    explicit TableEditor(RecordTable<Record>& table) : table_(table) {}
    virtual ~TableEditor() = default;
    TableEditor(const TableEditor&) = delete;
    TableEditor& operator=(const TableEditor&) = delete;

    // Committed changes go to `history` instead of being applied; it applies
    // them with Apply. An empty function applies them at once again.
    void SetHistory(std::function<void(Change)> history) { history_ = std::move(history); }

    // `listener` runs after every change applied or taken back.
    void OnChanged(std::function<void(const Change&)> listener) { listeners_.push_back(std::move(listener)); }

    void Apply(const Change& change) {
        for (const auto& edit : change.edits) {
            table_[edit.position].fields[edit.field] = edit.after;
        }
        for (const Record& record : change.appended) {
            table_.Append(record);
        }
        notify(change);
    }

    void Revert(const Change& change) {
        for (std::size_t i = 0; i < change.appended.size(); ++i) {
            table_.RemoveLast();
        }
        for (auto edit = change.edits.rbegin(); edit != change.edits.rend(); ++edit) {
            table_[edit->position].fields[edit->field] = edit->before;
        }
        notify(change);
    }

  protected:
    void Commit(Change change) {
        if (change.empty()) {
            return;
        }
        if (history_) {
            history_(std::move(change));
        } else {
            Apply(change);
        }
    }

    // A change of one field of the record at `position` to `value`; empty
    // when the field holds that value already.
    Change FieldChange(std::size_t position, std::size_t field, std::string value) const {
        Change change;
        const std::string& before = std::as_const(table_)[position].fields[field];
        if (before != value) {
            change.edits.push_back({position, field, before, std::move(value)});
        }
        return change;
    }

    RecordTable<Record>& table() { return table_; }
    const RecordTable<Record>& table() const { return table_; }

  private:
    void notify(const Change& change) {
        for (const auto& listener : listeners_) {
            listener(change);
        }
    }

    RecordTable<Record>& table_;
    std::function<void(Change)> history_;
    std::vector<std::function<void(const Change&)>> listeners_;
};
