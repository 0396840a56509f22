// "&Files", a file named on the command line, a file dropped on the window:
// open it, take its record count and its first and last time stamps, reset
// the slider, draw the file-information panel and the chart. A file that
// does not open leaves the window showing no file.

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "chart/cursor_readout.h"
#include "chart/trace_plotter.h"
#include "data/stations.h"
#include "viewer/flux_viewer_dlg.h"
#include "viewer/surface_lease.h"

namespace helvarra {
namespace {

// DD-MM-YY and a blank.
std::string DateText(const FluxRecord& r) {
  char text[32];
  std::snprintf(text, sizeof text, "%02d-%02d-%02d ", r.day, r.month, r.year % 100);
  return text;
}

// HH:MM UT and a blank.
std::string TimeText(const FluxRecord& r) {
  char text[32];
  std::snprintf(text, sizeof text, "%02d:%02d UT ", r.hour, r.minute);
  return text;
}

}  // namespace

void CFluxViewerDlg::OnFiles() {
  if (m_bIdle == 0) return;
  OpenChosenFile(m_services.ChooseOpenFile(OpenFileFilter()));
}

void CFluxViewerDlg::OnOpenDocument(const std::string& pathName, const std::string& fileName) {
  if (m_bIdle == 0) return;
  OpenChosenFile(ChosenFile{pathName, fileName});
}

void CFluxViewerDlg::OpenChosenFile(const std::optional<ChosenFile>& chosen) {
  // A cancel with a file open reads that file again; with none, it is only a cancel.
  if (!chosen && m_bFileLoaded != 1) return;
  if (chosen) {
    m_strPathName = chosen->pathName;
    m_strFileName = chosen->fileName;
    ExchangeData(Exchange::ToControls);
  }
  m_ctlSlider.SetPos(0);
  if (!OpenAndTakeStamps()) return;
  m_ctlSlider.SetRangeMax(m_nRecordCount - 60);
  m_nRecordIndex = m_ctlSlider.GetPos();
  {
    SurfaceLease s(m_services, &m_bIdle);
    s->SetBackgroundColour(m_style.m_crBackground);
    s->SelectFont(m_style.m_fontSmall);
    BlankReadoutLines(*s, kOpenReadoutBlanks);
    DrawFilePanel(*s, m_style, Panel(), kOpenStartTextX);
  }
  m_bFileLoaded = 1;
  m_bFirstLoad = 0;
  TracePlotter();
  OverviewFollowsTheFile();
}

// The file opened, its records counted and its first and last stamps taken;
// false, with the window showing no file, if it does not open. A file with no
// record is a bad seek, as the last record is looked for before the first.
bool CFluxViewerDlg::OpenAndTakeStamps() {
  m_file.Close();
  bool opened = false;
  try {
    opened = m_file.Open(m_strPathName);
  } catch (const FileError&) {
    ShowNoFile();
    throw;
  }
  if (!opened || m_file.Table().empty()) {
    ShowNoFile();
    if (opened) throw FileError(FileError::Cause::BadSeek, m_file.GetFilePath());
    m_services.ShowWarning("Failed to open " + m_strPathName);
    return false;
  }
  const FluxTable& table = m_file.Table();
  m_nRecordCount = static_cast<int>(std::min<std::size_t>(table.size(), INT32_MAX));
  m_strRecord = table[0];
  m_strStartDate = DateText(m_strRecord);
  m_strStartTime = TimeText(m_strRecord);
  m_strRecord = table.records.back();
  m_strEndDate = DateText(m_strRecord);
  m_strEndTime = TimeText(m_strRecord);
  return true;
}

// No file: the panel and the read-out blank, the chart empty with its grid,
// and no browse going on over a file that is gone.
void CFluxViewerDlg::ShowNoFile() {
  m_bFileLoaded = 0;
  m_shownRows.reset();
  StopBrowsing();
  OverviewFollowsTheFile();
  SurfaceLease s(m_services, &m_bIdle);
  BlankFilePanel(*s, m_style);
  ClearChart(*s, m_style);
  DrawDecadeGrid(*s, m_style);
}

FilePanel CFluxViewerDlg::Panel() const {
  return {m_strFileName, m_strStartDate, m_strStartTime, m_strEndDate, m_strEndTime, m_strRecord.Station()};
}

}  // namespace helvarra
