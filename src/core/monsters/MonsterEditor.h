#pragma once

#include "monsters/ExperienceChange.h"
#include "monsters/MonsterNameTable.h"
#include "monsters/MonsterTable.h"
#include "records/ListFind.h"
#include "records/LoadNotes.h"
#include "records/TableEditor.h"
#include "records/TextEncoding.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What the monster editor keeps up to date besides the monsters, owned with
// every other table: the display names, InitMonster.txt as last read, the
// encoding of each file and whether names were loaded.
struct MonsterFiles {
    MonsterNameTable& names;
    std::optional<std::string>& initMonsterRead;
    TextEncoding& monsterText;
    TextEncoding& nameText;
    bool& namesLoaded;
};

// An entry of the monster list: the record it stands for and the display name
// of the record's index.
struct MonsterListEntry {
    std::size_t position;
    std::string name;
};

// What follows a file read: asking whether to load the names, or rebuilding the list.
enum class AfterLoad { AskForNames, RefreshList };

struct MonsterFileRead {
    LoadNotes notes;
    AfterLoad next;
};

// The "Monster" page without its widgets: the monster list, the selected
// monster, every edit of its fields, the experience change of every monster,
// and loading and saving the files. Each edit is one change of one slot.
class MonsterEditor : public TableEditor<MonsterRecord> {
  public:
    MonsterEditor(MonsterTable& monsters, MonsterFiles files);

    // Each load reads the whole file at `path`; a file that cannot be read
    // throws and leaves every table as it was. A load leaves no monster selected.
    MonsterFileRead LoadInitMonster(const std::string& path);
    MonsterFileRead LoadMonsterNames(const std::string& path);

    // The list is built only while monsters and names are loaded.
    bool CanRefreshList() const;
    // One entry per record from position 0, named by the record's index (an
    // empty index gives an empty name). An index that is not a number throws
    // ConvertError, the entries before it built. No monster is selected after.
    void RefreshList();
    const std::vector<MonsterListEntry>& Entries() const { return entries_; }
    // The entries as find sees them: the name and the monster's index.
    std::vector<FindEntry> FindEntries() const;

    // Selects the record at `position`; false, with none selected, when there
    // is none. A name number that is not a number throws ConvertError with none
    // selected: no edit may go to a monster whose values the page cannot show.
    bool Select(std::size_t position);
    std::optional<std::size_t> SelectedPosition() const { return selected_; }

    // The values of the selected monster as the page shows them.
    const std::string& Title() const; // the display name of the name number
    const std::string& Field(MonsterSlot slot) const;
    bool Available() const;                      // not commented out
    bool RangeAttack() const;                    // the range flag of `attack` is "1"
    int RaceButton() const;                      // 0 to 4, -1 for an empty race
    int AggressiveButton() const;                // 0 "Yes", 1 "No", -1 for an empty `ai` or one below 1
    std::int32_t Number(MonsterSlot slot) const; // 0 for an empty slot

    // The edits of the selected monster; without a selection they change nothing.
    void SetField(MonsterSlot slot, std::string text);
    void SetNumber(MonsterSlot slot, std::int32_t value);
    void SetAvailable(bool available);
    void SetRangeAttack(bool rangeAttack);
    void SetRace(int button);
    void SetAggressive(int button);

    // One change of the `exp` of every monster (ComputeExpChange).
    void ChangeExperience(ExpOperation operation, std::int32_t amount);

    // A save writes the file as it was read, only changed records written
    // anew, when that is asked for and a file was read; else one line per record.
    bool SavesKeepingLayout(bool keepLayout) const;
    std::string LayoutKeepingSave() const;
    std::vector<std::string> SavedLines() const;

    TextEncoding MonsterText() const { return files_.monsterText; }
    TextEncoding NameText() const { return files_.nameText; }

  private:
    // The selected record; an empty one while none is selected.
    const MonsterRecord& selected() const;
    void setSelected(MonsterSlot slot, std::string value);

    MonsterTable& monsters_;
    MonsterFiles files_;
    std::vector<MonsterListEntry> entries_;
    std::optional<std::size_t> selected_;
};
