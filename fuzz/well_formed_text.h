#pragma once
// Data file text made from a fuzzer's input, read as a recipe: the layout,
// the line end, how the text reaches the decoder, then records (station,
// date, time, eight values that fit their fields or are blank) until the
// input runs out, some of their lines broken as real files break them. With
// the text, what was written: the harness compares the decoder's reading and
// the reference reader's with it.
//
// The recipe's bytes, in order: the layout (modulo 5, TextLayout's order),
// the line end (modulo 4: LF, CR LF, CR CR LF, CR), options (bits 0-1: text,
// text, plain file, gzip file; bit 2: a comment line first; bit 3: no end to
// the last line; bit 4: empty lines between records), the station (4), the
// year, month and day, the first second of the day (4); then for each record
// a byte (bit 0: an empty line before it; bits 1-2: seconds since the last,
// less one; bits 3-5: how its line is broken, below) and for each value a
// byte choosing its kind, then what that kind needs. A recipe that has run
// out reads zeros.
//
// A broken line (never the first record's), by bits 3-5: 0-3 none; 4 a date
// or time that cannot exist (a byte for the field, a byte for its value);
// 5 a leap second; 6 in the archive's layout a stray blank, in the record
// table's a value one to three characters longer than its field (a byte for
// the field, then the value's bytes); 7 a stray digit (a byte for the digit),
// or in the record table's layout a character missing; a byte for where.

#include <string>
#include <string_view>
#include <vector>

#include "fuzz/reference_reader.h"

namespace helvarra::fuzz {

// How the text reaches the decoder: directly, or as a file, plain or gzip.
enum class Delivery : std::uint8_t { Text, PlainFile, GzipFile };

struct WellFormedText {
  TextLayout layout = TextLayout::Archive8;
  std::string_view lineEnd = "\n";  // "\n", "\r\n", "\r\r\n" or "\r"
  Delivery delivery = Delivery::Text;
  std::string text;
  std::vector<ReferenceRecord> written;  // the records, as written
  std::vector<int> strayIn;              // for each record, the field a stray character went into, or -1
  int otherLines = 0;                    // the comment line, if written, and the lines that cannot exist
  // False for a 6-wide archive text every 66-character line of which also
  // reads as a well-formed line of the record table (see AlsoReadsAsRecordTable).
  bool layoutCanBeTold = true;
};

WellFormedText MakeWellFormedText(std::string_view recipe);

// True if `read` holds the records of `t` as written. In a broken line only
// the fields read for sure count; and a line with a stray character that
// printf could have written as it stands (a value wider than its field in
// place of the stray) may read other values.
bool ReadsAsWritten(const std::vector<ReferenceRecord>& read, const WellFormedText& t);

// True if a 66-character line reads as the record table writes one too: a
// blank at 18, then fields of 6 characters from 19 (the last of 5), each
// blank or a right-aligned number ("%6d", "%5d").
bool AlsoReadsAsRecordTable(std::string_view line);

}  // namespace helvarra::fuzz
