#pragma once

#include <optional>
#include <string>
#include <string_view>

// How the native calculators read and write number texts.
namespace calc {

// Reads a complete decimal floating-point number: blanks around it, an optional sign, digits
// with at most one point (at least one digit), an optional exponent. Magnitudes beyond the
// extended range read as infinity (a later store to double reports the overflow), subnormal
// ones as the nearest subnormal, smaller ones as zero; empty text and anything else give no
// value.
std::optional<long double> readNumber(std::string_view text);

// readNumber, failing with the parser's own message "'<text>' is not a valid floating point
// value" (a CalcError); the text is quoted as quotedText shows it.
long double parseNumber(std::string_view text);

// The general number format: at most 15 significant digits (the decimal digit string rounded
// half up), no trailing zeros; fixed notation for 0.0001 <= |value| < 1E15, otherwise
// scientific ("1E15", "1.5E-5"); zero reads "0".
std::string formatGeneral(long double value);

} // namespace calc
