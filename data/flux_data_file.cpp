#include "data/flux_data_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <filesystem>
#include <new>

#include "data/flux_decoder.h"
#include "data/gzip_text.h"

namespace helvarra {
namespace {

std::string FullPath(const std::string& path) {
  std::error_code ec;
  auto full = std::filesystem::absolute(path, ec);
  return ec ? path : full.lexically_normal().string();
}

// The file's bytes from its start; false on a read failure.
bool ReadAll(int fd, std::size_t size, std::string& out) {
  out.resize(size);
  std::size_t got = 0;
  while (got < size) {
    const ssize_t n = ::pread(fd, out.data() + got, size - got, static_cast<off_t>(got));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) break;  // the file shrank
    got += static_cast<std::size_t>(n);
  }
  out.resize(got);
  return true;
}

}  // namespace

bool FluxDataFile::Open(const std::string& path) {
  Close();
  if (path.empty()) return false;
  // Non-blocking, so that a FIFO or a device cannot hang the open; anything
  // but a regular file is refused.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return false;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return false;
  }
  fd_ = fd;
  path_ = FullPath(path);
  bool loaded = false;
  try {
    loaded = Load(static_cast<std::size_t>(st.st_size));
  } catch (const std::bad_alloc&) {
    loaded = false;  // no memory for the text or its records: it does not open
  }
  if (!loaded) Close();
  return loaded;
}

void FluxDataFile::Close() {
  if (fd_ >= 0) ::close(fd_);  // closing also drops the lock
  fd_ = -1;
  path_.clear();
  table_ = FluxTable{};
}

bool FluxDataFile::Load(std::size_t size) {
  if (size > kMaxTextBytes) return false;
  std::string bytes;
  if (!ReadAll(fd_, size, bytes)) {
    const std::string path = path_;
    Close();
    throw FileError(FileError::Cause::Generic, path);
  }
  const bool compressed = StartsWithGzipMagic(bytes);
  if (compressed) {
    std::string text;
    if (InflateGzip(bytes, kMaxTextBytes, text) != InflateStatus::Ok) return false;
    bytes.swap(text);
  }
  table_ = DecodeFluxText(bytes);
  table_.layout.compressed = compressed;
  // A file with text in it but no record is not a data file; one shorter
  // than a record opens empty.
  return !table_.empty() || (!compressed && size < static_cast<std::size_t>(kRecordBytes));
}

}  // namespace helvarra
