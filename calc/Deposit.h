#pragma once

#include <array>
#include <string_view>

// Simple interest on a fixed-term deposit.
namespace calc {

struct DepositTerm {
    std::string_view caption;
    int months;
    std::string_view rate; // default annual rate in percent, as the rate field shows it
};

inline constexpr std::array<DepositTerm, 6> kDepositTerms = {{
    {"三个月", 3, "1.7100"},
    {"六个月", 6, "1.9800"},
    {"一年", 12, "2.2500"},
    {"两年", 24, "2.7900"},
    {"三年", 36, "3.3300"},
    {"五年", 60, "3.6000"},
}};

struct DepositResult {
    double interest;
    double interestTax;
    double total; // principal plus interest after tax
};

// Interest for the whole term at the annual rate (months / 12, no compounding), each figure
// rounded to hundredths with ties to even. Throws CalcError when a figure overflows.
DepositResult depositInterest(double amount, double ratePercent, int months);

// Rounds to hundredths: the hundredfold rounded to a whole number with ties to even, which
// must fit a signed 64-bit integer (CalcError "Floating point overflow" otherwise).
double roundHundredths(double value);

} // namespace calc
