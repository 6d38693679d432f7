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

// Interest, dividends and windfalls: a flat 20 %, no threshold, no deduction, no lower limit.
double flatTax(double income);

// One kind of income: its caption in the list, its rule, and whether the threshold counts.
// For a kind that uses the threshold, the rule takes the taxable amount (income minus
// threshold); the threshold row shows, and its field is read, for such kinds only.
struct IncomeKind {
    std::string_view caption;
    double (*tax)(double amount);
    bool usesThreshold;
};

// The nine kinds of income, in list order.
inline constexpr std::array<IncomeKind, 9> kIncomeKinds = {{
    {"工资、薪金所得", CalcWageTax, true},
    {"个体工商户生产、经营所得", CalcOperationTax, false},
    {"对企事业单位的承包经营、承租经营所得", CalcOperationTax, false},
    {"劳务报酬所得", CalcLaborTax, false},
    {"稿酬所得", CalcManuscriptTax, false},
    {"特许权使用所得", CalcFlatDeductedTax, false},
    {"利息、股息、红利所得", flatTax, false},
    {"偶然所得（如：中奖、中彩）", flatTax, false},
    {"个人拍卖所得", CalcFlatDeductedTax, false},
}};

// The kind at list index `kind`; none for -1 (nothing selected) or beyond the list.
const IncomeKind* incomeKind(int kind);

// Income minus threshold, stored as a double (CalcError on overflow).
double wageTaxable(double income, double threshold);

// What is left of `income` after `tax`, in extended precision.
long double afterTax(long double income, double tax);

} // namespace calc
