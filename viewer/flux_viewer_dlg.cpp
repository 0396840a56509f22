// The dialog's life: construction, the one-time initialisation of the window,
// the exchange between check boxes and flags, and closing.

#include "viewer/flux_viewer_dlg.h"

#include "resources/dialog_templates.h"
#include "resources/strings.h"

namespace helvarra {

namespace res = resources;

CFluxViewerDlg::CFluxViewerDlg(WindowServices& services) : ChartWindow(services), m_services(services) {
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
  }
  m_services.SetWindowIcon(m_hIcon, /*big=*/true);
  m_services.SetWindowIcon(m_hIcon, /*big=*/false);

  {
    SurfaceLease s(*this, /*tracksIdle=*/true);
    m_fontSmall = MakePointFont(kSmallFontFace, kSmallFontTenths, *s);
    m_fontLarge = MakePointFont(kLargeFontFace, kLargeFontTenths, *s);
  }

  for (int k = 0; k < kChannelCount; ++k) {
    const auto i = static_cast<std::size_t>(k);
    m_crChannel[i] = kChannelColours[i];
    m_penChannel[i] = MakePen(PenStyle::Solid, kTracePenWidth, m_crChannel[i]);
  }
  m_crText = kTextColour;
  m_penMinorTick = MakePen(PenStyle::Solid, 1, m_crText);
  m_crGrid = kGridColour;
  m_penGrid = MakePen(PenStyle::Dotted, 1, m_crGrid);
  m_penMajorTick = MakePen(PenStyle::Solid, 1, m_crGrid);
  m_crPlot = kPlotColour;
  m_crBackground = m_services.GetActiveBorderColour();
  m_brPlot = MakeSolidBrush(m_crPlot);
  m_rcPlot = kPlotRect;
  m_brBackground = MakeSolidBrush(m_crBackground);
  m_rcTimeAxis = kTimeAxisRect;

  m_bBrowsing = 0;
  m_bFirstLoad = 1;
  return true;  // the focus goes to the first control, "&Quit"
}

void CFluxViewerDlg::ExchangeData(Exchange direction) {
  if (!m_ctlSlider.IsBound()) m_ctlSlider.Bind(m_services);
  // The check boxes in the order they were bound; it has no visible effect.
  static constexpr int kOrder[kChannelCount] = {1009, 1013, 1006, 1010, 1007, 1011, 1008, 1012};
  for (int id : kOrder) {
    int& flag = ShowFlag(id - res::IDC_CHECK_FIRST);
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
