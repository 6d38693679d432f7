// The pressure page: its rows, its eight-significant-digit rounding and the results its fields
// show.
#include "PageTestSupport.h"

using namespace pagetest;

namespace {

const QString kPage = QStringLiteral("yali.html");

// Rows as Session::describeRows() gives them.
const char kRows[] = R"(
[center,colspan=4]压力计量单位换算器
巴{(bar)} ; =mBar/12 ; 千帕{(kPa)} ; =mKilopascal/12
百帕{(hPa)} ; =mHectopascal/12 ; 毫巴{(mbar)} ; =mMillibar/12
帕斯卡<br>{(Pa&nbsp;=&nbsp;N/m<sup>2</sup>)} ; =mPascal/12 ; 标准大气压<br>{(atm)} ; =mAtm/12
毫米汞柱(托)<br>{(mm&nbsp;Hg = Torr)} ; =mMillimeter_Hg/12 ; 磅力/英尺<sup>2</sup><br>{(lbf/ft<sup>2</sup>)} ; =engPound_sq_foot/12
磅力/英寸<sup>2</sup><br>{(lbf/in<sup>2</sup>&nbsp;=&nbsp;PSI)} ; =engPound_sq_inch/12 ; 英吋汞柱{(in&nbsp;Hg)} ; =engInch_Hg/12
公斤力/厘米<sup>2</sup><br>{(kgf/cm<sup>2</sup>)} ; =xpressKg_sq_cm/12 ; 公斤力/米<sup>2</sup><br>{(kgf/m<sup>2</sup>)} ; =xpressKg_sq_m/12
毫米水柱<br>{(mmH<sub>2</sub>O)} ; =mmmH2O/12 ; [right,colspan=2]reset:res6/数据重置/reset noscript
)";

} // namespace

class TestPressure : public QObject {
    Q_OBJECT

    Session s;

private slots:
    void init() { QVERIFY(s.open(kPage)); }
    void cleanup() { QCOMPARE(s.leftovers(), QStringList()); }
    void cleanupTestCase() { s.end(); }

    void layout() { QCOMPARE(s.describeRows(), lines(kRows)); }

    // Eight significant digits, called directly.
    void normalizeToEightDigits_data() {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("shown");
        const char* rows[][2] = {
            {"101325", "101325"},
            {"14.695949400392212", "14.695949"},
            {"0.000009869232667160129", "0.0000098692327"},
            {"123456789012", "123456790000"}, // whole numbers filled up with zeros
            {"99999999.5", "100000000"},
            {"0.30000000000000004", "0.3"}, // trailing zeros removed
            {"9.99999999e-7", "10e-7"},     // the exponent is not adjusted
            {"-1.2345678901234566e-7", "-1.2345679e-7"},
            {"-1.0000000000000001e-7", "-1e-7"},
            {"0", "0"},
            {"Infinity", "Infinity"},
            {"NaN", "NaN"},
            {"-Infinity", "-Infinity"},
            {"-0", "0"},
            {"123456785", "123456790"},   // a half goes up
            {"-123456785", "-123456790"}, // by magnitude
            {"99999999.4", "99999999"},
            {"12345678", "12345678"},
            {"123.456789012", "123.45679"},
            {"-0.5", "-0.5"},
            {"0.000001", "0.000001"},
            {"1e-7", "1e-7"},
            {"1e21", "1e+21"},
            {"1.23456789e+30", "1.2345679e+30"},
            {"1.7976931348623157e308", "1.7976931e+308"},
            {"5e-324", "5e-324"},
        };
        for (const auto& r : rows)
            QTest::newRow(r[0]) << r[0] << r[1];
    }
    void normalizeToEightDigits() {
        QFETCH(QString, number);
        const QVariant result = s.eval(QStringLiteral("normalize(%1, 8)").arg(number));
        QCOMPARE(result.typeId(), QMetaType::QString);
        QTEST(result.toString(), "shown");
    }

    // 1 in a unit shows 1 again and, in the pascal field, that unit's factor.
    void factorsInPascal() {
        const char* expected =
            "mKilopascal=1000;mHectopascal=100;mPascal=1;mBar=100000;mMillibar=100;mAtm=101325;"
            "mMillimeter_Hg=133.32237;engInch_Hg=3386.3882;engPound_sq_inch=6894.757;"
            "engPound_sq_foot=47.880257;xpressKg_sq_cm=98066.5;xpressKg_sq_m=9.80665;"
            "mmmH2O=9.8066136";
        QCOMPARE(s.inBase("mPascal", expected), pairList(expected));
    }

    // Fields as they show `entry` converted in `field`; the entered field is rewritten too.
    void results_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("expected");
        const char* atm = "mKilopascal=101.325;mHectopascal=1013.25;mPascal=101325;mBar=1.01325;"
                          "mMillibar=1013.25;mAtm=1;mMillimeter_Hg=760;engInch_Hg=29.92126;"
                          "engPound_sq_inch=14.695949;engPound_sq_foot=2116.2167;"
                          "xpressKg_sq_cm=1.0332275;xpressKg_sq_m=10332.275;mmmH2O=10332.313";
        row("1 atm", "mAtm", "1", atm);
        row("760 mmHg", "mMillimeter_Hg", "760", atm);
        row("1 bar", "mBar", "1",
            "mKilopascal=100;mPascal=100000;mAtm=0.98692327;mMillimeter_Hg=750.06168;"
            "engInch_Hg=29.529988;engPound_sq_inch=14.503774;engPound_sq_foot=2088.5435;"
            "xpressKg_sq_cm=1.0197162;xpressKg_sq_m=10197.162;mmmH2O=10197.2;mBar=1");
        // Eight significant digits in plain notation, where seven places would give 0.0000099.
        row("1 Pa", "mPascal", "1",
            "mKilopascal=0.001;mBar=0.00001;mAtm=0.0000098692327;mMillimeter_Hg=0.0075006168;"
            "engInch_Hg=0.00029529988;engPound_sq_inch=0.00014503774;"
            "xpressKg_sq_cm=0.000010197162;xpressKg_sq_m=0.10197162;mmmH2O=0.101972;mPascal=1");
        row("1 psi", "engPound_sq_inch", "1",
            "mPascal=6894.757;engPound_sq_foot=144;mAtm=0.068045961;mMillimeter_Hg=51.71493;"
            "xpressKg_sq_cm=0.070306955;engPound_sq_inch=1");
        row("1 kgf/cm2", "xpressKg_sq_cm", "1",
            "mPascal=98066.5;xpressKg_sq_m=10000;mmmH2O=10000.037;mAtm=0.96784111;"
            "xpressKg_sq_cm=1");
        row("1 kgf/m2", "xpressKg_sq_m", "1", "mmmH2O=1.0000037;xpressKg_sq_m=1");
        row("123456789 Pa", "mPascal", "123456789",
            "mPascal=123456790;mKilopascal=123456.79;mBar=1234.5679");
        row("1e-5 Pa", "mPascal", "1e-5",
            "mKilopascal=1e-8;mHectopascal=1e-7;mPascal=0.00001;mBar=1e-10;mAtm=9.8692327e-11;"
            "xpressKg_sq_m=0.0000010197162");
    }
    void results() {
        QFETCH(QString, field);
        QFETCH(QString, entry);
        QFETCH(QString, expected);
        QCOMPARE(s.results(field, entry, expected), pairList(expected));
    }

    // Hectopascal and millibar are both 100 Pa and always show the same text.
    void hectopascalIsMillibar_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("entry");
        const char* rows[][2] = {{"mAtm", "1"},         {"mPascal", "123456789"},
                                 {"mBar", "-0.0007"},   {"engInch_Hg", "3.3e-9"},
                                 {"mmmH2O", "7.77e22"}, {"xpressKg_sq_m", "0.1"}};
        for (const auto& r : rows)
            QTest::addRow("%s %s", r[0], r[1]) << r[0] << r[1];
    }
    void hectopascalIsMillibar() {
        QFETCH(QString, field);
        QFETCH(QString, entry);
        const Fields shown = s.convert(field, entry);
        QVERIFY(!shown.value("mHectopascal").isEmpty());
        QCOMPARE(shown.value("mMillibar"), shown.value("mHectopascal"));
    }

    // Texts of accepted characters that are no number, numbers beyond a double, and zero,
    // entered in one unit after another.
    void everyFieldShowsOneText_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("shown");
        const QString rows[][2] = {
            {"1.2.3", "NaN"},
            {"e", "NaN"},
            {"+", "NaN"},
            {"-", "NaN"},
            {".", "NaN"},
            {"1e", "NaN"},
            {"5-", "NaN"},
            {"1e400", "Infinity"},
            {"-1e400", "-Infinity"},
            {"0", "0"},
            {"0e5", "0"},
            {"1e-400", "0"},
            {QString("1").repeated(10000), "Infinity"},
            {"-" + QString("9").repeated(9999), "-Infinity"},
            {QString("E").repeated(10000), "NaN"},
        };
        QVERIFY(s.open(kPage));
        const QStringList units = s.fields().keys();
        int i = 0;
        for (const auto& r : rows) {
            const QString& field = units[i++ % units.size()];
            QTest::addRow("%s %s", qPrintable(field), qPrintable(r[0].left(12)))
                << field << r[0] << r[1];
        }
    }
    void everyFieldShowsOneText() {
        QFETCH(QString, field);
        QFETCH(QString, entry);
        QFETCH(QString, shown);
        const Fields all = s.convert(field, entry);
        QCOMPARE(all.size(), 13);
        for (auto it = all.cbegin(); it != all.cend(); ++it)
            QVERIFY2(it.value() == shown, qPrintable(it.key() + " shows " + it.value().left(40)));
    }
};

QTEST_MAIN(TestPressure)
#include "tst_pressure.moc"
