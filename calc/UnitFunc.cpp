#include "UnitFunc.h"

#include "FloatEnv.h"

namespace {

struct Band {
    double upper; // belongs to its own band
    int rate;     // whole percent
    int quickDeduction;
};

constexpr Band kWageBands[] =
    {
        {500, 5, 0},       {2000, 10, 25},      {5000, 15, 125},
        {20000, 20, 375},  {40000, 25, 1375},   {60000, 30, 3375},
        {80000, 35, 6375}, {100000, 40, 10375}, {0, 45, 15375}, // last band: everything above
};

constexpr Band kBusinessBands[] = {
    {5000, 5, 0}, {10000, 10, 250}, {30000, 20, 1250}, {50000, 30, 4250}, {0, 35, 6750},
};

template <std::size_t N> double bracketTax(double x, const Band (&bands)[N]) {
    const Band* band = &bands[N - 1];
    for (std::size_t i = 0; i + 1 < N; ++i) {
        if (bands[i].upper >= x) {
            band = &bands[i];
            break;
        }
    }
    calc::FaultScope faults;
    const long double tax = static_cast<long double>(x) * band->rate / 100 - band->quickDeduction;
    faults.check();
    const double stored = calc::toDouble(tax);
    // Income at or below the threshold pays nothing.
    return stored < 0 ? 0 : stored;
}

constexpr long double kDeductionShare = 0.2L;
constexpr long double kTaxRate = 0.2L;
constexpr long double kManuscriptShare = 0.7L;
constexpr long double kRemainingShare = 0.8L;

} // namespace

double CalcWageTax(double taxable) {
    return bracketTax(taxable, kWageBands);
}

double CalcOperationTax(double income) {
    return bracketTax(income, kBusinessBands);
}

// Labour income and the flat-deducted kinds take the same fifth off above 4000, written as
// the two rules are worded: labour income less a fifth of itself, the others four fifths of the
// income. Both give the same doubles (ten million random amounts tried); each follows its rule's
// words.
double CalcLaborTax(double income) {
    const long double x = income;
    if (x <= 800)
        return 0;
    if (x <= 4000)
        return calc::toDouble((x - 800) * kTaxRate);
    return calc::toDouble((x - x * kDeductionShare) * kTaxRate);
}

double CalcManuscriptTax(double income) {
    const long double x = income;
    if (x <= 800)
        return 0;
    if (x <= 4000)
        return calc::toDouble((x - 800) * kTaxRate * kManuscriptShare);
    return calc::toDouble(x * kRemainingShare * kTaxRate * kManuscriptShare);
}

double CalcFlatDeductedTax(double income) {
    const long double x = income;
    if (x <= 800)
        return 0;
    if (x <= 4000)
        return calc::toDouble((x - 800) * kTaxRate);
    return calc::toDouble(x * kRemainingShare * kTaxRate);
}

namespace calc {

double flatTax(double income) {
    return toDouble(static_cast<long double>(income) * 20 / 100);
}

const IncomeKind* incomeKind(int kind) {
    return kind >= 0 && kind < int(kIncomeKinds.size()) ? &kIncomeKinds[std::size_t(kind)]
                                                        : nullptr;
}

double wageTaxable(double income, double threshold) {
    return toDouble(static_cast<long double>(income) - threshold);
}

long double afterTax(long double income, double tax) {
    return income - tax;
}

} // namespace calc
