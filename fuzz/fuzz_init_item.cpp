// InitItem reader on any bytes, read whole and again in two blocks cut at a
// point chosen by the first byte: the cut must not change the table.
#include "items/InitItemReader.h"
#include "items/ItemFileReading.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::size_t split = data[0] % size;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);

    ItemTable wholeTable;
    const ItemFileLoad whole = ParseInitItem(bytes, wholeTable);
    ItemTable cutTable;
    InitItemReader reader(cutTable);
    LookaheadFeeder feeder(reader);
    feeder.Feed(bytes.substr(0, split));
    feeder.Feed(bytes.substr(std::min(split, bytes.size())));
    feeder.Finish();

    const ItemFileLoad& cut = reader.result();
    if (cut.lastRow != whole.lastRow || cut.valuesLeftOut != whole.valuesLeftOut ||
        cutTable.size() != wholeTable.size() ||
        static_cast<std::int64_t>(wholeTable.size()) > whole.lastRow + 1) {
        __builtin_trap();
    }
    for (std::size_t row = 0; row < wholeTable.size(); ++row) {
        if (std::as_const(wholeTable)[row] != std::as_const(cutTable)[row]) {
            __builtin_trap();
        }
    }
    return 0;
}
