// The power page and the work, energy and heat page: their layout, the results their fields
// show, and how they treat odd entries.
#include "PageHarness.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QtTest>

namespace {

using Fields = QMap<QString, QString>;

const QString kBadNumber = QStringLiteral("请输入有效的数字");
const QString kPower = QStringLiteral("gongl.html");
const QString kHeat = QStringLiteral("gongn.html");

// The units of each page in the order their factors are assigned.
const QStringList kPowerUnits = {"Watt",  "Kilowatt", "Horsepower", "mHorsepower", "kgms",
                                 "kcals", "Btus",     "ftlbs",      "Js",          "Nms"};
const QStringList kHeatUnits = {"Joule", "Kgm", "Psh", "Hph", "Kwh", "Kcal", "Btu", "Ftlb"};

const QStringList& unitsOf(const QString& page) {
    return page == kPower ? kPowerUnits : kHeatUnits;
}

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

// "Watt=1000;Kilowatt=1" as a map.
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

class TstPowerEnergy : public QObject {
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

    void pageFrame_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("title");
        QTest::newRow("power") << kPower << QStringLiteral("功率计量单位转换换算器");
        QTest::newRow("heat") << kHeat << QStringLiteral("功、能和热量转换换算器");
    }

    void pageFrame() {
        QFETCH(QString, page);
        QFETCH(QString, title);
        QVERIFY(open(page, true));
        const QStringList expected = {
            "title=" + title,
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

    void layout_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("rows");
        const auto unit = [](const QString& name, const QString& small, const QString& field,
                             int size, bool newLine = false) {
            return QStringLiteral(
                       "L right nowrap %1 %2 %3 || I left text:%4/%5 + button:%4_bt=换算")
                .arg(name, newLine ? "/" : "|", small, field)
                .arg(size);
        };
        const QString resetRow = QStringLiteral("R 4 center button:res7=数据重置 script");
        QTest::newRow("power") << kPower
                               << QStringList{
                                      QStringLiteral("H 4 center #cce6cd 10 功率计量单位换算器"),
                                      unit("瓦", "(W)", "Watt", 10) + " || " +
                                          unit("千瓦", "(kW)", "Kilowatt", 10),
                                      unit("英制马力", "(HP)", "Horsepower", 10) + " || " +
                                          unit("米制马力", "(PS)", "mHorsepower", 10),
                                      unit("公斤·米/秒", "(kg·m/s)", "kgms", 10) + " || " +
                                          unit("千卡/秒", "(kcal/s)", "kcals", 10),
                                      unit("英热单位/秒", "(Btu/s)", "Btus", 10) + " || " +
                                          unit("英尺·磅/秒", "(ft·lb/s)", "ftlbs", 10),
                                      unit("焦耳/秒", "(J/s)", "Js", 10) + " || " +
                                          unit("牛顿·米/秒", "(N·m/s)", "Nms", 10),
                                      resetRow,
                                  };
        QTest::newRow("heat") << kHeat
                              << QStringList{
                                     QStringLiteral("H 4 center #cce6cd 10 功、能和热量转换换算器"),
                                     unit("焦耳", "(J)", "Joule", 12) + " || " +
                                         unit("公斤·米", "(kg·m)", "Kgm", 12),
                                     unit("米制马力·时", "(PS·h)", "Psh", 12, true) + " || " +
                                         unit("英制马力·时", "(HP·h)", "Hph", 12, true),
                                     unit("千瓦·时", "(kW·h)", "Kwh", 12) + " || " +
                                         unit("千卡", "(kcal)", "Kcal", 12),
                                     unit("英热单位", "(Btu)", "Btu", 12) + " || " +
                                         unit("英尺·磅", "(ft·lb)", "Ftlb", 12),
                                     resetRow,
                                 };
    }

    void layout() {
        QFETCH(QString, page);
        QFETCH(QStringList, rows);
        QVERIFY(open(page, true));
        QCOMPARE(h->eval(kDescribeRows).toString().split('\n'), rows);
        VERIFY_NO_SCRIPT_ERRORS();
    }

    // The global measures object holds one number per unit and nothing else, and every unit
    // has its field.
    void measuresObject_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("constructor");
        QTest::addColumn<QString>("global");
        QTest::newRow("power") << kPower << "POWER_MEASURES"
                               << "power_data";
        QTest::newRow("heat") << kHeat << "HEAT_MEASURES"
                              << "heat_data";
    }

    void measuresObject() {
        QFETCH(QString, page);
        QFETCH(QString, constructor);
        QFETCH(QString, global);
        QVERIFY(open(page));
        QVERIFY(h->eval(QStringLiteral("%1 instanceof %2").arg(global, constructor)).toBool());
        QCOMPARE(
            h->eval(QStringLiteral("(function(){var k=[];for(var n in %1)"
                                   "if(typeof %1[n]=='number')k.push(n);return k.join(',');})()")
                        .arg(global))
                .toString(),
            unitsOf(page).join(','));
        QCOMPARE(h->eval(QStringLiteral("Object.keys(%1).length").arg(global)).toInt(),
                 unitsOf(page).size());
        QStringList fieldNames = fields().keys();
        QStringList units = unitsOf(page);
        units.sort();
        QCOMPARE(fieldNames, units);
        VERIFY_NO_SCRIPT_ERRORS();
    }

    // 1 in a unit shows 1 again and, in the base unit's field, that unit's factor.
    void everyButtonConvertsItsOwnField_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("baseField");
        QTest::addColumn<QString>("baseShows");
        const char* power[][2] = {{"Watt", "0.001"},
                                  {"Kilowatt", "1"},
                                  {"Horsepower", "0.7457122"},
                                  {"mHorsepower", "0.7352941"},
                                  {"kgms", "0.0098039"},
                                  {"kcals", "4.1841004"},
                                  {"Btus", "1.0550749"},
                                  {"ftlbs", "0.0013557"},
                                  {"Js", "0.001"},
                                  {"Nms", "0.001"}};
        for (const auto& r : power)
            QTest::addRow("power %s", r[0]) << kPower << r[0] << "Kilowatt" << r[1];
        const char* heat[][2] = {{"Joule", "1"},
                                 {"Kgm", "9.8039216"},
                                 {"Psh", "2647603.9184538"},
                                 {"Hph", "2684563.7583893"},
                                 {"Kwh", "3599712.0230382"},
                                 {"Kcal", "4185.8518208"},
                                 {"Btu", "1055.0749103"},
                                 {"Ftlb", "1.3557484"}};
        for (const auto& r : heat)
            QTest::addRow("heat %s", r[0]) << kHeat << r[0] << "Joule" << r[1];
    }

    void everyButtonConvertsItsOwnField() {
        QFETCH(QString, page);
        QFETCH(QString, field);
        QFETCH(QString, baseField);
        QFETCH(QString, baseShows);
        QVERIFY(open(page));
        const Fields shown = convert(field, "1");
        QCOMPARE(shown.value(field), QStringLiteral("1"));
        QCOMPARE(shown.value(baseField), baseShows);
        QVERIFY(h->takeAlerts().isEmpty());
        VERIFY_NO_SCRIPT_ERRORS();
    }

    // Results as the fields show them; every other field holds "x" before the press, so a
    // field left unwritten shows up.
    void listedResults_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("expected");
        QTest::newRow("power 1 kW")
            << kPower << "Kilowatt"
            << "1"
            << "Watt=1000;Kilowatt=1;Horsepower=1.341;mHorsepower=1.3600000;kgms=102.0000007;"
               "kcals=0.2390000;Btus=0.9478000;ftlbs=737.6000000;Js=1000;Nms=1000";
        QTest::newRow("power 1 W")
            << kPower << "Watt"
            << "1"
            << "Watt=1;Kilowatt=0.001;Horsepower=0.001341;mHorsepower=0.0013600;kgms=0.1020000;"
               "kcals=0.0002390;Btus=0.0009478;ftlbs=0.7376000;Js=1;Nms=1";
        QTest::newRow("power 1 HP")
            << kPower << "Horsepower"
            << "1"
            << "Watt=745.712172;Kilowatt=0.7457122;Horsepower=1;mHorsepower=1.0141686;"
               "kgms=76.0626421;kcals=0.1782252;Btus=0.706786;ftlbs=550.0372981;"
               "Js=745.712172;Nms=745.712172";
        QTest::newRow("power -2 kW") << kPower << "Kilowatt"
                                     << "-2"
                                     << "Kilowatt=-2;Horsepower=-2.6819999;mHorsepower=-2.7200001;"
                                        "ftlbs=-1475.2000000;Watt=-2000";
        QTest::newRow("power 1e-3 kW")
            << kPower << "Kilowatt"
            << "1e-3"
            << "Watt=1;Kilowatt=0.001;Horsepower=0.001341;mHorsepower=0.0013600;kgms=0.1020000;"
               "kcals=0.0002390;Btus=0.0009478;ftlbs=0.7376000;Js=1;Nms=1";
        QTest::newRow("heat 1 J") << kHeat << "Joule"
                                  << "1"
                                  << "Joule=1;Kgm=0.102;Psh=3.777e-7;Hph=3.725e-7;Kwh=2.778e-7;"
                                     "Kcal=0.0002389;Btu=0.0009478;Ftlb=0.7376000";
        QTest::newRow("heat 1 kWh")
            << kHeat << "Kwh"
            << "1"
            << "Joule=3599712.0230382;Kgm=367170.6262985;Psh=1.3596112;Hph=1.3408927;Kwh=1;"
               "Kcal=859.9712023;Btu=3411.8070555;Ftlb=2655147.5881968";
        QTest::newRow("heat 1 kcal")
            << kHeat << "Kcal"
            << "1"
            << "Joule=4185.8518208;Kgm=426.9568857;Psh=0.001581;Hph=0.0015592;Kwh=0.0011628;"
               "Kcal=1;Btu=3.9673504;Ftlb=3087.4843031";
        QTest::newRow("heat 1000 J") << kHeat << "Joule"
                                     << "1000"
                                     << "Joule=1000;Kgm=102;Kcal=0.2389;Btu=0.9478000;"
                                        "Ftlb=737.6000000;Kwh=0.0002778";
    }

    void listedResults() {
        QFETCH(QString, page);
        QFETCH(QString, field);
        QFETCH(QString, entry);
        QFETCH(QString, expected);
        QVERIFY(open(page));
        fillAll("x");
        const Fields shown = convert(field, entry);
        QCOMPARE(shown.size(), unitsOf(page).size());
        const Fields want = parsePairs(expected);
        for (auto it = want.cbegin(); it != want.cend(); ++it)
            QCOMPARE(shown.value(it.key()), it.value());
        for (auto it = shown.cbegin(); it != shown.cend(); ++it)
            QVERIFY2(it.value() != "x", qPrintable(it.key() + " was not written"));
        QVERIFY(h->takeAlerts().isEmpty());
        VERIFY_NO_SCRIPT_ERRORS();
    }

    // Joule per second and newton metre per second are the watt under other names.
    void wattAliasesShowTheWattText_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("entry");
        const char* rows[][2] = {{"Kilowatt", "3.7"},
                                 {"Horsepower", "0.123456789"},
                                 {"mHorsepower", "-42"},
                                 {"kcals", "7e-9"},
                                 {"Btus", "1e25"},
                                 {"ftlbs", "1234567.891"},
                                 {"kgms", "0.30000000000000004"},
                                 {"Watt", "9.99999999e-7"}};
        for (const auto& r : rows)
            QTest::addRow("%s %s", r[0], r[1]) << r[0] << r[1];
    }

    void wattAliasesShowTheWattText() {
        QFETCH(QString, field);
        QFETCH(QString, entry);
        QVERIFY(open(kPower));
        const Fields shown = convert(field, entry);
        QVERIFY(!shown.value("Watt").isEmpty());
        QCOMPARE(shown.value("Js"), shown.value("Watt"));
        QCOMPARE(shown.value("Nms"), shown.value("Watt"));
        VERIFY_NO_SCRIPT_ERRORS();
    }

    // A negative entry gives every field the positive entry's text with a leading minus.
    void negativeEntryMirrorsPositive_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("magnitude");
        const char* power[][2] = {{"Kilowatt", "2"},
                                  {"Horsepower", "1"},
                                  {"Btus", "0.000333"},
                                  {"ftlbs", "1e30"},
                                  {"Watt", "9.99999999"}};
        for (const auto& r : power)
            QTest::addRow("power %s %s", r[0], r[1]) << kPower << r[0] << r[1];
        const char* heat[][2] = {
            {"Joule", "1"}, {"Kwh", "1"}, {"Kcal", "12.5"}, {"Psh", "1e-12"}, {"Ftlb", "7777777"}};
        for (const auto& r : heat)
            QTest::addRow("heat %s %s", r[0], r[1]) << kHeat << r[0] << r[1];
    }

    void negativeEntryMirrorsPositive() {
        QFETCH(QString, page);
        QFETCH(QString, field);
        QFETCH(QString, magnitude);
        QVERIFY(open(page));
        const Fields positive = convert(field, magnitude);
        const Fields negative = convert(field, "-" + magnitude);
        QCOMPARE(negative.size(), unitsOf(page).size());
        for (auto it = positive.cbegin(); it != positive.cend(); ++it) {
            QVERIFY2(!it.value().startsWith('-') && it.value() != "0",
                     qPrintable(it.key() + " shows " + it.value()));
            QCOMPARE(negative.value(it.key()), "-" + it.value());
        }
        VERIFY_NO_SCRIPT_ERRORS();
    }

    // Different spellings of one number fill every field alike.
    void equivalentEntries_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("sameAs");
        QTest::addColumn<QString>("enteredShows");
        const struct {
            const char* tag;
            QString entry;
            const char* sameAs;
            const char* enteredShows;
        } rows[] = {
            {"1e3", "1e3", "1000", "1000"},
            {"1E3", "1E3", "1000", "1000"},
            {"plus sign", "+5", "5", "5"},
            {"leading point", ".5", "0.5", "0.5"},
            {"trailing point", "5.", "5", "5"},
            {"minus zero", "-0", "0", "0"},
            {"leading zeros", "00012", "12", "12"},
            {"long leading zeros", repeated("0", 9999) + "1", "1", "1"},
            {"long trailing zeros", "2." + repeated("0", 9998), "2", "2"},
            {"long tiny fraction", "0." + repeated("0", 9997) + "1", "0", "0"},
        };
        for (const QString& page : {kPower, kHeat}) {
            const QString field = page == kPower ? "Kilowatt" : "Joule";
            for (const auto& r : rows)
                QTest::addRow("%s %s", qPrintable(page), r.tag)
                    << page << field << r.entry << r.sameAs << r.enteredShows;
        }
        QTest::newRow("power 1e-3 horsepower") << kPower << "Horsepower"
                                               << "1e-3"
                                               << "0.001"
                                               << "0.001";
        QTest::newRow("heat 1E-2 kWh") << kHeat << "Kwh"
                                       << "1E-2"
                                       << "0.01"
                                       << "0.01";
    }

    void equivalentEntries() {
        QFETCH(QString, page);
        QFETCH(QString, field);
        QFETCH(QString, entry);
        QFETCH(QString, sameAs);
        QFETCH(QString, enteredShows);
        QVERIFY(open(page));
        const Fields plain = convert(field, sameAs);
        fillAll(QString());
        const Fields shown = convert(field, entry);
        QCOMPARE(shown.value(field), enteredShows);
        QCOMPARE(shown, plain);
        QVERIFY(h->takeAlerts().isEmpty());
        VERIFY_NO_SCRIPT_ERRORS();
    }

    // Texts of accepted characters that are no number, and numbers beyond a double.
    void everyFieldShowsOneText_data() {
        QTest::addColumn<QString>("page");
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
            {"two signs", "+-5", "NaN"},
            {"overflow", "1e400", "Infinity"},
            {"negative overflow", "-1e400", "-Infinity"},
            {"zero", "0", "0"},
            {"negative underflow", "-1e-400", "0"},
            {"long digits", repeated("1", 10000), "Infinity"},
            {"long negative digits", "-" + repeated("9", 9999), "-Infinity"},
            {"long e", repeated("e", 10000), "NaN"},
            {"long points", "1" + repeated(".", 9999), "NaN"},
        };
        for (const QString& page : {kPower, kHeat}) {
            const QStringList& units = unitsOf(page);
            int i = 0;
            for (const auto& r : rows) {
                const QString field = units[i++ % units.size()];
                QTest::addRow("%s %s %s", qPrintable(page), qPrintable(field), r.tag)
                    << page << field << r.entry << r.shown;
            }
        }
    }

    void everyFieldShowsOneText() {
        QFETCH(QString, page);
        QFETCH(QString, field);
        QFETCH(QString, entry);
        QFETCH(QString, shown);
        QVERIFY(open(page));
        fillAll("x");
        const Fields all = convert(field, entry);
        QCOMPARE(all.size(), unitsOf(page).size());
        for (auto it = all.cbegin(); it != all.cend(); ++it)
            QVERIFY2(it.value() == shown, qPrintable(it.key() + " shows " + it.value().left(40)));
        QVERIFY(h->takeAlerts().isEmpty());
        VERIFY_NO_SCRIPT_ERRORS();
    }

    void emptyFieldDoesNothing_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("field");
        for (const QString& page : {kPower, kHeat})
            for (const QString& field : unitsOf(page))
                QTest::addRow("%s %s", qPrintable(page), qPrintable(field)) << page << field;
    }

    void emptyFieldDoesNothing() {
        QFETCH(QString, page);
        QFETCH(QString, field);
        QVERIFY(open(page));
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
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("entry");
        const struct {
            const char* tag;
            QString entry;
        } rows[] = {
            {"comma", "1,5"},
            {"full-width digit", QStringLiteral("１")},
            {"full-width space", QStringLiteral("1\u30002")},
            {"leading space", " 1"},
            {"trailing space", "1 "},
            {"letters", "abc"},
            {"hex", "0x1F"},
            {"Infinity word", "Infinity"},
            {"NaN word", "NaN"},
            {"slash", "1/2"},
            {"Chinese", QStringLiteral("五")},
            {"several bad", "a,b c"},
            {"long with bad last", repeated("1", 9999) + "a"},
        };
        for (const QString& page : {kPower, kHeat}) {
            const QStringList& units = unitsOf(page);
            int i = 0;
            for (const auto& r : rows) {
                const QString field = units[i++ % units.size()];
                QTest::addRow("%s %s %s", qPrintable(page), qPrintable(field), r.tag)
                    << page << field << r.entry;
            }
        }
    }

    void rejectedTextChangesNothing() {
        QFETCH(QString, page);
        QFETCH(QString, field);
        QFETCH(QString, entry);
        QVERIFY(open(page));
        fillAll("7");
        type(field, entry);
        const Fields before = fields();
        QCOMPARE(before.value(field), entry);
        press(field);
        QCOMPARE(h->takeAlerts(), QStringList{kBadNumber});
        QCOMPARE(fields(), before);
        VERIFY_NO_SCRIPT_ERRORS();
    }

    // The fields are written in the order the factors are assigned, the entered one included.
    void writeOrder_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("field");
        QTest::newRow("power from kW") << kPower << "Kilowatt";
        QTest::newRow("power from ft-lb/s") << kPower << "ftlbs";
        QTest::newRow("heat from J") << kHeat << "Joule";
        QTest::newRow("heat from Btu") << kHeat << "Btu";
    }

    void writeOrder() {
        QFETCH(QString, page);
        QFETCH(QString, field);
        QVERIFY(open(page, true));
        type(field, "3");
        h->eval(kRecordWrites);
        press(field);
        QCOMPARE(writes(), unitsOf(page));
        loaded.clear(); // the recording hooks stay on this page
        VERIFY_NO_SCRIPT_ERRORS();
    }

    // The reset button empties every field, also one typed into but never converted, in the
    // order the factors are assigned.
    void resetEmptiesEveryField_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("converted");
        QTest::addColumn<QString>("typedOnly");
        QTest::newRow("power") << kPower << "Horsepower"
                               << "Nms";
        QTest::newRow("heat") << kHeat << "Kcal"
                              << "Ftlb";
    }

    void resetEmptiesEveryField() {
        QFETCH(QString, page);
        QFETCH(QString, converted);
        QFETCH(QString, typedOnly);
        QVERIFY(open(page, true));
        convert(converted, "1");
        type(typedOnly, "77");
        const Fields before = fields();
        QCOMPARE(before.value(typedOnly), QStringLiteral("77"));
        QCOMPARE(before.value(converted), QStringLiteral("1"));
        h->eval(kRecordWrites);
        h->eval("document.forms[0].elements['res7'].click();");
        const Fields after = fields();
        QCOMPARE(after.size(), unitsOf(page).size());
        for (auto it = after.cbegin(); it != after.cend(); ++it)
            QVERIFY2(it.value().isEmpty(), qPrintable(it.key() + " shows " + it.value()));
        QCOMPARE(writes(), unitsOf(page));
        QVERIFY(h->takeAlerts().isEmpty());
        loaded.clear();
        VERIFY_NO_SCRIPT_ERRORS();
    }

    // The pages carry their own copy of the seven-place rounding.
    void normalizeCopy_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("shown");
        const char* rows[][2] = {{"3.14159265358979", "3.1415927"},
                                 {"1234.56789012345", "1234.5678901"},
                                 {"0.000123456789", "0.0001235"},
                                 {"0.30000000000000004", "0.3000000"},
                                 {"2.00000001", "2.0000000"},
                                 {"1.99999999", "2"},
                                 {"1.239999999", "1.24"},
                                 {"9.999999999", "10"},
                                 {"-9.999999999", "-10"},
                                 {"0.09999999999999999", "0.1"},
                                 {"1609344000.0000002", "1609344000.0000002"},
                                 {"1.5", "1.5"},
                                 {"3.3333333333333335e-11", "3.3333333e-11"},
                                 {"9.99999999e-7", "1e-6"},
                                 {"9.9999999999e+21", "1e22"},
                                 {"1.2345e-10", "1.2345e-10"},
                                 {"5000", "5000"},
                                 {"NaN", "NaN"},
                                 {"Infinity", "Infinity"}};
        for (const QString& page : {kPower, kHeat})
            for (const auto& r : rows)
                QTest::addRow("%s %s", qPrintable(page), r[0]) << page << r[0] << r[1];
    }

    void normalizeCopy() {
        QFETCH(QString, page);
        QFETCH(QString, number);
        QFETCH(QString, shown);
        QVERIFY(open(page));
        QCOMPARE(h->eval(QStringLiteral("normalize(%1, 8)").arg(number)).toString(), shown);
        VERIFY_NO_SCRIPT_ERRORS();
    }
};

QTEST_MAIN(TstPowerEnergy)
#include "tst_powerenergy.moc"
