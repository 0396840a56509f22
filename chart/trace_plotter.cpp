// The 30-minute chart window: plot and strip cleared, decade grid, minute
// ticks with their labels, then one vertical stroke per record and visible
// channel, read afresh from the file on every call.

#include <algorithm>

#include "chart/chart_window.h"
#include "data/record_fields.h"
#include "data/time_of_day.h"

namespace helvarra {
namespace {

// Minute of the day at a window's left edge: the minute after the record's
// minute, so 1..1440 for a valid time.
int StartMinuteOf(std::string_view record) { return MinuteOfDay(record) + 1; }

void DrawTimeAxis(DrawingSurface& s, int minute, const Pen& minorTick, const Pen& majorTick) {
  for (int x = kTraceLeftX; x <= kTraceRightX; x += kTickSpacing) {
    int lowerEnd = kMinorTickEndY;
    if (minute % 5 != 0) {
      s.SelectPen(minorTick);
    } else {
      if (minute % 10 == 0) s.PutText(x + kTickLabelDX, kTickLabelY, HourMinuteText(minute));
      s.SelectPen(majorTick);
      lowerEnd = kMajorTickEndY;
    }
    s.MovePen(x, kTickTopY);
    s.DrawLineTo(x, lowerEnd);
    // After the increment, so a window starting at minute 1440 reads 24:00.
    if (++minute >= kMinutesPerDay) minute -= kMinutesPerDay;
  }
}

}  // namespace

// The plot black and the time-axis strip in the background colour, each
// border included.
void ChartWindow::ClearChart(DrawingSurface& s) const {
  s.SelectBrush(m_brPlot);
  s.DrawRectangle(m_rcPlot);
  s.FrameRectangle(m_rcPlot, m_brPlot);
  s.SelectBrush(m_brBackground);
  s.DrawRectangle(m_rcTimeAxis);
  s.FrameRectangle(m_rcTimeAxis, m_brBackground);
}

void ChartWindow::DrawDecadeGrid(DrawingSurface& s) const {
  s.SelectPen(m_penGrid);
  for (int decade = 10; decade <= 100000; decade *= 10) {
    s.MovePen(kTraceLeftX, DecadeY(decade));
    s.DrawLineTo(kTraceRightX, DecadeY(decade));
  }
}

void ChartWindow::StopBrowsing() {
  m_host.StopTimer();
  m_bBrowsing = 0;
}

// The browse step: back over the seconds of the last window's final minute
// and a few more, so the new window starts where that one ended. It stops at
// the first record rather than seeking before the file.
void ChartWindow::BrowseStep() {
  const std::int64_t back = std::int64_t{kRecordBytes} * (m_nLastSecond + 5);
  const std::int64_t here = m_file.Seek(0, FluxDataFile::Origin::Current);
  if (back > here)
    m_file.Seek(0, FluxDataFile::Origin::Begin);
  else
    m_file.Seek(-back, FluxDataFile::Origin::Current);
  m_host.SetSliderPos(m_nRecordIndex - m_nLastSecond - 5);
  m_nRecordIndex = m_host.GetSliderPos();
  m_file.ReadRecord(m_strRecord);
  m_nStartMinute = StartMinuteOf(m_strRecord.View());
}

void ChartWindow::TracePlotter() {
  SurfaceLease s(*this, /*tracksIdle=*/true);
  s->SetBackgroundColour(m_crBackground);
  s->SelectFont(m_fontSmall);
  ClearChart(*s);

  // A negative index never reaches the file.
  m_file.Seek(std::int64_t{kRecordBytes} * std::max(m_nRecordIndex, 0), FluxDataFile::Origin::Begin);
  m_host.SetSliderPos(m_nRecordIndex);
  DrawDecadeGrid(*s);

  // The record at the index fixes the window; if it cannot be read, the
  // record read before does. The loop then reads it again.
  m_file.ReadRecord(m_strRecord);
  m_nStartMinute = StartMinuteOf(m_strRecord.View());
  if (m_bBrowsing == 1 && m_nRecordIndex != 0) BrowseStep();
  if (m_bBrowsing == 0 || m_bBrowsing == 1) m_file.Seek(-kRecordBytes, FluxDataFile::Origin::Current);

  std::array<int, kChannelCount> prevRow{};
  for (int k = 0; k < kChannelCount; ++k) prevRow[static_cast<std::size_t>(k)] = FluxRow(ChannelValue(m_strRecord, k));

  DrawTimeAxis(*s, m_nStartMinute, m_penMinorTick, m_penMajorTick);
  PlotRecords(*s, prevRow);
}

// One vertical stroke per record and visible channel, from the channel's
// previous row to its new one, until a record lies 1800 seconds or more
// after the window's start or the file ends.
void ChartWindow::PlotRecords(DrawingSurface& s, std::array<int, kChannelCount>& prevRow) {
  const int startSecond = m_nStartMinute * 60;
  int prevOffset = 0;
  bool more = m_file.ReadRecord(m_strRecord);
  while (more) {
    const std::string_view r = m_strRecord.View();
    const int h = RecordHour(r), mi = RecordMinute(r);
    int offset = h * 3600 + mi * 60 + RecordSecond(r) - startSecond;
    // Records of the minute that fixed the window are not drawn.
    if (startSecond != (h * 60 + mi + 1) * 60) {
      offset = AfterStart(0, offset, kSecondsPerDay);  // a time before the start is after midnight
      if (offset - prevOffset <= kGapSeconds) {
        const int x = OffsetX(offset);
        for (int k = 0; k < kChannelCount; ++k) {
          if (ShowFlag(k) == 0) continue;
          int& prev = prevRow[static_cast<std::size_t>(k)];
          const int row = FluxRow(ChannelValue(m_strRecord, k));
          if (prev >= 0 && row >= 0 && prev <= kHighestStartRow) {
            s.SelectPen(m_penChannel[static_cast<std::size_t>(k)]);
            s.MovePen(x, RowY(prev));
            s.DrawLineTo(x, RowY(row));
          }
          prev = row;
        }
      }
      prevOffset = offset;
    }
    if (m_bBrowsing == 1) ++m_nRecordIndex;
    if (offset >= kWindowSeconds) {
      m_nLastSecond = RecordSecond(m_strRecord.View());
      return;
    }
    more = m_file.ReadRecord(m_strRecord);
  }

  // The end of the file ends the window and any browse.
  StopBrowsing();
  m_nLastSecond = RecordSecond(m_strRecord.View());
}

}  // namespace helvarra
