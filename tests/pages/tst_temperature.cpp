// The temperature page: its rows, its five conversions with their lower bounds, operation
// orders and write orders, and how it reads entries.
#include "PageTestSupport.h"

#include <cstdlib>

using namespace pagetest;

namespace {

const QString kPage = QStringLiteral("wendu.html");
const QStringList kScales = {"tempCelsius", "tempFahr", "tempKelvin", "tempRankine", "tempReaumur"};

// The convert buttons have no names.
const char kRows[] = R"(
[center,colspan=4]温度转换换算器
摄氏度{(C)} ; =tempCelsius/12 name= ; 华氏度{(F)} ; =tempFahr/12 name=
开氏度{(K)} ; =tempKelvin/12 name= ; 兰氏度{(Ra)} ; =tempRankine/12 name=
列氏度{(Re)} ; =tempReaumur/12 name= ; [right,colspan=2]reset:res6/数据重置
)";

// The five temperatures for `t` entered in `field`, each built from exactly the stated
// operations in double precision (Fahrenheit as 32 + (Celsius * 9 / 5), Rankine as Kelvin *
// 1.8, Reaumur as Celsius / 1.25); nothing below the scale's lower bound.
QMap<QString, double> reference(const QString& field, double t) {
    double c = 0, k = 0;
    if (field == "tempCelsius") {
        if (t < -273.15)
            return {};
        c = t, k = c + 273.15;
    } else if (field == "tempFahr") {
        if (t < -459.666666)
            return {};
        c = (t - 32) * 5 / 9, k = c + 273.15;
    } else if (field == "tempKelvin") {
        if (t < 0)
            return {};
        k = t, c = k - 273.15;
    } else if (field == "tempRankine") {
        if (t < 0)
            return {};
        k = t / 1.8, c = k - 273.15;
    } else {
        if (t < -218.5199999999)
            return {};
        c = t * 1.25, k = c + 273.15;
    }
    return {{"tempCelsius", c},
            {"tempFahr", 32 + c * 9 / 5},
            {"tempKelvin", k},
            {"tempRankine", k * 1.8},
            {"tempReaumur", c / 1.25}};
}

} // namespace

class TestTemperature : public QObject {
    Q_OBJECT

    Session s;

private slots:
    void init() {
        QVERIFY(s.open(kPage));
        s.fillAll("x");
    }
    void cleanup() { QCOMPARE(s.leftovers(), QStringList()); }
    void cleanupTestCase() { s.end(); }

    void layout() { QCOMPARE(s.describeRows(), lines(kRows)); }

    // The page computes with functions of its own, declared in this order, and has no
    // measures table.
    void scriptFunctions() {
        const QStringList own = {"checkNum",      "computeTempC",  "computeTempF", "computeTempK",
                                 "computeTempRa", "computeTempRe", "resetAll"};
        QCOMPARE(s.eval("['normalize','compute','resetValues'].concat(" + jsString(own.join(' ')) +
                        ".split(' ')).map(function(f){return typeof window[f];}).join(' ')+' '+"
                        "Object.keys(window).filter(function(k){return /_MEASURES$|_data$/.test(k)"
                        ";}).length")
                     .toString(),
                 "undefined undefined undefined " + QStringList(own.size(), "function").join(' ') +
                     " 0");
        const QString text = s.eval("document.scripts[0].text").toString();
        qsizetype last = -1;
        for (const QString& name : own) {
            const qsizetype at = text.indexOf("function " + name + "(");
            QVERIFY2(at > last, qPrintable(name + " out of order"));
            last = at;
        }
    }

    // The four other fields as they show `entry`; the entered field keeps its text as typed.
    void results_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("expected");
        const char* absoluteZero = "tempFahr=-459.66999999999996;tempRankine=0;"
                                   "tempReaumur=-218.51999999999998";
        row("0 C", "tempCelsius", "0",
            "tempKelvin=273.15;tempFahr=32;tempRankine=491.66999999999996;tempReaumur=0");
        row("100 C", "tempCelsius", "100",
            "tempKelvin=373.15;tempFahr=212;tempRankine=671.67;tempReaumur=80");
        row("37 C", "tempCelsius", "37",
            "tempKelvin=310.15;tempFahr=98.6;tempRankine=558.27;tempReaumur=29.6");
        row("98.6 F", "tempFahr", "98.6",
            "tempCelsius=37;tempKelvin=310.15;tempRankine=558.27;tempReaumur=29.6");
        row("-40 C", "tempCelsius", "-40",
            "tempFahr=-40;tempKelvin=233.14999999999998;tempRankine=419.66999999999996;"
            "tempReaumur=-32");
        row("0 F", "tempFahr", "0",
            "tempCelsius=-17.77777777777778;tempKelvin=255.3722222222222;"
            "tempRankine=459.66999999999996;tempReaumur=-14.222222222222223");
        row("300 K", "tempKelvin", "300",
            "tempCelsius=26.850000000000023;tempFahr=80.33000000000004;tempRankine=540;"
            "tempReaumur=21.480000000000018");
        row("80 Re", "tempReaumur", "80",
            "tempCelsius=100;tempFahr=212;tempKelvin=373.15;tempRankine=671.67");
        row("-273.15 C", "tempCelsius", "-273.15", QString("tempKelvin=0;") + absoluteZero);
        row("0 K", "tempKelvin", "0", QString("tempCelsius=-273.15;") + absoluteZero);
        row("0 Ra", "tempRankine", "0",
            "tempCelsius=-273.15;tempFahr=-459.66999999999996;tempKelvin=0;"
            "tempReaumur=-218.51999999999998");
        row("-459.6666 F", "tempFahr", "-459.6666", "tempKelvin=0.0018888888888568545");
        row("-218.51 Re", "tempReaumur", "-218.51", "tempKelvin=0.012499999999988631");
        row("1e-3 C", "tempCelsius", "1e-3", "tempKelvin=273.15099999999995;tempReaumur=0.0008");
        row("1e-3 K", "tempKelvin", "1e-3", "tempCelsius=-273.149");
        row("5- C", "tempCelsius", "5-", "tempKelvin=278.15;tempFahr=41");
        row("+5 C", "tempCelsius", "+5", "tempKelvin=278.15;tempFahr=41");
        row("1.5.2 C", "tempCelsius", "1.5.2", "tempKelvin=274.65");
        const auto everyScale = [](const QString& text) {
            return kScales.join("=" + text + ";") + "=" + text;
        };
        row("-273.16 C", "tempCelsius", "-273.16", everyScale("ERROR"));
        row("-459.67 F", "tempFahr", "-459.67", everyScale("ERROR"));
        row("-218.52 Re", "tempReaumur", "-218.52", everyScale("ERROR"));
        row("-1 K", "tempKelvin", "-1", everyScale("ERROR"));
        row("-0.5 Ra", "tempRankine", "-0.5", everyScale("ERROR"));
        row("empty C", "tempCelsius", "", everyScale("NaN"));
        row("minus C", "tempCelsius", "-", everyScale("NaN"));
        row("point C", "tempCelsius", ".", everyScale("NaN"));
    }
    void results() {
        QFETCH(QString, field);
        QFETCH(QString, entry);
        QFETCH(QString, expected);
        QStringList want = pairList(expected).filter(QRegularExpression("^(?!" + field + "=)"));
        QCOMPARE(s.results(field, entry, want.join(';')), want);
        QCOMPARE(s.fields().value(field), entry);
    }

    // Each result is built from exactly the stated operations; the entries are ones where
    // other ways of writing the formulas differ in the last bit. A value equal to a scale's
    // bound is taken, one just below it is answered with ERROR in the four other fields.
    void conversions_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("entry");
        const char* entries = "-17.3 0.1 25 451 1e-3 -100.7 98.7 77.7 1234.5678 36.6";
        const char* bounds[][2] = {
            {"tempCelsius", "-273.15 -273.15000000000003 -273.1500001 -273.14999"},
            {"tempFahr", "-459.666666 -459.6666660000001 -459.6666661 -459.67 -459.6666"},
            {"tempKelvin", "0 -0 0e-5 -5e-324 -1e-300 -0.001"},
            {"tempRankine", "0 -0 -5e-324 -0.001"},
            {"tempReaumur",
             "-218.5199999999 -218.51999999990002 -218.51999999991 -218.52 -218.51"}};
        for (const auto& b : bounds)
            for (const QString& e : QString(entries + QLatin1Char(' ') + b[1]).split(' '))
                QTest::addRow("%s %s", b[0], qPrintable(e)) << b[0] << e;
    }
    void conversions() {
        QFETCH(QString, field);
        QFETCH(QString, entry);
        const Fields shown = s.convert(field, entry);
        const QMap<QString, double> want =
            reference(field, std::strtod(qPrintable(entry), nullptr));
        QCOMPARE(shown.value(field), entry);
        for (const QString& scale : kScales) {
            if (scale == field)
                continue;
            const QString text = shown.value(scale);
            bool ok = false;
            const double got = text.toDouble(&ok);
            QVERIFY2(want.isEmpty() ? text == "ERROR" : ok && got == want.value(scale),
                     qPrintable(QStringLiteral("%1 shows %2, not %3")
                                    .arg(scale, text)
                                    .arg(want.value(scale), 0, 'g', 17)));
        }
    }

    // The entry is read like parseFloat: the longest number at its start, the rest ignored.
    void entryReadFromItsStart_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("sameAs");
        const QString rows[][2] = {{"5-", "5"},
                                   {"+5", "5"},
                                   {"1.5.2", "1.5"},
                                   {"1e-3", "0.001"},
                                   {"1E3", "1000"},
                                   {"1e", "1"},
                                   {"2e+", "2"},
                                   {".5", "0.5"},
                                   {"5.", "5"},
                                   {"-.5", "-0.5"},
                                   {"5e-1-2", "0.5"},
                                   {"12+-", "12"},
                                   {"5" + QString("-").repeated(9999), "5"},
                                   {QString("0").repeated(10000), "0"},
                                   {QString("0").repeated(9998) + "37", "37"}};
        int i = 0;
        for (const auto& r : rows) {
            const QString& field = kScales[i++ % kScales.size()];
            QTest::addRow("%s %s", qPrintable(field), qPrintable(r[0].left(12)))
                << field << r[0] << r[1];
        }
    }
    void entryReadFromItsStart() {
        QFETCH(QString, field);
        QFETCH(QString, entry);
        QFETCH(QString, sameAs);
        Fields plain = s.convert(field, sameAs);
        s.fillAll("x");
        Fields shown = s.convert(field, entry);
        QCOMPARE(shown.take(field), entry);
        plain.remove(field);
        QCOMPARE(shown, plain);
    }

    // Texts that pass the check but do not begin with a number, and numbers beyond a double.
    void otherFieldsShowOneText_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("shown");
        const QString rows[][2] = {{"", "NaN"},
                                   {"-", "NaN"},
                                   {"+", "NaN"},
                                   {".", "NaN"},
                                   {"e", "NaN"},
                                   {"E5", "NaN"},
                                   {"+-5", "NaN"},
                                   {".e1", "NaN"},
                                   {QString(".").repeated(10000), "NaN"},
                                   {"1e400", "Infinity"},
                                   {QString("1").repeated(10000), "Infinity"},
                                   {"-1e400", "ERROR"},
                                   {"-" + QString("1").repeated(9999), "ERROR"}};
        for (const QString& field : kScales)
            for (const auto& r : rows)
                QTest::addRow("%s [%s]", qPrintable(field), qPrintable(r[0].left(12)))
                    << field << r[0] << r[1];
    }
    void otherFieldsShowOneText() {
        QFETCH(QString, field);
        QFETCH(QString, entry);
        QFETCH(QString, shown);
        Fields all = s.convert(field, entry);
        QCOMPARE(all.take(field), entry);
        QCOMPARE(all.values(), QStringList(4, shown));
    }

    // Each scale writes the four other fields in its own order, ERROR included.
    void writeOrder_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("order");
        const char* rows[][3] = {
            {"tempCelsius", "-300", "tempKelvin tempFahr tempRankine tempReaumur"},
            {"tempFahr", "-500", "tempCelsius tempKelvin tempRankine tempReaumur"},
            {"tempKelvin", "-1", "tempCelsius tempFahr tempRankine tempReaumur"},
            {"tempRankine", "-1", "tempCelsius tempFahr tempKelvin tempReaumur"},
            {"tempReaumur", "-300", "tempCelsius tempFahr tempKelvin tempRankine"}};
        for (const auto& r : rows)
            for (const char* entry : {"20", r[1]})
                QTest::addRow("%s %s", r[0], entry) << r[0] << entry << r[2];
    }
    void writeOrder() {
        QFETCH(QString, field);
        QFETCH(QString, entry);
        s.type(field, entry);
        s.recordWrites();
        s.press(field);
        QTEST(s.writes().join(' '), "order");
    }
};

QTEST_MAIN(TestTemperature)
#include "tst_temperature.moc"
