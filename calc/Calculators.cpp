#include "Calculators.h"

#include "Deposit.h"
#include "FloatEnv.h"
#include "Health.h"
#include "NumberText.h"
#include "UnitFunc.h"

#include <array>
#include <exception>
#include <initializer_list>

namespace calc {

namespace {

// The first failing check of fields given in screen order as (text, empty message, not a
// number message); empty when all pass.
std::string firstFailure(std::initializer_list<std::array<std::string_view, 3>> fields) {
    for (const auto& [text, empty, notNumber] : fields) {
        if (text.empty())
            return std::string(empty);
        if (!notNumber.empty() && !readNumber(text))
            return std::string(notNumber);
    }
    return {};
}

// The outcome of checked fields: the result texts, or the calculation's error.
template <class Compute> Outcome computed(const std::string& message, Compute&& compute) {
    if (!message.empty())
        return {message, {}, {}};
    try {
        return {{}, {}, compute()};
    } catch (const std::exception& e) {
        return {{}, e.what(), {}};
    }
}

} // namespace

double fieldNumber(std::string_view text) {
    return toDouble(parseNumber(text));
}

Outcome incomeTaxOutcome(std::string_view income, std::string_view threshold, int kind) {
    // The threshold must be filled in, but is read only for a kind that uses it.
    const std::string message = firstFailure({{income, "请输入收入金额！", "收入金额必须为数字！"},
                                              {threshold, "所得税起征金额不能为空！", ""}});
    return computed(message, [&]() -> std::vector<std::string> {
        double tax = 0;
        if (const IncomeKind* k = incomeKind(kind)) {
            const double amount = fieldNumber(income);
            tax = k->tax(k->usesThreshold ? wageTaxable(amount, fieldNumber(threshold)) : amount);
        }
        return {formatGeneral(tax) + " 元",
                formatGeneral(afterTax(parseNumber(income), tax)) + " 元"};
    });
}

Outcome depositOutcome(std::string_view amount, std::string_view rate, int months) {
    const std::string message = firstFailure({{amount, "请输入存款金额！", "存款金额必须为数字！"},
                                              {rate, "请输入存款利率！", "存款利率必须为数字！"}});
    return computed(message, [&]() -> std::vector<std::string> {
        const DepositResult r = depositInterest(fieldNumber(amount), fieldNumber(rate), months);
        return {formatGeneral(r.interest), formatGeneral(r.interestTax), formatGeneral(r.total)};
    });
}

Outcome healthOutcome(std::string_view height, std::string_view weight) {
    const std::string message = firstFailure({{height, "请输入您的身高！", "身高必须为数字！"},
                                              {weight, "请输入您的体重！", "体重必须为数字！"}});
    return computed(message, [&]() -> std::vector<std::string> {
        // The weight is read before the height.
        const double w = fieldNumber(weight);
        const int index = healthIndex(fieldNumber(height), w);
        return {std::to_string(index), std::string(healthVerdict(index))};
    });
}

} // namespace calc
