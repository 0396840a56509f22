#include "platform/qt/snapshot_input.h"

#include <filesystem>

namespace helvarra::snapshot {

Input OpenInput(const std::string& path) {
  Input in;
  std::error_code ec;
  const std::filesystem::path full = std::filesystem::absolute(path, ec);
  const std::string fullPath = ec ? path : full.lexically_normal().string();
  try {
    if (!in.file->Open(fullPath))
      in.error = "Failed to open " + fullPath;
    else if (in.file->Table().empty())
      in.error = FileError(FileError::Cause::BadSeek, in.file->GetFilePath()).Message();
  } catch (const FileError& error) {
    in.error = error.Message();
  }
  return in;
}

}  // namespace helvarra::snapshot
