#pragma once
// The main window's services on Qt: the main dialog and the About box,
// their controls, the browse timer, the file and print dialogs and the
// message boxes, and the surfaces on the window's backing image. The day
// overview's are platform/qt/qt_overview_services.h.

#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_flux_dialog.h"
#include "viewer/window_services.h"

namespace helvarra::qt {

class QtWindowServices : public WindowServices {
 public:
  QtWindowServices();
  ~QtWindowServices() override;

  // WindowServices
  int RunModal(int templateId, DialogEvents* events) override;
  void EndModal(int code) override;
  void WriteControls(int controlId, int check) override;
  int ReadControls(int controlId) const override;
  void SetSliderPos(int position) override;
  int GetSliderPos() const override;
  void SetSliderMax(int maximum) override;
  void StartTimer() override;
  void StopTimer() override;
  std::optional<std::vector<ChosenFile>> ChooseOpenFiles(std::string_view filter, std::string_view folder) override;
  std::optional<ChosenPrinter> ChoosePrinter() override;
  void ShowWarning(std::string_view text) override;
  void ShowMessage(std::string_view text) override;
  void ShowError(std::string_view text) override;
  bool HasSystemMenu() const override { return true; }
  void AppendSystemMenuSeparator() override;
  void AppendSystemMenuItem(std::string_view text, unsigned command) override;
  void EnableSystemMenuItem(unsigned command, bool enabled) override;
  void SetFileNameTip(std::string_view text) override;
  void SetWindowIcon(const Icon& icon) override;
  Colour GetActiveBorderColour() const override;
  void DefaultHandling() override;

  std::unique_ptr<DrawingSurface> AcquireWindowSurface() override;
  int ReleaseWindowSurface(std::unique_ptr<DrawingSurface> surface) override;
  std::unique_ptr<DrawingSurface> BeginPaintCycle() override;
  void EndPaintCycle(std::unique_ptr<DrawingSurface> surface) override;
  bool IsMinimised() const override;
  Size GetClientSize() const override;
  Size GetIconSize() const override { return Size{32, 32}; }
  void EraseIconBackground(DrawingSurface& paintSurface) override;

  // Builds and shows the main dialog without running it, for a caller that
  // drives the window itself; RunModal does this first.
  FluxDialog& OpenMainWindow(DialogEvents* events);
  void CloseMainWindow();
  FluxDialog* MainWindow() const { return dialog_.get(); }
  QtCanvas& Canvas() { return canvas_; }
  // Delivers an event to the viewer as the window would.
  EventResult Deliver(const WindowEvent& event);
  // Files to open once the main window has been painted for the first time,
  // as if chosen together with "&Files" then (those named on the command line).
  void OpenAtStart(std::vector<ChosenFile> files) { openAtStart_ = std::move(files); }
  // Told when the main window closes (the overview goes with it).
  std::function<void()> mainWindowClosed;
  bool TimerRunning() const { return timer_.isActive(); }

  // Seams in place of the modal dialogs, for tests and scripted runs.
  std::function<std::optional<std::vector<ChosenFile>>(std::string_view filter, std::string_view folder)> fileChooser;
  std::function<std::optional<ChosenPrinter>()> printerChooser;
  enum class MessageKind { Warning, Message, Error };
  std::function<void(MessageKind, const std::string&)> messageShown;

  // The program's name: the executable's file name without its extension.
  static QString ApplicationName();

 private:
  void ShowBox(MessageKind kind, std::string_view text);
  void DefaultFor(const WindowEvent& event);
  QColor ControlBackground(int controlId, int kind);

  QtCanvas canvas_;
  QtCanvas iconCanvas_;
  std::unique_ptr<FluxDialog> dialog_;
  DialogEvents* events_ = nullptr;
  std::vector<WindowEvent> dispatching_;  // innermost last
  QTimer timer_;
  int surfacesHeld_ = 0;
  std::vector<ChosenFile> openAtStart_;
};

}  // namespace helvarra::qt
