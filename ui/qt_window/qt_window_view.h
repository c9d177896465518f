#pragma once

#include <array>
#include <string>

#include "ui/window_view.h"

class QCheckBox;
class QLineEdit;
class QWidget;

namespace dorvex {

class ResultListModel;

// The window view on the main window's controls. Lines appended during a run
// reach the list's views in one batch: when the run's command has returned
// (ShowAppendedLines) or, at the latest, before a message box about the run
// covers the window.
class QtWindowView final : public WindowView {
 public:
  // The boxes in the order of BoxName.
  using Boxes = std::array<QLineEdit*, 8>;

  QtWindowView(const Boxes& boxes, QCheckBox& printCheck, ResultListModel& results,
               QWidget& window);

  std::string BoxText(BoxName box) const override;
  void SetBoxText(BoxName box, const std::string& text) override;
  void SetBoxEnabled(BoxName box, bool enabled) override;
  bool PrintSelected() const override;
  void AppendResultLine(const std::string& line) override;
  void ClearResults() override;
  void ReportProblem(const RunProblem& problem) override;

  void ShowAppendedLines();

 private:
  QLineEdit& Box(BoxName box) const;

  Boxes boxes_;
  QCheckBox& printCheck_;
  ResultListModel& results_;
  QWidget& window_;
};

}  // namespace dorvex
