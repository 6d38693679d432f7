// The pressure page: its layout, its eight-significant-digit rounding, the results its fields
// show, how it treats odd entries, and its form reset button.
#include "PageHarness.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QtTest>

namespace {

using Fields = QMap<QString, QString>;

const QString kBadNumber = QStringLiteral("请输入有效的数字");
const QString kPage = QStringLiteral("yali.html");

// The units in the order their factors are assigned.
const QStringList kUnits = {"mKilopascal",
                            "mHectopascal",
                            "mPascal",
                            "mBar",
                            "mMillibar",
                            "mAtm",
                            "mMillimeter_Hg",
                            "engInch_Hg",
                            "engPound_sq_inch",
                            "engPound_sq_foot",
                            "xpressKg_sq_cm",
                            "xpressKg_sq_m",
                            "mmmH2O"};

QString jsString(const QString& s) {
    // A JSON string literal is also a script string literal.
    const QByteArray json = QJsonDocument(QJsonArray{s}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(json.mid(1, json.size() - 2));
}

QString repeated(const QString& s, int n) {
    QString out;
    for (int i = 0; i < n; ++i)
        out += s;
    return out;
}

// "mBar=1;mPascal=100000" as a map.
Fields parsePairs(const QString& pairs) {
    Fields out;
    for (const QString& pair : pairs.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const qsizetype eq = pair.indexOf(QLatin1Char('='));
        out.insert(pair.left(eq), pair.mid(eq + 1));
    }
    return out;
}

// One line per table row: the heading cell, label cells (name, "|" or "/" when the small-type
// part starts on a new line, the small-type part found by its 9px type), input cells (field,
// size, "+" for the single space, button) and the reset cell.
const char* kDescribeRows = R"JS(
(function () {
  function clean(s) { return s.replace(/\s+/g, ' ').replace(/^ | $/g, ''); }
  function html(n) { return n.nodeType == 3 ? n.data : n.outerHTML; }
  function label(td) {
    var name = '', small = null, br = false, rest = '', n;
    for (n = td.firstChild; n; n = n.nextSibling) {
      if (n.nodeType == 1 && getComputedStyle(n).fontSize == '9px') { small = n; break; }
      if (n.nodeType == 1 && n.tagName == 'BR') br = true; else name += html(n);
    }
    if (small) for (n = small.nextSibling; n; n = n.nextSibling) rest += html(n);
    return 'L ' + td.align + (td.noWrap ? ' nowrap ' : ' ') + clean(name) + (br ? ' / ' : ' | ') +
        (small ? small.innerHTML : '-') + clean(rest);
  }
  function cell(td, r) {
    var ins = td.getElementsByTagName('input');
    if (ins.length == 2) {
      var sep = ins[0].nextSibling;
      var one = sep && sep.nodeType == 3 && sep.data == ' ' && sep.nextSibling == ins[1];
      return 'I ' + td.align + ' ' + ins[0].type + ':' + ins[0].name + '/' + ins[0].size +
          (one ? ' + ' : ' ? ') + ins[1].type + ':' + (ins[1].getAttribute('name') || '') + '=' +
          ins[1].value;
    }
    if (ins.length == 1)
      return 'R ' + td.colSpan + ' ' + td.align + ' ' + ins[0].type + ':' + ins[0].name + '=' +
          ins[0].value + (ins[0].getAttribute('onclick') ? ' script' : ' noscript');
    if (r == 0)
      return 'H ' + td.colSpan + ' ' + td.align + ' ' + td.bgColor.toLowerCase() + ' ' +
          (td.parentNode.getAttribute('height') || td.getAttribute('height')) + ' ' +
          clean(td.textContent);
    return label(td);
  }
  var t = document.getElementsByTagName('table')[0], out = [];
  for (var r = 0; r < t.rows.length; r++) {
    var cells = [];
    for (var c = 0; c < t.rows[r].cells.length; c++) cells.push(cell(t.rows[r].cells[c], r));
    out.push(cells.join(' || '));
  }
  return out.join('\n');
})()
)JS";

// Facts about the page frame, one "key=value" per line.
const char* kDescribeFrame = R"JS(
(function () {
  var t = document.getElementsByTagName('table'), f = document.forms, out = [], i, heads = [];
  out.push('title=' + document.title);
  out.push('doctype=' + (document.doctype ? 'yes' : 'no') + ' ' + document.compatMode);
  for (i = 0; i < document.head.children.length; i++) heads.push(document.head.children[i].tagName);
  out.push('head=' + heads.join(','));
  var s = document.getElementsByTagName('script');
  out.push('scripts=' + s.length + ' ' + s[0].getAttribute('language') + ' ' + s[0].type);
  var l = document.getElementsByTagName('link')[0];
  out.push('link=' + l.getAttribute('rel') + ' ' + l.getAttribute('href'));
  out.push('tables=' + t.length);
  var a = ['width', 'bordercolordark', 'bordercolorlight', 'border', 'cellpadding', 'cellspacing',
           'align'];
  for (i = 0; i < a.length; i++) out.push(a[i] + '=' + t[0].getAttribute(a[i]));
  out.push('forms=' + f.length + ' action=[' + f[0].getAttribute('action') + ']');
  out.push('form in table before rows=' + (f[0].parentNode == t[0] &&
      !!(f[0].compareDocumentPosition(t[0].rows[0]) & Node.DOCUMENT_POSITION_FOLLOWING)));
  var ins = document.getElementsByTagName('input'), owned = true, blank = true;
  for (i = 0; i < ins.length; i++) {
    if (ins[i].form != f[0]) owned = false;
    if (ins[i].type == 'text' && (ins[i].value != '' || ins[i].hasAttribute('maxlength')))
      blank = false;
  }
  out.push('inputs owned by form=' + owned + ' text fields blank and unlimited=' + blank);
  return out.join('\n');
})()
)JS";

// Makes every write to a text field's value leave the field's name in window.__writes.
const char* kRecordWrites = R"JS(
(function () {
  var d = Object.getOwnPropertyDescriptor(HTMLInputElement.prototype, 'value');
  var f = document.forms[0];
  window.__writes = [];
  for (var i = 0; i < f.elements.length; i++) {
    if (f.elements[i].type != 'text') continue;
    Object.defineProperty(f.elements[i], 'value', {
      configurable: true,
      get: function () { return d.get.call(this); },
      set: function (v) { window.__writes.push(this.name); d.set.call(this, v); }
    });
  }
})()
)JS";

} // namespace

class TstPressure : public QObject {
    Q_OBJECT

    PageHarness* h = nullptr;
    QString loaded;

    // Shows the page (reloading only when another page is shown or `fresh` is asked for),
    // empties its fields and forgets earlier alerts.
    bool open(const QString& page, bool fresh = false) {
        if (fresh || loaded != page) {
            loaded.clear();
            if (!h->load(page))
                return false;
            loaded = page;
        }
        fillAll(QString());
        h->takeAlerts();
        return true;
    }

    void fillAll(const QString& text) {
        h->eval(QStringLiteral("(function(){var f=document.forms[0];"
                               "for(var i=0;i<f.elements.length;i++)"
                               "if(f.elements[i].type=='text')f.elements[i].value=%1;})()")
                    .arg(jsString(text)));
    }

    Fields fields() {
        const QString json =
            h->eval("(function(){var f=document.forms[0],r={};"
                    "for(var i=0;i<f.elements.length;i++){var e=f.elements[i];"
                    "if(e.type=='text')r[e.name]=e.value;}return JSON.stringify(r);})()")
                .toString();
        Fields out;
        const QJsonObject obj = QJsonDocument::fromJson(json.toUtf8()).object();
        for (auto it = obj.begin(); it != obj.end(); ++it)
            out.insert(it.key(), it.value().toString());
        return out;
    }

    void type(const QString& field, const QString& text) {
        h->eval(QStringLiteral("document.forms[0].elements[%1].value=%2;")
                    .arg(jsString(field), jsString(text)));
    }

    // Clicks the convert button that stands beside the field.
    void press(const QString& field) {
        h->eval(QStringLiteral("document.forms[0].elements[%1].parentNode"
                               ".getElementsByTagName('input')[1].click();")
                    .arg(jsString(field)));
    }

    Fields convert(const QString& field, const QString& text) {
        type(field, text);
        press(field);
        return fields();
    }

    QStringList writes() {
        return h->eval("window.__writes.join(',')").toString().split(',', Qt::SkipEmptyParts);
    }

#define VERIFY_NO_SCRIPT_ERRORS()                                                                  \
    do {                                                                                           \
        const QStringList errors = h->scriptErrors();                                              \
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join(QLatin1Char('\n'))));                    \
    } while (0)

private slots:
    void initTestCase() {
        h = new PageHarness;
    }
    void cleanupTestCase() {
        delete h;
        h = nullptr;
    }

    void pageFrame() {
        QVERIFY(open(kPage, true));
        const QStringList expected = {
            QStringLiteral("title=压力计量单位换算器"),
            "doctype=no BackCompat",
            "head=TITLE,SCRIPT,LINK",
            "scripts=1 javascript text/javascript",
            "link=stylesheet css/style1.css",
            "tables=1",
            "width=670",
            "bordercolordark=#ffffff",
            "bordercolorlight=#008000",
            "border=1",
            "cellpadding=3",
            "cellspacing=0",
            "align=center",
            "forms=1 action=[]",
            "form in table before rows=true",
            "inputs owned by form=true text fields blank and unlimited=true",
        };
        QCOMPARE(h->eval(kDescribeFrame).toString().split('\n'), expected);
        VERIFY_NO_SCRIPT_ERRORS();
    }

    void layout() {
        QVERIFY(open(kPage, true));
        const auto unit = [](const QString& name, const QString& small, const QString& field,
                             bool newLine) {
            return QStringLiteral(
                       "L right nowrap %1 %2 %3 || I left text:%4/12 + button:%4_bt=换算")
                .arg(name, newLine ? "/" : "|", small, field);
        };
        const QStringList rows = {
            QStringLiteral("H 4 center #cce6cd 10 压力计量单位换算器"),
            unit("巴", "(bar)", "mBar", false) + " || " +
                unit("千帕", "(kPa)", "mKilopascal", false),
            unit("百帕", "(hPa)", "mHectopascal", false) + " || " +
                unit("毫巴", "(mbar)", "mMillibar", false),
            unit("帕斯卡", "(Pa&nbsp;=&nbsp;N/m<sup>2</sup>)", "mPascal", true) + " || " +
                unit("标准大气压", "(atm)", "mAtm", true),
            unit("毫米汞柱(托)", "(mm&nbsp;Hg = Torr)", "mMillimeter_Hg", true) + " || " +
                unit("磅力/英尺<sup>2</sup>", "(lbf/ft<sup>2</sup>)", "engPound_sq_foot", true),
            unit("磅力/英寸<sup>2</sup>", "(lbf/in<sup>2</sup>&nbsp;=&nbsp;PSI)",
                 "engPound_sq_inch", true) +
                " || " + unit("英吋汞柱", "(in&nbsp;Hg)", "engInch_Hg", false),
            unit("公斤力/厘米<sup>2</sup>", "(kgf/cm<sup>2</sup>)", "xpressKg_sq_cm", true) +
                " || " +
                unit("公斤力/米<sup>2</sup>", "(kgf/m<sup>2</sup>)", "xpressKg_sq_m", true),
            unit("毫米水柱", "(mmH<sub>2</sub>O)", "mmmH2O", true) +
                QStringLiteral(" || R 2 right reset:res6=数据重置 noscript"),
        };
        QCOMPARE(h->eval(kDescribeRows).toString().split('\n'), rows);
        VERIFY_NO_SCRIPT_ERRORS();
    }

    // The global measures object holds one number per unit and nothing else, every unit has
    // its field, and the page has no reset function of its own.
    void measuresObject() {
        QVERIFY(open(kPage));
        QVERIFY(h->eval("press_data instanceof PRESS_MEASURES").toBool());
        QCOMPARE(h->eval("(function(){var k=[];for(var n in press_data)"
                         "if(typeof press_data[n]=='number')k.push(n);return k.join(',');})()")
                     .toString(),
                 kUnits.join(','));
        QCOMPARE(h->eval("Object.keys(press_data).length").toInt(), kUnits.size());
        QStringList units = kUnits;
        units.sort();
        QCOMPARE(fields().keys(), units);
        QCOMPARE(h->eval("typeof resetValues + ' ' + typeof resetAll").toString(),
                 QStringLiteral("undefined undefined"));
        VERIFY_NO_SCRIPT_ERRORS();
    }

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
        QFETCH(QString, shown);
        QVERIFY(open(kPage));
        const QVariant result = h->eval(QStringLiteral("normalize(%1, 8)").arg(number));
        QCOMPARE(result.typeId(), QMetaType::QString);
        QCOMPARE(result.toString(), shown);
        VERIFY_NO_SCRIPT_ERRORS();
    }

    // 1 in a unit shows 1 again and, in the pascal field, that unit's factor.
    void everyButtonConvertsItsOwnField_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("pascals");
        const char* rows[][2] = {{"mKilopascal", "1000"},
                                 {"mHectopascal", "100"},
                                 {"mPascal", "1"},
                                 {"mBar", "100000"},
                                 {"mMillibar", "100"},
                                 {"mAtm", "101325"},
                                 {"mMillimeter_Hg", "133.32237"},
                                 {"engInch_Hg", "3386.3882"},
                                 {"engPound_sq_inch", "6894.757"},
                                 {"engPound_sq_foot", "47.880257"},
                                 {"xpressKg_sq_cm", "98066.5"},
                                 {"xpressKg_sq_m", "9.80665"},
                                 {"mmmH2O", "9.8066136"}};
        for (const auto& r : rows)
            QTest::newRow(r[0]) << r[0] << r[1];
    }

    void everyButtonConvertsItsOwnField() {
        QFETCH(QString, field);
        QFETCH(QString, pascals);
        QVERIFY(open(kPage));
        const Fields shown = convert(field, "1");
        QCOMPARE(shown.value(field), QStringLiteral("1"));
        QCOMPARE(shown.value("mPascal"), pascals);
        QVERIFY(h->takeAlerts().isEmpty());
        VERIFY_NO_SCRIPT_ERRORS();
    }

    // Results as the fields show them; every other field holds "x" before the press, so a
    // field left unwritten shows up.
    void listedResults_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("expected");
        const QString atm = "mKilopascal=101.325;mHectopascal=1013.25;mPascal=101325;mBar=1.01325;"
                            "mMillibar=1013.25;mAtm=1;mMillimeter_Hg=760;engInch_Hg=29.92126;"
                            "engPound_sq_inch=14.695949;engPound_sq_foot=2116.2167;"
                            "xpressKg_sq_cm=1.0332275;xpressKg_sq_m=10332.275;mmmH2O=10332.313";
        QTest::newRow("1 atm") << "mAtm"
                               << "1" << atm;
        QTest::newRow("760 mmHg") << "mMillimeter_Hg"
                                  << "760" << atm;
        QTest::newRow("1 bar") << "mBar"
                               << "1"
                               << "mKilopascal=100;mPascal=100000;mAtm=0.98692327;"
                                  "mMillimeter_Hg=750.06168;engInch_Hg=29.529988;"
                                  "engPound_sq_inch=14.503774;engPound_sq_foot=2088.5435;"
                                  "xpressKg_sq_cm=1.0197162;xpressKg_sq_m=10197.162;"
                                  "mmmH2O=10197.2;mBar=1";
        QTest::newRow("1 Pa") << "mPascal"
                              << "1"
                              << "mKilopascal=0.001;mBar=0.00001;mAtm=0.0000098692327;"
                                 "mMillimeter_Hg=0.0075006168;engInch_Hg=0.00029529988;"
                                 "engPound_sq_inch=0.00014503774;xpressKg_sq_cm=0.000010197162;"
                                 "xpressKg_sq_m=0.10197162;mmmH2O=0.101972;mPascal=1";
        QTest::newRow("1 psi") << "engPound_sq_inch"
                               << "1"
                               << "mPascal=6894.757;engPound_sq_foot=144;mAtm=0.068045961;"
                                  "mMillimeter_Hg=51.71493;xpressKg_sq_cm=0.070306955;"
                                  "engPound_sq_inch=1";
        QTest::newRow("1 kgf/cm2") << "xpressKg_sq_cm"
                                   << "1"
                                   << "mPascal=98066.5;xpressKg_sq_m=10000;mmmH2O=10000.037;"
                                      "mAtm=0.96784111;xpressKg_sq_cm=1";
        QTest::newRow("1 kgf/m2") << "xpressKg_sq_m"
                                  << "1"
                                  << "mmmH2O=1.0000037;xpressKg_sq_m=1";
        QTest::newRow("123456789 Pa") << "mPascal"
                                      << "123456789"
                                      << "mPascal=123456790;mKilopascal=123456.79;mBar=1234.5679";
        QTest::newRow("1e-5 Pa") << "mPascal"
                                 << "1e-5"
                                 << "mKilopascal=1e-8;mHectopascal=1e-7;mPascal=0.00001;"
                                    "mBar=1e-10;mAtm=9.8692327e-11;"
                                    "xpressKg_sq_m=0.0000010197162";
    }

    void listedResults() {
        QFETCH(QString, field);
        QFETCH(QString, entry);
        QFETCH(QString, expected);
        QVERIFY(open(kPage));
        fillAll("x");
        const Fields shown = convert(field, entry);
        QCOMPARE(shown.size(), kUnits.size());
        const Fields want = parsePairs(expected);
        for (auto it = want.cbegin(); it != want.cend(); ++it)
            QCOMPARE(shown.value(it.key()), it.value());
        for (auto it = shown.cbegin(); it != shown.cend(); ++it)
            QVERIFY2(it.value() != "x", qPrintable(it.key() + " was not written"));
        QVERIFY(h->takeAlerts().isEmpty());
        VERIFY_NO_SCRIPT_ERRORS();
    }

    // Different spellings of one quantity fill every field alike.
    void equivalentEntries_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("sameField");
        QTest::addColumn<QString>("sameEntry");
        QTest::newRow("760 mmHg is 1 atm") << "mMillimeter_Hg"
                                           << "760"
                                           << "mAtm"
                                           << "1";
        QTest::newRow("1e3 Pa is 1 kPa") << "mPascal"
                                         << "1e3"
                                         << "mKilopascal"
                                         << "1";
        QTest::newRow("1E3 hPa is 1 bar") << "mHectopascal"
                                          << "1E3"
                                          << "mBar"
                                          << "1";
        QTest::newRow("1 hPa is 1 mbar") << "mHectopascal"
                                         << "1"
                                         << "mMillibar"
                                         << "1";
        QTest::newRow("plus sign") << "mAtm"
                                   << "+5"
                                   << "mAtm"
                                   << "5";
        QTest::newRow("leading point") << "mBar"
                                       << ".5"
                                       << "mBar"
                                       << "0.5";
        QTest::newRow("trailing point") << "engInch_Hg"
                                        << "5."
                                        << "engInch_Hg"
                                        << "5";
        QTest::newRow("minus zero") << "mmmH2O"
                                    << "-0"
                                    << "mmmH2O"
                                    << "0";
        QTest::newRow("long leading zeros") << "mPascal" << repeated("0", 9999) + "1"
                                            << "mPascal"
                                            << "1";
        QTest::newRow("long tiny fraction") << "mBar"
                                            << "0." + repeated("0", 9997) + "1"
                                            << "mBar"
                                            << "0";
    }

    void equivalentEntries() {
        QFETCH(QString, field);
        QFETCH(QString, entry);
        QFETCH(QString, sameField);
        QFETCH(QString, sameEntry);
        QVERIFY(open(kPage));
        const Fields plain = convert(sameField, sameEntry);
        fillAll(QString());
        const Fields shown = convert(field, entry);
        QCOMPARE(shown, plain);
        QVERIFY(h->takeAlerts().isEmpty());
        VERIFY_NO_SCRIPT_ERRORS();
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
        QVERIFY(open(kPage));
        const Fields shown = convert(field, entry);
        QVERIFY(!shown.value("mHectopascal").isEmpty());
        QCOMPARE(shown.value("mMillibar"), shown.value("mHectopascal"));
        VERIFY_NO_SCRIPT_ERRORS();
    }

    // A negative entry gives every field the positive entry's text with a leading minus.
    void negativeEntryMirrorsPositive_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("magnitude");
        const char* rows[][2] = {{"mAtm", "1"},
                                 {"mBar", "1"},
                                 {"mPascal", "1e-5"},
                                 {"engPound_sq_foot", "123.456"},
                                 {"mMillimeter_Hg", "9.99999999e-7"},
                                 {"xpressKg_sq_cm", "4e25"}};
        for (const auto& r : rows)
            QTest::addRow("%s %s", r[0], r[1]) << r[0] << r[1];
    }

    void negativeEntryMirrorsPositive() {
        QFETCH(QString, field);
        QFETCH(QString, magnitude);
        QVERIFY(open(kPage));
        const Fields positive = convert(field, magnitude);
        const Fields negative = convert(field, "-" + magnitude);
        QCOMPARE(negative.size(), kUnits.size());
        for (auto it = positive.cbegin(); it != positive.cend(); ++it) {
            QVERIFY2(!it.value().startsWith('-') && it.value() != "0",
                     qPrintable(it.key() + " shows " + it.value()));
            QCOMPARE(negative.value(it.key()), "-" + it.value());
        }
        VERIFY_NO_SCRIPT_ERRORS();
    }

    // Texts of accepted characters that are no number, numbers beyond a double, and zero.
    void everyFieldShowsOneText_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("shown");
        const struct {
            const char* tag;
            QString entry;
            const char* shown;
        } rows[] = {
            {"two points", "1.2.3", "NaN"},
            {"lone e", "e", "NaN"},
            {"lone plus", "+", "NaN"},
            {"lone minus", "-", "NaN"},
            {"lone point", ".", "NaN"},
            {"exponent without digits", "1e", "NaN"},
            {"trailing minus", "5-", "NaN"},
            {"overflow", "1e400", "Infinity"},
            {"negative overflow", "-1e400", "-Infinity"},
            {"zero", "0", "0"},
            {"zero with exponent", "0e5", "0"},
            {"underflow", "1e-400", "0"},
            {"long digits", repeated("1", 10000), "Infinity"},
            {"long negative digits", "-" + repeated("9", 9999), "-Infinity"},
            {"long e", repeated("E", 10000), "NaN"},
        };
        int i = 0;
        for (const auto& r : rows) {
            const QString field = kUnits[i++ % kUnits.size()];
            QTest::addRow("%s %s", qPrintable(field), r.tag) << field << r.entry << r.shown;
        }
    }

    void everyFieldShowsOneText() {
        QFETCH(QString, field);
        QFETCH(QString, entry);
        QFETCH(QString, shown);
        QVERIFY(open(kPage));
        fillAll("x");
        const Fields all = convert(field, entry);
        QCOMPARE(all.size(), kUnits.size());
        for (auto it = all.cbegin(); it != all.cend(); ++it)
            QVERIFY2(it.value() == shown, qPrintable(it.key() + " shows " + it.value().left(40)));
        QVERIFY(h->takeAlerts().isEmpty());
        VERIFY_NO_SCRIPT_ERRORS();
    }

    void emptyFieldDoesNothing_data() {
        QTest::addColumn<QString>("field");
        for (const QString& field : kUnits)
            QTest::newRow(qPrintable(field)) << field;
    }

    void emptyFieldDoesNothing() {
        QFETCH(QString, field);
        QVERIFY(open(kPage));
        fillAll("7");
        type(field, QString());
        const Fields before = fields();
        press(field);
        QCOMPARE(fields(), before);
        QVERIFY(h->takeAlerts().isEmpty());
        VERIFY_NO_SCRIPT_ERRORS();
    }

    // One message, and no field changes, the entered one included.
    void rejectedTextChangesNothing_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("entry");
        const struct {
            const char* tag;
            QString entry;
        } rows[] = {
            {"comma", "101,325"},
            {"full-width digit", QStringLiteral("７６０")},
            {"full-width space", QStringLiteral("1\u30002")},
            {"leading space", " 1"},
            {"unit typed along", "1atm"},
            {"hex", "0x1F"},
            {"Infinity word", "Infinity"},
            {"percent", "5%"},
            {"Chinese", QStringLiteral("一")},
            {"long with bad last", repeated("1", 9999) + "Pa"},
        };
        int i = 0;
        for (const auto& r : rows) {
            const QString field = kUnits[i++ % kUnits.size()];
            QTest::addRow("%s %s", qPrintable(field), r.tag) << field << r.entry;
        }
    }

    void rejectedTextChangesNothing() {
        QFETCH(QString, field);
        QFETCH(QString, entry);
        QVERIFY(open(kPage));
        fillAll("7");
        type(field, entry);
        const Fields before = fields();
        QCOMPARE(before.value(field), entry);
        press(field);
        QCOMPARE(h->takeAlerts(), QStringList{kBadNumber});
        QCOMPARE(fields(), before);
        VERIFY_NO_SCRIPT_ERRORS();
    }

    // The fields are written in the order the factors are assigned, not in screen order.
    void writeOrder_data() {
        QTest::addColumn<QString>("field");
        QTest::newRow("from atm") << "mAtm";
        QTest::newRow("from mmH2O") << "mmmH2O";
    }

    void writeOrder() {
        QFETCH(QString, field);
        QVERIFY(open(kPage, true));
        type(field, "3");
        h->eval(kRecordWrites);
        press(field);
        QCOMPARE(writes(), kUnits);
        loaded.clear(); // the recording hooks stay on this page
        VERIFY_NO_SCRIPT_ERRORS();
    }

    // The form's own reset button empties every field, also one typed into but never
    // converted.
    void resetEmptiesEveryField() {
        QVERIFY(open(kPage, true));
        convert("mAtm", "1");
        type("mBar", "77");
        const Fields before = fields();
        QCOMPARE(before.value("mBar"), QStringLiteral("77"));
        QCOMPARE(before.value("mPascal"), QStringLiteral("101325"));
        h->eval("document.forms[0].elements['res6'].click();");
        const Fields after = fields();
        QCOMPARE(after.size(), kUnits.size());
        for (auto it = after.cbegin(); it != after.cend(); ++it)
            QVERIFY2(it.value().isEmpty(), qPrintable(it.key() + " shows " + it.value()));
        QVERIFY(h->takeAlerts().isEmpty());
        // The page works on after a reset.
        QCOMPARE(convert("mBar", "1").value("mKilopascal"), QStringLiteral("100"));
        VERIFY_NO_SCRIPT_ERRORS();
    }
};

QTEST_MAIN(TstPressure)
#include "tst_pressure.moc"
