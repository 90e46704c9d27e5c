#pragma once

#include "items/ItemTable.h"

#include <string>
#include <string_view>
#include <vector>

// One line per loaded item row: field `first`, "=", field `second`. Row 0 is
// always listed; the lines go on while the next row has a name number. Both
// texts are read as integers (ConvertError when one is not); a field number
// outside the row shows as an empty value.
std::vector<std::string> DumpFields(const ItemTable& items, std::string_view first, std::string_view second);
