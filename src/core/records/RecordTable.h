#pragma once

#include "records/RecordSpan.h"

#include <bit>
#include <cstddef>
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
    RecordTable() = default;
    RecordTable(const RecordTable& other)
        : chunks_(other.chunks_), size_(other.size_), handedOut_(other.handedOut_), spans_(other.spans_) {
        reserveChunks();
    }
    RecordTable(RecordTable&&) noexcept = default;
    RecordTable& operator=(const RecordTable& other) {
        RecordTable copy(other);
        return *this = std::move(copy);
    }
    RecordTable& operator=(RecordTable&&) noexcept = default;
    ~RecordTable() = default;

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }

    const Record& operator[](std::size_t position) const {
        static const Record none{};
        return position < size_ ? at(position) : none;
    }

    Record& operator[](std::size_t position) {
        if (position >= size_) {
            throw std::out_of_range("no record at position " + std::to_string(position) + " of a table of " +
                                    std::to_string(size_));
        }
        handedOut_[position] = true;
        return at(position);
    }

    Record& Append() {
        handedOut_.push_back(true);
        return chunkForNext().emplace_back();
    }

    Record& Append(Record record) {
        handedOut_.push_back(true);
        return chunkForNext().emplace_back(std::move(record));
    }

    // The record at `position` emptied for a reader to fill, or a new one
    // when `position` is the size: a table read again reuses the storage of
    // the records it held. The reader cuts the table to its count at the end.
    Record& Refill(std::size_t position) {
        if (position == size_) {
            return Append();
        }
        Record& record = (*this)[position];
        if constexpr (requires { record.Clear(); }) {
            record.Clear();
        } else {
            record = Record{};
        }
        return record;
    }

    // Drops the last record (an appended record taken back).
    void RemoveLast() {
        chunks_[chunkOf(--size_)].pop_back();
        handedOut_.pop_back();
    }

    // Grows the table with empty records, or cuts it, to `count` records.
    void Resize(std::size_t count) {
        while (size_ > count) {
            RemoveLast();
        }
        while (size_ < count) {
            Append();
        }
    }

    // Drops every record; the table keeps its storage for the records it gets next.
    void clear() {
        for (std::vector<Record>& chunk : chunks_) {
            chunk.clear();
        }
        size_ = 0;
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
    // Record p is in chunk k = bit_width(p + 1) - 1, at p + 1 - 2^k: chunk k
    // holds 2^k records and has room for all of them from its start, so
    // growing never moves a record and a table of n records makes about
    // log2(n) allocations. Chunks outlive the records dropped from them.
    static std::size_t chunkOf(std::size_t position) {
        return static_cast<std::size_t>(std::bit_width(position + 1)) - 1;
    }

    static std::size_t chunkCapacity(std::size_t chunk) { return std::size_t{1} << chunk; }

    const Record& at(std::size_t position) const {
        const std::size_t chunk = chunkOf(position);
        return chunks_[chunk][position + 1 - chunkCapacity(chunk)];
    }

    Record& at(std::size_t position) {
        const std::size_t chunk = chunkOf(position);
        return chunks_[chunk][position + 1 - chunkCapacity(chunk)];
    }

    std::vector<Record>& chunkForNext() {
        const std::size_t chunk = chunkOf(size_++);
        if (chunk == chunks_.size()) { // else a chunk kept from records dropped earlier
            chunks_.emplace_back().reserve(chunkCapacity(chunk));
        }
        return chunks_[chunk];
    }

    // A copied chunk has room for its records only; it gets room for all of them again.
    void reserveChunks() {
        for (std::size_t chunk = 0; chunk < chunks_.size(); ++chunk) {
            chunks_[chunk].reserve(chunkCapacity(chunk));
        }
    }

    std::vector<std::vector<Record>> chunks_;
    std::size_t size_ = 0;
    std::vector<bool> handedOut_;
    std::vector<RecordSpan> spans_;
};
