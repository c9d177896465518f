#pragma once

#include <QString>

namespace dorvex {

// The font family for text whose columns must line up and that may hold
// Japanese: "FixedSys" where the system has it; otherwise the first family
// with Japanese glyphs whose half-width characters all have one width, so
// that no Japanese text shows as empty boxes; failing both, the system's
// fixed-pitch family. Needs a QGuiApplication.
QString FixedPitchJapaneseFamily();

}  // namespace dorvex
