#include "data/flux_files.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <thread>

namespace helvarra {
namespace {

// One file opened and its records taken; or why it did not open.
struct Opening {
  std::unique_ptr<FluxDataFile> file = std::make_unique<FluxDataFile>();
  DecodedFile decoded;
  std::optional<OpenFailure> failure;
};

void OpenOne(const std::string& path, Opening& o) {
  o.decoded.path = path;
  o.decoded.name = std::filesystem::path(path).filename().string();
  try {
    if (!o.file->Open(path)) {
      o.failure = OpenFailure{OpenFailure::Kind::NotOpened, FailedToOpenMessage(path)};
    } else if (o.file->Table().empty()) {
      o.failure = OpenFailure{OpenFailure::Kind::NoRecord,
                              FileError(FileError::Cause::BadSeek, o.file->GetFilePath()).Message()};
    } else {
      o.decoded.table = o.file->TakeTable();
    }
  } catch (const FileError& error) {
    o.failure = OpenFailure{OpenFailure::Kind::ReadError, error.Message()};
  }
}

// Every file opened, on as many threads as there are cores (none for one).
void OpenAll(std::vector<Opening>& openings, const std::vector<std::string>& paths) {
  const std::size_t workers = std::min<std::size_t>(std::max(1u, std::thread::hardware_concurrency()), paths.size());
  if (workers <= 1) {
    for (std::size_t i = 0; i < paths.size(); ++i) OpenOne(paths[i], openings[i]);
    return;
  }
  std::atomic<std::size_t> next{0};
  std::vector<std::thread> threads;
  for (std::size_t w = 0; w < workers; ++w)
    threads.emplace_back([&] {
      for (std::size_t i = next++; i < paths.size(); i = next++) OpenOne(paths[i], openings[i]);
    });
  for (std::thread& t : threads) t.join();
}

}  // namespace

std::string FailedToOpenMessage(const std::string& path) { return "Failed to open " + path; }

std::string FullPathOf(const std::string& path) {
  if (path.empty()) return path;
  std::error_code ec;
  const std::filesystem::path full = std::filesystem::absolute(path, ec);
  return ec ? path : full.lexically_normal().string();
}

std::optional<OpenFailure> FluxFiles::Open(const std::vector<std::string>& paths) {
  Close();
  if (paths.empty()) return OpenFailure{OpenFailure::Kind::NotOpened, FailedToOpenMessage("")};
  std::vector<std::string> full;
  for (const std::string& p : paths) full.push_back(FullPathOf(p));
  std::vector<Opening> openings(full.size());
  OpenAll(openings, full);
  std::vector<DecodedFile> decoded;
  for (Opening& o : openings) {
    if (o.failure) return o.failure;  // the others close with `openings`
    decoded.push_back(std::move(o.decoded));
  }
  for (Opening& o : openings) files_.push_back(std::move(o.file));
  network_ = GroupByStation(std::move(decoded));
  return std::nullopt;
}

void FluxFiles::Close() {
  network_ = FluxNetwork{};
  files_.clear();
}

}  // namespace helvarra
