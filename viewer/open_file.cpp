// "&Files": choose a data file, open it, take its record count and its first
// and last time stamps, reset the slider and draw the file-information panel.
// The first successful open also draws the chart.

#include <algorithm>
#include <cstdint>

#include "data/record_fields.h"
#include "data/stations.h"
#include "resources/strings.h"
#include "viewer/flux_viewer_dlg.h"

namespace helvarra {
namespace {

// DD-MM-YY and a blank; characters as they stand.
std::string DateText(std::string_view r) {
  std::string text(FieldText(r, kDayPos, 2));
  text.append("-").append(FieldText(r, kMonthPos, 2)).append("-").append(FieldText(r, kYearPos, 2));
  return text + " ";
}

// Opening erases the read-out with blanks as wide as the texts a line of it
// can hold: a channel's label, the flux, the time.
constexpr ReadoutBlanks kOpenReadoutBlanks{10, 10, 12};

// HH:MM UT and a blank.
std::string TimeText(std::string_view r) {
  std::string text(FieldText(r, kHourPos, 2));
  text.append(":").append(FieldText(r, kMinutePos, 2));
  return text + " UT ";
}

}  // namespace

void CFluxViewerDlg::OnFiles() {
  if (m_bIdle == 0) return;
  OpenChosenFile(m_services.ChooseOpenFile(resources::kOpenFileInitialName, OpenFileFilter()));
}

void CFluxViewerDlg::OnOpenDocument(const std::string& pathName, const std::string& fileName) {
  if (m_bIdle == 0) return;
  OpenChosenFile(ChosenFile{pathName, fileName});
}

void CFluxViewerDlg::OpenChosenFile(const std::optional<ChosenFile>& chosen) {
  if (chosen) {
    m_strPathName = chosen->pathName;
    m_strFileName = chosen->fileName;
    ExchangeData(Exchange::ToControls);
  }
  m_ctlSlider.SetPos(0);

  m_file.Close();
  if (!m_file.Open(m_strPathName)) {
    m_services.ShowWarning("Failed to open " + m_strPathName);
    return;
  }
  // Whole records only; a partial record at the end is not counted.
  m_nRecordCount = static_cast<int>(std::min<std::uint64_t>(m_file.GetLength() / kRecordBytes, INT32_MAX));

  m_file.Seek(0, FluxDataFile::Origin::Begin);
  m_file.ReadRecord(m_strRecord);
  m_strStartDate = DateText(m_strRecord.View());
  m_strStartTime = TimeText(m_strRecord.View());

  m_file.Seek(-kRecordBytes, FluxDataFile::Origin::End);
  m_file.ReadRecord(m_strRecord);
  m_strEndDate = DateText(m_strRecord.View());
  m_strEndTime = TimeText(m_strRecord.View());

  m_ctlSlider.SetRangeMax(m_nRecordCount - 60);
  m_nRecordIndex = m_ctlSlider.GetPos();

  {
    SurfaceLease s(*this, /*tracksIdle=*/true);
    s->SetBackgroundColour(m_crBackground);
    s->SelectFont(m_fontSmall);
    BlankReadoutLines(*s, kOpenReadoutBlanks);
    DrawFileInformation(*s, 160);
  }
  m_bFileLoaded = 1;

  if (m_bFirstLoad) {
    m_bFirstLoad = 0;
    TracePlotter();
  }
}

}  // namespace helvarra
