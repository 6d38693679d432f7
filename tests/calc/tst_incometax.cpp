// Income tax: the bracket tables, the deduction rules and the flat rate, and what the tax tab's
// button makes of its fields: the checks in screen order, the tax and after-tax texts, the errors.
#include "CalcTestSupport.h"
#include "UnitFunc.h"

class TestIncomeTax : public QObject {
    Q_OBJECT
private slots:
    void brackets_data();
    void brackets();
    void deductions_data();
    void deductions();
    void tabResults_data();
    void tabResults();
    void failures_data();
    void failures();
};

void TestIncomeTax::brackets_data() {
    QTest::addColumn<bool>("wages");
    QTest::addColumn<double>("x");
    QTest::addColumn<QString>("tax");

    // Nothing at or below zero: the threshold covers it.
    for (const double x : {-100.0, 0.0}) {
        QTest::addRow("wages %g", x) << true << x << "0";
        QTest::addRow("business %g", x) << false << x << "0";
    }
    QTest::newRow("wages 0.01") << true << 0.01 << "0.0005";

    // At each upper bound the band's own rate applies, just above it the next band's. The quick
    // deductions make the tax continuous, so only the amount above the bound tells them apart.
    const struct {
        bool wages;
        double bound, above;
        const char *atBound, *aboveBound;
    } edges[] = {{true, 500, 500.01, "25", "25.001"},
                 {true, 2000, 2000.01, "175", "175.0015"},
                 {true, 5000, 5000.01, "625", "625.002"},
                 {true, 20000, 20000.01, "3625", "3625.0025"},
                 {true, 40000, 40000.01, "8625", "8625.003"},
                 {true, 60000, 60000.01, "14625", "14625.0035"},
                 {true, 80000, 80000.01, "21625", "21625.004"},
                 {true, 100000, 100000.01, "29625", "29625.0045"},
                 {false, 5000, 5000.01, "250", "250.001"},
                 {false, 10000, 10000.01, "750", "750.002"},
                 {false, 30000, 30000.01, "4750", "4750.003"},
                 {false, 50000, 50000.01, "10750", "10750.0035"}};
    for (const auto& e : edges) {
        const char* table = e.wages ? "wages" : "business";
        QTest::addRow("%s %g", table, e.bound) << e.wages << e.bound << e.atBound;
        QTest::addRow("%s %.2f", table, e.above) << e.wages << e.above << e.aboveBound;
    }
}

void TestIncomeTax::brackets() {
    QFETCH(bool, wages);
    QFETCH(double, x);
    QFETCH(QString, tax);
    QCOMPARE(general(wages ? CalcWageTax(x) : CalcOperationTax(x)), tax);
}

void TestIncomeTax::deductions_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<QString>("labor");
    QTest::addColumn<QString>("manuscript");
    QTest::addColumn<QString>("flatDeducted");

    // Up to 800 nothing; up to 4000 the 800 comes off (800.01 shows the binary noise of the
    // difference); above 4000 a fifth comes off, with no further band.
    const struct {
        double x;
        const char *labor, *manuscript, *flat;
    } rows[] = {
        {-100, "0", "0", "0"},
        {0, "0", "0", "0"},
        {800, "0", "0", "0"},
        {800.01, "0.00199999999999818", "0.00139999999999873", "0.00199999999999818"},
        // Just above 800 the difference cancels, and the noise shows whether the factors are
        // extended constants.
        {804.77, "0.953999999999996", "0.667799999999998", "0.953999999999996"},
        {823.53, "4.70599999999999", "3.2942", "4.70599999999999"},
        {800.5, "0.1", "0.07", "0.1"},
        {1000, "40", "28", "40"},
        {4000, "640", "448", "640"},
        {4000.01, "640.0016", "448.00112", "640.0016"},
        {4000.5, "640.08", "448.056", "640.08"},
        {10000, "1600", "1120", "1600"},
        {50000, "8000", "5600", "8000"},
    };
    for (const auto& r : rows)
        QTest::addRow("%g", r.x) << r.x << r.labor << r.manuscript << r.flat;
}

void TestIncomeTax::deductions() {
    QFETCH(double, x);
    QFETCH(QString, labor);
    QFETCH(QString, manuscript);
    QFETCH(QString, flatDeducted);
    QCOMPARE(general(CalcLaborTax(x)), labor);
    QCOMPARE(general(CalcManuscriptTax(x)), manuscript);
    QCOMPARE(general(CalcFlatDeductedTax(x)), flatDeducted);
}

void TestIncomeTax::tabResults_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("income");
    QTest::addColumn<QByteArray>("threshold");
    QTest::addColumn<QString>("tax");
    QTest::addColumn<QString>("afterTax");

    const struct {
        int kind;
        const char* income;
        const char* threshold;
        const char* tax;
        const char* afterTax;
    } rows[] = {
        {0, "5000", "2000", "325", "4675"},
        {0, "2500", "2000", "25", "2475"},
        {0, "2500.01", "2000", "25.001", "2475.009"},
        {0, "2000", "2000", "0", "2000"},
        {0, "1500", "2000", "0", "1500"},
        {0, "102000", "2000", "29625", "72375"},
        {0, "200000", "2000", "73725", "126275"},
        {0, "5000", "0", "625", "4375"},
        {0, "5000", "3500", "125", "4875"},
        {0, "-100", "2000", "0", "-100"},
        {1, "5000", "2000", "250", "4750"},
        {2, "5000", "2000", "250", "4750"},
        {2, "5000.5", "2000", "250.05", "4750.45"},
        {1, "60000", "2000", "14250", "45750"},
        {3, "800", "2000", "0", "800"},
        {3, "1000", "2000", "40", "960"},
        {3, "4000", "2000", "640", "3360"},
        {3, "5000", "2000", "800", "4200"},
        {3, "50000", "2000", "8000", "42000"},
        {4, "1000", "2000", "28", "972"},
        {4, "4000", "2000", "448", "3552"},
        {4, "10000", "2000", "1120", "8880"},
        {5, "10000", "2000", "1600", "8400"},
        {8, "10000", "2000", "1600", "8400"},
        {8, "4000.5", "2000", "640.08", "3360.42"},
        {6, "1000", "2000", "200", "800"},
        {7, "1000", "2000", "200", "800"},
        {6, "12345.67", "2000", "2469.134", "9876.536"},
        {7, " 12345.67 ", "2000", "2469.134", "9876.536"},
        {6, "-100", "2000", "-20", "-80"},
        {7, "0", "2000", "0", "0"},
        {1, "1e3", "2000", "50", "950"},
        {0, "  5000 ", "2000", "325", "4675"},
        {0, "+5e3", "2000", "325", "4675"},
        {6, "5e15", "2000", "1E15", "4E15"},
        {6, "4e15", "2000", "800000000000000", "3.2E15"},
        {6, "0.0001", "2000", "2E-5", "8E-5"},
        {6, "0.000000000000000000001", "2000", "2E-22", "8E-22"},
        {6, "1000", "1e400", "200", "800"},
        // The threshold only counts for wages, and is not even read for other kinds.
        {3, "1000", "abc", "40", "960"},
        // No item selected.
        {-1, "1000", "2000", "0", "1000"},
        {9, "1000", "2000", "0", "1000"},
    };
    for (const auto& r : rows)
        QTest::addRow("kind %d, income '%s', threshold %s", r.kind, r.income, r.threshold)
            << r.kind << QByteArray(r.income) << QByteArray(r.threshold) << r.tax << r.afterTax;
}

void TestIncomeTax::tabResults() {
    QFETCH(int, kind);
    QFETCH(QByteArray, income);
    QFETCH(QByteArray, threshold);
    QFETCH(QString, tax);
    QFETCH(QString, afterTax);
    QCOMPARE(shown(calc::incomeTaxOutcome(income.toStdString(), threshold.toStdString(), kind)),
             QStringList({tax + " 元", afterTax + " 元"}));
}

void TestIncomeTax::failures_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("income");
    QTest::addColumn<QByteArray>("threshold");
    QTest::addColumn<QString>("shown");

    const QString noIncome = QStringLiteral("message: 请输入收入金额！");
    const QString incomeNaN = QStringLiteral("message: 收入金额必须为数字！");
    const QString noThreshold = QStringLiteral("message: 所得税起征金额不能为空！");
    const QString overflow = QStringLiteral("error: Floating point overflow");
    using B = QByteArray;
    // The checks, in screen order; the threshold must be there for every kind.
    row("income empty", 0, B(""), B("2000"), noIncome);
    row("both empty", 0, B(""), B(""), noIncome);
    row("income blanks", 0, B("   "), B("2000"), incomeNaN);
    row("thousands separator", 6, B("1,000"), B("2000"), incomeNaN);
    row("full-width digits", 0, B("５０００"), B("2000"), incomeNaN);
    row("bad income before empty threshold", 0, B("abc"), B(""), incomeNaN);
    row("threshold empty", 0, B("5000"), B(""), noThreshold);
    row("threshold empty, labour", 3, B("5000"), B(""), noThreshold);
    // Past the checks, for the error box.
    row("pasted threshold", 0, B("5000"), B("abc"),
        "error: 'abc' is not a valid floating point value");
    row("threshold blanks", 0, B("5000"), B("  "),
        "error: '  ' is not a valid floating point value");
    row("threshold with a comma", 0, B("5000"), B("1,5"),
        "error: '1,5' is not a valid floating point value");
    row("wage income beyond double", 0, B("1e400"), B("2000"), overflow);
    row("threshold beyond double", 0, B("5000"), B("1e400"), overflow);
    row("difference beyond double", 0, B("1.7e308"), B("-1.7e308"), overflow);
    row("flat income beyond double", 6, B("-1e5000"), B("2000"), overflow);
    row("labour income beyond double", 3, B("-1e400"), B("2000"), overflow);
    row("manuscript income of 10000 digits", 4, B(10000, '1'), B("2000"), overflow);
    row("business income beyond double", 1, B("1e400"), B("2000"), overflow);
}

void TestIncomeTax::failures() {
    QFETCH(int, kind);
    QFETCH(QByteArray, income);
    QFETCH(QByteArray, threshold);
    QTEST(shown(calc::incomeTaxOutcome(income.toStdString(), threshold.toStdString(), kind))
              .join(", "),
          "shown");
}

QTEST_APPLESS_MAIN(TestIncomeTax)
#include "tst_incometax.moc"
