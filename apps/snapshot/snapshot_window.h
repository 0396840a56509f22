#pragma once
// The viewer's window for tarrawin-snapshot: the scripted viewer (offscreen
// unless the platform names another) with the channels set, the file opened,
// the slider let go at the chosen record or a browse run to the end, and the
// window's picture taken.

#include <QImage>
#include <optional>
#include <string>
#include <vector>

#include "platform/qt/scripted_viewer.h"
#include "apps/snapshot/snapshot_options.h"

namespace helvarra::snapshot {

class SnapshotWindow {
 public:
  explicit SnapshotWindow(const Options& options) : options_(options) {}

  // The window's picture (the printed area), or nothing, with the viewer's
  // messages in Failures().
  std::optional<QImage> Draw();

  const std::vector<std::string>& Failures() const { return failures_; }
  const std::vector<std::string>& Notes() const { return notes_; }

 private:
  std::optional<int> ChosenIndex();

  const Options& options_;
  qt::ScriptedViewer viewer_;
  std::vector<std::string> failures_;
  std::vector<std::string> notes_;
};

}  // namespace helvarra::snapshot
