#pragma once

#include <string>
#include <string_view>
#include <vector>

// What the "计 算" button of each native calculator makes of its fields: they are checked in
// screen order, read, computed with, and the results formatted as their labels show them.
namespace calc {

struct Outcome {
    std::string message;            // a field is empty or no number: for the message box
    std::string error;              // the fields passed but the calculation failed: for the
                                    // application error box
    std::vector<std::string> texts; // otherwise the result labels' texts, in screen order
};

// A field's number held as a double: CalcError when the text is no number or beyond the
// double range.
double fieldNumber(std::string_view text);

// Tax and after-tax amount ("… 元") for the income, the threshold and list index `kind`.
Outcome incomeTaxOutcome(std::string_view income, std::string_view threshold, int kind);

// Interest, interest tax and total for the amount at the annual rate over `months`.
Outcome depositOutcome(std::string_view amount, std::string_view rate, int months);

// The body-mass index and its verdict for the height (cm) and weight (kg).
Outcome healthOutcome(std::string_view height, std::string_view weight);

} // namespace calc
