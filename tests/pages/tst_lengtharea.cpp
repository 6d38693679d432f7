// The length and area pages: their conversion results and their page structure.
#include "PageHarness.h"

#include <QMap>
#include <QtTest>

namespace {

// Describes one table row as "cell ; cell ; ...". A label cell reads "[align,nowrap]text"
// with small-type parts in braces, sup/sub tags kept, line breaks as <br> and non-breaking
// spaces as &nbsp;; an input cell reads "[align]field/size button/caption" and must hold
// exactly the field, one space and the button; a reset cell "[align,colspan=n]reset:name/
// caption"; an empty cell "empty". Rows that do not span four columns say so at the end.
const char kDescribeRow[] = R"JS(
(function (rowIndex) {
  function weight(el) { var w = getComputedStyle(el).fontWeight; return w == 'bold' ? 700 : parseInt(w, 10); }
  function desc(node) {
    var s = '', size = getComputedStyle(node).fontSize;
    for (var i = 0; i < node.childNodes.length; i++) {
      var c = node.childNodes[i];
      if (c.nodeType == 3) { s += c.nodeValue.replace(/\u00a0/g, '&nbsp;'); continue; }
      if (c.nodeType != 1) continue;
      var t = c.tagName.toLowerCase();
      if (t == 'br') s += '<br>';
      else if (t == 'sup' || t == 'sub') s += '<' + t + '>' + desc(c) + '</' + t + '>';
      else if (getComputedStyle(c).fontSize == '9px' && size != '9px') s += '{' + desc(c) + '}';
      else s += desc(c);
    }
    return s;
  }
  function boldness(td) {
    var walker = document.createTreeWalker(td, NodeFilter.SHOW_TEXT), n, all = true, any = false;
    while ((n = walker.nextNode())) {
      if (!n.nodeValue.replace(/[\s\u00a0]/g, '')) continue;
      if (weight(n.parentNode) >= 700) any = true; else all = false;
    }
    return any ? (all ? 'bold:' : 'partly bold:') : '';
  }
  function cell(td) {
    var attrs = [];
    if (td.getAttribute('align')) attrs.push(td.getAttribute('align'));
    if (td.noWrap) attrs.push('nowrap');
    if (td.colSpan > 1) attrs.push('colspan=' + td.colSpan);
    var head = '[' + attrs.join(',') + ']';
    var inputs = td.getElementsByTagName('input');
    if (inputs.length == 2 && inputs[0].type == 'text') {
      var n = td.childNodes, f = inputs[0], b = inputs[1];
      if (n.length != 3 || n[0] !== f || n[1].nodeType != 3 || n[1].nodeValue != ' ' || n[2] !== b)
        return head + 'unexpected input cell';
      return head + f.name + '/' + f.size + (f.maxLength >= 0 ? '/maxlength' : '') +
             ' ' + b.name + '/' + b.value +
             (b.type != 'button' ? '/' + b.type : '');
    }
    if (inputs.length == 1)
      return head + 'reset:' + inputs[0].name + '/' + inputs[0].value +
             (inputs[0].type != 'button' ? '/' + inputs[0].type : '');
    if (inputs.length == 0 && !td.textContent.replace(/[\s\u00a0]/g, ''))
      return 'empty';
    return head + boldness(td) + desc(td);
  }
  var row = document.getElementsByTagName('table')[0].rows[rowIndex], out = [], cols = 0;
  for (var i = 0; i < row.cells.length; i++) { out.push(cell(row.cells[i])); cols += row.cells[i].colSpan; }
  if (cols != 4) out.push('columns=' + cols);
  return out.join(' ; ');
})
)JS";

// Page frame facts as "key=value" lines.
const char kFrame[] = R"JS(
(function () {
  var t = document.getElementsByTagName('table'), table = t[0], f = document.forms, r = [];
  var s = document.getElementsByTagName('script'), l = document.getElementsByTagName('link');
  var head = [];
  for (var i = 0; i < document.head.children.length; i++) head.push(document.head.children[i].tagName);
  var h = table.rows[0], hc = h.cells[0];
  r.push('title=' + document.title);
  r.push('head=' + head.join(','));
  r.push('scripts=' + s.length + ' ' + s[0].getAttribute('language') + ' ' + s[0].getAttribute('type'));
  r.push('links=' + l.length + ' ' + l[0].getAttribute('rel') + ' ' + l[0].getAttribute('href'));
  r.push('tables=' + t.length);
  var names = ['width', 'borderColorDark', 'borderColorLight', 'border', 'cellpadding', 'cellspacing', 'align'];
  for (var i = 0; i < names.length; i++) r.push(names[i] + '=' + table.getAttribute(names[i]));
  r.push('forms=' + f.length + ' action="' + f[0].getAttribute('action') + '" in ' + f[0].parentNode.tagName +
         (f[0].compareDocumentPosition(h) & Node.DOCUMENT_POSITION_FOLLOWING ? ' before rows' : ' after rows'));
  r.push('heading=' + h.cells.length + ' colspan ' + hc.colSpan + ' ' + hc.getAttribute('align') + ' ' +
         hc.getAttribute('bgcolor') + ' height ' + (h.getAttribute('height') || hc.getAttribute('height')) +
         ' ' + hc.textContent);
  r.push('rows=' + table.rows.length);
  var fields = 0, empty = 0, owned = 0, e = f[0].elements;
  for (var i = 0; i < e.length; i++) {
    if (e[i].type == 'text') { fields++; if (e[i].value == '') empty++; }
  }
  var all = document.getElementsByTagName('input');
  for (var i = 0; i < all.length; i++) if (all[i].form === f[0]) owned++;
  r.push('inputs=' + all.length + ' in form ' + owned + ', text ' + fields + ' empty ' + empty);
  return r.join('\n');
})()
)JS";

QString unit(const QString& label, const QString& field, int size) {
    return QStringLiteral("[right,nowrap]%1 ; [left]%2/%3 %2_bt/换算").arg(label, field).arg(size);
}

QString row(const QString& left, const QString& right) {
    return left + QStringLiteral(" ; ") + right;
}

const QString kResetRight = QStringLiteral("[right,colspan=2]reset:res7/数据重置");

QString small(const QString& text) {
    return QLatin1Char('{') + text + QLatin1Char('}');
}

} // namespace

class TstLengthArea : public QObject {
    Q_OBJECT

    PageHarness* h = nullptr;
    QString loaded;
    qsizetype errorsSeen = 0;

    // Script errors raised since the case began, so that each case answers for its own.
    QStringList newErrors() {
        const QStringList all = h->scriptErrors();
        const QStringList fresh = all.mid(errorsSeen);
        errorsSeen = all.size();
        return fresh;
    }

#define VERIFY_NO_SCRIPT_ERRORS()                                                                  \
    do {                                                                                           \
        const QStringList errors = newErrors();                                                    \
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join(QLatin1Char('\n'))));                    \
    } while (0)

    bool open(const QString& page, bool fresh) {
        if (fresh || loaded != page) {
            loaded.clear();
            if (!h->load(page))
                return false;
            loaded = page;
            errorsSeen = 0;
        } else {
            errorsSeen = h->scriptErrors().size();
        }
        h->takeAlerts();
        return true;
    }

    QMap<QString, QString> fields() {
        const QString joined =
            h->eval("(function(){var f=document.forms[0],r=[];"
                    "for(var i=0;i<f.elements.length;i++){var e=f.elements[i];"
                    "if(e.type=='text')r.push(e.name+'\\n'+e.value);}return r.join('\\n');})()")
                .toString();
        const QStringList parts = joined.split(QLatin1Char('\n'));
        QMap<QString, QString> out;
        for (int i = 0; i + 1 < parts.size(); i += 2)
            out.insert(parts[i], parts[i + 1]);
        return out;
    }

    void addResult(const char* tag, const char* page, const char* field,
                   const QStringList& expected) {
        QTest::newRow(tag) << QString::fromLatin1(page) << QString::fromLatin1(field) << expected;
    }

private slots:
    void initTestCase() {
        h = new PageHarness;
    }
    void cleanupTestCase() {
        delete h;
        h = nullptr;
    }

    // expected: "field=text" for the fields checked after entering 1 in `field`.
    void results_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QStringList>("expected");
        addResult("length 1 mile", "changdu.html", "engMile",
                  {"mKilometer=1.609344", "mMeter=1609.344", "mDecimeter=16093.44",
                   "mCentimeter=160934.4", "mMillimeter=1609344", "mMicronmeter=1609344000.0000002",
                   "mLimeter=3.218688", "mZhangmeter=482.8032", "mChimeter=4828.032",
                   "mCunmeter=48280.32", "mFenmeter=482803.2", "mmLimeter=4828032", "engFoot=5280",
                   "engMile=1", "engFurlong=8", "engYard=1760", "engInch=63360",
                   "nautMile=0.8689762", "nautFathom=880"});
        addResult("length 1 metre", "changdu.html", "mMeter",
                  {"mMeter=1", "mLimeter=0.002", "mZhangmeter=0.3", "mChimeter=3", "mCunmeter=30",
                   "engFoot=3.2808399", "engMile=0.0006214", "engFurlong=0.004971",
                   "engYard=1.0936133", "engInch=39.3700787", "nautMile=0.00054",
                   "nautFathom=0.5468066"});
        // The yard's factor 3 * 0.3048 is 0.9144000000000001 in doubles.
        addResult("length 1 yard", "changdu.html", "engYard",
                  {"mMeter=0.9144000", "mDecimeter=9.144", "mCentimeter=91.4400000",
                   "mMillimeter=914.4000000", "engFoot=3", "engYard=1", "engInch=36",
                   "nautFathom=0.5"});
        addResult("length 1 chi", "changdu.html", "mChimeter",
                  {"mMeter=0.3333333", "mZhangmeter=0.1", "mChimeter=1", "mCunmeter=10",
                   "mFenmeter=100", "mmLimeter=1000"});
        addResult("area 1 hectare", "mianji.html", "mHectare",
                  {"mHectare=1", "mSquare_meter=10000", "mAre=15", "engSquare_foot=107639.1041671",
                   "engAcre=2.4710538"});
        addResult("area 1 acre", "mianji.html", "engAcre",
                  {"mSquare_meter=4046.8564224", "mAre=6.0702846", "engSquare_foot=43560.0000000",
                   "engSquare_yard=4840", "usSquare_rod=160", "engAcre=1",
                   "engSquare_mile=0.0015625", "engSquare_inch=6272640"});
        addResult("area 1 square metre", "mianji.html", "mSquare_meter",
                  {"mSquare_kilometer=0.000001", "mSquare_meter=1", "mAre=0.0015",
                   "engSquare_mile=3.8610216e-7"});
        addResult("area 1 square mile", "mianji.html", "engSquare_mile",
                  {"mSquare_kilometer=2.5899881", "engAcre=640", "engSquare_mile=1",
                   "engSquare_inch=4014489599.9999995"});
    }

    void results() {
        QFETCH(QString, page);
        QFETCH(QString, field);
        QFETCH(QStringList, expected);
        QVERIFY(open(page, false));
        // Leftovers in other fields, converted or only typed, must not matter.
        h->eval("(function(){var f=document.forms[0];f.elements[0].value='5';"
                "f.elements[1].click();for(var i=0;i<f.elements.length;i++)"
                "if(f.elements[i].type=='text'&&i%4==0)f.elements[i].value='999';})()");
        h->eval(QStringLiteral("var f=document.forms[0]; f.elements['%1'].value='1';"
                               "f.elements['%1_bt'].click();")
                    .arg(field));
        const QMap<QString, QString> all = fields();
        QStringList actual;
        for (const QString& e : expected) {
            const QString name = e.section(QLatin1Char('='), 0, 0);
            QVERIFY2(all.contains(name), qPrintable(name));
            actual << name + QLatin1Char('=') + all.value(name);
        }
        QCOMPARE(actual, expected);
        QVERIFY(h->takeAlerts().isEmpty());
        VERIFY_NO_SCRIPT_ERRORS();
    }

    void frame_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("units");
        QTest::newRow("length") << "changdu.html" << QStringLiteral("长度转换换算器") << 11 << 19;
        QTest::newRow("area") << "mianji.html" << QStringLiteral("面积转换换算器") << 8 << 13;
    }

    void frame() {
        QFETCH(QString, page);
        QFETCH(QString, title);
        QFETCH(int, rows);
        QFETCH(int, units);
        QVERIFY(open(page, true));
        const QStringList expected{
            "title=" + title,
            "head=TITLE,SCRIPT,LINK",
            "scripts=1 javascript text/javascript",
            "links=1 stylesheet css/style1.css",
            "tables=1",
            "width=670",
            "borderColorDark=#ffffff",
            "borderColorLight=#008000",
            "border=1",
            "cellpadding=3",
            "cellspacing=0",
            "align=center",
            "forms=1 action=\"\" in TABLE before rows",
            "heading=1 colspan 4 center #CCE6CD height 10 " + title,
            QStringLiteral("rows=%1").arg(rows),
            // every unit has a field and a button, plus the reset button
            QStringLiteral("inputs=%1 in form %1, text %2 empty %2").arg(2 * units + 1).arg(units),
        };
        QCOMPARE(h->eval(kFrame).toString().split(QLatin1Char('\n')), expected);
        VERIFY_NO_SCRIPT_ERRORS();
    }

    void measures_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("constructor");
        QTest::addColumn<QString>("global");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("length") << "changdu.html"
                                << "LENGTH_MEASURES"
                                << "length_data"
                                << QStringList{
                                       "mKilometer",  "mMeter",       "mDecimeter", "mCentimeter",
                                       "mMillimeter", "mMicronmeter", "mLimeter",   "mZhangmeter",
                                       "mChimeter",   "mCunmeter",    "mFenmeter",  "mmLimeter",
                                       "engFoot",     "engMile",      "engFurlong", "engYard",
                                       "engInch",     "nautMile",     "nautFathom"};
        QTest::newRow("area") << "mianji.html"
                              << "AREA_MEASURES"
                              << "area_data"
                              << QStringList{"mSquare_kilometer",
                                             "mHectare",
                                             "mSquare_meter",
                                             "mAre",
                                             "mSquare_decimeter",
                                             "mSquare_centimeter",
                                             "mSquare_millimeter",
                                             "engSquare_foot",
                                             "engSquare_yard",
                                             "usSquare_rod",
                                             "engAcre",
                                             "engSquare_mile",
                                             "engSquare_inch"};
    }

    // The table's order is the order in which the fields are written and emptied.
    void measures() {
        QFETCH(QString, page);
        QFETCH(QString, constructor);
        QFETCH(QString, global);
        QFETCH(QStringList, order);
        QVERIFY(open(page, true));
        const QString js =
            QStringLiteral("(function(){var d=%2,k=[];if(!(d instanceof %1))return 'not made "
                           "by %1';for(var n in d){if(typeof d[n]!='number'||!(d[n]>0))"
                           "return n+' is no factor';k.push(n);}return k.join(',');})()")
                .arg(constructor, global);
        QCOMPARE(h->eval(js).toString(), order.join(QLatin1Char(',')));
        QCOMPARE(h->eval("[typeof checkNum, typeof normalize, typeof compute, "
                         "typeof resetValues, typeof resetAll].join(',')")
                     .toString(),
                 QStringLiteral("function,function,function,function,function"));
        VERIFY_NO_SCRIPT_ERRORS();
    }

    void layout_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("expected");
        const QString len = QStringLiteral("changdu.html");
        const QStringList lengthRows{
            row(unit("公里(km)", "mKilometer", 15), unit("米(m)", "mMeter", 15)),
            row(unit("分米(dm)", "mDecimeter", 15), unit("厘米(cm)", "mCentimeter", 15)),
            row(unit("毫米(mm)", "mMillimeter", 15), unit("微米(um)", "mMicronmeter", 15)),
            row(unit("里", "mLimeter", 15), unit("丈", "mZhangmeter", 15)),
            row(unit("尺", "mChimeter", 15), unit("寸", "mCunmeter", 15)),
            row(unit("分", "mFenmeter", 15), unit("厘", "mmLimeter", 15)),
            row(unit("海里(nmi)", "nautMile", 15), unit("英寻", "nautFathom", 15)),
            row(unit("英里(mi)", "engMile", 15), unit("弗隆(fur)", "engFurlong", 15)),
            row(unit("码(yd)", "engYard", 15), unit("英尺(ft)", "engFoot", 15)),
            row(unit("英寸(in)", "engInch", 15), kResetRight),
        };
        QTest::newRow("length heading")
            << len << 0 << QStringLiteral("[center,colspan=4]长度转换换算器");
        for (int i = 0; i < lengthRows.size(); ++i)
            QTest::addRow("length row %d", i + 1) << len << i + 1 << lengthRows[i];

        const QString area = QStringLiteral("mianji.html");
        const QStringList areaRows{
            row(unit("平方公里" + small("(km<sup>2</sup>)"), "mSquare_kilometer", 15),
                unit("公顷" + small("(ha)"), "mHectare", 15)),
            row(unit("市亩", "mAre", 15),
                unit("平方米" + small("(m<sup>2</sup>)"), "mSquare_meter", 15)),
            row(unit("平方分米" + small("(dm<sup>2</sup>)"), "mSquare_decimeter", 15),
                unit("平方厘米" + small("(cm<sup>2</sup>)"), "mSquare_centimeter", 15)),
            row(unit("平方毫米" + small("(mm<sup>2</sup>)"), "mSquare_millimeter", 15),
                unit("平方英里" + small("(sq mi)"), "engSquare_mile", 15)),
            row(unit("英亩", "engAcre", 15), unit("平方竿" + small("(sq rd)"), "usSquare_rod", 15)),
            row(unit("平方码" + small("(sq yd)"), "engSquare_yard", 15),
                unit("平方英尺" + small("(sq ft)"), "engSquare_foot", 15)),
            row(unit("平方英寸" + small("(sq in)"), "engSquare_inch", 15), kResetRight),
        };
        QTest::newRow("area heading")
            << area << 0 << QStringLiteral("[center,colspan=4]面积转换换算器");
        for (int i = 0; i < areaRows.size(); ++i)
            QTest::addRow("area row %d", i + 1) << area << i + 1 << areaRows[i];
    }

    void layout() {
        QFETCH(QString, page);
        QFETCH(int, row);
        QFETCH(QString, expected);
        QVERIFY(open(page, false));
        QCOMPARE(
            h->eval(QStringLiteral("%1(%2)").arg(QLatin1String(kDescribeRow)).arg(row)).toString(),
            expected);
        VERIFY_NO_SCRIPT_ERRORS();
    }
};

QTEST_MAIN(TstLengthArea)
#include "tst_lengtharea.moc"
