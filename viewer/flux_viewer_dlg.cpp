// The dialog's life: construction, the one-time initialisation of the window,
// the exchange between check boxes and flags, closing; and what it shows of
// the files open: the station, its records, the file a window comes from.

#include "viewer/flux_viewer_dlg.h"

#include "resources/dialog_templates.h"
#include "resources/strings.h"
#include "viewer/day_overview_dlg.h"
#include "viewer/surface_lease.h"

namespace helvarra {

namespace res = resources;

CFluxViewerDlg::CFluxViewerDlg(WindowServices& services, OverviewServices& overviewServices)
    : m_services(services), m_overviewServices(overviewServices) {
  for (int k = 0; k < kChannelCount; ++k) Flag(k) = 1;
  m_hIcon = Icon{res::IDR_MAINFRAME};
  m_bFileLoaded = 0;
}

// The files close with their member; the icon is a shared resource.
CFluxViewerDlg::~CFluxViewerDlg() = default;

int CFluxViewerDlg::DoModal() { return m_services.RunModal(res::kMainDialogId, this); }

bool CFluxViewerDlg::InitWindow() {
  ExchangeData(Exchange::ToControls);

  if (m_services.HasSystemMenu()) {
    const std::string_view about = res::LoadStringResource(res::IDS_ABOUTBOX);
    if (!about.empty()) {
      m_services.AppendSystemMenuSeparator();
      m_services.AppendSystemMenuItem(about, res::IDM_ABOUTBOX);
    }
    for (const auto& [text, command] : {std::pair{res::IDS_DAYOVERVIEW, res::IDM_DAYOVERVIEW},
                                       std::pair{res::IDS_NEXTSTATION, res::IDM_NEXTSTATION},
                                       std::pair{res::IDS_PREVSTATION, res::IDM_PREVSTATION},
                                       std::pair{res::IDS_NEXTBURST, res::IDM_NEXTBURST},
                                       std::pair{res::IDS_PREVBURST, res::IDM_PREVBURST}}) {
      const std::string_view item = res::LoadStringResource(text);
      if (!item.empty()) m_services.AppendSystemMenuItem(item, static_cast<unsigned>(command));
    }
  }
  EnableFileCommands();  // offered once files are open
  m_services.SetWindowIcon(m_hIcon);

  {
    SurfaceLease s(m_services, &m_bIdle);
    MakeChartFonts(m_style, *s);
  }
  MakeChartColours(m_style, m_services.GetActiveBorderColour());

  m_bBrowsing = 0;
  return true;  // the focus goes to the first control, "&Quit"
}

void CFluxViewerDlg::ExchangeData(Exchange direction) {
  if (!m_ctlSlider.IsBound()) m_ctlSlider.Bind(m_services);
  // The check boxes in the order they were bound; it has no visible effect.
  static constexpr int kOrder[kChannelCount] = {3, 7, 0, 4, 1, 5, 2, 6};
  for (int k : kOrder) {
    int& flag = Flag(k);
    const int id = Channel(k).controlId;
    if (direction == Exchange::ToControls) {
      if (flag < 0 || flag > 2) flag = 0;
      m_services.WriteControls(id, flag);
    } else {
      flag = m_services.ReadControls(id);
    }
  }
}

void CFluxViewerDlg::OnOK() {
  ExchangeData(Exchange::ToMembers);
  m_services.EndModal(res::IDOK);
}

void CFluxViewerDlg::OnCancel() { m_services.EndModal(res::IDCANCEL); }

const FluxSeries* CFluxViewerDlg::ShownSeries() const {
  const FluxNetwork& network = m_file.Network();
  return m_bFileLoaded == 1 && m_nStation < network.stations.size() ? &network.stations[m_nStation] : nullptr;
}

const FluxTable& CFluxViewerDlg::Table() const {
  static const FluxTable kNone;
  const FluxNetwork& network = m_file.Network();
  return m_nStation < network.stations.size() ? network.stations[m_nStation].table : kNone;
}

const std::optional<RowRange>& CFluxViewerDlg::ShownRows() const {
  static const std::optional<RowRange> kNone;
  return m_window ? m_window->rows : kNone;
}

std::array<bool, kChannelCount> CFluxViewerDlg::ShownChannels() const {
  std::array<bool, kChannelCount> shown{};
  for (int k = 0; k < kChannelCount; ++k) shown[static_cast<std::size_t>(k)] = ShowFlag(k) != 0;
  return shown;
}

// The name of the file a row of the shown station comes from.
std::string CFluxViewerDlg::FileNameOfRow(std::size_t row) const {
  const FluxNetwork& network = m_file.Network();
  if (m_nStation >= network.stations.size()) return m_strFileName;
  return network.stations[m_nStation].FileOf(row).name;
}

}  // namespace helvarra
