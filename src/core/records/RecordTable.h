#pragma once

#include "records/RecordSpan.h"

#include <cstddef>
#include <deque>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

// The records of one file in file order. A table has no fixed capacity, and it
// grows only when asked to (Append, Resize), never on a read: reading a
// position past its last record gives an empty record, as a table of
// unbounded size would, and asking to write there is an error. Growing never
// moves a record, so a reference to one stays valid.
//
// The table also remembers where its reader found each record in the file,
// and which records it handed out for writing since: only those can differ
// from what was read.
template <typename Record> class RecordTable {
  public:
    std::size_t size() const { return records_.size(); }
    bool empty() const { return records_.empty(); }

    const Record& operator[](std::size_t position) const {
        static const Record none{};
        return position < records_.size() ? records_[position] : none;
    }

    Record& operator[](std::size_t position) {
        if (position >= records_.size()) {
            throw std::out_of_range("no record at position " + std::to_string(position) + " of a table of " +
                                    std::to_string(records_.size()));
        }
        handedOut_[position] = true;
        return records_[position];
    }

    Record& Append() {
        handedOut_.push_back(true);
        return records_.emplace_back();
    }

    Record& Append(Record record) {
        handedOut_.push_back(true);
        return records_.emplace_back(std::move(record));
    }

    // Drops the last record (an appended record taken back).
    void RemoveLast() {
        records_.pop_back();
        handedOut_.pop_back();
    }

    // Grows the table with empty records, or cuts it, to `count` records.
    void Resize(std::size_t count) {
        records_.resize(count);
        handedOut_.resize(count, true);
    }

    void clear() {
        records_.clear();
        handedOut_.clear();
        spans_.clear();
    }

    // Where the records from position 0 on were read. The reader sets them
    // once it has filled the table; no record counts as handed out then.
    void SetSpans(std::vector<RecordSpan> spans) {
        spans_ = std::move(spans);
        handedOut_.assign(handedOut_.size(), false);
    }

    // Where the record was read; null for a record added since.
    const RecordSpan* SpanOf(std::size_t position) const {
        return position < spans_.size() ? &spans_[position] : nullptr;
    }

    // Whether the record was handed out for writing since the reader set the spans.
    bool MayHaveChanged(std::size_t position) const {
        return position >= handedOut_.size() || handedOut_[position];
    }

  private:
    std::deque<Record> records_;
    std::vector<bool> handedOut_;
    std::vector<RecordSpan> spans_;
};
