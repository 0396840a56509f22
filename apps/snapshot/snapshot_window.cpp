#include "apps/snapshot/snapshot_window.h"

#include <QFileInfo>

#include "data/flux_files.h"
#include "data/time_of_day.h"
#include "data/time_search.h"

namespace helvarra::snapshot {

std::optional<QImage> SnapshotWindow::Draw() {
  viewer_.SetChannels(options_.channels);
  const QFileInfo info(QString::fromStdString(options_.file));
  const std::string pathName = info.absoluteFilePath().toStdString();
  const bool opened = options_.join ? viewer_.OpenAll(options_.files)
                                    : viewer_.Open(pathName, info.fileName().toStdString());
  if (!opened) {
    failures_ = viewer_.Messages();
    if (failures_.empty()) failures_.push_back(FailedToOpenMessage(pathName));
    return std::nullopt;
  }
  const std::optional<int> index = ChosenIndex();
  if (!failures_.empty()) return std::nullopt;
  if (index) {
    const int at = viewer_.ReleaseSliderAt(*index);
    if (at != *index)
      notes_.push_back("record " + std::to_string(*index) + " is beyond the slider's end; the window of record " +
                       std::to_string(at) + " is drawn");
  }
  if (options_.browseToEnd && !viewer_.BrowseToEnd())
    failures_.push_back("the browse did not reach the end of the file");
  failures_.insert(failures_.begin(), viewer_.Messages().begin(), viewer_.Messages().end());
  if (!failures_.empty()) return std::nullopt;
  return viewer_.Picture(options_.wholeWindow);
}

// The record --index names, or the one --time finds in the open file.
std::optional<int> SnapshotWindow::ChosenIndex() {
  if (!options_.minuteOfDay) return options_.index;
  const FluxSeries& series = *viewer_.Dialog().ShownSeries();
  const TimeSearch found = FindRecordAtTime(series.table, *options_.minuteOfDay);
  if (found.index) return found.index;
  failures_.push_back("no record at or after " + HourMinuteText(*options_.minuteOfDay) + " UT in " +
                      series.files.front().path + " (its records run from " + HourMinuteText(found.firstMinute) +
                      " to " + HourMinuteText(found.lastMinute) + " UT)");
  return std::nullopt;
}

}  // namespace helvarra::snapshot
