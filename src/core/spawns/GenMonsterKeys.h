#pragma once

#include "spawns/SpawnTable.h"

#include <cstddef>
#include <iterator>
#include <string_view>

// A key of a `genmonster` record and the fields its values go to.
struct GenMonsterKey {
    std::string_view opening; // how a written group starts: "(", the key and a space
    SpawnField firstField;
    std::size_t fields;

    constexpr std::string_view key() const { return opening.substr(1, opening.size() - 2); }
    constexpr std::size_t firstPosition() const { return static_cast<std::size_t>(firstField); }
};

// The reader searches the keys in this order, each after the previous one;
// the writer writes them in this order.
inline constexpr GenMonsterKey kGenMonsterKeys[] = {
    {"(index ", SpawnField::Index, 1}, {"(map ", SpawnField::Map, 1},     {"(area ", SpawnField::Area, 1},
    {"(max ", SpawnField::Max, 1},     {"(cycle ", SpawnField::Cycle, 1}, {"(rect ", SpawnField::X1, 4}};

inline constexpr const GenMonsterKey& kRectKey = kGenMonsterKeys[std::size(kGenMonsterKeys) - 1];
