#pragma once

#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

namespace dorvex {

// The three page set-up values a run passes to the printing layer; what each
// one controls is the printing layer's own choice.
enum class PrintSetting { A, B, C };

// Moves the print position to a column, counted from 1 at the left edge of
// the printable area in average character widths. When the position is
// already beyond it, printing continues at that column of the next line.
struct PrintTab {
  int column = 1;
  bool operator==(const PrintTab&) const = default;
};

using PrintItem = std::variant<PrintTab, std::string>;
using PrintLineItems = std::vector<PrintItem>;

// The printing layer as the report uses it. The first line of a run opens the
// document; EndDocument closes it. A sink reports a failure of the printer
// by throwing PrintError.
class PrintSink {
 public:
  virtual ~PrintSink() = default;
  virtual void ApplySetting(PrintSetting which, float value) = 0;
  // Prints the items in order and ends the line; a line of a single empty
  // text only advances the paper by one line.
  virtual void PrintLine(const PrintLineItems& items) = 0;
  virtual void EndDocument() = 0;
};

// The printer could not take the document: none is installed, or the one
// chosen refused or lost the job. The message says which, for the user.
class PrintError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace dorvex
