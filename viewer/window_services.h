#pragma once
// The window, control, timer and dialog operations the viewer takes from the
// platform. The drawing surfaces, the slider position, the timer stop and the
// minimised state come with the chart's host.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "chart/chart_host.h"
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

class WindowServices : public ChartHost {
 public:
  // Runs a dialog from its template (102 the main dialog, delivering to
  // events; 100 the About box, over the main window) and returns its end code.
  virtual int RunModal(int templateId, DialogEvents* events) = 0;
  // Ends the innermost modal run with IDOK or IDCANCEL.
  virtual void EndModal(int code) = 0;

  // Check boxes: 0 clear, 1 checked, 2 indeterminate.
  virtual void WriteControls(int controlId, int check) = 0;
  virtual int ReadControls(int controlId) const = 0;

  // The minimum stays 0; no notification follows a change.
  virtual void SetSliderMax(int maximum) = 0;
  virtual void StartTimer() = 0;  // timer 1, every 2000 ms

  // Modal; path and name only when the user confirms.
  virtual std::optional<ChosenFile> ChooseOpenFile(std::string_view initialName, std::string_view filter) = 0;
  // Modal print dialog; nothing when it does not end with OK.
  virtual std::optional<ChosenPrinter> ChoosePrinter() = 0;

  // Modal message boxes captioned with the program's name, OK button.
  virtual void ShowWarning(std::string_view text) = 0;  // exclamation icon
  virtual void ShowMessage(std::string_view text) = 0;  // no icon
  virtual void ShowError(std::string_view text) = 0;    // stop icon: file errors

  virtual bool HasSystemMenu() const = 0;
  virtual void AppendSystemMenuSeparator() = 0;
  virtual void AppendSystemMenuItem(std::string_view text, unsigned command) = 0;
  virtual void SetWindowIcon(const Icon& icon, bool big) = 0;
  // The colour of active window borders, or the platform's stand-in for it.
  virtual Colour GetActiveBorderColour() const = 0;
  // The base dialog's colour handling of a control; returns its brush.
  virtual Brush DefaultControlColour(DrawingSurface& controlSurface, int controlId, int kind) = 0;
  // The platform's own handling of the event being dispatched.
  virtual void DefaultHandling() = 0;
};

}  // namespace helvarra
