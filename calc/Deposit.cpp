#include "Deposit.h"

#include "FloatEnv.h"

#include <cmath>

namespace calc {

namespace {
// Interest is not taxed.
constexpr long double kInterestTaxRate = 0;
constexpr long double kPercent = 0.01L;
} // namespace

double roundHundredths(double value) {
    const long double hundredfold = static_cast<long double>(value) * 100;
    // 2^63 and beyond, or NaN, have no 64-bit integer form.
    if (!(std::fabs(hundredfold) < 0x1p63L))
        throw CalcError(kOverflow);
    const long long whole = std::llrintl(hundredfold); // default rounding: nearest, ties to even
    return toDouble(static_cast<long double>(whole) / 100);
}

DepositResult depositInterest(double amount, double ratePercent, int months) {
    const long double a = amount, r = ratePercent, t = kInterestTaxRate;
    FaultScope faults;
    const long double interest = a * r * months * kPercent / 12;
    const long double tax = t * a * r * months * kPercent / 12;
    const long double total = ((1 - t) * r * months * kPercent / 12 + 1) * a;
    faults.check();
    return {roundHundredths(toDouble(interest)), roundHundredths(toDouble(tax)),
            roundHundredths(toDouble(total))};
}

} // namespace calc
