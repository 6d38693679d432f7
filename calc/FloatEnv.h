#pragma once

#include <stdexcept>
#include <string>

// The extended-precision environment of the native calculators: arithmetic in long double
// (64-bit significand, round to nearest even), and the faults the hardware reports turned into
// errors carrying the text the user sees, never into infinities or not-a-numbers.
namespace calc {

inline constexpr const char* kDivisionByZero = "Floating point division by zero";
inline constexpr const char* kInvalidOperation = "Invalid floating point operation";
inline constexpr const char* kOverflow = "Floating point overflow";

// A calculation that failed; what() is the text shown in the application's error box.
class CalcError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Clears the floating-point fault flags on construction; check() throws for the faults raised
// since then (an invalid operation before a division by zero before an overflow).
class FaultScope {
public:
    FaultScope();
    void check() const;
};

// Stores an extended value as a double, as a store to a double variable does: a magnitude
// beyond the double range is an overflow.
double toDouble(long double value);

} // namespace calc
