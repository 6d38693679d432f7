// Deposit interest: the six terms with their default rates, the checks of the tab's fields,
// rounding to hundredths with ties to even, and amounts too large to round.
#include "CalcTestSupport.h"
#include "Deposit.h"
#include "FloatEnv.h"

namespace {
const QString kOverflow = QStringLiteral("Floating point overflow");
const QStringList kOverflowBox{"error: " + kOverflow};
} // namespace

class TestDeposit : public QObject {
    Q_OBJECT
private slots:
    void defaultTerms_data();
    void defaultTerms();
    void typedRates_data();
    void typedRates();
    void roundHundredths_data();
    void roundHundredths();
};

void TestDeposit::defaultTerms_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("results");

    // 10000 at each term's own rate.
    QTest::newRow("3 months") << 0 << "三个月" << QStringList{"42.75", "0", "10042.75"};
    QTest::newRow("6 months") << 1 << "六个月" << QStringList{"99", "0", "10099"};
    QTest::newRow("1 year") << 2 << "一年" << QStringList{"225", "0", "10225"};
    QTest::newRow("2 years") << 3 << "两年" << QStringList{"558", "0", "10558"};
    QTest::newRow("3 years") << 4 << "三年" << QStringList{"999", "0", "10999"};
    QTest::newRow("5 years") << 5 << "五年" << QStringList{"1800", "0", "11800"};
}

void TestDeposit::defaultTerms() {
    QFETCH(int, index);
    QFETCH(QString, caption);
    QFETCH(QStringList, results);

    QCOMPARE(calc::kDepositTerms.size(), std::size_t(6));
    const calc::DepositTerm& term = calc::kDepositTerms[std::size_t(index)];
    QCOMPARE(QString::fromUtf8(term.caption.data(), qsizetype(term.caption.size())), caption);
    const QByteArray rate(term.rate.data(), qsizetype(term.rate.size()));
    QCOMPARE(shown(calc::depositOutcome("10000", rate.toStdString(), term.months)), results);
}

void TestDeposit::typedRates_data() {
    QTest::addColumn<QByteArray>("amount");
    QTest::addColumn<QByteArray>("rate");
    QTest::addColumn<int>("months");
    QTest::addColumn<QStringList>("results");

    // The checks, in screen order.
    const QStringList noAmount{QStringLiteral("message: 请输入存款金额！")};
    const QStringList amountNaN{QStringLiteral("message: 存款金额必须为数字！")};
    const QStringList noRate{QStringLiteral("message: 请输入存款利率！")};
    const QStringList rateNaN{QStringLiteral("message: 存款利率必须为数字！")};
    using B = QByteArray;
    row("amount empty", B(""), B("1.7100"), 3, noAmount);
    row("both empty", B(""), B(""), 3, noAmount);
    row("amount blanks", B("   "), B("1.7100"), 3, amountNaN);
    row("amount 1,000", B("1,000"), B("1.7100"), 3, amountNaN);
    row("bad amount before empty rate", B("abc"), B(""), 3, amountNaN);
    row("rate empty", B("1000"), B(""), 3, noRate);
    row("rate blanks", B("1000"), B("  "), 3, rateNaN);
    row("rate with percent sign", B("1000"), B("2.25%"), 3, rateNaN);

    QTest::newRow("1000 at 2.25, a year")
        << QByteArray("1000") << QByteArray("2.25") << 12 << QStringList{"22.5", "0", "1022.5"};
    // Exact halves of a hundredth go to the even neighbour.
    QTest::newRow("tie 0.125, 10.125")
        << QByteArray("10") << QByteArray("5") << 3 << QStringList{"0.12", "0", "10.12"};
    QTest::newRow("tie 0.375, 100.375")
        << QByteArray("100") << QByteArray("1.5") << 3 << QStringList{"0.38", "0", "100.38"};
    QTest::newRow("tie 0.375, 30.375")
        << QByteArray("30") << QByteArray("5") << 3 << QStringList{"0.38", "0", "30.38"};
    // The total comes from its own formula, not from amount plus interest (387169.76).
    QTest::newRow("total by its own formula") << QByteArray("368733.1") << QByteArray("5") << 12
                                              << QStringList{"18436.65", "0", "387169.75"};
    QTest::newRow("interest below a cent")
        << QByteArray("1") << QByteArray("1.71") << 3 << QStringList{"0", "0", "1"};
    QTest::newRow("negative amount")
        << QByteArray("-1000") << QByteArray("2.25") << 12 << QStringList{"-22.5", "0", "-1022.5"};
    QTest::newRow("negative rate")
        << QByteArray("1000") << QByteArray("-2.25") << 12 << QStringList{"-22.5", "0", "977.5"};
    QTest::newRow("zero amount") << QByteArray("0") << QByteArray("2.25") << 12
                                 << QStringList{"0", "0", "0"};
    QTest::newRow("zero rate") << QByteArray("1000") << QByteArray("0") << 12
                               << QStringList{"0", "0", "1000"};
    QTest::newRow("blanks around") << QByteArray(" 10000 ") << QByteArray(" 2.25 ") << 3
                                   << QStringList{"56.25", "0", "10056.25"};
    QTest::newRow("large, still rounded") << QByteArray("9e16") << QByteArray("1.71") << 3
                                          << QStringList{"384750000000000", "0", "9.038475E16"};
    // A hundredfold beyond the 64-bit range cannot be rounded.
    QTest::newRow("total beyond 64 bits")
        << QByteArray("1e17") << QByteArray("1.71") << 3 << kOverflowBox;
    QTest::newRow("9.3e16 total beyond 64 bits")
        << QByteArray("9.3e16") << QByteArray("1.71") << 3 << kOverflowBox;
    QTest::newRow("negative total beyond 64 bits")
        << QByteArray("-1e17") << QByteArray("1.71") << 3 << kOverflowBox;
    QTest::newRow("interest beyond double")
        << QByteArray("1e300") << QByteArray("1e300") << 3 << kOverflowBox;
    QTest::newRow("amount beyond double")
        << QByteArray("1e400") << QByteArray("1.71") << 3 << kOverflowBox;
    QTest::newRow("rate beyond extended")
        << QByteArray("1000") << QByteArray("1e5000") << 3 << kOverflowBox;
}

void TestDeposit::typedRates() {
    QFETCH(QByteArray, amount);
    QFETCH(QByteArray, rate);
    QFETCH(int, months);
    QFETCH(QStringList, results);
    QCOMPARE(shown(calc::depositOutcome(amount.toStdString(), rate.toStdString(), months)),
             results);
}

void TestDeposit::roundHundredths_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("0.125") << 0.125 << "0.12";
    QTest::newRow("0.375") << 0.375 << "0.38";
    QTest::newRow("0.625") << 0.625 << "0.62";
    QTest::newRow("0.875") << 0.875 << "0.88";
    QTest::newRow("-0.125") << -0.125 << "-0.12";
    QTest::newRow("-0.375") << -0.375 << "-0.38";
    QTest::newRow("10.125") << 10.125 << "10.12";
    // Not ties in binary: 1.005 lies below the half, 0.115 above it.
    QTest::newRow("1.005") << 1.005 << "1";
    QTest::newRow("2.675") << 2.675 << "2.67";
    QTest::newRow("0.115") << 0.115 << "0.12";
    QTest::newRow("zero") << 0.0 << "0";
    // 2^63 hundredths is the limit: the double just below it rounds, the next one cannot.
    QTest::newRow("largest roundable") << 92233720368547744.0 << "9.22337203685477E16";
    QTest::newRow("smallest roundable") << -92233720368547744.0 << "-9.22337203685477E16";
    QTest::newRow("just beyond") << 92233720368547760.0 << kOverflow;
    QTest::newRow("just beyond, negative") << -92233720368547760.0 << kOverflow;
    QTest::newRow("1e300") << 1e300 << kOverflow;
}

void TestDeposit::roundHundredths() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QString result;
    try {
        result = general(calc::roundHundredths(value));
    } catch (const calc::CalcError& e) {
        result = QString::fromUtf8(e.what());
    }
    QCOMPARE(result, text);
}

QTEST_APPLESS_MAIN(TestDeposit)
#include "tst_deposit.moc"
