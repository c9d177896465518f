#include "fake_window.h"

namespace dorvex::testing_support {

std::string Describe(const PrintLineItems& items) {
  std::string text;
  for (const PrintItem& item : items) {
    if (const auto* tab = std::get_if<PrintTab>(&item)) {
      text += "[" + std::to_string(tab->column) + "]";
    } else {
      text += std::get<std::string>(item);
    }
  }
  return text;
}

std::string FakeWindow::BoxText(BoxName box) const {
  return inputs_.at(static_cast<std::size_t>(box));
}

void FakeWindow::SetBoxText(BoxName box, const std::string& text) {
  log_.push_back((box == BoxName::Text7 ? "Text7=" : "Text8=") + text);
  (box == BoxName::Text7 ? text7 : text8) = text;
}

void FakeWindow::SetBoxEnabled(BoxName box, bool enabled) {
  log_.push_back(std::string(box == BoxName::Text7 ? "Text7" : "Text8") +
                 (enabled ? " enabled" : " disabled"));
  (box == BoxName::Text7 ? text7Enabled : text8Enabled) = enabled;
}

bool FakeWindow::PrintSelected() const {
  ++printSelectedAsks_;
  return printSelectedAtAsk ? printSelectedAtAsk(printSelectedAsks_) : printSelected;
}

void FakeWindow::AppendResultLine(const std::string& line) {
  log_.push_back("list: " + line);
  lines.push_back(line);
}

void FakeWindow::ClearResults() {
  log_.push_back("clear");
  lines.clear();
}

void FakeWindow::ReportProblem(const RunProblem& problem) {
  log_.push_back("problem");
  problems.push_back(problem);
}

void RecordingSink::ApplySetting(PrintSetting which, float value) {
  const char* names[] = {"A", "B", "C"};
  log_.push_back(std::string("setting ") + names[static_cast<int>(which)] + "=" +
                 std::to_string(static_cast<int>(value)));
}

void RecordingSink::PrintLine(const PrintLineItems& items) {
  if (failOnPrintLine) throw PrintError("printer gone");
  log_.push_back("print: " + Describe(items));
}

void RecordingSink::EndDocument() {
  log_.push_back("end document");
  ++documentsEnded;
  if (failOnEndDocument) throw PrintError("job refused");
}

}  // namespace dorvex::testing_support
