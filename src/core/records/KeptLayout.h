#pragma once

#include "records/RecordSpan.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

// The line end a file uses: its first one (CR LF, LF or a lone CR); CR LF
// when it has none.
std::string_view FileLineEnd(std::string_view bytes);

// A file written back as it was read, with only what changed changed: the
// bytes of a changed record give way to its new text, an added record goes
// on a line of its own, and every other byte stays as it was.
class KeptLayout {
  public:
    // Whether a ";" after a record on its line opens that record's trailing
    // comment, which its new text then ends with (Etc.txt).
    enum class TrailingComments { No, Yes };

    KeptLayout(std::string_view bytes, TrailingComments comments);

    // The record read from `span` is written as `text` (one line, no line end).
    void Replace(const RecordSpan& span, std::string text);

    // A record added after the line on which the record read from `anchor`
    // ends; at the end of the file when `anchor` is null or no line end follows it.
    void Add(const RecordSpan* anchor, std::string text);

    std::string Result();

  private:
    struct Edit {
        std::size_t begin;
        std::size_t end; // begin for an insertion
        std::string text;
    };

    std::string_view bytes_;
    std::string_view lineEnd_;
    TrailingComments comments_;
    std::vector<Edit> edits_;
};

// Walks the first `count` positions of a table, as a save writes them, into
// `layout`. A record read from the file is replaced by `line(record)` only
// when that differs from `line(reread(span))`, the line of the record as it
// was read; a record added since goes after the record read before it.
// Positions that hold an empty record have nothing to write.
template <typename Table, typename Line, typename Reread>
void KeepRecords(KeptLayout& layout, const Table& table, std::size_t count, Line line, Reread reread) {
    const RecordSpan* anchor = nullptr;
    for (std::size_t position = 0; position < count; ++position) {
        const auto& record = table[position];
        if (const RecordSpan* span = table.SpanOf(position)) {
            anchor = span;
            if (table.MayHaveChanged(position)) {
                std::string text = line(record);
                if (text != line(reread(*span))) {
                    layout.Replace(*span, std::move(text));
                }
            }
        } else if (!(record == std::remove_cvref_t<decltype(record)>{})) {
            layout.Add(anchor, line(record));
        }
    }
}
