#include "FloatEnv.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace calc {

namespace {
constexpr int kFaults = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;
}

FaultScope::FaultScope() {
    std::feclearexcept(kFaults);
}

void FaultScope::check() const {
    const int raised = std::fetestexcept(kFaults);
    if (raised & FE_INVALID)
        throw CalcError(kInvalidOperation);
    if (raised & FE_DIVBYZERO)
        throw CalcError(kDivisionByZero);
    if (raised & FE_OVERFLOW)
        throw CalcError(kOverflow);
}

double toDouble(long double value) {
    if (std::isnan(value))
        throw CalcError(kInvalidOperation);
    // Rounding may carry a value just above the largest double up to infinity as well.
    const double stored = static_cast<double>(value);
    if (std::isinf(stored))
        throw CalcError(kOverflow);
    return stored;
}

} // namespace calc
