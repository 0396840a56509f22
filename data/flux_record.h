#pragma once
// One record of a flux data file, as the reader delivers it.
//
// In the file a record is 68 bytes: 66 characters and CR LF. The reader
// delivers the CR LF as one line feed, so a well-formed record reads as 67
// characters. The buffer holds at most 67 characters and is never longer.
//
// Records of the archive's files may hold values that the record's columns
// cannot show (wider than six characters), or that its columns would misread;
// the reader then also delivers the values as read, and those are the
// record's channel values (ChannelValue in record_fields.h).

#include <array>
#include <cstddef>
#include <string_view>

namespace helvarra {

inline constexpr int kRecordBytes = 68;     // a record's size in the file
inline constexpr int kRecordMaxChars = 67;  // most characters one read delivers

struct FluxRecord {
  char text[kRecordMaxChars + 1] = {};  // NUL-terminated
  int length = 0;
  bool hasValues = false;  // values below hold the channel values
  std::array<int, 8> values{};

  std::string_view View() const { return {text, static_cast<std::size_t>(length)}; }
  // Takes `s` as the record's text (at most 67 characters); the channel
  // values are then read from the text.
  void Assign(std::string_view s);
};

inline void FluxRecord::Assign(std::string_view s) {
  length = static_cast<int>(s.size() < kRecordMaxChars ? s.size() : kRecordMaxChars);
  for (int i = 0; i < length; ++i) text[i] = s[static_cast<std::size_t>(i)];
  text[length] = '\0';
  hasValues = false;
}

}  // namespace helvarra
