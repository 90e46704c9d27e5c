#pragma once

#include "records/RecordSpan.h"

#include <cstddef>
#include <deque>
#include <utility>
#include <vector>

// The records of one file in file order. The table has no fixed capacity:
// storing at a position past its last record grows it, and reading such a
// position gives an empty record, as a table of unbounded size would. Growing
// never moves a record, so a reference to one stays valid.
//
// The table also remembers where its reader found each record in the file,
// and which records it handed out for writing since: only those can differ
// from what was read.
template <typename Record> class GrowingTable {
  public:
    std::size_t size() const { return records_.size(); }

    const Record& operator[](std::size_t position) const {
        static const Record empty{};
        return position < records_.size() ? records_[position] : empty;
    }

    Record& operator[](std::size_t position) {
        if (position >= records_.size()) {
            records_.resize(position + 1);
            handedOut_.resize(position + 1);
        }
        handedOut_[position] = true;
        return records_[position];
    }

    void push_back(Record&& record) {
        records_.push_back(std::move(record));
        handedOut_.push_back(true);
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
