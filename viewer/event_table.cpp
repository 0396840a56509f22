// The one fixed table that routes window events and control ids to the
// dialog's handlers, and the dispatch that catches file errors.

#include <array>

#include "resources/dialog_templates.h"
#include "viewer/flux_viewer_dlg.h"

namespace helvarra {
namespace {

namespace res = resources;
using Handler = void (*)(CFluxViewerDlg&, const WindowEvent&, EventResult&);

// An event of a kind from the controls firstId..lastId (kAnyId: any source).
struct EventRoute {
  EventKind kind;
  int firstId, lastId;
  Handler handle;
};

constexpr int kAnyId = -1;

template <void (CFluxViewerDlg::*Click)()>
constexpr Handler OnClick() {
  return [](CFluxViewerDlg& d, const WindowEvent&, EventResult&) { (d.*Click)(); };
}

constexpr EventRoute Button(int id, Handler handle) { return {EventKind::Command, id, id, handle}; }
constexpr EventRoute Any(EventKind kind, Handler handle) { return {kind, kAnyId, kAnyId, handle}; }

constexpr std::array<EventRoute, 16> kEventTable{{
    Any(EventKind::SystemCommand,
        [](CFluxViewerDlg& d, const WindowEvent& e, EventResult&) { d.OnSystemCommand(e.command, e.extra); }),
    Any(EventKind::Paint, OnClick<&CFluxViewerDlg::OnPaint>()),
    Any(EventKind::QueryDragIcon,
        [](CFluxViewerDlg& d, const WindowEvent&, EventResult& r) { r.icon = d.OnQueryDragIcon(); }),
    Button(res::IDC_FILES, OnClick<&CFluxViewerDlg::OnFiles>()),
    Button(res::IDC_BROWSE, OnClick<&CFluxViewerDlg::OnBrowse>()),
    Button(res::IDC_STOP, OnClick<&CFluxViewerDlg::OnStop>()),
    Button(res::IDC_PRINT, OnClick<&CFluxViewerDlg::OnPrint>()),
    Button(res::IDC_SELECT_TOGGLE, OnClick<&CFluxViewerDlg::OnSelectToggle>()),
    {EventKind::SliderReleased, res::IDC_SLIDER, res::IDC_SLIDER,
     [](CFluxViewerDlg& d, const WindowEvent&, EventResult& r) { d.OnSliderReleased(r.notifyResult); }},
    Any(EventKind::TimerTick, OnClick<&CFluxViewerDlg::OnTimerTick>()),
    {EventKind::Command, res::IDC_CHECK_FIRST, res::IDC_CHECK_LAST,
     [](CFluxViewerDlg& d, const WindowEvent& e, EventResult&) { d.OnCheckChannel(e.id - res::IDC_CHECK_FIRST); }},
    Any(EventKind::ControlColor, [](CFluxViewerDlg& d, const WindowEvent& e,
                                    EventResult& r) { r.colour = d.OnControlColor(e.id, e.controlKind); }),
    Any(EventKind::LeftButtonDown,
        [](CFluxViewerDlg& d, const WindowEvent& e, EventResult&) { d.OnLeftButtonDown(e.x, e.y); }),
    Any(EventKind::SpanSelected,
        [](CFluxViewerDlg& d, const WindowEvent& e, EventResult&) { d.OnChartSpan(e.x, e.x2); }),
    Any(EventKind::OpenDocument,
        [](CFluxViewerDlg& d, const WindowEvent& e, EventResult&) { d.OnOpenDocuments(e.files); }),
    // OK and cancel: the framework's closing.
    {EventKind::Command, res::IDOK, res::IDCANCEL,
     [](CFluxViewerDlg& d, const WindowEvent& e, EventResult&) { e.id == res::IDOK ? d.OnOK() : d.OnCancel(); }},
}};

const EventRoute* FindRoute(const WindowEvent& event) {
  for (const EventRoute& route : kEventTable)
    if (route.kind == event.kind &&
        (route.firstId == kAnyId || (event.id >= route.firstId && event.id <= route.lastId)))
      return &route;
  return nullptr;
}

}  // namespace

EventResult CFluxViewerDlg::Dispatch(const WindowEvent& event) {
  EventResult result;
  const EventRoute* route = FindRoute(event);
  if (route == nullptr) return result;
  result.routed = true;
  try {
    route->handle(*this, event, result);
  } catch (const FileError& error) {
    // Only opening a file raises one. A paint that failed would count as
    // painted; anything else tells the user.
    if (event.kind != EventKind::Paint) m_services.ShowError(error.Message());
  }
  return result;
}

}  // namespace helvarra
