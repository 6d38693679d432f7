// The volume and weight pages: their conversion results and their page structure, with
// the section rows that group their units.
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

QString unit(const QString& label, const QString& field,
             const QString& caption = QStringLiteral("换算")) {
    return QStringLiteral("[right,nowrap]%1 ; [left]%2/12 %2_bt/%3").arg(label, field, caption);
}

QString row(const QString& left, const QString& right) {
    return left + QStringLiteral(" ; ") + right;
}

QString section(const QString& text) {
    return QStringLiteral("[center,colspan=4]bold:") + text;
}

QString small(const QString& text) {
    return QLatin1Char('{') + text + QLatin1Char('}');
}

const QString kEmpty = QStringLiteral("empty");

} // namespace

class TstVolumeWeight : public QObject {
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
        addResult("volume 1 US gallon", "tiji.html", "uslGallon",
                  {"mLiter=3.7854118", "mMilliliter=3785.411784", "uscCubic_inch=231",
                   "uscAcre_foot=0.0000031", "uslGallon=1", "uslBarrel=0.0238095", "uslQuart=4",
                   "uslPint=8", "uslGill=32", "uslFluid_ounce=128", "uslFluid_dram=1024",
                   "uslMinim=61440.0000000", "uscCup=16", "uscTable_spoon=256", "uscTea_spoon=768",
                   "briGallon=0.8326742"});
        addResult("volume 1 imperial gallon", "tiji.html", "briGallon",
                  {"mDekaliter=0.4546090", "mLiter=4.54609", "uslGallon=1.2009499", "briGallon=1",
                   "briBarrel=0.0277778", "briBushel=0.125", "briPint=8", "briFluid_ounce=160"});
        addResult("volume 1 litre", "tiji.html", "mLiter",
                  {"mCubic_meter=0.001", "mLiter=1", "mMilliliter=1000", "mcTable_spoon=66.6666667",
                   "mcTea_spoon=200", "uscCubic_inch=61.0237441", "uscAcre_foot=8.1071319e-7",
                   "uscCubic_foot=0.0353147", "uslGallon=0.2641721", "briGallon=0.2199692"});
        addResult(
            "volume 1 metric tablespoon", "tiji.html", "mcTable_spoon",
            {"mMilliliter=15", "mcTable_spoon=1", "mcTea_spoon=3", "uscTable_spoon=1.0144207"});
        addResult("volume 1 minim", "tiji.html", "uslMinim",
                  {"mMilliliter=0.0616115", "uslFluid_ounce=0.0020833", "uslFluid_dram=0.0166667",
                   "uslMinim=1"});
        addResult("volume 1 US bushel", "tiji.html", "usdBushel",
                  {"mLiter=35.2390702", "uscCubic_inch=2150.42", "usdBushel=1", "usdPeck=4",
                   "usdQuart=32", "usdPint=64"});
        addResult("weight 1 jin", "weight.html", "cJin",
                  {"mKilogram=0.5", "mGram=500", "cJin=1", "cDan=0.01", "cLiang=10", "cQian=100",
                   "avdpPound=1.1023113", "avdpOunce=17.636981", "troyOunce=16.0753733"});
        addResult("weight 1 pound", "weight.html", "avdpPound",
                  {"mKilogram=0.4535924", "mGram=453.59237", "cJin=0.9071847", "avdpPound=1",
                   "briStone=0.0714286", "avdpOunce=16", "avdpDram=256", "avdpGrain=7000",
                   "troyGrain=7000"});
        addResult("weight 1 troy ounce", "weight.html", "troyOunce",
                  {"mGram=31.1034768", "avdpGrain=480", "troyPound=0.0833333", "troyOunce=1",
                   "troyDWT=20.0000000"});
        addResult("weight 1 long ton", "weight.html", "briTon",
                  {"mKilogram=1016.0469088", "avdpPound=2240", "briTon=1", "usTon=1.12",
                   "briCWT=20", "usCWT=22.4000000", "briStone=160"});
        addResult("weight 1 tonne", "weight.html", "mTon",
                  {"mTon=1", "cJin=2000", "cDan=20", "avdpPound=2204.6226218"});
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
        // heading, sections, unit rows and (volume only) the reset row
        QTest::newRow("volume") << "tiji.html" << QStringLiteral("体积和容量计量单位换算器")
                                << 1 + 7 + 19 + 1 << 35;
        QTest::newRow("weight") << "weight.html" << QStringLiteral("重量转换换算器") << 1 + 4 + 11
                                << 21;
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
        QTest::newRow("volume")
            << "tiji.html"
            << "VOL_MEASURES"
            << "vol_data"
            << QStringList{"mCubic_meter",   "mHectoliter",   "mDekaliter",    "mLiter",
                           "mDeciliter",     "mCentiliter",   "mMilliliter",   "mCubic_millimeter",
                           "mcTable_spoon",  "mcTea_spoon",   "uscCubic_inch", "uscAcre_foot",
                           "uscCubic_yard",  "uscCubic_foot", "uslGallon",     "uslBarrel",
                           "uslQuart",       "uslPint",       "uslGill",       "uslFluid_ounce",
                           "uslFluid_dram",  "uslMinim",      "usdBarrel",     "usdBushel",
                           "usdPeck",        "usdQuart",      "usdPint",       "uscCup",
                           "uscTable_spoon", "uscTea_spoon",  "briGallon",     "briBarrel",
                           "briBushel",      "briPint",       "briFluid_ounce"};
        QTest::newRow("weight") << "weight.html"
                                << "WEIGHT_MEASURES"
                                << "weight_data"
                                << QStringList{"mTon",      "mKilogram", "mGram",     "mMilligram",
                                               "cJin",      "cDan",      "cLiang",    "cQian",
                                               "avdpPound", "briTon",    "usTon",     "briCWT",
                                               "usCWT",     "briStone",  "avdpOunce", "avdpDram",
                                               "avdpGrain", "troyPound", "troyOunce", "troyDWT",
                                               "troyGrain"};
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
        const QString br = QStringLiteral("<br>");
        const QStringList volumeRows{
            QStringLiteral("[center,colspan=4]体积和容量计量单位换算器"),
            section("〖公&nbsp;&nbsp;&nbsp;制〗"),
            row(unit("立方米" + small("(m<sup>3</sup>)"), "mCubic_meter"),
                unit("公石" + small("(hl)"), "mHectoliter")),
            row(unit("十升" + small("(dal)"), "mDekaliter"),
                unit("立方分米" + br + small("(dm<sup>3</sup>)") + "=升" + small("(l)"), "mLiter")),
            row(unit("分升" + small("(dl)"), "mDeciliter"),
                unit("厘升" + small("(cl)"), "mCentiliter")),
            row(unit("立方厘米" + br + small("(cm<sup>3</sup>)") + "=毫升" + small("(ml)"),
                     "mMilliliter"),
                unit("立方毫米" + br + small("(mm<sup>3</sup>)"), "mCubic_millimeter")),
            section("〖美制干量〗"),
            row(unit("桶", "usdBarrel"), unit("蒲式耳" + small("(bu)"), "usdBushel")),
            row(unit("配克" + small("(pk)"), "usdPeck"), unit("夸脱" + small("(qt)"), "usdQuart")),
            row(unit("品脱" + small("(pt)"), "usdPint"), kEmpty),
            section("〖英制液量和干量〗"),
            row(unit("桶", "briBarrel"), unit("蒲式耳", "briBushel")),
            row(unit("加仑" + small("(bal)"), "briGallon", "Go!"),
                unit("品脱" + small("(pt)"), "briPint")),
            row(unit("液量盎司" + small("(fl oz)"), "briFluid_ounce"), kEmpty),
            section("〖公制烹调制式〗"),
            row(unit("汤勺" + br + small("(Table spoon)"), "mcTable_spoon"),
                unit("调羹" + br + small("(Tea spoon)"), "mcTea_spoon")),
            section("〖美制烹调制式〗"),
            row(unit("汤勺" + small("(Tbs)"), "uscTable_spoon"),
                unit("调羹" + small("(tsp)"), "uscTea_spoon")),
            row(unit("杯" + small("(fl oz)"), "uscCup"), kEmpty),
            section("〖美制液量〗"),
            row(unit("桶" + small("[42加仑]"), "uslBarrel"),
                unit("加仑" + small("(gal)"), "uslGallon")),
            row(unit("夸脱" + small("(qt)"), "uslQuart"), unit("品脱" + small("(pt)"), "uslPint")),
            row(unit("及耳" + small("(gi)"), "uslGill"),
                unit("液量盎司" + small("(fl oz)"), "uslFluid_ounce")),
            row(unit("液量打兰" + small("(fl dr)"), "uslFluid_dram"),
                unit("量滴" + small("(min)"), "uslMinim")),
            section("〖美英同制体积计量〗"),
            row(unit("亩英尺", "uscAcre_foot"), unit("立方码", "uscCubic_yard")),
            row(unit("立方英尺", "uscCubic_foot"), unit("立方英寸", "uscCubic_inch")),
            QStringLiteral("[center,colspan=4]reset:res7/数据重置"),
        };
        for (int i = 0; i < volumeRows.size(); ++i)
            QTest::addRow("volume row %d", i) << "tiji.html" << i << volumeRows[i];

        const QStringList weightRows{
            QStringLiteral("[center,colspan=4]重量转换换算器"),
            section("〖公&nbsp;&nbsp;&nbsp;制〗"),
            row(unit("吨", "mTon"), unit("公斤" + small("(kg)"), "mKilogram")),
            row(unit("克" + small("(g)"), "mGram"), unit("毫克" + small("(mg)"), "mMilligram")),
            section("〖市&nbsp;&nbsp;&nbsp;制〗"),
            row(unit("市斤", "cJin"), unit("担", "cDan")),
            row(unit("两", "cLiang"), unit("钱", "cQian")),
            section("〖金&nbsp;&nbsp;衡&nbsp;&nbsp;制〗"),
            row(unit("金衡磅" + small("(lb&nbsp;t)"), "troyPound"),
                unit("金衡盎司" + small("(oz&nbsp;t)"), "troyOunce")),
            row(unit("英钱" + small("(dwt)"), "troyDWT"), unit("金衡格令", "troyGrain")),
            section("〖常&nbsp;&nbsp;衡&nbsp;&nbsp;制〗"),
            row(unit("(英制)长吨", "briTon"), unit("(美制)短吨", "usTon")),
            row(unit("英担" + small("(cwt)"), "briCWT"), unit("美担" + small("(cwt)"), "usCWT")),
            row(unit("英石", "briStone"), unit("磅" + small("(lb)"), "avdpPound")),
            row(unit("盎司" + small("(oz)"), "avdpOunce"),
                unit("打兰" + small("(dr)"), "avdpDram")),
            row(unit("格令", "avdpGrain"), QStringLiteral("[right,colspan=2]reset:res7/数据重置")),
        };
        for (int i = 0; i < weightRows.size(); ++i)
            QTest::addRow("weight row %d", i) << "weight.html" << i << weightRows[i];
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

    // "Go!" is only a caption: the imperial gallon converts like every other unit.
    void goButtonConverts() {
        QVERIFY(open("tiji.html", true));
        h->eval("var f=document.forms[0]; f.briGallon.value='2'; f.briGallon_bt.click();");
        QCOMPARE(h->eval("document.forms[0].briPint.value").toString(), QStringLiteral("16"));
        QCOMPARE(h->eval("document.forms[0].briGallon_bt.value").toString(), QStringLiteral("Go!"));
        QVERIFY(h->takeAlerts().isEmpty());
        VERIFY_NO_SCRIPT_ERRORS();
    }
};

QTEST_MAIN(TstVolumeWeight)
#include "tst_volumeweight.moc"
