#include "report/printed_report.h"

#include <string_view>

namespace dorvex {
namespace {

constexpr std::string_view kKspLabel = "溶解度積Ksp(mol/L)2 = ";
constexpr std::string_view kTotalCarbonateLabel = "全炭酸濃度(mol/L)     = ";
constexpr std::string_view kCarbonateMgCLabel = "全炭酸濃度(mg-C/L)  = ";
constexpr std::string_view kTotalCalciumLabel = "全Ca濃度(mol/L)        = ";
constexpr std::string_view kCalciumMgCaLabel = "全Ca濃度(mg-Ca/L)   = ";
constexpr std::string_view kColumnHeader =
    " pH     Dorvex溶解度(mg/l)   Dorvex↓(mg/l)     　溶解性Ca(mg/l)      　液中CO3--(mg-C/l) ";
constexpr std::string_view kColumnSubHeader = "(溶解性Dorvex含む)    (溶解性Dorvex含む) ";

constexpr int kParameterColumn = 40;
constexpr int kHeaderColumn = 14;
constexpr int kSubHeaderColumn = 63;

void PrintEmptyLine(PrintSink& sink) { sink.PrintLine({std::string()}); }

void PrintParameter(PrintSink& sink, std::string_view label, const std::string& value) {
  sink.PrintLine({PrintTab{kParameterColumn}, std::string(label), value});
}

void PrintHeading(PrintSink& sink, int column, std::string_view text) {
  sink.PrintLine({PrintTab{column}, std::string(text)});
}

}  // namespace

void BeginRun(PrintSink& sink) { sink.ApplySetting(PrintSetting::A, 12.0f); }

void PrintHeader(PrintSink& sink, const ReportParameters& parameters) {
  sink.ApplySetting(PrintSetting::B, 100.0f);
  sink.ApplySetting(PrintSetting::C, 50.0f);
  for (int i = 0; i < 3; ++i) PrintEmptyLine(sink);
  PrintParameter(sink, kKspLabel, parameters.kspText);
  PrintParameter(sink, kTotalCarbonateLabel, parameters.totalCarbonateText);
  PrintParameter(sink, kCarbonateMgCLabel, parameters.derived.carbonateMgC);
  PrintParameter(sink, kTotalCalciumLabel, parameters.totalCalciumText);
  PrintParameter(sink, kCalciumMgCaLabel, parameters.derived.calciumMgCa);
  PrintEmptyLine(sink);
  PrintHeading(sink, kHeaderColumn, kColumnHeader);
  PrintHeading(sink, kSubHeaderColumn, kColumnSubHeader);
}

void PrintResultRow(PrintSink& sink, const RowTexts& print) { sink.PrintLine(PrintRow(print)); }

void EndRun(PrintSink& sink) { sink.EndDocument(); }

}  // namespace dorvex
