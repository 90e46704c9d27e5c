#include "items/BlockReader.h"
#include "items/ItemList.h"
#include "items/ItemNamesReader.h"
#include "records/Errors.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

// Reads the input as an item names file, cut into two blocks at a point chosen
// by the first byte, then builds an item list over the names and looks up
// every entry, as the item page does.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static auto items = [] {
        auto table = std::make_unique<ItemTable>();
        for (std::size_t row = 0; row < 40; ++row) {
            (*table)[row][1] = std::to_string(row);
            (*table)[row][8] = "helmet";
            (*table)[row][22] = row % 2 == 0 ? "all" : "mage";
        }
        return table;
    }();
    if (size == 0) {
        return 0;
    }
    const std::size_t split = data[0] % size;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);

    auto whole = std::make_unique<ItemNameTable>();
    const ItemNamesLoad load = ParseItemNames(bytes, *whole);
    auto cut = std::make_unique<ItemNameTable>();
    ItemNamesReader reader(*cut);
    LookaheadFeeder feeder(reader);
    feeder.Feed(bytes.substr(0, split));
    feeder.Feed(bytes.substr(std::min(split, bytes.size())));
    feeder.Finish();
    if (reader.result().lastRow != load.lastRow) {
        __builtin_trap();
    }
    for (std::size_t row = 0; row < ItemNameTable::kRows; ++row) {
        if ((*whole)[row].number != (*cut)[row].number ||
            (*whole)[row].displayName != (*cut)[row].displayName) {
            __builtin_trap();
        }
    }

    const auto entries = BuildItemList(*items, *whole, "all", TypeFilter{"helmet", 8});
    for (std::size_t position = 0; position < entries.size(); ++position) {
        try {
            (void)ItemRowForEntry(*items, *whole, position);
        } catch (const ConvertError&) {
        }
    }
    return 0;
}
