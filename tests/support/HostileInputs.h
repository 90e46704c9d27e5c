#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Files no reader may crash or hang on, whatever their keyword. `record` is
// one well-formed record of the reader's own syntax, used to build the
// inputs that hold many records or sit inside other damage.
struct HostileInput {
    std::string name;
    std::string bytes;
    // Whole copies of the record in the input, as a reader that keeps every
    // completed top-level group of its keyword finds them.
    std::size_t records = 0;
};

std::vector<HostileInput> HostileInputs(std::string_view record);

// Size of the "FiftyMegabytes" input: 50 MB, or 8 MB in builds with the
// address sanitizer, which runs the readers many times slower.
std::size_t BigInputBytes();

// Inputs larger than this are timed once only (against a bound per megabyte),
// not also doubled.
inline constexpr std::size_t kDoublingCheckLimit = 4'000'000;

// How many copies of `record` the "FiftyMegabytes" input holds.
std::size_t BigInputRecords(std::string_view record);
