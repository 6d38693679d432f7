// The three calculators as their buttons run them, on any two field texts and any income kind
// or deposit term: one outcome each (a message, an error, or result texts), and results never
// show an infinity or a not-a-number.
#include "Calculators.h"
#include "Deposit.h"
#include "ErrorText.h"
#include "UnitFunc.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void check(bool ok) {
    if (!ok)
        std::abort();
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
    const unsigned selector = data[0];
    calc::Outcome outcome;
    std::size_t results = 0;
    switch (selector % 3) {
    case 0: // income, threshold, kind
        outcome =
            calc::incomeTaxOutcome(first, second, int(selector / 3 % calc::kIncomeKinds.size()));
        results = 2;
        break;
    case 1: // amount, rate, term
        outcome = calc::depositOutcome(
            first, second, calc::kDepositTerms[selector / 3 % calc::kDepositTerms.size()].months);
        results = 3;
        break;
    default: // height, weight
        outcome = calc::healthOutcome(first, second);
        results = 2;
        break;
    }
    const int kinds = !outcome.message.empty() + !outcome.error.empty() + !outcome.texts.empty();
    check(kinds == 1);
    if (!outcome.texts.empty()) {
        check(outcome.texts.size() == results);
        for (const std::string& text : outcome.texts)
            check(text.find("NAN") == std::string::npos && text.find("INF") == std::string::npos);
    }
    if (!outcome.error.empty())
        check(!calc::errorBoxText(outcome.error).empty());
    return 0;
}
