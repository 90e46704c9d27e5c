#pragma once

#include <cstdint>
#include <string_view>

// The world-unit value of a stored map-unit text. Throws ConvertError for a
// text that is not an integer, and BrennickError for a value whose world
// units do not fit a field.
std::int32_t MapToWorld(std::string_view mapUnits);
