#pragma once
// The error a failed seek or a failed read raises. It carries its cause and the
// full path of the file, and says what went wrong in the user's words.

#include <stdexcept>
#include <string>

namespace helvarra {

class FileError : public std::runtime_error {
 public:
  enum class Cause { BadSeek, Generic };

  FileError(Cause cause, std::string path)
      : std::runtime_error(MessageFor(cause, path)), cause_(cause), path_(std::move(path)) {}

  Cause cause() const { return cause_; }
  const std::string& path() const { return path_; }
  // The text shown to the user in a message box with a stop icon.
  std::string Message() const { return what(); }

 private:
  static std::string MessageFor(Cause cause, const std::string& path) {
    if (cause == Cause::BadSeek) return "Seek failed on " + path;
    return "An unknown error occurred while accessing " + path + ".";
  }

  Cause cause_;
  std::string path_;
};

}  // namespace helvarra
