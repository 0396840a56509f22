#include "data/flux_data_file.h"

#include "data/gzip_text.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <new>
#include <utility>

namespace helvarra {
namespace {

constexpr std::size_t kBufferBytes = 64 * 1024;
constexpr std::size_t kHeadBytes = 4096;  // where archive text shows itself

// True if a line within `head` starts with an archive header.
bool HasArchiveLine(std::string_view head) {
  std::size_t at = 0;
  while (at < head.size()) {
    if (StartsWithArchiveHeader(head.substr(at))) return true;
    const std::size_t lf = head.find('\n', at);
    if (lf == std::string_view::npos) break;
    at = lf + 1;
  }
  return false;
}

std::string FullPath(const std::string& path) {
  std::error_code ec;
  auto full = std::filesystem::absolute(path, ec);
  return ec ? path : full.lexically_normal().string();
}

}  // namespace

FluxDataFile::FluxDataFile() : buffer_(kBufferBytes) {}

FluxDataFile::~FluxDataFile() { Close(); }

bool FluxDataFile::Open(const std::string& path) {
  Close();
  if (path.empty()) return false;
  // Non-blocking, so that a FIFO or a device cannot hang the open; anything but
  // a regular file is refused.
  int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return false;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return false;
  }
  fd_ = fd;
  path_ = FullPath(path);
  position_ = 0;
  bufferStart_ = 0;
  bufferUsed_ = 0;
  bool readable = false;
  try {
    readable = Classify(static_cast<std::uint64_t>(st.st_size));
  } catch (const std::bad_alloc&) {
    readable = false;  // no memory for the text or its records: it does not open
  }
  if (!readable) {
    Close();
    return false;
  }
  return true;
}

void FluxDataFile::Close() {
  if (fd_ >= 0) ::close(fd_);  // closing also drops the lock
  fd_ = -1;
  path_.clear();
  bufferUsed_ = 0;
  position_ = 0;
  facts_ = Facts{};
  decoded_ = ArchiveDecoding{};
}

bool FluxDataFile::ReadAt(std::int64_t offset, std::size_t count, std::string& out) const {
  out.resize(count);
  std::size_t got = 0;
  while (got < count) {
    const ssize_t n = ::pread(fd_, out.data() + got, count - got, offset + static_cast<std::int64_t>(got));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) break;  // the file shrank
    got += static_cast<std::size_t>(n);
  }
  out.resize(got);
  return true;
}

bool FluxDataFile::DecodeText(std::string_view text) {
  decoded_ = DecodeArchiveText(text);
  facts_.kind = Kind::ArchiveText;
  facts_.stats = decoded_.stats;
  return decoded_.Count() > 0;
}

bool FluxDataFile::Classify(std::uint64_t size) {
  std::string head;
  if (!ReadAt(0, static_cast<std::size_t>(std::min<std::uint64_t>(size, kHeadBytes)), head)) head.clear();

  if (StartsWithGzipMagic(head)) {
    // Deflate hardly ever grows data: a larger file inflates past the bound.
    std::string compressed, text;
    if (size > kMaxTextBytes || !ReadAt(0, static_cast<std::size_t>(size), compressed)) return false;
    if (InflateGzip(compressed, kMaxTextBytes, text) != InflateStatus::Ok) return false;
    compressed = std::string();
    facts_.compressed = true;
    return DecodeText(text);
  }

  std::string tail;
  if (size >= kRecordBytes && size % kRecordBytes == 0 && head.size() >= kRecordBytes &&
      head.compare(66, 2, "\r\n") == 0 && ReadAt(static_cast<std::int64_t>(size) - 2, 2, tail) && tail == "\r\n") {
    if (StartsWithArchiveHeader(head)) {
      facts_.kind = Kind::FixedArchiveColumns;
      facts_.stats.width = 6;
      facts_.stats.lineEnds = LineEnds::CrLf;
    }
    return true;
  }

  if (HasArchiveLine(head)) {
    std::string text;
    if (size > kMaxTextBytes || !ReadAt(0, static_cast<std::size_t>(size), text)) return false;
    return DecodeText(text);
  }
  return true;
}

std::uint64_t FluxDataFile::GetLength() const {
  if (fd_ < 0) return 0;
  if (facts_.kind == Kind::ArchiveText) return std::uint64_t{kRecordBytes} * decoded_.Count();
  struct stat st {};
  if (::fstat(fd_, &st) != 0) throw FileError(FileError::Cause::Generic, path_);
  return static_cast<std::uint64_t>(st.st_size);
}

std::int64_t FluxDataFile::Seek(std::int64_t offset, Origin origin) {
  if (fd_ < 0) return 0;
  std::int64_t base = 0;
  switch (origin) {
    case Origin::Begin: base = 0; break;
    case Origin::Current: base = position_; break;
    case Origin::End: base = static_cast<std::int64_t>(GetLength()); break;
  }
  const std::int64_t target = base + offset;
  if (target < 0) throw FileError(FileError::Cause::BadSeek, path_);
  // A seek from the start or the end reads the file afresh, so that another
  // program's changes since the last read are seen; steps relative to the
  // current position are served from the buffer where they can be.
  if (origin != Origin::Current) bufferUsed_ = 0;
  position_ = target;
  return position_;
}

bool FluxDataFile::FillBuffer() {
  bufferStart_ = position_;
  bufferUsed_ = 0;
  for (;;) {
    const ssize_t got = ::pread(fd_, buffer_.data(), buffer_.size(), position_);
    if (got >= 0) {
      bufferUsed_ = static_cast<std::size_t>(got);
      return got > 0;
    }
    if (errno != EINTR) throw FileError(FileError::Cause::Generic, path_);
  }
}

int FluxDataFile::PeekByte() {
  const std::int64_t at = position_ - bufferStart_;
  if (at < 0 || at >= static_cast<std::int64_t>(bufferUsed_)) {
    if (!FillBuffer()) return -1;
    return buffer_[0];
  }
  return buffer_[static_cast<std::size_t>(at)];
}

int FluxDataFile::TakeByte() {
  const int c = PeekByte();
  if (c >= 0) ++position_;
  return c;
}

// The channel values of a whole record with the archive's header, from the
// archive's columns (18 + 6k): the record's own columns (19 + 6k) would drop the
// first character of a six-character value.
void FluxDataFile::TakeArchiveColumns(FluxRecord& record) const {
  if (record.length != kRecordMaxChars || record.text[kRecordMaxChars - 1] != '\n' ||
      !StartsWithArchiveHeader(record.View()))
    return;
  const ArchiveFields f = ReadSixWideRecordFields(record.View());
  std::copy(f.values.begin(), f.values.end(), record.values.begin());
  record.hasValues = true;
}

bool FluxDataFile::ReadRecord(FluxRecord& record) {
  if (fd_ < 0) return false;
  if (facts_.kind == Kind::ArchiveText) {
    const std::uint64_t i = static_cast<std::uint64_t>(position_) / kRecordBytes;
    if (i >= decoded_.Count()) return false;
    decoded_.Deliver(static_cast<std::size_t>(i), record);
    position_ = static_cast<std::int64_t>(i + 1) * kRecordBytes;
    return true;
  }
  // Most records lie whole in the buffer as 66 characters and CR LF: copy
  // them straight out of it. Anything else takes the character-wise way.
  const std::int64_t at = position_ - bufferStart_;
  if (at >= 0 && at + kRecordBytes <= static_cast<std::int64_t>(bufferUsed_)) {
    const char* p = reinterpret_cast<const char*>(buffer_.data() + at);
    const auto* lf = static_cast<const char*>(std::memchr(p, '\n', kRecordBytes));
    const int end = lf == nullptr ? -1 : static_cast<int>(lf - p);  // the LF's place
    if (end >= 1 && end <= kRecordMaxChars && p[end - 1] == '\r' &&
        std::memchr(p, '\r', static_cast<std::size_t>(end - 1)) == nullptr) {
      std::memcpy(record.text, p, static_cast<std::size_t>(end - 1));
      record.text[end - 1] = '\n';
      record.text[end] = '\0';
      record.length = end;
      record.hasValues = false;
      if (facts_.kind == Kind::FixedArchiveColumns) TakeArchiveColumns(record);
      position_ += end + 1;
      return true;
    }
  }
  char line[kRecordMaxChars];
  int n = 0;
  while (n < kRecordMaxChars) {
    int c = TakeByte();
    if (c < 0) break;
    if (c == '\r' && PeekByte() == '\n') c = TakeByte();
    line[n++] = static_cast<char>(c);
    if (c == '\n') break;
  }
  if (n == 0) return false;
  record.Assign(std::string_view(line, static_cast<std::size_t>(n)));
  if (facts_.kind == Kind::FixedArchiveColumns) TakeArchiveColumns(record);
  return true;
}

}  // namespace helvarra
