#include "ui/commands.h"

#include <array>
#include <optional>
#include <string>

#include "core/parse_number.h"
#include "core/sweep.h"
#include "report/list_line_from_row.h"
#include "report/printed_report.h"
#include "report/table_lines.h"

namespace dorvex {
namespace {

constexpr std::array kInputBoxes = {BoxName::Text1, BoxName::Text2, BoxName::Text3,
                                    BoxName::Text4, BoxName::Text5, BoxName::Text6};

void SetDisplaysEnabled(WindowView& view, bool enabled) {
  view.SetBoxEnabled(BoxName::Text7, enabled);
  view.SetBoxEnabled(BoxName::Text8, enabled);
}

SweepInputs ReadSweepInputs(const std::array<std::string, 6>& texts,
                            std::string_view separator) {
  SweepInputs inputs;
  inputs.kspText = texts[0];
  inputs.totalCarbonate = ParseInput(texts[1], separator, InputField::TotalCarbonate);
  inputs.totalCalcium = ParseInput(texts[2], separator, InputField::TotalCalcium);
  inputs.phMin = ParseInput(texts[3], separator, InputField::PhMin);
  inputs.phMax = ParseInput(texts[4], separator, InputField::PhMax);
  inputs.phStep = ParseInput(texts[5], separator, InputField::PhStep);
  return inputs;
}

// A zero step never moves the pH, and a step too fine for the range gives
// more rows than anyone can read; both are refused before the first row.
void RefuseEndlessOrHugeRuns(const SweepInputs& inputs) {
  if (inputs.phStep == 0) throw RunRefusal{RefusalReason::ZeroStep};
  if (CountSweepRows(inputs, kMaxRunRows) > kMaxRunRows) {
    throw RunRefusal{RefusalReason::TooManyRows};
  }
}

void Run(WindowView& view, PrintSink& printSink, std::string_view separator,
         const std::array<std::string, 6>& texts, bool& documentEnded) {
  BeginRun(printSink);
  SetDisplaysEnabled(view, true);
  const SweepInputs inputs = ReadSweepInputs(texts, separator);
  RefuseEndlessOrHugeRuns(inputs);
  const DerivedDisplays derived =
      ComputeDerivedDisplays(inputs.totalCarbonate, inputs.totalCalcium, separator);
  view.SetBoxText(BoxName::Text7, derived.carbonateMgC);
  view.SetBoxText(BoxName::Text8, derived.calciumMgCa);
  if (view.PrintSelected()) PrintHeader(printSink, {texts[0], texts[1], texts[2], derived});
  // A sweep may have a million rows: the list line is written straight from
  // the row into storage kept from row to row, and the print variant is made
  // only for a row that is printed.
  std::string line;
  RunSweep(inputs, separator, [&](const SweepRow& row) {
    AssignListLine(line, row, separator);
    view.AppendResultLine(line);
    if (view.PrintSelected()) PrintResultRow(printSink, FormatRow(row, separator).print);
  });
  documentEnded = true;  // whether or not the printer takes it, it is not ended twice
  EndRun(printSink);
}

}  // namespace

RunOutcome CalculateCommand(WindowView& view, PrintSink& printSink,
                            std::string_view decimalSeparator) {
  std::array<std::string, 6> texts;
  for (std::size_t i = 0; i < kInputBoxes.size(); ++i) {
    texts[i] = view.BoxText(kInputBoxes[i]);
    if (texts[i].empty()) return RunOutcome::Ignored;
  }

  std::optional<RunProblem> problem;
  RunOutcome outcome = RunOutcome::Completed;
  bool documentEnded = false;
  try {
    Run(view, printSink, decimalSeparator, texts, documentEnded);
  } catch (const RunError& error) {
    problem = error;
    outcome = RunOutcome::Failed;
  } catch (const PrintError& error) {
    problem = error;
    outcome = RunOutcome::Failed;
  } catch (const RunRefusal& refusal) {
    problem = refusal;
    outcome = RunOutcome::Refused;
  }

  // A run that stopped early still closes its document, so that no print job
  // is left open and the paper holds what the list holds.
  std::optional<PrintError> endFailure;
  if (!documentEnded) {
    try {
      EndRun(printSink);
    } catch (const PrintError& error) {
      endFailure = error;
    }
  }
  SetDisplaysEnabled(view, false);
  if (problem) view.ReportProblem(*problem);
  if (endFailure) view.ReportProblem(*endFailure);
  return outcome;
}

void ClearCommand(WindowView& view) { view.ClearResults(); }

}  // namespace dorvex
