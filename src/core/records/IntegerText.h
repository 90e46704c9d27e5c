#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The one decimal rule for every number read from a field: an optional sign
// followed by at least one digit, nothing else, within the 32-bit signed range.
std::optional<std::int32_t> TryStrToInt(std::string_view text);

// As TryStrToInt, but a text that is not a number throws ConvertError.
std::int32_t StrToInt(std::string_view text);

std::string IntToStr(std::int64_t value);
