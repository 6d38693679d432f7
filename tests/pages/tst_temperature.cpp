// The temperature page: its layout, its five conversions with their lower bounds, operation
// orders and write orders, how it reads entries, and its reset button.
#include "PageHarness.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QtTest>

namespace {

using Fields = QMap<QString, QString>;

const QString kBadNumber = QStringLiteral("请输入有效的数字");
const QString kPage = QStringLiteral("wendu.html");

const QStringList kScales = {"tempCelsius", "tempFahr", "tempKelvin", "tempRankine", "tempReaumur"};

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

// "tempKelvin=273.15;tempFahr=32" as a map.
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

class TstTemperature : public QObject {
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
            QStringLiteral("title=温度转换换算器"),
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

    // The convert buttons have no names; the reset button is "res6" and runs a script.
    void layout() {
        QVERIFY(open(kPage, true));
        const auto unit = [](const QString& name, const QString& small, const QString& field) {
            return QStringLiteral("L right nowrap %1 | %2 || I left text:%3/12 + button:=换算")
                .arg(name, small, field);
        };
        const QStringList rows = {
            QStringLiteral("H 4 center #cce6cd 10 温度转换换算器"),
            unit("摄氏度", "(C)", "tempCelsius") + " || " + unit("华氏度", "(F)", "tempFahr"),
            unit("开氏度", "(K)", "tempKelvin") + " || " + unit("兰氏度", "(Ra)", "tempRankine"),
            unit("列氏度", "(Re)", "tempReaumur") +
                QStringLiteral(" || R 2 right button:res6=数据重置 script"),
        };
        QCOMPARE(h->eval(kDescribeRows).toString().split('\n'), rows);
        VERIFY_NO_SCRIPT_ERRORS();
    }

    // The page computes with functions of its own, declared in this order, and has no
    // measures table.
    void scriptFunctions() {
        QVERIFY(open(kPage));
        const QStringList own = {"checkNum",      "computeTempC",  "computeTempF", "computeTempK",
                                 "computeTempRa", "computeTempRe", "resetAll"};
        for (const QString& name : own)
            QCOMPARE(h->eval("typeof " + name).toString(), QStringLiteral("function"));
        for (const QString& name : {"normalize", "compute", "resetValues"})
            QCOMPARE(h->eval(QStringLiteral("typeof ") + name).toString(),
                     QStringLiteral("undefined"));
        QCOMPARE(h->eval("Object.keys(window).filter(function(k){"
                         "return /_MEASURES$|_data$/.test(k);}).length")
                     .toInt(),
                 0);
        const QString text = h->eval("document.scripts[0].text").toString();
        qsizetype last = -1;
        for (const QString& name : own) {
            const qsizetype at = text.indexOf("function " + name + "(");
            QVERIFY2(at > last, qPrintable(name + " out of order"));
            last = at;
        }
        VERIFY_NO_SCRIPT_ERRORS();
    }

    // Results as the four other fields show them; they hold "x" before the press, and the
    // entered field keeps its text as typed.
    void listedResults_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* tag, const char* field, const QString& entry,
                            const char* expected) {
            QTest::newRow(tag) << field << entry << expected;
        };
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
        row("-273.15 C", "tempCelsius", "-273.15",
            "tempKelvin=0;tempFahr=-459.66999999999996;tempRankine=0;"
            "tempReaumur=-218.51999999999998");
        row("0 K", "tempKelvin", "0",
            "tempCelsius=-273.15;tempFahr=-459.66999999999996;tempRankine=0;"
            "tempReaumur=-218.51999999999998");
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
        const char* errors = "tempCelsius=ERROR;tempFahr=ERROR;tempKelvin=ERROR;"
                             "tempRankine=ERROR;tempReaumur=ERROR";
        row("-273.16 C", "tempCelsius", "-273.16", errors);
        row("-459.67 F", "tempFahr", "-459.67", errors);
        row("-218.52 Re", "tempReaumur", "-218.52", errors);
        row("-1 K", "tempKelvin", "-1", errors);
        row("-0.5 Ra", "tempRankine", "-0.5", errors);
        const char* nan = "tempCelsius=NaN;tempFahr=NaN;tempKelvin=NaN;tempRankine=NaN;"
                          "tempReaumur=NaN";
        row("empty C", "tempCelsius", "", nan);
        row("minus C", "tempCelsius", "-", nan);
        row("point C", "tempCelsius", ".", nan);
    }

    void listedResults() {
        QFETCH(QString, field);
        QFETCH(QString, entry);
        QFETCH(QString, expected);
        QVERIFY(open(kPage));
        fillAll("x");
        const Fields shown = convert(field, entry);
        QCOMPARE(shown.size(), kScales.size());
        QCOMPARE(shown.value(field), entry);
        Fields want = parsePairs(expected);
        want.remove(field); // the lists of errors name all five
        for (auto it = want.cbegin(); it != want.cend(); ++it)
            QCOMPARE(shown.value(it.key()), it.value());
        for (auto it = shown.cbegin(); it != shown.cend(); ++it)
            QVERIFY2(it.key() == field || it.value() != "x",
                     qPrintable(it.key() + " was not written"));
        QVERIFY(h->takeAlerts().isEmpty());
        VERIFY_NO_SCRIPT_ERRORS();
    }

    // A value equal to a scale's bound is taken; one just below it is answered with ERROR.
    void lowerBounds_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("refused");
        const struct {
            const char* field;
            const char* entry;
            bool refused;
        } rows[] = {
            {"tempCelsius", "-273.15", false},
            {"tempCelsius", "-273.15000000000003", true}, // the next double below
            {"tempCelsius", "-273.1500001", true},
            {"tempCelsius", "-273.14999", false},
            {"tempFahr", "-459.666666", false},
            {"tempFahr", "-459.6666660000001", true},
            {"tempFahr", "-459.6666661", true},
            {"tempFahr", "-459.67", true}, // absolute zero lies below this bound
            {"tempFahr", "-459.6666", false},
            {"tempKelvin", "0", false},
            {"tempKelvin", "-0", false},
            {"tempKelvin", "0e-5", false},
            {"tempKelvin", "-5e-324", true},
            {"tempKelvin", "-1e-300", true},
            {"tempKelvin", "-0.001", true},
            {"tempRankine", "0", false},
            {"tempRankine", "-0", false},
            {"tempRankine", "-5e-324", true},
            {"tempRankine", "-0.001", true},
            {"tempReaumur", "-218.5199999999", false},
            {"tempReaumur", "-218.51999999990002", true},
            {"tempReaumur", "-218.51999999991", true},
            {"tempReaumur", "-218.52", true},
            {"tempReaumur", "-218.51", false},
        };
        for (const auto& r : rows)
            QTest::addRow("%s %s", r.field, r.entry) << r.field << r.entry << r.refused;
    }

    void lowerBounds() {
        QFETCH(QString, field);
        QFETCH(QString, entry);
        QFETCH(bool, refused);
        QVERIFY(open(kPage));
        fillAll("x");
        const Fields shown = convert(field, entry);
        QCOMPARE(shown.value(field), entry);
        for (auto it = shown.cbegin(); it != shown.cend(); ++it) {
            if (it.key() == field)
                continue;
            if (refused) {
                QCOMPARE(it.value(), QStringLiteral("ERROR"));
            } else {
                bool ok = false;
                it.value().toDouble(&ok);
                QVERIFY2(ok, qPrintable(it.key() + " shows " + it.value()));
            }
        }
        QVERIFY(h->takeAlerts().isEmpty());
        VERIFY_NO_SCRIPT_ERRORS();
    }

    // Each result is built from exactly the stated operations in double precision: Fahrenheit
    // as 32 + (Celsius * 9 / 5), Rankine as Kelvin * 1.8, Reaumur as Celsius / 1.25, and so
    // on. The inputs are ones where other ways of writing the formulas differ in the last bit.
    void operationOrder_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("entry");
        const char* entries[] = {"-17.3",  "0.1",  "25",   "451",       "1e-3",
                                 "-100.7", "98.7", "77.7", "1234.5678", "36.6"};
        for (const QString& field : kScales)
            for (const char* e : entries)
                QTest::addRow("%s %s", qPrintable(field), e) << field << e;
    }

    void operationOrder() {
        QFETCH(QString, field);
        QFETCH(QString, entry);
        QVERIFY(open(kPage));
        const Fields shown = convert(field, entry);
        const double t = entry.toDouble();
        double c = 0, f = 0, k = 0, ra = 0, re = 0;
        bool refused = false;
        if (field == "tempCelsius") {
            refused = t < -273.15;
            c = t;
            k = c + 273.15;
            f = 32 + c * 9 / 5;
            ra = k * 1.8;
            re = c / 1.25;
        } else if (field == "tempFahr") {
            refused = t < -459.666666;
            f = t;
            c = (f - 32) * 5 / 9;
            k = c + 273.15;
            ra = k * 1.8;
            re = c / 1.25;
        } else if (field == "tempKelvin") {
            refused = t < 0;
            k = t;
            c = k - 273.15;
            f = 32 + c * 9 / 5;
            ra = k * 1.8;
            re = c / 1.25;
        } else if (field == "tempRankine") {
            refused = t < 0;
            ra = t;
            k = ra / 1.8;
            c = k - 273.15;
            f = 32 + c * 9 / 5;
            re = c / 1.25;
        } else {
            refused = t < -218.5199999999;
            re = t;
            c = re * 1.25;
            k = c + 273.15;
            f = 32 + c * 9 / 5;
            ra = k * 1.8;
        }
        const QMap<QString, double> want = {{"tempCelsius", c},
                                            {"tempFahr", f},
                                            {"tempKelvin", k},
                                            {"tempRankine", ra},
                                            {"tempReaumur", re}};
        for (auto it = want.cbegin(); it != want.cend(); ++it) {
            if (it.key() == field)
                continue;
            const QString text = shown.value(it.key());
            if (refused) {
                QCOMPARE(text, QStringLiteral("ERROR"));
                continue;
            }
            bool ok = false;
            const double got = text.toDouble(&ok);
            QVERIFY2(ok && got == it.value(), qPrintable(QStringLiteral("%1 shows %2, not %3")
                                                             .arg(it.key(), text)
                                                             .arg(it.value(), 0, 'g', 17)));
        }
        VERIFY_NO_SCRIPT_ERRORS();
    }

    // The entry is read like parseFloat: the longest number at its start, the rest ignored.
    void entryReadFromItsStart_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("sameAs");
        const struct {
            const char* tag;
            QString entry;
            const char* sameAs;
        } rows[] = {
            {"trailing minus", "5-", "5"},
            {"plus sign", "+5", "5"},
            {"two points", "1.5.2", "1.5"},
            {"exponent minus", "1e-3", "0.001"},
            {"capital exponent", "1E3", "1000"},
            {"bare exponent", "1e", "1"},
            {"exponent sign only", "2e+", "2"},
            {"leading point", ".5", "0.5"},
            {"trailing point", "5.", "5"},
            {"negative leading point", "-.5", "-0.5"},
            {"minus inside exponent tail", "5e-1-2", "0.5"},
            {"signs after number", "12+-", "12"},
            {"long trailing minus", "5" + repeated("-", 9999), "5"},
            {"long zeros", repeated("0", 10000), "0"},
            {"long leading zeros", repeated("0", 9998) + "37", "37"},
        };
        int i = 0;
        for (const auto& r : rows) {
            const QString field = kScales[i++ % kScales.size()];
            QTest::addRow("%s %s", qPrintable(field), r.tag) << field << r.entry << r.sameAs;
        }
    }

    void entryReadFromItsStart() {
        QFETCH(QString, field);
        QFETCH(QString, entry);
        QFETCH(QString, sameAs);
        QVERIFY(open(kPage));
        Fields plain = convert(field, sameAs);
        fillAll(QString());
        Fields shown = convert(field, entry);
        QCOMPARE(shown.value(field), entry);
        shown.remove(field);
        plain.remove(field);
        QCOMPARE(shown, plain);
        QVERIFY(h->takeAlerts().isEmpty());
        VERIFY_NO_SCRIPT_ERRORS();
    }

    // Texts that pass the check but do not begin with a number, and numbers beyond a double.
    void otherFieldsShowOneText_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("shown");
        const struct {
            const char* tag;
            QString entry;
            const char* shown;
        } rows[] = {
            {"empty", "", "NaN"},
            {"lone minus", "-", "NaN"},
            {"lone plus", "+", "NaN"},
            {"lone point", ".", "NaN"},
            {"lone e", "e", "NaN"},
            {"exponent first", "E5", "NaN"},
            {"two signs", "+-5", "NaN"},
            {"point then exponent", ".e1", "NaN"},
            {"long points", repeated(".", 10000), "NaN"},
            {"overflow", "1e400", "Infinity"},
            {"long digits", repeated("1", 10000), "Infinity"},
            {"negative overflow", "-1e400", "ERROR"},
            {"long negative digits", "-" + repeated("1", 9999), "ERROR"},
        };
        for (const QString& field : kScales)
            for (const auto& r : rows)
                QTest::addRow("%s %s", qPrintable(field), r.tag) << field << r.entry << r.shown;
    }

    void otherFieldsShowOneText() {
        QFETCH(QString, field);
        QFETCH(QString, entry);
        QFETCH(QString, shown);
        QVERIFY(open(kPage));
        fillAll("x");
        const Fields all = convert(field, entry);
        QCOMPARE(all.size(), kScales.size());
        QCOMPARE(all.value(field), entry);
        for (auto it = all.cbegin(); it != all.cend(); ++it)
            if (it.key() != field)
                QVERIFY2(it.value() == shown, qPrintable(it.key() + " shows " + it.value()));
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
            {"degree sign", QStringLiteral("37°")},
            {"unit letter", "37C"},
            {"comma", "36,6"},
            {"full-width digits", QStringLiteral("３７")},
            {"full-width minus", QStringLiteral("－40")},
            {"leading space", " 5"},
            {"Infinity word", "Infinity"},
            {"NaN word", "NaN"},
            {"long with bad last", repeated("1", 9999) + "K"},
        };
        int i = 0;
        for (const auto& r : rows) {
            const QString field = kScales[i++ % kScales.size()];
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

    // Each scale writes the four other fields in its own order, ERROR included.
    void writeOrder_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QStringList>("order");
        const QStringList fromC = {"tempKelvin", "tempFahr", "tempRankine", "tempReaumur"};
        const QStringList fromF = {"tempCelsius", "tempKelvin", "tempRankine", "tempReaumur"};
        const QStringList fromK = {"tempCelsius", "tempFahr", "tempRankine", "tempReaumur"};
        const QStringList fromRa = {"tempCelsius", "tempFahr", "tempKelvin", "tempReaumur"};
        const QStringList fromRe = {"tempCelsius", "tempFahr", "tempKelvin", "tempRankine"};
        QTest::newRow("C") << "tempCelsius"
                           << "20" << fromC;
        QTest::newRow("C below bound") << "tempCelsius"
                                       << "-300" << fromC;
        QTest::newRow("F") << "tempFahr"
                           << "20" << fromF;
        QTest::newRow("F below bound") << "tempFahr"
                                       << "-500" << fromF;
        QTest::newRow("K") << "tempKelvin"
                           << "20" << fromK;
        QTest::newRow("K below bound") << "tempKelvin"
                                       << "-1" << fromK;
        QTest::newRow("Ra") << "tempRankine"
                            << "20" << fromRa;
        QTest::newRow("Ra below bound") << "tempRankine"
                                        << "-1" << fromRa;
        QTest::newRow("Re") << "tempReaumur"
                            << "20" << fromRe;
        QTest::newRow("Re below bound") << "tempReaumur"
                                        << "-300" << fromRe;
    }

    void writeOrder() {
        QFETCH(QString, field);
        QFETCH(QString, entry);
        QFETCH(QStringList, order);
        QVERIFY(open(kPage, true));
        type(field, entry);
        h->eval(kRecordWrites);
        press(field);
        QCOMPARE(writes(), order);
        loaded.clear(); // the recording hooks stay on this page
        VERIFY_NO_SCRIPT_ERRORS();
    }

    // The reset button empties all five fields, also one typed into but never converted.
    void resetEmptiesEveryField() {
        QVERIFY(open(kPage, true));
        convert("tempCelsius", "+5");
        type("tempReaumur", "77");
        const Fields before = fields();
        QCOMPARE(before.value("tempCelsius"), QStringLiteral("+5"));
        QCOMPARE(before.value("tempKelvin"), QStringLiteral("278.15"));
        QCOMPARE(before.value("tempReaumur"), QStringLiteral("77"));
        h->eval(kRecordWrites);
        h->eval("document.forms[0].elements['res6'].click();");
        const Fields after = fields();
        QCOMPARE(after.size(), kScales.size());
        for (auto it = after.cbegin(); it != after.cend(); ++it)
            QVERIFY2(it.value().isEmpty(), qPrintable(it.key() + " shows " + it.value()));
        QCOMPARE(writes(), (QStringList{"tempCelsius", "tempKelvin", "tempFahr", "tempRankine",
                                        "tempReaumur"}));
        QVERIFY(h->takeAlerts().isEmpty());
        loaded.clear();
        VERIFY_NO_SCRIPT_ERRORS();
    }
};

QTEST_MAIN(TstTemperature)
#include "tst_temperature.moc"
