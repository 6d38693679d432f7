// What the eight conversion pages share: their frame, their measures objects, the wiring of
// every button, the input check, the seven-place rounding,
// the conversion through the base unit and the reset button.
#include "PageTestSupport.h"

using namespace pagetest;

namespace {

// prefix names the measures constructor (PREFIX_MEASURES) and object (prefix_data); units are
// in the constructor's order (on the temperature page, the order its reset empties them).
struct Page {
    const char *file, *prefix, *title, *heading;
    int rows;
    const char *base, *reset, *units;
};
const Page kPages[] = {
    {"changdu.html", "length", "长度转换换算器", nullptr, 11, "mMeter", "res7",
     "mKilometer mMeter mDecimeter mCentimeter mMillimeter mMicronmeter mLimeter mZhangmeter "
     "mChimeter mCunmeter mFenmeter mmLimeter engFoot engMile engFurlong engYard engInch "
     "nautMile nautFathom"},
    {"mianji.html", "area", "面积转换换算器", nullptr, 8, "mSquare_meter", "res7",
     "mSquare_kilometer mHectare mSquare_meter mAre mSquare_decimeter mSquare_centimeter "
     "mSquare_millimeter engSquare_foot engSquare_yard usSquare_rod engAcre engSquare_mile "
     "engSquare_inch"},
    // heading, 7 section rows, 19 unit rows and the reset row
    {"tiji.html", "vol", "体积和容量计量单位换算器", nullptr, 28, "mLiter", "res7",
     "mCubic_meter mHectoliter mDekaliter mLiter mDeciliter mCentiliter mMilliliter "
     "mCubic_millimeter mcTable_spoon mcTea_spoon uscCubic_inch uscAcre_foot uscCubic_yard "
     "uscCubic_foot uslGallon uslBarrel uslQuart uslPint uslGill uslFluid_ounce uslFluid_dram "
     "uslMinim usdBarrel usdBushel usdPeck usdQuart usdPint uscCup uscTable_spoon uscTea_spoon "
     "briGallon briBarrel briBushel briPint briFluid_ounce"},
    {"weight.html", "weight", "重量转换换算器", nullptr, 16, "mKilogram", "res7",
     "mTon mKilogram mGram mMilligram cJin cDan cLiang cQian avdpPound briTon usTon briCWT "
     "usCWT briStone avdpOunce avdpDram avdpGrain troyPound troyOunce troyDWT troyGrain"},
    {"gongl.html", "power", "功率计量单位转换换算器", "功率计量单位换算器", 7, "Kilowatt", "res7",
     "Watt Kilowatt Horsepower mHorsepower kgms kcals Btus ftlbs Js Nms"},
    {"gongn.html", "heat", "功、能和热量转换换算器", nullptr, 6, "Joule", "res7",
     "Joule Kgm Psh Hph Kwh Kcal Btu Ftlb"},
    {"yali.html", "press", "压力计量单位换算器", nullptr, 8, "mPascal", "res6",
     "mKilopascal mHectopascal mPascal mBar mMillibar mAtm mMillimeter_Hg engInch_Hg "
     "engPound_sq_inch engPound_sq_foot xpressKg_sq_cm xpressKg_sq_m mmmH2O"},
    {"wendu.html", "", "温度转换换算器", nullptr, 4, "tempCelsius", "res6",
     "tempCelsius tempKelvin tempFahr tempRankine tempReaumur"},
};
const Page& length = kPages[0];

// The cases of the shared functions run on one page of each writing, in the base unit.
const int kVersions[] = {0, 4};

QStringList unitsOf(const Page& p) {
    return QString::fromLatin1(p.units).split(QLatin1Char(' '));
}

void addPageColumn(bool tablePagesOnly) {
    QTest::addColumn<int>("page");
    for (int i = 0; i < int(std::size(kPages)); ++i)
        if (!tablePagesOnly || *kPages[i].prefix)
            QTest::newRow(kPages[i].file) << i;
}

// For every unit: a rejected text, an empty text and the number 1 entered and converted with
// the button beside the field; what changed, what the field shows and how many fields kept
// their filler "x".
const char kEveryButton[] = R"JS(
(function () {
  var e = document.forms[0].elements, t = [], out = [], i, j, before;
  for (i = 0; i < e.length; i++) if (e[i].type == 'text') t.push(e[i]);
  function fill(v) { for (var j = 0; j < t.length; j++) t[j].value = v; }
  function state() { return t.map(function (x) { return x.value; }).join('|'); }
  for (i = 0; i < t.length; i++) {
    var b = t[i].parentNode.getElementsByTagName('input')[1], r = t[i].name;
    fill('7'); t[i].value = '1x'; before = state(); b.click();
    if (state() != before) r += ' rejected text changed fields';
    fill('7'); t[i].value = ''; before = state(); b.click();
    if (state() != before) r += ' empty text changed fields';
    fill('x'); t[i].value = '1'; b.click();
    for (j = 0, before = 0; j < t.length; j++) if (t[j].value == 'x') before++;
    out.push(r + ' shows ' + t[i].value + (before ? ' leaves ' + before : ''));
  }
  return out.join('\n');
})()
)JS";

} // namespace

class TestConversionScript : public QObject {
    Q_OBJECT

    Session s;

    bool openPage(int page) { return s.open(kPages[page].file); }

private slots:
    void cleanup() { QCOMPARE(s.leftovers(), QStringList()); }
    void cleanupTestCase() { s.end(); }

    void frame_data() { addPageColumn(false); }
    void frame() {
        QFETCH(int, page);
        const Page& p = kPages[page];
        QVERIFY(s.open(p.file, true));
        const int units = unitsOf(p).size();
        const QStringList expected{
            QStringLiteral("title=") + p.title,
            "head=TITLE,SCRIPT,LINK doctype=false BackCompat",
            "script=1 javascript text/javascript",
            "link=1 stylesheet css/style1.css",
            "table=1 670 #ffffff #008000 1 3 0 center",
            "form=1 action= in table before rows",
            QStringLiteral("heading=1 4 center #CCE6CD 10 ") + (p.heading ? p.heading : p.title),
            QStringLiteral("rows=%1").arg(p.rows),
            // a field and a button per unit, and the reset button
            QStringLiteral("inputs=%1 owned %1 text %2 blank %2").arg(2 * units + 1).arg(units),
        };
        QCOMPARE(s.describeFrame(), expected);
    }

    // One number per unit in the constructor's order (the order fields are written and
    // emptied in), nothing else; a field per unit; the functions the page defines.
    void measures_data() { addPageColumn(true); }
    void measures() {
        QFETCH(int, page);
        const Page& p = kPages[page];
        QVERIFY(openPage(page));
        const QString global = p.prefix + QStringLiteral("_data");
        const QString js = QStringLiteral(
            "(function(){var d=%2,k=[];if(!(d instanceof %1))return 'not made by %1';"
            "for(var n in d){if(!d.hasOwnProperty(n)||typeof d[n]!='number'||!(d[n]>0))"
            "return n+' is no factor';k.push(n);}return k.join(' ');})()");
        QCOMPARE(s.eval(js.arg(QString::fromLatin1(p.prefix).toUpper() + "_MEASURES", global))
                     .toString(),
                 QString::fromLatin1(p.units));
        QStringList units = unitsOf(p);
        units.sort();
        QCOMPARE(s.fields().keys(), units);
        QCOMPARE(s.eval("['checkNum','normalize','compute','resetValues','resetAll'].filter("
                        "function(f){return typeof window[f]=='function';}).join(' ')")
                     .toString(),
                 QString::fromLatin1(p.file) == "yali.html"
                     ? "checkNum normalize compute"
                     : "checkNum normalize compute resetValues resetAll");
    }

    // Every button checks and converts its own field: a rejected text changes nothing and
    // shows one message, an empty field does nothing (the temperature page writes NaN), and
    // every field is written.
    void everyButtonConvertsItsOwnField_data() { addPageColumn(false); }
    void everyButtonConvertsItsOwnField() {
        QFETCH(int, page);
        const Page& p = kPages[page];
        QVERIFY(openPage(page));
        QStringList shown = s.eval(kEveryButton).toString().split(QLatin1Char('\n'));
        QStringList expected;
        for (const QString& unit : unitsOf(p))
            expected << unit + (*p.prefix ? " shows 1" : " empty text changed fields shows 1");
        shown.sort();
        expected.sort();
        QCOMPARE(shown, expected);
        QCOMPARE(s.takeAlerts(), QStringList(expected.size(), kBadNumber));
    }

    // The reset button empties every field, also one typed into but never converted, in the
    // constructor's order (the pressure page's form reset writes none through the script);
    // the buttons keep their captions and the page converts on.
    void resetEmptiesEveryField_data() { addPageColumn(false); }
    void resetEmptiesEveryField() {
        QFETCH(int, page);
        const Page& p = kPages[page];
        QVERIFY(openPage(page));
        const QStringList units = unitsOf(p);
        s.convert(p.base, "3");
        s.type(units.last(), "12345");
        const Fields before = s.fields();
        QVERIFY(!before.values().contains(QString()));
        QCOMPARE(before.value(units.last()), QStringLiteral("12345"));
        const QString captions = QStringLiteral(
            "[].filter.call(document.forms[0].elements,function(e){return e.type!='text';})"
            ".map(function(e){return e.name+'='+e.value;}).join(' ')");
        const QString buttons = s.eval(captions).toString();
        s.recordWrites();
        s.eval(QStringLiteral("document.forms[0].elements['%1'].click();").arg(p.reset));
        QCOMPARE(s.fields(), Fields(pairMap(units.join("=;") + "=")));
        QCOMPARE(s.writes(), QString::fromLatin1(p.file) == "yali.html" ? QStringList() : units);
        QCOMPARE(s.eval(captions).toString(), buttons);
        QCOMPARE(s.convert(p.base, "1").value(p.base), QStringLiteral("1"));
    }

    // compute writes every field in the constructor's order, the entered one included.
    void writeOrder_data() { addPageColumn(true); }
    void writeOrder() {
        QFETCH(int, page);
        QVERIFY(openPage(page));
        const QStringList units = unitsOf(kPages[page]);
        s.type(units.last(), "3");
        s.recordWrites();
        s.press(units.last());
        QCOMPARE(s.writes(), units);
    }

    void normalizeRoundsToSevenPlaces_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("shown");
        const char* rows[][2] = {
            {"3.14159265358979", "3.1415927"},    // eighth decimal 5 rounds up
            {"1234.56789012345", "1234.5678901"}, // eighth decimal 2 is cut
            {"0.000123456789", "0.0001235"},      // places, not significant digits
            {"0.30000000000000004", "0.3000000"}, // a cut keeps trailing zeros
            {"2.00000001", "2.0000000"},
            {"1.99999999", "2"}, // carry through the point
            {"1.239999999", "1.24"},
            {"9.999999999", "10"},
            {"-9.999999999", "-10"},
            {"0.09999999999999999", "0.1"},
            {"1609344000.0000002", "1609344000.0000002"}, // seven places only
            {"1.5", "1.5"},
            {"3.3333333333333335e-11", "3.3333333e-11"},
            {"9.99999999e-7", "1e-6"},
            {"9.9999999999e+21", "1e22"},
            {"-9.99999999e-7", "-1e-6"},
            {"1.2345e-10", "1.2345e-10"},
            {"1.5e+21", "1.5e+21"},
            {"5000", "5000"},
            {"-0", "0"},
            {"NaN", "NaN"},
            {"Infinity", "Infinity"},
            {"-Infinity", "-Infinity"},
        };
        for (int p : kVersions)
            for (const auto& r : rows)
                QTest::addRow("%s %s", kPages[p].prefix, r[0]) << p << r[0] << r[1];
    }
    void normalizeRoundsToSevenPlaces() {
        QFETCH(int, page);
        QVERIFY(openPage(page));
        QFETCH(QString, number);
        QTEST(s.eval(QStringLiteral("normalize(%1, 8)").arg(number)).toString(), "shown");
    }

    // One message per check, however many characters are wrong.
    void checkNumAcceptsOnlyTheNumberAlphabet_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        const QString good[] = {"",  "0123456789", ".+-eE", "1.2.3",
                                "e", "+",          "5-",    QString("1").repeated(10000)};
        const QString bad[] = {"1/2",
                               "9:",
                               "12a",
                               "Infinity",
                               "NaN",
                               "0x10",
                               " 5",
                               "5 ",
                               "1,000",
                               "5%",
                               "a b c",
                               QStringLiteral("１２３"),
                               QStringLiteral("1\u30002"),
                               QStringLiteral("1，000"),
                               QStringLiteral("－40"),
                               QStringLiteral("37°"),
                               QStringLiteral("五"),
                               QString("1").repeated(9999) + "x"};
        for (const QString& t : good)
            QTest::addRow("good %s", qPrintable(t.left(12))) << t << true;
        for (const QString& t : bad)
            QTest::addRow("bad %s", qPrintable(t.right(12))) << t << false;
    }
    void checkNumAcceptsOnlyTheNumberAlphabet() {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QVERIFY(s.open(length.file));
        const QVariant result = s.eval(QStringLiteral("checkNum(%1)").arg(jsString(text)));
        QCOMPARE(result.typeId(), QMetaType::Bool);
        QCOMPARE(result.toBool(), accepted);
        QCOMPARE(s.takeAlerts(), accepted ? QStringList() : QStringList{kBadNumber});
    }

    // An entry in the base unit's field: what that field then shows, and what every field shows:
    // "+" a positive number, "-" a negative one, "=n" the same as the entry n, else the text.
    void entryFillsEveryField_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("every");
        const QString rows[][3] = {
            {"1e3", "1000", "=1000"},
            {"1E3", "1000", "=1000"},
            {"+5", "5", "=5"},
            {".5", "0.5", "=0.5"},
            {"5.", "5", "=5"},
            {"00012", "12", "=12"},
            {"1e-3", "0.001", "=0.001"},
            {"1E-2", "0.01", "=0.01"},
            {"-5", "-5", "-"},
            {"-.25", "-0.25", "-"},
            {"-0", "0", "0"},
            {"-0.0e5", "0", "0"},
            {"0", "0", "0"},
            {"1e-400", "0", "0"},
            {"-1e-400", "0", "0"},
            {"1.2.3", "NaN", "NaN"},
            {"e", "NaN", "NaN"},
            {"+", "NaN", "NaN"},
            {"-", "NaN", "NaN"},
            {".", "NaN", "NaN"},
            {"1e", "NaN", "NaN"},
            {"5-", "NaN", "NaN"},
            {"--5", "NaN", "NaN"},
            {"+-5", "NaN", "NaN"},
            {"1e400", "Infinity", "Infinity"},
            {"+1e400", "Infinity", "Infinity"},
            {"-1e400", "-Infinity", "-Infinity"},
            {"9.99999999e-7", "1e-6", "+"}, // the carry moves the exponent
            {"-9.99999999e-7", "-1e-6", "-"},
            {"9.9999999999e21", "1e22", "+"},
            {"1e21", "1e+21", "+"}, // stays in exponent form
            {"1e-7", "1e-7", "+"},
            {"3.3333333333333335e-11", "3.3333333e-11", "+"},
            {"0.30000000000000004", "0.3000000", "+"},
            {"1.99999999", "2", "+"},
            {"-9.999999999", "-10", "-"},
            {QString("1").repeated(10000), "Infinity", "Infinity"},
            {"-" + QString("9").repeated(9999), "-Infinity", "-Infinity"},
            {QString("0").repeated(9999) + "5", "5", "=5"},
            {"0." + QString("0").repeated(9997) + "1", "0", "0"},
            {"1." + QString("0").repeated(9998), "1", "=1"},
            {QString(".").repeated(10000), "NaN", "NaN"},
            {QString("e").repeated(10000), "NaN", "NaN"},
            {"1" + QString(".").repeated(9999), "NaN", "NaN"},
        };
        for (int p : kVersions)
            for (const auto& r : rows)
                QTest::addRow("%s %s", kPages[p].prefix, qPrintable(r[0].left(24)))
                    << p << r[0] << r[1] << r[2];
    }
    void entryFillsEveryField() {
        QFETCH(QString, entry);
        QFETCH(QString, every);
        QFETCH(int, page);
        QVERIFY(openPage(page));
        const Page& p = kPages[page];
        Fields same;
        if (every.startsWith('='))
            same = s.convert(p.base, every.mid(1));
        const Fields all = s.convert(p.base, entry);
        QTEST(all.value(p.base), "shown");
        QCOMPARE(all.size(), unitsOf(p).size());
        if (every.startsWith('='))
            QCOMPARE(all, same);
        for (auto it = all.cbegin(); it != all.cend() && !every.startsWith('='); ++it) {
            bool ok = false;
            const double v = it.value().toDouble(&ok);
            const bool good = every == "+"   ? ok && v > 0
                              : every == "-" ? ok && v < 0
                                             : it.value() == every;
            QVERIFY2(good, qPrintable(it.key() + " shows " + it.value().left(40)));
        }
    }

    // A negative entry gives every field the positive entry's text with a leading minus.
    void negativeEntryMirrorsPositive_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("magnitude");
        const char* rows[][3] = {{"gongl.html", "Kilowatt", "2"},
                                 {"gongl.html", "Horsepower", "1"},
                                 {"gongl.html", "Btus", "0.000333"},
                                 {"gongl.html", "ftlbs", "1e30"},
                                 {"gongl.html", "Watt", "9.99999999"},
                                 {"gongn.html", "Joule", "1"},
                                 {"gongn.html", "Kwh", "1"},
                                 {"gongn.html", "Kcal", "12.5"},
                                 {"gongn.html", "Psh", "1e-12"},
                                 {"gongn.html", "Ftlb", "7777777"},
                                 {"yali.html", "mAtm", "1"},
                                 {"yali.html", "mBar", "1"},
                                 {"yali.html", "mPascal", "1e-5"},
                                 {"yali.html", "engPound_sq_foot", "123.456"},
                                 {"yali.html", "xpressKg_sq_cm", "4e25"},
                                 {"yali.html", "mMillimeter_Hg", "9.99999999e-7"}};
        for (const auto& r : rows)
            QTest::addRow("%s %s %s", r[0], r[1], r[2]) << r[0] << r[1] << r[2];
    }
    void negativeEntryMirrorsPositive() {
        QFETCH(QString, page);
        QFETCH(QString, field);
        QFETCH(QString, magnitude);
        QVERIFY(s.open(page));
        const Fields positive = s.convert(field, magnitude);
        const Fields negative = s.convert(field, "-" + magnitude);
        QCOMPARE(negative.keys(), positive.keys());
        for (auto it = positive.cbegin(); it != positive.cend(); ++it) {
            QVERIFY2(!it.value().startsWith('-') && it.value() != "0",
                     qPrintable(it.key() + " shows " + it.value()));
            QCOMPARE(negative.value(it.key()), "-" + it.value());
        }
    }

    // Results of the length page at the edges of the rounding.
    void results_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("expected");
        // 1e-7 m is 9.999999999999999e-11 km and 0.00009999999999999999 mm in doubles; the
        // rounding carries them to the next power of ten.
        row("1e-7 m", "mMeter", "1e-7",
            "mKilometer=1e-10;mMeter=1e-7;mMicronmeter=0.1;mMillimeter=0.0001;mLimeter=2e-10;"
            "mChimeter=3e-7;engFoot=3.2808399e-7");
        row("1e21 m", "mMeter", "1e21",
            "mKilometer=1000000000000000000;mMeter=1e+21;mLimeter=2000000000000000000;"
            "engFoot=3.2808399e+21;mZhangmeter=300000000000000000000");
        // 0.1 * 0.01 / 0.01 is 0.09999999999999999 in doubles; the rounding hides it.
        row("0.1 cm", "mCentimeter", "0.1", "mCentimeter=0.1");
        row("1e3 mm", "mMillimeter", "1e3", "mMillimeter=1000");
    }
    void results() {
        QFETCH(QString, field);
        QFETCH(QString, entry);
        QFETCH(QString, expected);
        QVERIFY(s.open(length.file));
        QCOMPARE(s.results(field, entry, expected), pairList(expected));
    }
};

QTEST_MAIN(TestConversionScript)
#include "tst_conversionscript.moc"
