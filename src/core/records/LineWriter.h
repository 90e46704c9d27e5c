#pragma once

#include <array>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Builds one line of a saved file: the pieces go into a buffer on the stack
// (on the heap past its size) and the line is copied out once, at its exact
// size, so a writer walking a whole table allocates only the lines it returns.
class LineWriter {
  public:
    LineWriter() = default;

    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;

    void Put(char c) {
        if (out_ == end_) {
            grow(1);
        }
        *out_++ = c;
    }

    void Put(std::string_view piece) {
        if (piece.empty()) {
            return;
        }
        if (static_cast<std::size_t>(end_ - out_) < piece.size()) {
            grow(piece.size());
        }
        // Most pieces are a key or a value of a few bytes: two overlapping
        // copies of a fixed size beat a call to memcpy and a loop over the bytes.
        if (piece.size() <= 16) {
            putShort(piece);
            return;
        }
        std::memcpy(out_, piece.data(), piece.size());
        out_ += piece.size();
    }

    std::string Take() const { return std::string(begin_, out_); }

  private:
    // A piece of 1 to 16 bytes, whose room is there. (A local pointer: a
    // byte written through the member might be the member.)
    void putShort(std::string_view piece) {
        char* const out = out_;
        const char* const in = piece.data();
        const std::size_t n = piece.size();
        if (n >= 8) {
            copyEnds<8>(out, in, n);
        } else if (n >= 4) {
            copyEnds<4>(out, in, n);
        } else if (n >= 2) {
            copyEnds<2>(out, in, n);
        } else {
            *out = *in;
        }
        out_ = out + n;
    }

    // The first and the last `Width` bytes of `n` (Width <= n <= 2 Width): together every byte.
    template <std::size_t Width> static void copyEnds(char* out, const char* in, std::size_t n) {
        std::array<char, Width> head;
        std::array<char, Width> tail;
        std::memcpy(head.data(), in, Width);
        std::memcpy(tail.data(), in + n - Width, Width);
        std::memcpy(out, head.data(), Width);
        std::memcpy(out + n - Width, tail.data(), Width);
    }

    void grow(std::size_t more) {
        const auto used = static_cast<std::size_t>(out_ - begin_);
        std::vector<char> larger(2 * (used + more));
        std::memcpy(larger.data(), begin_, used);
        heap_ = std::move(larger);
        begin_ = heap_.data();
        out_ = begin_ + used;
        end_ = begin_ + heap_.size();
    }

    std::array<char, 2048> stack_;
    std::vector<char> heap_;
    char* begin_ = stack_.data();
    char* out_ = stack_.data();
    char* end_ = stack_.data() + stack_.size();
};
