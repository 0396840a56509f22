#pragma once
// The main window's services: the window, control, timer, dialog and
// drawing-surface operations the viewer takes from the platform for it.
// The day overview has its own (viewer/overview_services.h).

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chart/drawing_surface.h"
#include "viewer/window_event.h"

namespace helvarra {

struct ChosenPrinter {
  std::unique_ptr<PrinterSurface> surface;  // the caller deletes it
  std::string deviceName;
};

class WindowServices {
 public:
  virtual ~WindowServices() = default;

  // Surfaces on the main window's client area; two may be held at once.
  // Releasing returns 1 when the surface was released.
  virtual std::unique_ptr<DrawingSurface> AcquireWindowSurface() = 0;
  virtual int ReleaseWindowSurface(std::unique_ptr<DrawingSurface> surface) = 0;
  // The surface of one paint cycle; used only for the minimised window.
  virtual std::unique_ptr<DrawingSurface> BeginPaintCycle() = 0;
  virtual void EndPaintCycle(std::unique_ptr<DrawingSurface> surface) = 0;

  // Runs a dialog from its template (102 the main dialog, delivering to
  // events; 100 the About box, over the main window) and returns its end code.
  virtual int RunModal(int templateId, DialogEvents* events) = 0;
  // Ends the innermost modal run with IDOK or IDCANCEL.
  virtual void EndModal(int code) = 0;

  // Check boxes: 0 clear, 1 checked, 2 indeterminate.
  virtual void WriteControls(int controlId, int check) = 0;
  virtual int ReadControls(int controlId) const = 0;

  // The slider limits a position to its range, 0 to its maximum, and never
  // reports a negative position. The minimum stays 0; no notification
  // follows a change.
  virtual void SetSliderPos(int position) = 0;
  virtual int GetSliderPos() const = 0;
  virtual void SetSliderMax(int maximum) = 0;
  // Timer 1, the browse timer, every 2000 ms; stopping it twice is harmless.
  virtual void StartTimer() = 0;
  virtual void StopTimer() = 0;

  // Modal, opening in `folder` (empty: where the program started); one file
  // or several, path and name each, only when the user confirms.
  virtual std::optional<std::vector<ChosenFile>> ChooseOpenFiles(std::string_view filter, std::string_view folder) = 0;
  // Modal print dialog; nothing when it does not end with OK.
  virtual std::optional<ChosenPrinter> ChoosePrinter() = 0;

  // Modal message boxes captioned with the program's name, OK button.
  virtual void ShowWarning(std::string_view text) = 0;  // exclamation icon
  virtual void ShowMessage(std::string_view text) = 0;  // no icon
  virtual void ShowError(std::string_view text) = 0;    // stop icon: file errors

  virtual bool HasSystemMenu() const = 0;
  virtual void AppendSystemMenuSeparator() = 0;
  virtual void AppendSystemMenuItem(std::string_view text, unsigned command) = 0;
  // A window-menu item (and its shortcut) offered or greyed out.
  virtual void EnableSystemMenuItem(unsigned command, bool enabled) = 0;
  // The whole of what the panel's file line shows, for where it is cut
  // short (its tooltip); empty: none.
  virtual void SetFileNameTip(std::string_view text) = 0;
  virtual void SetWindowIcon(const Icon& icon) = 0;
  // The colour of active window borders, or the platform's stand-in for it.
  virtual Colour GetActiveBorderColour() const = 0;

  // The minimised window, and the sizes its icon is centred by.
  virtual bool IsMinimised() const = 0;
  virtual Size GetClientSize() const = 0;
  virtual Size GetIconSize() const = 0;
  // Paints the minimised window's background before its icon is drawn.
  virtual void EraseIconBackground(DrawingSurface& paintSurface) = 0;
  // The platform's own handling of the event being dispatched.
  virtual void DefaultHandling() = 0;
};

}  // namespace helvarra
