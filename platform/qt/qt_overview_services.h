#pragma once
// The day overview's window services on Qt: its window made when first
// shown, beside or over the main window; its picture's surfaces; the
// measurement table and the buttons; the clipboard, the export's file
// dialog and its message.

#include <functional>
#include <memory>

#include "platform/qt/qt_overview_window.h"
#include "platform/qt/qt_window_services.h"
#include "viewer/overview_services.h"

namespace helvarra::qt {

class QtOverviewServices : public OverviewServices {
 public:
  // Beside the main window of these services; closed with it.
  explicit QtOverviewServices(QtWindowServices& main);
  ~QtOverviewServices() override;

  void ShowOverview(DialogEvents& events, std::string_view title) override;
  void RetitleOverview(std::string_view title) override;
  void RepaintOverview() override;
  std::unique_ptr<DrawingSurface> AcquireOverviewSurface() override;
  void ReleaseOverviewSurface(std::unique_ptr<DrawingSurface> surface) override;
  Size GetOverviewSize() const override;
  void ShowMeasurement(const TextTable& table) override;
  void ShowAgreement(const TextTable& table) override;
  void ShowBursts(const TextTable& table) override;
  void EnableOverviewButtons(bool copy, bool exportCsv) override;
  void SetClipboardText(std::string_view text) override;
  std::optional<std::string> ChooseSaveFile(std::string_view suggestedName) override;
  void ShowOverviewWarning(std::string_view text) override;

  OverviewWindow* Window() const { return window_.get(); }

  // Seams in place of the export's file dialog and the message box.
  std::function<std::optional<std::string>(std::string_view suggestedName)> saveChooser;
  std::function<void(const std::string&)> warningShown;

 private:
  QtWindowServices& main_;
  std::unique_ptr<OverviewWindow> window_;
};

}  // namespace helvarra::qt
