#pragma once
// The data file as the viewer reads it: opened read-only by path and held
// exclusively, measured in bytes, positioned by byte offsets, and read one
// record (one line of at most 67 characters) at a time.
//
// CR LF in the file is delivered as one line feed. Lengths and offsets are
// 64-bit so that files of several gigabytes (years of one-second data) count
// and seek correctly. While no file is open, ReadRecord reports the end of
// the file and Seek and GetLength touch nothing.
//
// Open decides how the file is read (docs/FORMATS.md):
// - gzip-compressed (starts with 1f 8b): inflated in memory (at most 64 MiB)
//   and decoded as archive text;
// - 68-byte records, each ending in CR LF: read from the file on every read,
//   as they stand; when they carry the archive's header (a four-digit year),
//   the channel values are taken from the archive's columns;
// - archive text (a line in the first 4 KiB starts with an archive header):
//   read whole (at most 64 MiB) and decoded once;
// - anything else: 68-byte records, as they stand.
// A decoded file is a virtual file of 68-byte records, one per record found:
// its length is 68 times their number, positions are 68 x index, and a read
// delivers the record at floor(position / 68) and moves to the next one.

#include <cstdint>
#include <string>
#include <vector>

#include "data/archive_text.h"
#include "data/file_error.h"
#include "data/flux_record.h"

namespace helvarra {

class FluxDataFile {
 public:
  enum class Origin { Begin, Current, End };

  enum class Kind {
    FixedRecords,         // 68-byte records, read as they stand
    FixedArchiveColumns,  // the same, with values from the archive's columns
    ArchiveText,          // decoded at Open
  };
  // What Open found. The statistics are those of the decoding for ArchiveText;
  // for FixedArchiveColumns only the width (6) and the line ends (CR LF).
  struct Facts {
    Kind kind = Kind::FixedRecords;
    bool compressed = false;
    ArchiveStats stats;
  };

  FluxDataFile();
  ~FluxDataFile();
  FluxDataFile(const FluxDataFile&) = delete;
  FluxDataFile& operator=(const FluxDataFile&) = delete;

  // Opens an existing regular file for reading and locks it against other
  // openers. False if it is missing, unreadable, not a regular file or held
  // by another program; also if it is a damaged gzip stream, gzip or archive
  // text of more than 64 MiB, or decoded text without a record. Callers call
  // Close first.
  bool Open(const std::string& path);
  void Close();
  bool IsOpen() const { return fd_ >= 0; }

  // The length in bytes; the read position is unchanged.
  std::uint64_t GetLength() const;

  // Moves the read position and returns it. A target before the start of the
  // file throws FileError(BadSeek); a target at or past the end is allowed.
  std::int64_t Seek(std::int64_t offset, Origin origin);

  // Reads characters until a line feed has been stored or 67 characters have
  // been stored. False, with the record left unchanged, at the end of the file.
  // A read failure throws FileError(Generic).
  bool ReadRecord(FluxRecord& record);

  // The full path of the open file (empty while closed).
  const std::string& GetFilePath() const { return path_; }

  const Facts& GetFacts() const { return facts_; }
  // The memory a decoded file's records take, in bytes (0 for others).
  std::size_t DecodedBytes() const { return decoded_.Bytes(); }

 private:
  bool Classify(std::uint64_t size);  // false: the file cannot be read
  bool ReadAt(std::int64_t offset, std::size_t count, std::string& out) const;
  bool DecodeText(std::string_view text);
  void TakeArchiveColumns(FluxRecord& record) const;

  bool FillBuffer();  // false at the end of the file
  int PeekByte();     // next byte or -1 at the end of the file
  int TakeByte();

  int fd_ = -1;
  std::string path_;
  std::vector<unsigned char> buffer_;
  std::int64_t bufferStart_ = 0;  // file offset of buffer_[0]
  std::size_t bufferUsed_ = 0;    // bytes of buffer_ that hold file data
  std::int64_t position_ = 0;     // the read position in the file
  Facts facts_;
  ArchiveDecoding decoded_;  // the records of a decoded file
};

}  // namespace helvarra
