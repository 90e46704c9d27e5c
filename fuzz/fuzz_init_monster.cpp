// InitMonster reader and writer: any bytes load without overrunning the
// table, and a table whose values the line layout can carry is a fixed point
// of writing and reading: read -> write -> read -> write gives the same lines.
#include "monsters/InitMonsterReader.h"
#include "monsters/InitMonsterWriter.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {
std::vector<std::string> Lines(const MonsterTable& table) {
    std::vector<std::string> lines;
    for (std::size_t position = 0; position <= table.LastMonsterIndex(); ++position) {
        lines.push_back(InitMonsterLine(table[position]));
    }
    return lines;
}

bool Balanced(std::string_view text) {
    long long depth = 0;
    for (const char c : text) {
        depth += c == '(' ? 1 : c == ')' ? -1 : 0;
        if (depth < 0) {
            return false;
        }
    }
    return depth == 0;
}

// Written values are separated by single spaces inside their group, so a
// value must hold no space or parenthesis, and the values of a group must
// fill it from its first slot. A raw text must close what it opens. Keys are
// found by their letters alone, so no value may hold a letter: a key that is
// not written could be found inside it.
bool Writable(const MonsterRecord& record) {
    const auto hasLetter = [](std::string_view text) {
        return text.find_first_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ") !=
               std::string_view::npos;
    };
    for (std::size_t slot = 1; slot < MonsterTable::kSlots; ++slot) {
        if (hasLetter(record[slot])) {
            return false;
        }
    }
    if (!Balanced(record[49]) || !Balanced(record[50])) {
        return false;
    }
    for (std::size_t slot = 1; slot < 49; ++slot) {
        if (record[slot].find_first_of(" ()") != std::string::npos) {
            return false;
        }
    }
    for (auto [first, size] : {std::pair<std::size_t, std::size_t>{8, 2},
                               {11, 2},
                               {23, 3},
                               {26, 2},
                               {28, 2},
                               {31, 2},
                               {33, 5},
                               {38, 2},
                               {40, 3}}) {
        for (std::size_t slot = first + 1; slot < first + size; ++slot) {
            if (record[slot - 1].empty() && !record[slot].empty()) {
                return false;
            }
        }
    }
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static auto first = std::make_unique<MonsterTable>();
    static auto second = std::make_unique<MonsterTable>();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const InitMonsterLoad load = ParseInitMonster(bytes, *first);
    if (load.stored > MonsterTable::kCapacity ||
        (load.leftOut > 0 && load.stored != MonsterTable::kCapacity)) {
        __builtin_trap();
    }
    const std::vector<std::string> written = Lines(*first);
    std::string file;
    for (const std::string& line : written) {
        file += line + "\r\n";
    }
    ParseInitMonster(file, *second);
    const std::vector<std::string> rewritten = Lines(*second);

    bool writable = true;
    for (std::size_t position = 0; position < written.size(); ++position) {
        writable = writable && Writable((*first)[position]);
    }
    if (writable && rewritten != written) {
        __builtin_trap();
    }
    return 0;
}
