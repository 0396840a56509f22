#pragma once
// The day overview's window services: its window opened (or raised) over
// the object its events go to, titled and repainted; surfaces on its picture;
// the measurement table under it and its two buttons; the clipboard, the
// file an export goes to, and the message when it cannot be written.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "analysis/text_table.h"
#include "chart/drawing_surface.h"
#include "viewer/window_event.h"

namespace helvarra {

class OverviewServices {
 public:
  virtual ~OverviewServices() = default;

  // A second window the user may resize, beside or over the main window.
  virtual void ShowOverview(DialogEvents& events, std::string_view title) = 0;
  virtual void RetitleOverview(std::string_view title) = 0;
  // Its picture drawn again, once the events queued now have run (nothing
  // while it is closed).
  virtual void RepaintOverview() = 0;
  virtual std::unique_ptr<DrawingSurface> AcquireOverviewSurface() = 0;
  virtual void ReleaseOverviewSurface(std::unique_ptr<DrawingSurface> surface) = 0;
  virtual Size GetOverviewSize() const = 0;

  // The tables under the picture, each a header and rows of cells: the
  // selection's measurement; the stations' agreement in it (no rows: none);
  // the bursts found, of which the user may choose one (EventKind::Command,
  // IDC_OVERVIEW_BURSTS, x the row).
  virtual void ShowMeasurement(const TextTable& table) = 0;
  virtual void ShowAgreement(const TextTable& table) = 0;
  virtual void ShowBursts(const TextTable& table) = 0;
  // "Copy" and "Export CSV..." offered or greyed out.
  virtual void EnableOverviewButtons(bool copy, bool exportCsv) = 0;
  virtual void SetClipboardText(std::string_view text) = 0;
  // Modal; the path to write to only when the user confirms.
  virtual std::optional<std::string> ChooseSaveFile(std::string_view suggestedName) = 0;
  // A modal message box with an exclamation icon, over the overview.
  virtual void ShowOverviewWarning(std::string_view text) = 0;
};

}  // namespace helvarra
