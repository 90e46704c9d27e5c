#pragma once

#include <array>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

// The first and the last `Width` bytes of `n` (Width <= n <= 2 Width): together every byte.
template <std::size_t Width> void CopyEnds(char* out, const char* in, std::size_t n) {
    std::array<char, Width> head;
    std::array<char, Width> tail;
    std::memcpy(head.data(), in, Width);
    std::memcpy(tail.data(), in + n - Width, Width);
    std::memcpy(out, head.data(), Width);
    std::memcpy(out + n - Width, tail.data(), Width);
}

// Copies `piece` to `out`, whose room is there, and gives the end of the copy.
// Most pieces are a key or a value of a few bytes: two overlapping copies of
// a fixed size beat a call to memcpy and a loop over the bytes.
inline char* PutPiece(char* out, std::string_view piece) {
    const char* const in = piece.data();
    const std::size_t n = piece.size();
    if (n > 16) {
        std::memcpy(out, in, n);
    } else if (n >= 8) {
        CopyEnds<8>(out, in, n);
    } else if (n >= 4) {
        CopyEnds<4>(out, in, n);
    } else if (n >= 2) {
        CopyEnds<2>(out, in, n);
    } else if (n == 1) {
        *out = *in;
    }
    return out + n;
}

// Room past a line's bound that PutField may write into.
inline constexpr std::size_t kLineSpill = 16;

// Copies `field`, the whole text of a std::string, to `out` like PutPiece; a
// text shorter than kLineSpill is copied as kLineSpill bytes at once from the
// string's storage, and the bytes past its end are written over by what
// follows. A string's storage holds its capacity and the terminating null,
// and no string has less capacity than an empty one, whose inner buffer
// holds kLineSpill bytes in the standard libraries this is built with.
[[gnu::always_inline]] inline char* PutField(char* out, std::string_view field) {
    const std::size_t n = field.size();
    if (n < kLineSpill) [[likely]] {
        std::memcpy(out, field.data(), kLineSpill);
        return out + n;
    }
    return PutPiece(out, field);
}

// The bytes of a record's own text a line can hold: its fields, its surplus
// words and its kept groups, each kept group with one byte to set it apart.
template <typename Record> std::size_t RecordTextBytes(const Record& record) {
    std::size_t bytes = 0;
    for (const std::string& field : record.fields) {
        bytes += field.size();
    }
    for (const auto& [first, words] : record.extras.surplus) {
        bytes += words.size();
    }
    for (const std::string& group : record.extras.kept) {
        bytes += group.size() + 1;
    }
    return bytes;
}

// A line of a saved file of at most `bound` bytes, which `write` writes from
// the pointer it is given (with PutPiece, PutField and single bytes), giving
// back the end. The bytes go straight into the line, allocated once with
// kLineSpill bytes to spare; the writer keeps its position in a local
// pointer, not in an object, where every byte written would make the
// compiler read the position again (a char may be any object). A bound too
// small is a fault of the writer that has already written past the line:
// the program stops before anything else runs.
template <typename Write> std::string LineWithin(std::size_t bound, Write write) {
    std::string line(bound + kLineSpill, '\0');
    const char* const end = write(line.data());
    if (end > line.data() + bound) {
        std::abort();
    }
    line.resize(static_cast<std::size_t>(end - line.data()));
    return line;
}
