#include "records/KeptLayout.h"

#include "records/GroupSplitter.h"
#include "records/ByteClasses.h"

#include <algorithm>

namespace {
bool blanksOnly(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

std::size_t lineStart(std::string_view bytes, std::size_t at) {
    while (at > 0 && !IsLineEnd(bytes[at - 1])) {
        --at;
    }
    return at;
}
} // namespace

std::string_view FileLineEnd(std::string_view bytes) {
    const std::size_t at = LineEndFrom(bytes, 0);
    return at == bytes.size() ? "\r\n" : bytes.substr(at, AfterLineEnd(bytes, at) - at);
}

KeptLayout::KeptLayout(std::string_view bytes, TrailingComments comments)
    : bytes_(bytes), lineEnd_(FileLineEnd(bytes)), comments_(comments) {}

void KeptLayout::Replace(const RecordSpan& span, std::string text) {
    std::size_t end = span.replaceEnd;
    if (comments_ == TrailingComments::Yes) {
        // The new text ends in its comment, which would take in the rest of
        // the line: trailing blanks go, anything else moves to the next line.
        const std::size_t lineEnd = LineEndFrom(bytes_, end);
        if (blanksOnly(bytes_.substr(end, lineEnd - end))) {
            end = lineEnd;
        } else {
            text += lineEnd_;
        }
        // A ";" after a record on its line (one that ended there with its ")")
        // would open that record's comment.
        const std::size_t start = lineStart(bytes_, span.begin);
        if (text.starts_with(';') &&
            bytes_.substr(start, span.begin - start).find(')') != std::string_view::npos) {
            text.insert(0, lineEnd_);
        }
    }
    edits_.push_back({span.begin, end, std::move(text)});
}

void KeptLayout::Add(const RecordSpan* anchor, std::string text) {
    if (anchor != nullptr && anchor->lineEnd != RecordSpan::npos) {
        edits_.push_back({anchor->lineEnd, anchor->lineEnd, text.append(lineEnd_)});
    } else if (!bytes_.empty() && !IsLineEnd(bytes_.back())) {
        edits_.push_back({bytes_.size(), bytes_.size(), std::string(lineEnd_).append(text)});
    } else {
        edits_.push_back({bytes_.size(), bytes_.size(), text.append(lineEnd_)});
    }
}

std::string KeptLayout::Result() {
    // In file order; at one position the added records (in the order added) come before a replaced one.
    std::ranges::stable_sort(edits_, [](const Edit& a, const Edit& b) {
        return a.begin != b.begin ? a.begin < b.begin : a.end == a.begin && b.end != b.begin;
    });
    std::size_t size = bytes_.size();
    for (const Edit& edit : edits_) {
        size += edit.text.size();
    }
    std::string result;
    result.reserve(size);
    std::size_t at = 0;
    for (const Edit& edit : edits_) {
        result.append(bytes_.substr(at, edit.begin - at));
        result += edit.text;
        at = edit.end;
    }
    result.append(bytes_.substr(at));
    return result;
}
