#pragma once

#include "spawns/SpawnTable.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

// What shows the fields of one spawn, filled by SpawnEditor::ShowSpawn in
// the order the spawn page fills them.
class SpawnFieldsView {
  public:
    // "Avalible": the spawn is not commented out.
    virtual void ShowAvailable(bool available) = 0;
    virtual void ShowMonsterName(const std::string& name) = 0;
    // Map, Max, Cycle as they are, corners in world units; an empty corner has no value.
    virtual void ShowNumber(SpawnField field, std::optional<std::int32_t> value) = 0;
    // "Spawn Point" when the corners are equal, else "Spawn Area".
    virtual void ShowTypeOfSpawn(bool point) = 0;
    // The corners as stored, in map units.
    virtual void ShowCornerTexts(const std::array<std::string, 4>& corners) = 0;

  protected:
    ~SpawnFieldsView() = default;
};
