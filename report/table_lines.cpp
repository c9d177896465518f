#include "report/table_lines.h"

#include <array>
#include <cstddef>
#include <cstring>
#include <utility>

#include "report/list_line_from_row.h"
#include "report/number_format.h"
#include "report/number_text.h"
#include "report/utf16.h"

namespace dorvex {
namespace {

// The patterns are read once, here, rather than for every number of every row.
constexpr NumberShape kPhBelowOne = ShapeOf(kTwoDecimals);
constexpr NumberShape kPhFromOne = ShapeOf(kTwoDecimalsNoLeadingZero);
constexpr NumberShape kValueBelowOne = ShapeOf(kEightDecimals);
constexpr NumberShape kValueFromOne = ShapeOf(kEightDecimalsNoLeadingZero);

constexpr char kScreenFill = ' ';
constexpr char kPrintFill = '*';

// The five fields in table order: their widths, and the gaps that stand
// before them in a list line.
constexpr std::size_t kFieldCount = 5;
constexpr std::array<std::size_t, kFieldCount> kWidths = {kPhWidth, kValueWidth, kValueWidth,
                                                          kValueWidth, kValueWidth};
constexpr std::array<std::string_view, kFieldCount> kGapsBefore = {"", "", "  ", "  ", " "};

// Where each field starts in a line whose fields all have their widths.
constexpr std::array<std::size_t, kFieldCount> kLineOffsets = [] {
  std::array<std::size_t, kFieldCount> offsets{};
  std::size_t offset = 0;
  for (std::size_t i = 0; i < kFieldCount; ++i) {
    offset += kGapsBefore[i].size();
    offsets[i] = offset;
    offset += kWidths[i];
  }
  return offsets;
}();
constexpr std::size_t kLineLength = kLineOffsets.back() + kWidths.back();
static_assert(kLineLength == 66);

// A number of the row and the pattern it is shown with.
struct FieldNumber {
  double value;
  NumberShape shape;
};

FieldNumber Concentration(double value) {
  return {value, value < 1 ? kValueBelowOne : kValueFromOne};
}

std::array<FieldNumber, kFieldCount> FieldNumbers(const SweepRow& row) {
  return {FieldNumber{row.ph, row.ph < 1 ? kPhBelowOne : kPhFromOne},
          Concentration(row.solubilityMg),
          // Nothing precipitated is the fixed text 0.00000000, with the
          // user's separator like every other column: exactly what the
          // eight-decimal pattern makes of zero.
          Concentration(row.precipitateMg <= 0 ? 0.0 : row.precipitateMg),
          Concentration(row.dissolvedCaMg), Concentration(row.carbonateMgC)};
}

bool IsAscii(std::string_view text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

// Copies the last `length` (at most 16) bytes before srcEnd to those before
// dstEnd in at most two fixed-size moves, which compile to plain loads and
// stores: a call to memcpy per field would cost as much as the field.
void CopyShortTail(char* dstEnd, const char* srcEnd, std::size_t length) {
  if (length >= 8) {
    std::memcpy(dstEnd - 8, srcEnd - 8, 8);
    std::memcpy(dstEnd - length, srcEnd - length, 8);
  } else if (length >= 4) {
    std::memcpy(dstEnd - 4, srcEnd - 4, 4);
    std::memcpy(dstEnd - length, srcEnd - length, 4);
  } else {
    for (std::size_t i = 1; i <= length; ++i) {
      dstEnd[-static_cast<std::ptrdiff_t>(i)] = srcEnd[-static_cast<std::ptrdiff_t>(i)];
    }
  }
}

// The unpadded text of one field, from which both variants are padded. The
// usual field is built in place: the number is written into a local buffer,
// and each padded string is made at its full width, a size known here, with
// the text copied into its tail.
class FieldText {
 public:
  FieldText(FieldNumber number, std::string_view separator, bool asciiSeparator)
      : begin_(WriteNumberFast(End(), number.value, number.shape, separator)),
        ascii_(asciiSeparator) {
    if (begin_ == nullptr) AppendNumberExact(text_, number.value, number.shape, separator);
  }
  FieldText(const FieldText&) = delete;
  FieldText& operator=(const FieldText&) = delete;

  template <std::size_t Width, char Fill>
  std::string Padded() const {
    static_assert(Width <= 16);
    std::string field(Width, Fill);
    const std::size_t size = Text().size();
    if (begin_ != nullptr && ascii_ && size <= Width) {  // as many bytes as UTF-16 units
      CopyShortTail(field.data() + Width, End(), size);
    } else {
      const char fill[] = {Fill};
      field = PadLeft(Text(), Width, std::string_view(fill, 1));
    }
    return field;
  }

 private:
  char* End() { return buffer_ + sizeof buffer_; }
  const char* End() const { return buffer_ + sizeof buffer_; }
  std::string_view Text() const {
    return begin_ != nullptr ? std::string_view(begin_, static_cast<std::size_t>(End() - begin_))
                             : std::string_view(text_);
  }

  char buffer_[kMaxFastTextLength];
  const char* begin_;
  bool ascii_;
  std::string text_;  // the text, when the fast path did not write it
};

template <std::size_t... Field>
FormattedRow FormatFields(const std::array<FieldNumber, kFieldCount>& numbers,
                          std::string_view separator, std::index_sequence<Field...>) {
  const bool ascii = IsAscii(separator);
  const std::array<FieldText, kFieldCount> texts = {
      FieldText(numbers[Field], separator, ascii)...};
  return {RowTexts{texts[Field].template Padded<kWidths[Field], kScreenFill>()...},
          RowTexts{texts[Field].template Padded<kWidths[Field], kPrintFill>()...}};
}

// The fields of a list line in the order RowTexts holds them.
std::array<std::string_view, kFieldCount> FieldsOf(const RowTexts& texts) {
  return {texts.ph, texts.solubility, texts.precipitate, texts.dissolvedCalcium,
          texts.carbonateIon};
}

// A list line written in place, right to left: each field is filled, then its
// number written back from the field's end (a number too long for its field
// runs on to the left, into room that is written later, and makes the line
// fall back to the general way), then the gap before it. Room before the
// line takes whatever the first field's number runs on with.
class DirectLine {
 public:
  explicit DirectLine(std::string_view separator)
      : separator_(separator), fits_(IsAscii(separator)) {}

  template <std::size_t Field>
  void Write(const FieldNumber& number) {
    char* const start = line_.data() + kRoom + kLineOffsets[Field];
    char* const end = start + kWidths[Field];
    std::memset(start, kScreenFill, kWidths[Field]);
    const char* const begin = WriteNumberFast(end, number.value, number.shape, separator_);
    fits_ = fits_ && begin != nullptr && begin >= start;
    std::memcpy(start - kGapsBefore[Field].size(), kGapsBefore[Field].data(),
                kGapsBefore[Field].size());
  }

  bool Fits() const { return fits_; }
  std::string_view Text() const { return {line_.data() + kRoom, kLineLength}; }

 private:
  static constexpr std::size_t kRoom = kMaxFastTextLength;
  std::array<char, kRoom + kLineLength> line_;
  std::string_view separator_;
  bool fits_;
};

template <std::size_t... Field>
void WriteRightToLeft(DirectLine& line, const std::array<FieldNumber, kFieldCount>& numbers,
                      std::index_sequence<Field...>) {
  (line.Write<kFieldCount - 1 - Field>(numbers[kFieldCount - 1 - Field]), ...);
}

}  // namespace

FormattedRow FormatRow(const SweepRow& row, std::string_view decimalSeparator) {
  return FormatFields(FieldNumbers(row), decimalSeparator,
                      std::make_index_sequence<kFieldCount>{});
}

std::string PadLeft(std::string_view text, std::size_t width, std::string_view fill) {
  const std::size_t length = Utf16Length(text);
  const std::size_t fillLength = Utf16Length(fill);
  // A fill that adds no length could never bring the text to its width.
  const std::size_t copies =
      length < width && fillLength > 0 ? (width - length + fillLength - 1) / fillLength : 0;
  std::string padded;
  padded.reserve(copies * fill.size() + text.size());
  for (std::size_t i = 0; i < copies; ++i) padded.append(fill);
  padded.append(text);
  return padded;
}

std::string ListLine(const RowTexts& screen) {
  const std::array<std::string_view, kFieldCount> fields = FieldsOf(screen);
  std::size_t length = 0;
  for (std::size_t i = 0; i < kFieldCount; ++i) {
    length += kGapsBefore[i].size() + fields[i].size();
  }
  std::string line;
  line.reserve(length);
  for (std::size_t i = 0; i < kFieldCount; ++i) line.append(kGapsBefore[i]).append(fields[i]);
  return line;
}

void AssignListLine(std::string& line, const SweepRow& row, std::string_view decimalSeparator) {
  const std::array<FieldNumber, kFieldCount> numbers = FieldNumbers(row);
  DirectLine direct(decimalSeparator);
  WriteRightToLeft(direct, numbers, std::make_index_sequence<kFieldCount>{});
  if (direct.Fits()) {
    line.assign(direct.Text());
  } else {
    line = ListLine(FormatRow(row, decimalSeparator).screen);
  }
}

PrintLineItems PrintRow(const RowTexts& print) {
  return {PrintTab{14}, print.ph,          PrintTab{22}, print.solubility,
          PrintTab{44}, print.precipitate, PrintTab{66}, print.dissolvedCalcium,
          PrintTab{88}, print.carbonateIon};
}

}  // namespace dorvex
