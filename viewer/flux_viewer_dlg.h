#pragma once
// The main and only window: a modal dialog that owns all viewer state and
// receives every user event through one fixed event table.

#include <string>

#include "chart/chart_window.h"
#include "viewer/slider_ctrl.h"
#include "viewer/window_services.h"

namespace helvarra {

class CFluxViewerDlg : public ChartWindow, public DialogEvents {
 public:
  explicit CFluxViewerDlg(WindowServices& services);
  ~CFluxViewerDlg() override;

  int DoModal();
  bool InitWindow() override;
  enum class Exchange { ToControls, ToMembers };
  void ExchangeData(Exchange direction);

  // Routes an event to its handler. A file error ends the handler and is
  // shown with a stop icon, except while painting, where it is dropped.
  EventResult Dispatch(const WindowEvent& event) override;

  // Handlers.
  void OnSystemCommand(unsigned command, long extra);
  void OnPaint();
  Icon OnQueryDragIcon() const { return m_hIcon; }
  void OnFiles();
  // A file given on the command line or dropped on the window: opened as if
  // chosen with "&Files".
  void OnOpenDocument(const std::string& pathName, const std::string& fileName);
  void OnBrowse();
  void OnStop();
  void OnPrint();
  void OnSelectToggle();
  void OnSliderReleased(long& result);
  void OnTimerTick();
  void OnCheck245() { OnCheckChannel(0); }
  void OnCheck410() { OnCheckChannel(1); }
  void OnCheck610() { OnCheckChannel(2); }
  void OnCheck1415() { OnCheckChannel(3); }
  void OnCheck2695() { OnCheckChannel(4); }
  void OnCheck4995() { OnCheckChannel(5); }
  void OnCheck8800() { OnCheckChannel(6); }
  void OnCheck15400() { OnCheckChannel(7); }
  Brush OnControlColor(DrawingSurface& controlSurface, int controlId, int kind);
  void OnLeftButtonDown(int x, int y);
  // The framework's closing: OK reads the controls back, both end the run.
  void OnOK();
  void OnCancel();

  SliderCtrl m_ctlSlider;
  std::string m_strPathName;
  int m_nRecordCount = 0;
  signed char m_bFirstLoad = 0;

 private:
  void OnCheckChannel(int k);
  // Opening after the choice: a confirmed choice, or none (cancelled), which
  // opens the current file again.
  void OpenChosenFile(const std::optional<ChosenFile>& chosen);

  WindowServices& m_services;
};

}  // namespace helvarra
