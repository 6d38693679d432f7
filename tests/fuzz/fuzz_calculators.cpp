// The three calculators as their buttons run them: two field texts, an income kind or deposit
// term; a calculation either fails with one of the runtime texts or gives finite results.
#include "Deposit.h"
#include "FloatEnv.h"
#include "Health.h"
#include "NumberText.h"
#include "UnitFunc.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void check(bool ok) {
    if (!ok)
        std::abort();
}

double field(std::string_view text) {
    return calc::toDouble(calc::parseNumber(text));
}

void checkFinite(long double v) {
    check(std::isfinite(v));
    const std::string shown = calc::formatGeneral(v);
    check(shown != "NAN" && shown != "INF" && shown != "-INF");
}

} // namespace

// Input: one selector byte, then the first field, a line feed and the second field.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::size_t lf = rest.find('\n');
    const std::string_view first = rest.substr(0, lf);
    const std::string_view second = lf == std::string_view::npos ? "" : rest.substr(lf + 1);
    if (!calc::readNumber(first) || !calc::readNumber(second))
        return 0; // the tabs stop at their validation messages
    const unsigned selector = data[0];
    try {
        switch (selector % 3) {
        case 0: { // income tax: amount, threshold
            const int kind = int(selector / 3 % calc::kIncomeKinds.size());
            const double tax =
                kind == calc::kWageKind
                    ? calc::incomeTax(kind, calc::wageTaxable(field(first), field(second)))
                    : calc::incomeTax(kind, field(first));
            checkFinite(tax);
            checkFinite(calc::afterTax(calc::parseNumber(first), tax));
            break;
        }
        case 1: { // deposit: amount, rate
            const int months =
                calc::kDepositTerms[selector / 3 % calc::kDepositTerms.size()].months;
            const calc::DepositResult r =
                calc::depositInterest(field(first), field(second), months);
            checkFinite(r.interest);
            checkFinite(r.interestTax);
            checkFinite(r.total);
            break;
        }
        default: { // health: height, weight
            const double w = field(second);
            const int index = calc::healthIndex(field(first), w);
            check(!calc::healthVerdict(index).empty());
            break;
        }
        }
    } catch (const calc::CalcError& e) {
        const std::string_view what = e.what();
        check(what == calc::kDivisionByZero || what == calc::kInvalidOperation ||
              what == calc::kOverflow);
    }
    return 0;
}
