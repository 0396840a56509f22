// "&Files", files named on the command line, files dropped on the window:
// open them together, take the shown station's record count and its first
// and last time stamps, reset the slider, draw the file-information panel
// and the chart. Files that do not open leave the window showing no file.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>

#include "chart/cursor_readout.h"
#include "chart/trace_plotter.h"
#include "data/stations.h"
#include "data/time_of_day.h"
#include "resources/strings.h"
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
std::string TimeText(const FluxRecord& r) { return HourMinuteText(r.MinuteOfDay()) + " UT "; }

std::string FolderOf(const std::string& path) {
  return path.empty() ? std::string() : std::filesystem::path(path).parent_path().string();
}

}  // namespace

void CFluxViewerDlg::OnFiles() {
  if (m_bIdle == 0) return;
  OpenChosenFiles(m_services.ChooseOpenFiles(OpenFileFilter(), FolderOf(m_strPathName)));
}

void CFluxViewerDlg::OnOpenDocuments(const std::vector<ChosenFile>& files) {
  if (m_bIdle == 0 || files.empty()) return;
  OpenChosenFiles(files);
}

void CFluxViewerDlg::OpenChosenFiles(const std::optional<std::vector<ChosenFile>>& chosen) {
  // A cancel with files open reads them again; with none, it is only a cancel.
  if ((!chosen || chosen->empty()) && m_bFileLoaded != 1) return;
  if (chosen && !chosen->empty()) {
    m_files = *chosen;
    m_strPathName = m_files.front().pathName;
    m_strFileName = m_files.front().fileName;
    ExchangeData(Exchange::ToControls);
  }
  m_ctlSlider.SetPos(0);
  if (!OpenAndTakeStamps()) return;
  m_ctlSlider.SetRangeMax(m_nRecordCount - 60);
  m_nRecordIndex = m_ctlSlider.GetPos();
  m_strFileName = FileNameOfRow(static_cast<std::size_t>(m_nRecordIndex));
  DrawOpenedPanel();
  m_bFileLoaded = 1;
  EnableFileCommands();
  TracePlotter();
  OverviewFollowsTheFiles();
}

// The files opened, the first station shown, its records counted and its
// first and last stamps taken; false, with the window showing no file and
// the reason told, if they do not open.
bool CFluxViewerDlg::OpenAndTakeStamps() {
  std::vector<std::string> paths;
  for (const ChosenFile& f : m_files) paths.push_back(f.pathName);
  const std::optional<OpenFailure> failure = m_file.Open(paths);
  if (failure) {
    ShowNoFile();
    if (failure->kind == OpenFailure::Kind::NotOpened)
      m_services.ShowWarning(failure->message);
    else
      m_services.ShowError(failure->message);
    return false;
  }
  m_nStation = 0;
  m_bursts.reset();
  m_nBurstShown.reset();
  TakeStationStamps();
  return true;
}

// The shown station's count and stamps: its series' first and last records.
void CFluxViewerDlg::TakeStationStamps() {
  const FluxTable& table = Table();
  m_nRecordCount = static_cast<int>(std::min<std::size_t>(table.size(), INT32_MAX));
  m_strRecord = table[0];
  m_strStartDate = DateText(m_strRecord);
  m_strStartTime = TimeText(m_strRecord);
  m_strRecord = table.records.back();
  m_strEndDate = DateText(m_strRecord);
  m_strEndTime = TimeText(m_strRecord);
}

// The read-out blanked and the panel drawn, as opening leaves them.
void CFluxViewerDlg::DrawOpenedPanel() {
  SurfaceLease s(m_services, &m_bIdle);
  s->SetBackgroundColour(m_style.m_crBackground);
  s->SelectFont(m_style.m_fontSmall);
  BlankReadoutLines(*s, kOpenReadoutBlanks);
  DrawFilePanel(*s, m_style, Panel(), kOpenStartTextX);
  m_services.SetFileNameTip(PanelFileNameCut(m_strFileName) ? m_strFileName : std::string());
}

// No file: the panel and the read-out blank, the chart empty with its grid,
// and no browse going on over files that are gone.
void CFluxViewerDlg::ShowNoFile() {
  m_bFileLoaded = 0;
  m_window.reset();
  m_nEndRow.reset();
  StopBrowsing();
  EnableFileCommands();
  m_services.SetFileNameTip({});
  OverviewFollowsTheFiles();
  SurfaceLease s(m_services, &m_bIdle);
  BlankFilePanel(*s, m_style);
  ClearChart(*s, m_style);
  DrawDecadeGrid(*s, m_style);
}

// The window menu's commands that need files: the overview with any, the
// stations' with two or more.
void CFluxViewerDlg::EnableFileCommands() {
  const bool stations = m_bFileLoaded == 1 && m_file.Network().stations.size() > 1;
  m_services.EnableSystemMenuItem(resources::IDM_DAYOVERVIEW, m_bFileLoaded == 1);
  m_services.EnableSystemMenuItem(resources::IDM_NEXTSTATION, stations);
  m_services.EnableSystemMenuItem(resources::IDM_PREVSTATION, stations);
  m_services.EnableSystemMenuItem(resources::IDM_NEXTBURST, m_bFileLoaded == 1);
  m_services.EnableSystemMenuItem(resources::IDM_PREVBURST, m_bFileLoaded == 1);
}

const FilePanel CFluxViewerDlg::Panel() const {
  return {m_strFileName, m_strStartDate, m_strStartTime, m_strEndDate, m_strEndTime, m_strRecord.Station()};
}

}  // namespace helvarra
