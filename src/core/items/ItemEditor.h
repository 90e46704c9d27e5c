#pragma once

#include "items/ItemFileReading.h"
#include "items/ItemList.h"
#include "items/ItemNameTable.h"
#include "items/ItemTable.h"
#include "records/ListFind.h"
#include "records/TableEditor.h"
#include "records/TextEncoding.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// What the loads of the two item files decide besides their tables, kept
// where the tables live: how each file's text is shown and stored, and
// whether each file was loaded (never cleared again).
struct ItemLoadState {
    TextEncoding& itemText;
    TextEncoding& nameText;
    bool& initItemLoaded;
    bool& itemNamesLoaded;
};

// What the item page edits: the loads of InitItem.txt and the item names, the
// class and type chosen, the item list they give with the name row behind each
// entry, the item shown, and every change the page makes to the item table.
// Items live in memory only; nothing writes them to a file.
class ItemEditor : public TableEditor<ItemRow> {
  public:
    // Whether a change of the page can go to the shown item's row.
    enum class EditState {
        Ready,
        NoEntryChosen, // no entry of the item list is chosen, though an item may still be shown
        NoItemShown,   // no item was shown, or the table no longer holds its name number
    };

    ItemEditor(ItemTable& items, ItemNameTable& names, ItemLoadState loads);

    // Each load reads its file into its table and takes the file's text
    // encoding. A file that cannot be read throws InOutError; the file then
    // does not count as loaded. A load leaves no class, type or item chosen
    // and no item shown, as at start-up.
    ItemFileLoad LoadInitItem(const std::string& path);
    ItemFileLoad LoadItemNames(const std::string& path);
    // After InitItem.txt: whether to offer loading the names, not loaded yet.
    bool NamesWanted() const { return !loads_.itemNamesLoaded; }
    // The class list opens once both files are loaded.
    bool ClassListOpen() const { return loads_.initItemLoaded && loads_.itemNamesLoaded; }
    TextEncoding itemText() const { return loads_.itemText; }
    TextEncoding nameText() const { return loads_.nameText; }

    // The class at `position` of the class list, -1 for none. A class builds
    // the item list anew with the type keyword chosen last, and drops a
    // "Shield" choice for every class but "Knight" ("all" offers it again).
    void ChooseClass(int position);
    // The type at `position` of the type list, -1 for none. A type takes its
    // keyword for the class chosen (one the class has no keyword for keeps the
    // last) and builds the item list anew.
    void ChooseType(int position);
    int chosenType() const { return type_; }
    bool ShieldOffered() const { return ClassHasShield(class_); }
    const std::vector<ItemListEntry>& entries() const { return entries_; }
    // The entries as find sees them: the text and the index of the item the
    // entry shows (as PickEntry finds it), none for an entry that shows none.
    std::vector<FindEntry> FindEntries() const;

    // An entry of the item list is chosen; `nameRow` is the name row it stands
    // for. Returns the item row now shown, or nothing when the entry shows no
    // item and the item shown before stays. A name number that is no integer
    // throws ConvertError.
    std::optional<std::size_t> PickEntry(std::optional<std::size_t> nameRow);
    // No entry of the item list is chosen any more.
    void DropEntry() { entryChosen_ = false; }
    // The row of the item shown: the first with its name number.
    std::optional<std::size_t> ShownRow() const;
    const ItemRow& item(std::size_t row) const { return table()[row]; }

    EditState editState() const;
    // The changes of the shown item, each of one field; none while editState() is not Ready.
    void EditField(ItemField field, std::string value);
    void SetFlag(ItemField field, bool ticked);
    void SetClass(int position);
    // "Can't buy" ticked keeps the buying price in the saved price field and
    // sets the price to "0"; unticked, it takes the saved price back. Both
    // fields set are one change. Returns whether the price changed.
    bool SetCannotBuy(bool cannotBuy);

  private:
    void forgetChoices();
    void rebuildList();

    ItemNameTable& names_;
    ItemLoadState loads_;
    int class_ = -1;
    int type_ = -1;
    TypeFilter filter_;
    std::vector<ItemListEntry> entries_;
    bool entryChosen_ = false;
    std::string shownNumber_; // the name number of the item shown; empty before the first
};
