#pragma once

#include <array>
#include <string_view>

// Personal income tax: the bracket tables, the deduction rules and the flat rate.
// Each function takes one amount in yuan and returns the tax, rounded once to double.

// Wages: the monthly taxable amount (income minus threshold) by the wage brackets; never negative.
double CalcWageTax(double taxable);
// Business or contracting income by the business brackets; never negative.
double CalcOperationTax(double income);
// Labour remuneration after the 800 / 20 % deduction.
double CalcLaborTax(double income);
// Manuscript remuneration after the 800 / 20 % deduction, reduced by 30 %.
double CalcManuscriptTax(double income);
// Royalties and auction income after the 800 / 20 % deduction.
double CalcFlatDeductedTax(double income);

namespace calc {

// The nine kinds of income, in list order.
inline constexpr std::array<std::string_view, 9> kIncomeKinds = {
    "工资、薪金所得",
    "个体工商户生产、经营所得",
    "对企事业单位的承包经营、承租经营所得",
    "劳务报酬所得",
    "稿酬所得",
    "特许权使用所得",
    "利息、股息、红利所得",
    "偶然所得（如：中奖、中彩）",
    "个人拍卖所得",
};
inline constexpr int kWageKind = 0;

// The tax on `amount` for income kind `kind` (for wages, `amount` is the taxable amount);
// a kind outside the list pays 0.
double incomeTax(int kind, double amount);

// Income minus threshold, stored as a double (CalcError on overflow).
double wageTaxable(double income, double threshold);

// What is left of `income` after `tax`, in extended precision.
long double afterTax(long double income, double tax);

} // namespace calc
