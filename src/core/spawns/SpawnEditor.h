#pragma once

#include "monsters/MonsterNameTable.h"
#include "records/ListFind.h"
#include "records/TableEditor.h"
#include "spawns/GenMonsterReader.h"
#include "spawns/SpawnFieldsView.h"
#include "spawns/SpawnTable.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// The values of a spawn the spawn page and the add-spawn dialog take,
// corners in world units.
struct SpawnValues {
    std::int32_t map = 0;
    std::int32_t max = 0;
    std::int32_t cycle = 0;
    std::int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// A new spawn from the add-spawn dialog.
struct NewSpawn {
    std::string monsterName; // the display name chosen
    bool point = false;      // "Spawn Point": the second corner is the first
    SpawnValues values;
};

// The world-unit value of a stored corner, for showing; a text that is not a
// number, or whose world value does not fit a field, throws ConvertError.
std::int32_t CornerInWorldUnits(const std::string& mapUnits);

// What the spawn page and the add-spawn dialog show of GenMonster.txt, and
// every change they make to its table: the monster list, the areas of the
// chosen monster, the spawn shown, its edits, new spawns, the load and the save.
class SpawnEditor : public TableEditor<SpawnRecord> {
  public:
    // An entry of the monster list: the display name of one index text and
    // the spawns of that text, in table order.
    struct MonsterEntry {
        std::string name;
        std::vector<std::size_t> spawns;
    };

    // Where a spawn stands in the lists: its monster's entry and its row among that monster's areas.
    struct ListPlace {
        std::size_t entry;
        std::size_t row;
    };

    // `genMonsterRead` keeps the bytes of the file last read, for the layout-keeping save.
    SpawnEditor(SpawnTable& spawns, const MonsterNameTable& names,
                std::optional<std::string>& genMonsterRead);

    // Reads the file at `path` into the table; a file that cannot be read
    // throws InOutError and leaves the table as it was. The monster list
    // keeps its names, but no spawn belongs to them until it is built again,
    // and nothing is chosen.
    GenMonsterLoad LoadGenMonster(const std::string& path);

    // Builds the monster list anew from the whole table: one entry per
    // distinct index text, in order of first appearance; the spawns without
    // an index share one empty entry. Nothing is chosen afterwards. False,
    // with no spawn in the list, when there is no spawn or no monster name.
    // An index that is not a number throws ConvertError, the entries before
    // it built.
    bool BuildMonsterList();
    const std::vector<MonsterEntry>& monsterList() const { return monsters_; }

    // The areas shown become the spawns of the entry; none is shown.
    void ChooseMonster(std::size_t entry);
    const std::vector<std::size_t>& areas() const;
    const std::string& AreaOf(std::size_t spawn) const {
        return std::as_const(spawns_)[spawn][SpawnField::Area];
    }
    std::optional<ListPlace> PlaceOf(std::size_t spawn) const;

    // The two lists as find sees them: a monster entry by its name and the
    // monster index of its spawns, an area by its number.
    std::vector<FindEntry> MonsterFindEntries() const;
    std::vector<FindEntry> AreaFindEntries() const;

    // Fills `view` with the fields of the spawn, each value converted as it
    // is given, so that a value that is not a number throws ConvertError with
    // the fields before it filled. The edits go to the spawn once it showed
    // whole, and to no spawn until then.
    void ShowSpawn(std::size_t spawn, SpawnFieldsView& view);
    std::optional<std::size_t> shownSpawn() const { return shown_; }

    // Edits of the shown spawn, each one change; nothing without a shown
    // spawn. Every edit stores Map, Max and Cycle and the corners in map
    // units, truncated; while a corner of the spawn is empty (a spawn placed
    // by "(xy x y)" has none), only an edit of the corners stores them, so
    // that they do not become a rect of zeros.
    void EditValues(const SpawnValues& values);
    void EditCorners(const SpawnValues& values);
    void SetAvailable(bool available);

    // The display names a new spawn can be of, up to the first empty one.
    std::vector<std::string> MonsterChoices() const;

    // Appends the spawn after the last record, its area the previous record's
    // area plus one, and returns its position. Nothing when the monster is
    // not among the names or has no number; a previous area that is not a
    // number throws ConvertError, with nothing changed.
    std::optional<std::size_t> AddSpawn(const NewSpawn& spawn);

    // The position of the spawn `change` appended, while the table holds it:
    // after the change was applied, not after it was taken back.
    std::optional<std::size_t> AppendedSpawn(const Change& change) const;

    // The lines of the regenerating save.
    std::vector<std::string> SavedLines() const;
    // The bytes of the layout-keeping save; nothing before a file was read.
    std::optional<std::string> SavedKeepingLayout() const;

  private:
    // No spawn in the monster list, none chosen or shown.
    void forgetSpawns();
    void edit(const SpawnValues& values, bool cornersEdited);

    SpawnTable& spawns_;
    const MonsterNameTable& names_;
    std::optional<std::string>& read_;
    std::vector<MonsterEntry> monsters_;
    std::optional<std::size_t> chosen_;
    std::optional<std::size_t> shown_;
};
