#pragma once
// The eight values of one record as a decoder read them: a value where one
// was read with confidence, else a hole (0) with its cause.

#include <array>
#include <cstdint>

#include "data/channels.h"
#include "data/flux_table.h"

namespace helvarra {

struct FieldValues {
  std::array<std::int32_t, kChannelCount> values{};  // 0 for a hole
  std::array<HoleCause, kChannelCount> causes{};     // None where a value was read
};

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// What printf writes in a value field: blanks, a '-' and digits.
constexpr bool IsNumberChar(char c) { return c == ' ' || c == '-' || IsDigit(c); }

}  // namespace helvarra
