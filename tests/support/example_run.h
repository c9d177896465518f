#pragma once

#include <array>
#include <string>
#include <vector>

namespace dorvex::testing_support {

// The example run (Ksp 4.7E-9, both totals 0.001 mol/L, pH 12 down to 6 by 1)
// as typed into the six boxes, and the seven lines it appends to the list,
// checked digit by digit against a hand calculation.
inline const std::array<std::string, 6> kExampleInputs = {"4.7E-9", "0.001", "0.001",
                                                          "6",      "12",    "1"};
inline const std::vector<std::string> kExampleLines = {
    "12.00    6.78356353     93.07148819      2.77140472     0.81402762",
    "11.00    6.22295698     92.44732044      3.02107183     0.74675484",
    "10.00    3.87056558     87.85707179      4.85717129     0.46446787",
    " 9.00    1.44796518     67.54065583     12.98373767     0.17375582",
    " 8.00    0.45528135      0.00000000     40.00000000     0.05463376",
    " 7.00    0.03795540      0.00000000     40.00000000     0.00455465",
    " 6.00    0.00140725      0.00000000     40.00000000     0.00016887",
};

}  // namespace dorvex::testing_support
