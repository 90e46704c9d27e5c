#pragma once

#include <string>
#include <string_view>
#include <vector>

// Files no reader may crash or hang on, whatever their keyword. `record` is
// one well-formed record of the reader's own syntax, used to build the
// inputs that hold many records or sit inside other damage.
struct HostileInput {
    std::string name;
    std::string bytes;
};

std::vector<HostileInput> HostileInputs(std::string_view record);
