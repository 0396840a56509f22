#pragma once
// The columns of the record table's 68-byte record: 66 characters and CR LF.
// An 18-character header, a blank at 18, channel k's value ("%6d") in the six
// characters from 19 + 6k, the last channel's ("%5d") in the five before the
// line end, 61-65.

#include "data/channels.h"

namespace helvarra {

inline constexpr int kTableBlankColumn = 18;
inline constexpr int kTableValueColumn = 19;  // channel 0
inline constexpr int kTableValueWidth = 6;
inline constexpr int kTableLastValueWidth = 5;  // channel 7
inline constexpr int kTableLineChars = 66;

constexpr int TableValueColumn(int k) { return kTableValueColumn + kTableValueWidth * k; }
constexpr int TableValueWidth(int k) { return k == kChannelCount - 1 ? kTableLastValueWidth : kTableValueWidth; }

static_assert(TableValueColumn(kChannelCount - 1) + kTableLastValueWidth == kTableLineChars);

}  // namespace helvarra
