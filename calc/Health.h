#pragma once

#include <string_view>

// The body-mass index as a whole number, and what it says.
namespace calc {

// round(weight / (height * height) * 100 * 100), height in cm and weight in kg, ties to even.
// Throws CalcError: "Floating point division by zero" for height 0, "Invalid floating point
// operation" for height and weight 0, "Floating point overflow" beyond a 32-bit integer.
int healthIndex(double heightCm, double weightKg);

// The verdict for an index.
std::string_view healthVerdict(int index);

} // namespace calc
