#pragma once
// Reading a bound int from an edit's text, as the C format "%d" reads it.

#include <cstddef>
#include <optional>
#include <string_view>

// Only this many leading characters of an edit take part in the reading.
inline constexpr std::size_t kIntegerTextLimit = 63;

// Optional leading white space, an optional sign, at least one decimal digit; whatever
// follows the digits is ignored. No number: nullopt. A number beyond the int range reads as
// INT_MAX or INT_MIN, which every range check of the panel rejects.
std::optional<int> ReadIntegerText(std::string_view text);
