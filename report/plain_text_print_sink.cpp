#include "report/plain_text_print_sink.h"

#include <string>

#include "report/utf16.h"

namespace dorvex {

void PlainTextPrintSink::ApplySetting(PrintSetting which, float value) {
  settings_[static_cast<std::size_t>(which)] = value;
}

std::optional<float> PlainTextPrintSink::Setting(PrintSetting which) const {
  return settings_[static_cast<std::size_t>(which)];
}

void PlainTextPrintSink::PrintLine(const PrintLineItems& items) {
  std::string line;
  std::size_t position = 0;  // characters already on the current line
  for (const PrintItem& item : items) {
    if (const auto* tab = std::get_if<PrintTab>(&item)) {
      const std::size_t target = tab->column > 1 ? static_cast<std::size_t>(tab->column - 1) : 0;
      if (position > target) {
        line += '\n';
        position = 0;
      }
      line.append(target - position, ' ');
      position = target;
    } else {
      const auto& text = std::get<std::string>(item);
      line += text;
      position += Utf16Length(text);
    }
  }
  line += '\n';
  out_ << line;
}

void PlainTextPrintSink::EndDocument() {
  out_.flush();
  ++documentsEnded_;
}

}  // namespace dorvex
