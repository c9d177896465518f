#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "ui/problem_message.h"

namespace dorvex {

// The layout is kept in twips, the unit the window was drawn in, and turned
// into logical pixels at 15 twips a pixel (96 dots per inch) when the controls
// are placed, so every number here can be checked against the drawing.
inline constexpr int kTwipsPerPixel = 15;

// Half away from zero, for the non-negative twips of the layout.
constexpr int TwipsToPixels(int twips) {
  return (2 * twips + kTwipsPerPixel) / (2 * kTwipsPerPixel);
}

struct Rgb {
  int red = 0;
  int green = 0;
  int blue = 0;
};

inline constexpr Rgb kFormGrey{224, 224, 224};
inline constexpr Rgb kReferenceBlue{0, 0, 192};

inline constexpr std::string_view kWindowCaption = "Dorvex";
inline constexpr int kClientWidthTwips = 8616;
inline constexpr int kClientHeightTwips = 7944;

enum class ControlKind { Label, TextBox, PushButton, CheckBox, ListBox };

struct TwipsRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

struct ControlDescription {
  constexpr ControlDescription(std::string_view name, ControlKind kind, std::string_view caption,
                               TwipsRect twips, std::optional<Rgb> background = std::nullopt,
                               std::optional<Rgb> textColour = std::nullopt)
      : name(name), kind(kind), caption(caption), twips(twips), background(background),
        textColour(textColour) {}

  std::string_view name;
  ControlKind kind;
  std::string_view caption;
  TwipsRect twips;
  std::optional<Rgb> background;  // the toolkit's colour where unset
  std::optional<Rgb> textColour;
};

// Every control of the window, in keyboard tab order.
inline constexpr auto kWindowControls = [] {
  using enum ControlKind;
  return std::to_array<ControlDescription>({
      {"Label1", Label, InputCaption(InputField::Ksp), {480, 360, 1815, 375}},
      {"Label2", Label, InputCaption(InputField::TotalCarbonate), {480, 720, 2295, 255}},
      {"Label3", Label, "(CO3--+HCO3-+H2CO3)", {480, 960, 2295, 375}},
      {"Label4", Label, InputCaption(InputField::TotalCalcium), {480, 1320, 1695, 255}},
      {"Label5", Label, InputCaption(InputField::PhMin), {600, 1800, 1575, 375}},
      {"Label6", Label, InputCaption(InputField::PhMax), {2160, 1800, 1455, 255}},
      {"Label7", Label, InputCaption(InputField::PhStep), {3960, 1800, 735, 255}},
      {"Command1", PushButton, "計算", {720, 2760, 1215, 495}},
      {"Command2", PushButton, "クリヤ", {3960, 2760, 1215, 495}},
      {"Check1", CheckBox, "印刷する", {2520, 2880, 1335, 375}, kFormGrey},
      {"Label8", Label,
       " pH        Dorvex溶解度(mg/L)      析出Dorvex(mg/L)      溶解性Ca(mg-Ca/L)    液中CO3--(mg-C/L)  ",
       {240, 3480, 8895, 255}, kFormGrey},
      {"Label9", Label, "(溶解性Dorvex含)　　　　(溶解性Dorvex含)", {4800, 3720, 3855, 375}, kFormGrey},
      {"Text1", TextBox, {}, {2520, 240, 1215, 375}},
      {"Text2", TextBox, {}, {2520, 720, 1215, 375}},
      {"Text3", TextBox, {}, {2520, 1200, 1215, 375}},
      {"Text4", TextBox, {}, {840, 2160, 615, 375}},
      {"Text5", TextBox, {}, {2400, 2160, 615, 375}},
      {"Text6", TextBox, {}, {3960, 2160, 615, 375}},
      {"Text7", TextBox, {}, {4800, 720, 1215, 375}, kFormGrey},
      {"Text8", TextBox, {}, {4800, 1200, 1215, 375}, kFormGrey},
      {"Label10", Label, "(mg-C/L)", {6120, 840, 855, 255}},
      {"Label11", Label, "(mg-Ca/L)", {6120, 1320, 975, 375}},
      {"List1", ListBox, {}, {120, 3960, 8355, 3744}},
      {"Label12", Label, "Dorvex溶解度積(参考値)", {4260, 204, 2424, 396}, kFormGrey, kReferenceBlue},
      {"Label13", Label, "4.7×10^(-9)  [(mol/L)(mol/L)] @25℃水中", {4260, 444, 3456, 288}, kFormGrey,
       kReferenceBlue},
  });
}();

}  // namespace dorvex
