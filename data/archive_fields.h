#pragma once
// The eight value fields of an archive record, each right-aligned in w
// characters (printf "%*d"). A value is taken only when it can be read with
// confidence; otherwise the field is a hole, with a cause, and reads as 0
// (drawn as a gap). docs/FORMATS.md has the rules with real lines as examples.

#include <array>
#include <cstdint>
#include <string_view>

namespace helvarra {

inline constexpr int kArchiveHeaderChars = 18;  // CCCCYYYYMMDDhhmmss
inline constexpr int kArchiveFields = 8;        // one per channel

// Why a field holds no value. None: a value was read.
enum class HoleCause : std::uint8_t { None, Blank, NotANumber, Overflow, CutShort };
inline constexpr int kHoleCauses = 4;  // Blank .. CutShort

struct ArchiveFields {
  std::array<std::int32_t, kArchiveFields> values{};  // 0 for a hole
  std::array<HoleCause, kArchiveFields> causes{};     // None where a value was read
};

// The eight fields of a record's body (the text after its header, up to the
// next header or the line end), in fields of `width` characters. `confident`,
// if given, is increased by the number of values read: the measure a width is
// guessed by.
ArchiveFields ReadArchiveFields(std::string_view body, int width, int* confident = nullptr);

// The fields of a 68-byte record that carries the archive's header: its 6-wide
// body, characters 18 to 65.
inline ArchiveFields ReadSixWideRecordFields(std::string_view record) {
  return ReadArchiveFields(record.substr(kArchiveHeaderChars, kArchiveFields * 6), 6);
}

}  // namespace helvarra
