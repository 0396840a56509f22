#include "data/flux_data_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace helvarra {
namespace {

constexpr std::size_t kBufferBytes = 64 * 1024;

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
  return true;
}

void FluxDataFile::Close() {
  if (fd_ >= 0) ::close(fd_);  // closing also drops the lock
  fd_ = -1;
  path_.clear();
  bufferUsed_ = 0;
  position_ = 0;
}

std::uint64_t FluxDataFile::GetLength() const {
  if (fd_ < 0) return 0;
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

bool FluxDataFile::ReadRecord(FluxRecord& record) {
  if (fd_ < 0) return false;
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
  return true;
}

}  // namespace helvarra
