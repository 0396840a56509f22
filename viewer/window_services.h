#pragma once
// The window, control, timer, dialog and drawing-surface operations the
// viewer takes from the platform.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "chart/drawing_surface.h"
#include "viewer/window_event.h"

namespace helvarra {

struct ChosenFile {
  std::string pathName;  // full path
  std::string fileName;  // name with extension, no directory
};

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

  // Modal; path and name only when the user confirms.
  virtual std::optional<ChosenFile> ChooseOpenFile(std::string_view filter) = 0;
  // Modal print dialog; nothing when it does not end with OK.
  virtual std::optional<ChosenPrinter> ChoosePrinter() = 0;

  // Modal message boxes captioned with the program's name, OK button.
  virtual void ShowWarning(std::string_view text) = 0;  // exclamation icon
  virtual void ShowMessage(std::string_view text) = 0;  // no icon
  virtual void ShowError(std::string_view text) = 0;    // stop icon: file errors

  virtual bool HasSystemMenu() const = 0;
  virtual void AppendSystemMenuSeparator() = 0;
  virtual void AppendSystemMenuItem(std::string_view text, unsigned command) = 0;
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

  // The day overview: a second window the user may resize, opened (or
  // raised) over the object its events go to, titled; repainted when asked
  // (nothing while it is closed); surfaces on its picture and its size; the
  // measurement shown under it as a table, from its CSV (empty: none).
  virtual void ShowOverview(DialogEvents& events, std::string_view title) = 0;
  virtual void RetitleOverview(std::string_view title) = 0;
  virtual void RepaintOverview() = 0;
  virtual std::unique_ptr<DrawingSurface> AcquireOverviewSurface() = 0;
  virtual void ReleaseOverviewSurface(std::unique_ptr<DrawingSurface> surface) = 0;
  virtual Size GetOverviewSize() const = 0;
  virtual void ShowMeasurement(std::string_view csv) = 0;
  virtual void SetClipboardText(std::string_view text) = 0;
  // Modal; the path to write to only when the user confirms.
  virtual std::optional<std::string> ChooseSaveFile(std::string_view suggestedName) = 0;
};

}  // namespace helvarra
