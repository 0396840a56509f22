// The dialog's life: construction, the one-time initialisation of the window,
// the exchange between check boxes and flags, and closing.

#include "viewer/flux_viewer_dlg.h"

#include "resources/dialog_templates.h"
#include "resources/strings.h"
#include "viewer/day_overview_dlg.h"
#include "viewer/surface_lease.h"

namespace helvarra {

namespace res = resources;

CFluxViewerDlg::CFluxViewerDlg(WindowServices& services) : m_services(services) {
  for (int k = 0; k < kChannelCount; ++k) ShowFlag(k) = 1;
  m_hIcon = Icon{res::IDR_MAINFRAME};
  m_bFileLoaded = 0;
}

// The file closes with its member; the icon is a shared resource.
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
    const std::string_view overview = res::LoadStringResource(res::IDS_DAYOVERVIEW);
    if (!overview.empty()) m_services.AppendSystemMenuItem(overview, res::IDM_DAYOVERVIEW);
  }
  m_services.SetWindowIcon(m_hIcon);

  {
    SurfaceLease s(m_services, &m_bIdle);
    MakeChartFonts(m_style, *s);
  }
  MakeChartColours(m_style, m_services.GetActiveBorderColour());

  m_bBrowsing = 0;
  m_bFirstLoad = 1;
  return true;  // the focus goes to the first control, "&Quit"
}

void CFluxViewerDlg::ExchangeData(Exchange direction) {
  if (!m_ctlSlider.IsBound()) m_ctlSlider.Bind(m_services);
  // The check boxes in the order they were bound; it has no visible effect.
  static constexpr int kOrder[kChannelCount] = {3, 7, 0, 4, 1, 5, 2, 6};
  for (int k : kOrder) {
    int& flag = ShowFlag(k);
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

}  // namespace helvarra
