// Reading number texts typed into the native fields, and the general format of results.
#include "Calculators.h"
#include "FloatEnv.h"
#include "NumberText.h"

#include <QtTest>

#include <cmath>
#include <limits>
#include <string>

Q_DECLARE_METATYPE(long double)

namespace {

constexpr long double kInf = std::numeric_limits<long double>::infinity();

// The text of the error a call raises, or "" when it succeeds.
template <typename F> QString errorOf(F&& f) {
    try {
        f();
    } catch (const calc::CalcError& e) {
        return QString::fromUtf8(e.what());
    }
    return {};
}

} // namespace

class TestNumberText : public QObject {
    Q_OBJECT
private slots:
    void readNumber_data();
    void readNumber();
    void storedAsDouble_data();
    void storedAsDouble();
    void parseNumberMessage_data();
    void parseNumberMessage();
    void formatGeneral_data();
    void formatGeneral();
};

void TestNumberText::readNumber_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<long double>("value");

    // Accepted forms.
    QTest::newRow("integer") << QByteArray("42") << true << 42.0L;
    QTest::newRow("blanks around") << QByteArray("   1.5  ") << true << 1.5L;
    QTest::newRow("plus") << QByteArray("+7") << true << 7.0L;
    QTest::newRow("minus") << QByteArray("-2.25") << true << -2.25L;
    QTest::newRow("blanks then sign") << QByteArray("  -3") << true << -3.0L;
    QTest::newRow("exponent") << QByteArray("1.5e3") << true << 1500.0L;
    QTest::newRow("capital exponent, plus") << QByteArray("2E+2") << true << 200.0L;
    QTest::newRow("negative exponent") << QByteArray("-25e-1") << true << -2.5L;
    QTest::newRow("trailing point") << QByteArray("5.") << true << 5.0L;
    QTest::newRow("leading point") << QByteArray(".5") << true << 0.5L;
    QTest::newRow("sign and leading point") << QByteArray("-.5E1") << true << -5.0L;
    QTest::newRow("extended precision") << QByteArray("2500.01") << true << 2500.01L;
    QTest::newRow("beyond double range") << QByteArray("1e400") << true << 1e400L;
    QTest::newRow("beyond extended range") << QByteArray("1e5000") << true << kInf;
    QTest::newRow("negative beyond extended") << QByteArray("-1e5000") << true << -kInf;
    QTest::newRow("huge exponent digits") << QByteArray("1e99999999999999999999") << true << kInf;
    QTest::newRow("subnormal") << QByteArray("1e-4940") << true << 1e-4940L;
    QTest::newRow("subnormal, negative") << QByteArray("-3.3e-4932") << true << -3.3e-4932L;
    QTest::newRow("largest subnormal")
        << QByteArray("3.3621031431120935059e-4932") << true
        << std::numeric_limits<long double>::min() - std::numeric_limits<long double>::denorm_min();
    QTest::newRow("smallest subnormal")
        << QByteArray("3.6e-4951") << true << std::numeric_limits<long double>::denorm_min();
    QTest::newRow("below half the smallest subnormal") << QByteArray("1.8e-4951") << true << 0.0L;
    QTest::newRow("below extended range") << QByteArray("1e-5000") << true << 0.0L;
    QTest::newRow("tiny exponent digits") << QByteArray("1e-99999999999999999999") << true << 0.0L;
    QTest::newRow("zero with huge exponent") << QByteArray("0.000e99999") << true << 0.0L;
    QTest::newRow("10000 digits, leading zeros") << QByteArray(9999, '0') + '1' << true << 1.0L;
    QTest::newRow("10000 digits, overflowing") << '1' + QByteArray(9999, '0') << true << kInf;
    QTest::newRow("10000 chars, underflowing")
        << "0." + QByteArray(9997, '0') + '1' << true << 0.0L;

    // Rejected forms.
    for (const char* bad : {"",    " ",  "   ", "\t1", "1\t", "1,000", "1.2.3", "0x10",  ".",
                            "+",   "-",  "5e",  "e5",  "5e+", "1e5.5", "1e 5",  "1 000", "+-1",
                            "--1", "1-", "abc", "inf", "nan", "1d5",   "１"})
        QTest::newRow(qPrintable("rejects '" + QByteArray(bad) + "'"))
            << QByteArray(bad) << false << 0.0L;
    QTest::newRow("10000 digits then a letter") << QByteArray(9999, '1') + 'x' << false << 0.0L;
    QTest::newRow("10000 letters") << QByteArray(10000, 'a') << false << 0.0L;
}

void TestNumberText::readNumber() {
    QFETCH(QByteArray, text);
    QFETCH(bool, valid);
    QFETCH(long double, value);

    const std::optional<long double> read = calc::readNumber(text.toStdString());
    QCOMPARE(read.has_value(), valid);
    if (valid) {
        QVERIFY2(*read == value, qPrintable(QString::number(double(*read))));
        QCOMPARE(std::signbit(*read), std::signbit(value));
    }
}

void TestNumberText::storedAsDouble_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("error");
    QTest::addColumn<double>("stored");

    QTest::newRow("largest double")
        << QByteArray("1.7976931348623157e308") << QString() << std::numeric_limits<double>::max();
    QTest::newRow("1e400") << QByteArray("1e400") << "Floating point overflow" << 0.0;
    QTest::newRow("-1e400") << QByteArray("-1e400") << "Floating point overflow" << 0.0;
    QTest::newRow("1e5000") << QByteArray("1e5000") << "Floating point overflow" << 0.0;
    QTest::newRow("1e-5000") << QByteArray("1e-5000") << QString() << 0.0;
}

// A field's value is held as a double: beyond its range the store overflows.
void TestNumberText::storedAsDouble() {
    QFETCH(QByteArray, text);
    QFETCH(QString, error);
    QFETCH(double, stored);

    double result = -1;
    QCOMPARE(errorOf([&] { result = calc::fieldNumber(text.toStdString()); }), error);
    if (error.isEmpty())
        QCOMPARE(result, stored);
}

void TestNumberText::parseNumberMessage_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("message");

    QTest::newRow("letters") << QByteArray("abc") << "'abc' is not a valid floating point value";
    QTest::newRow("empty") << QByteArray() << "'' is not a valid floating point value";
    QTest::newRow("text kept as typed")
        << QByteArray(" 1,5 ") << "' 1,5 ' is not a valid floating point value";
    QTest::newRow("valid") << QByteArray(" 15 ") << QString();
    QTest::newRow("long paste, 64 characters quoted")
        << QByteArray(70, '9') + 'x'
        << "'" + QString(64, '9') + "…' is not a valid floating point value";
    QTest::newRow("NUL and override visible")
        << QByteArray("1\0002\u202E3", 7)
        << "'1\\x002\\u202E3' is not a valid floating point value";
}

void TestNumberText::parseNumberMessage() {
    QFETCH(QByteArray, text);
    QFETCH(QString, message);
    QCOMPARE(errorOf([&] { calc::parseNumber(text.toStdString()); }), message);
}

void TestNumberText::formatGeneral_data() {
    QTest::addColumn<long double>("value");
    QTest::addColumn<QString>("text");

    const double pointOne = 0.1, pointTwo = 0.2; // kept apart so the sum is a double sum
    QTest::newRow("zero") << 0.0L << "0";
    QTest::newRow("negative zero") << -0.0L << "0";
    QTest::newRow("binary noise gone") << static_cast<long double>(pointOne + pointTwo) << "0.3";
    QTest::newRow("one third") << static_cast<long double>(1.0 / 3) << "0.333333333333333";
    QTest::newRow("two thirds, rounded")
        << static_cast<long double>(2.0 / 3) << "0.666666666666667";
    QTest::newRow("integer") << 100.0L << "100";
    QTest::newRow("fraction") << 12345.678L << "12345.678";
    QTest::newRow("negative") << -1.5L << "-1.5";
    // Half up at the 16th digit, not half to even.
    QTest::newRow("half up") << 100000000000000.5L << "100000000000001";
    QTest::newRow("half up from even") << 100000000000002.5L << "100000000000003";
    QTest::newRow("half up, negative") << -100000000000002.5L << "-100000000000003";
    QTest::newRow("16th digit below half") << 999999999999999.375L << "999999999999999";
    QTest::newRow("carry into 1E15") << 999999999999999.5L << "1E15";
    QTest::newRow("16 digits, fixed")
        << static_cast<long double>(123456789012345.6) << "123456789012346";
    QTest::newRow("15 digits") << 123456789012345.0L << "123456789012345";
    QTest::newRow("15 digits, fraction")
        << static_cast<long double>(1.23456789012345) << "1.23456789012345";
    QTest::newRow("16 digits, up")
        << static_cast<long double>(1.234567890123456) << "1.23456789012346";
    QTest::newRow("16 digits, down")
        << static_cast<long double>(0.1234567890123454) << "0.123456789012345";
    QTest::newRow("16 digits, scientific") << 1234567890123456.0L << "1.23456789012346E15";
    QTest::newRow("largest fixed") << 100000000000000.0L << "100000000000000";
    QTest::newRow("1E15") << 1e15L << "1E15";
    QTest::newRow("-1E15") << -1e15L << "-1E15";
    QTest::newRow("1.5E15") << 1.5e15L << "1.5E15";
    QTest::newRow("0.0001") << static_cast<long double>(0.0001) << "0.0001";
    QTest::newRow("-0.0001") << static_cast<long double>(-0.0001) << "-0.0001";
    QTest::newRow("0.000123") << static_cast<long double>(0.000123) << "0.000123";
    QTest::newRow("just below 0.0001") << static_cast<long double>(0.00009999) << "9.999E-5";
    QTest::newRow("rounds up to 0.0001")
        << static_cast<long double>(0.00009999999999999995) << "0.0001";
    QTest::newRow("1E-5") << static_cast<long double>(0.00001) << "1E-5";
    QTest::newRow("-1E-5") << static_cast<long double>(-0.00001) << "-1E-5";
    QTest::newRow("1E300") << static_cast<long double>(1e300) << "1E300";
    QTest::newRow("1.5E-300") << static_cast<long double>(1.5e-300) << "1.5E-300";
    QTest::newRow("largest double")
        << static_cast<long double>(std::numeric_limits<double>::max()) << "1.79769313486232E308";
    QTest::newRow("smallest double")
        << static_cast<long double>(std::numeric_limits<double>::denorm_min())
        << "4.94065645841247E-324";
    QTest::newRow("extended large") << 1e4000L << "1E4000";
    QTest::newRow("extended small") << -1.25e-4000L << "-1.25E-4000";
    QTest::newRow("subnormal") << 3.3e-4932L << "3.3E-4932";
    QTest::newRow("subnormal, 11 digits held") << 1e-4940L << "9.99999999996053E-4941";
    QTest::newRow("smallest subnormal")
        << std::numeric_limits<long double>::denorm_min() << "3.64519953188247E-4951";
}

void TestNumberText::formatGeneral() {
    QFETCH(long double, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(calc::formatGeneral(value)), text);
    // What the format writes reads back as the value, to the digits it keeps.
    const std::optional<long double> back = calc::readNumber(text.toStdString());
    QVERIFY(back);
    QCOMPARE(QString::fromStdString(calc::formatGeneral(*back)), text);
}

QTEST_APPLESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
