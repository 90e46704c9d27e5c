#pragma once

#include <cstddef>
#include <deque>
#include <utility>

// The records of one file in file order. The table has no fixed capacity:
// storing at a position past its last record grows it, and reading such a
// position gives an empty record, as a table of unbounded size would. Growing
// never moves a record, so a reference to one stays valid.
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
        }
        return records_[position];
    }

    void push_back(Record&& record) { records_.push_back(std::move(record)); }
    void clear() { records_.clear(); }

  private:
    std::deque<Record> records_;
};
