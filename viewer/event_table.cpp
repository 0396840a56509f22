// The one fixed table that routes window events and control ids to the
// dialog's handlers, and the dispatch that catches file errors.

#include <array>

#include "resources/dialog_templates.h"
#include "viewer/flux_viewer_dlg.h"

namespace helvarra {
namespace {

namespace res = resources;
using Handler = void (*)(CFluxViewerDlg&, const WindowEvent&, EventResult&);

struct EventRoute {
  EventKind kind;
  int id;  // kAnyId: every source of this kind
  Handler handle;
};

constexpr int kAnyId = -1;

template <void (CFluxViewerDlg::*Click)()>
constexpr Handler OnClick() {
  return [](CFluxViewerDlg& d, const WindowEvent&, EventResult&) { (d.*Click)(); };
}

constexpr std::array<EventRoute, 23> kEventTable{{
    {EventKind::SystemCommand, kAnyId,
     [](CFluxViewerDlg& d, const WindowEvent& e, EventResult&) { d.OnSystemCommand(e.command, e.extra); }},
    {EventKind::Paint, kAnyId, OnClick<&CFluxViewerDlg::OnPaint>()},
    {EventKind::QueryDragIcon, kAnyId,
     [](CFluxViewerDlg& d, const WindowEvent&, EventResult& r) { r.icon = d.OnQueryDragIcon(); }},
    {EventKind::Command, res::IDC_FILES, OnClick<&CFluxViewerDlg::OnFiles>()},
    {EventKind::Command, res::IDC_BROWSE, OnClick<&CFluxViewerDlg::OnBrowse>()},
    {EventKind::Command, res::IDC_STOP, OnClick<&CFluxViewerDlg::OnStop>()},
    {EventKind::Command, res::IDC_PRINT, OnClick<&CFluxViewerDlg::OnPrint>()},
    {EventKind::Command, res::IDC_SELECT_TOGGLE, OnClick<&CFluxViewerDlg::OnSelectToggle>()},
    {EventKind::SliderReleased, res::IDC_SLIDER,
     [](CFluxViewerDlg& d, const WindowEvent&, EventResult& r) { d.OnSliderReleased(r.notifyResult); }},
    {EventKind::TimerTick, kAnyId, OnClick<&CFluxViewerDlg::OnTimerTick>()},
    {EventKind::Command, 1006, OnClick<&CFluxViewerDlg::OnCheck245>()},
    {EventKind::Command, 1007, OnClick<&CFluxViewerDlg::OnCheck410>()},
    {EventKind::Command, 1008, OnClick<&CFluxViewerDlg::OnCheck610>()},
    {EventKind::Command, 1009, OnClick<&CFluxViewerDlg::OnCheck1415>()},
    {EventKind::Command, 1010, OnClick<&CFluxViewerDlg::OnCheck2695>()},
    {EventKind::Command, 1011, OnClick<&CFluxViewerDlg::OnCheck4995>()},
    {EventKind::Command, 1012, OnClick<&CFluxViewerDlg::OnCheck8800>()},
    {EventKind::Command, 1013, OnClick<&CFluxViewerDlg::OnCheck15400>()},
    {EventKind::ControlColor, kAnyId,
     [](CFluxViewerDlg& d, const WindowEvent& e, EventResult& r) {
       r.brush = d.OnControlColor(*e.controlSurface, e.id, e.controlKind);
     }},
    {EventKind::LeftButtonDown, kAnyId,
     [](CFluxViewerDlg& d, const WindowEvent& e, EventResult&) { d.OnLeftButtonDown(e.x, e.y); }},
    {EventKind::OpenDocument, kAnyId,
     [](CFluxViewerDlg& d, const WindowEvent& e, EventResult&) { d.OnOpenDocument(e.pathName, e.fileName); }},
    {EventKind::Command, res::IDOK, OnClick<&CFluxViewerDlg::OnOK>()},
    {EventKind::Command, res::IDCANCEL, OnClick<&CFluxViewerDlg::OnCancel>()},
}};

const EventRoute* FindRoute(const WindowEvent& event) {
  for (const EventRoute& route : kEventTable)
    if (route.kind == event.kind && (route.id == kAnyId || route.id == event.id)) return &route;
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
    // A paint that fails counts as painted; anything else tells the user. A
    // browse that fails stops first, or every tick would stack another box.
    if (event.kind == EventKind::TimerTick) StopBrowsing();
    if (event.kind != EventKind::Paint) m_services.ShowError(error.Message());
  }
  return result;
}

}  // namespace helvarra
