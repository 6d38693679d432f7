// The scientific calculator page as it is drawn: skeleton, script sections, form, fields,
// mode controls and every key with its label, name, colour, size and place.
#include "PageTestSupport.h"

using namespace pagetest;

namespace {

// Facts about the document, its head and its body.
const char kSkeletonJs[] = R"JS(
(function () {
  var m = document.getElementsByTagName('meta')[0], b = document.body, c = b.children;
  var r = document.styleSheets[0].cssRules, s = getComputedStyle(b);
  var text = document.scripts[0].text.trim();
  return [
    'doctype=' + document.doctype + ' ' + document.compatMode,
    'title=' + document.title,
    'meta=' + m.getAttribute('http-equiv') + '|' + m.getAttribute('content'),
    'head=' + [].map.call(document.head.children, function (e) { return e.tagName; }).join(' '),
    'script=' + document.scripts[0].getAttribute('language') + ' ' + text.slice(0, 4) + ' ' + text.slice(-5),
    'style=' + r.length + ' ' + r[0].selectorText + ' ' + r[0].style.fontSize + ' ' + r[1].selectorText,
    'computed=' + [s.marginTop, s.marginLeft, s.marginRight, s.backgroundColor, s.fontSize].join('|'),
    'body=' + [b.getAttribute('bgcolor'), b.getAttribute('leftmargin'), b.getAttribute('topmargin'),
               b.getAttribute('marginwidth')].join(' '),
    'children=' + c.length + ' ' + c[0].tagName + ' ' + c[1].tagName + ' ' + c[1].getAttribute('align') +
        ' ' + c[1].children[0].getAttribute('name')];
})()
)JS";

const char kSkeleton[] = R"(
doctype=null BackCompat
title=计算器
meta=Content-Type|text/html; charset=gb2312
head=META STYLE TITLE SCRIPT
script=javascript <!-- //-->
style=2 td, body 13px body
computed=0px|0px|0px|rgb(252, 255, 247)|13px
body=fcfff7 0 0 0
children=2 BR DIV center calc
)";

// Facts about the outer table, the title and display, the mode bar, the control bar and the
// key area.
const char kStructureJs[] = R"JS(
(function () {
  var f = document.calc, t = f.children[0], rows = t.rows[1].cells[0].children;
  var inner = t.rows[0].cells[0].children[0], mode = rows[0], control = rows[1].rows[0];
  function css(e, props) { var s = getComputedStyle(e); return props.map(function (p) { return s[p]; }).join('|'); }
  function sides(e) {
    return ['Top', 'Right', 'Bottom', 'Left'].map(function (side) {
      return css(e, ['border' + side + 'Width', 'border' + side + 'Style', 'border' + side + 'Color']);
    }).join(' ');
  }
  function inputs(cell) {
    return [].map.call(cell.getElementsByTagName('input'), function (i) {
      return [i.type, i.name, String(i.getAttribute('value')), i.checked, i.nextSibling.nodeValue].join(' ');
    }).join('|') + '|' + css(cell, ['color']) + '|' + cell.getAttribute('width');
  }
  function indicator(i) {
    var c = i.parentNode, list = c.getElementsByTagName('input');
    return [i.name, [].indexOf.call(list, i), c.getAttribute('width'), c.align, i.type, i.readOnly, i.size,
            i.value, css(i, ['backgroundColor']), i.style.lineHeight].join('|');
  }
  var d = f.display, dc = inner.rows[1].cells[0], tc = inner.rows[0].cells[0], area = rows[2];
  return [
    'outer=' + [t.tagName, t.getAttribute('width'), t.getAttribute('height'), t.rows.length].join(' '),
    'border=' + sides(t) + ' ' + css(t, ['backgroundColor']),
    'cells=' + [t.rows[0].cells[0].getAttribute('height'), css(t.rows[0].cells[0], ['backgroundColor']),
                css(t.rows[1].cells[0], ['backgroundColor'])].join('|'),
    'inner=' + inner.getAttribute('width') + ' ' + inner.rows.length,
    'title=' + [tc.textContent, tc.align, css(tc, ['color'])].join('|'),
    'display=' + [dc.getAttribute('height'), dc.align, d.parentNode === dc, d.type, d.readOnly, d.size,
                  d.value, d.style.fontSize].join('|'),
    'mode=' + mode.getAttribute('width') + ' ' + sides(mode),
    'carry=' + inputs(mode.rows[0].cells[0]),
    'angle=' + inputs(mode.rows[0].cells[1]),
    'control=' + [control.cells.length, control.cells[0].getAttribute('width'),
                  css(control.cells[0], ['color']), control.cells[2].align].join('|'),
    'boxes=' + inputs(control.cells[0]),
    indicator(f.bracket), indicator(f.memory), indicator(f.operator),
    'keys=' + [area.getAttribute('width'), area.rows.length].concat([].map.call(area.rows[0].cells, function (c) {
      return c.getAttribute('width') + ':' + c.children.length + ':' +
             (c.children.length ? c.children[0].tagName + c.children[0].rows.length : '');
    })).join(' ')];
})()
)JS";

const char kStructure[] = R"(
outer=TABLE 650 250 2
border=1px|solid|rgb(138, 183, 138) 1px|solid|rgb(138, 183, 138) 1px|solid|rgb(138, 183, 138) 1px|solid|rgb(138, 183, 138) rgb(230, 242, 231)
cells=50|rgb(230, 242, 231)|rgb(230, 242, 231)
inner=100% 2
title= 计算器 |center|rgb(32, 80, 1)
display=35|center|true|text|true|50|0|18px
mode=100% 1px|solid|rgb(138, 183, 138) 0px|none|rgb(0, 0, 0) 0px|none|rgb(0, 0, 0) 0px|none|rgb(0, 0, 0)
carry=radio carry null false 十六进制|radio carry null true 十进制|radio carry null false 八进制|radio carry null false 二进制|rgb(32, 80, 1)|null
angle=radio angle d true 角度制|radio angle r false 弧度制|rgb(32, 80, 1)|187
control=3|170|rgb(32, 80, 1)|right
boxes=checkbox shiftf null false 上档功能|checkbox hypf null false 双曲函数|rgb(32, 80, 1)|170
bracket|0|154|center|text|true|3||rgb(211, 211, 211)|24px
memory|1|154|center|text|true|3||rgb(211, 211, 211)|24px
operator|2|154|center|text|true|3||rgb(211, 211, 211)|
keys=100% 1 null:1:TABLE5 30:0: null:1:TABLE5 30:0: null:1:TABLE5
)";

// Every button of the form in page order: label, name, colour, font size, line height,
// state and place (its block, row and column, and its cell's alignment and height).
const char kKeysJs[] = R"JS(
(function () {
  var f = document.calc, bars = f.children[0].rows[1].cells[0].children;
  var control = bars[1].rows[0].cells[2], blocks = bars[2].rows[0].cells, out = [];
  var names = {0: 'function', 2: 'memory', 4: 'number'};
  [].forEach.call(f.elements, function (b) {
    if (b.type != 'button') return;
    var td = b.parentNode, where = 'elsewhere';
    if (td === control)
      where = 'control 0 ' + [].indexOf.call(control.getElementsByTagName('input'), b);
    for (var k in names)
      if (td.parentNode.parentNode.parentNode.parentNode === blocks[k] && td.children.length == 1)
        where = names[k] + ' ' + td.parentNode.rowIndex + ' ' + td.cellIndex + ' ' +
                getComputedStyle(td).textAlign.replace('-webkit-', '') + ' ' + (td.getAttribute('height') || '');
    out.push([b.value, b.name, getComputedStyle(b).color, b.style.fontSize, b.style.lineHeight,
              b.disabled ? 'disabled' : 'enabled', b.tagName, where].join('|'));
  });
  return out;
})()
)JS";

} // namespace

class TestCalcPageLayout : public QObject {
    Q_OBJECT

    Session s;

private slots:
    void initTestCase() { QVERIFY(s.open("calc.html")); }
    void cleanup() { QCOMPARE(s.leftovers(), QStringList()); }
    void cleanupTestCase() { s.end(); }

    void skeleton() { QCOMPARE(s.eval(kSkeletonJs).toStringList(), lines(kSkeleton)); }

    // Each section of the script opens with its comment and holds its functions, in order;
    // the script keeps to var and function declarations.
    void scriptSections() {
        const QString script = s.eval("document.scripts[0].text").toString();
        static const QRegularExpression part("^(//\\S+)$|\\bfunction\\s+(\\w+)\\s*\\(",
                                             QRegularExpression::MultilineOption);
        QStringList outline{"(before)"};
        for (const auto& m : part.globalMatch(script))
            if (m.capturedLength(1))
                outline << m.captured(1);
            else
                outline.last() += ' ' + m.captured(2);
        QCOMPARE(outline, QStringList({"(before)", "//数字键 inputkey changeSign",
                                       "//函数键 inputfunction inputtrig", "//运算符 operation",
                                       "//括号 addbracket disbracket", "//等号 result",
                                       "//修改键 backspace clearall",
                                       "//转换键 inputChangCarry inputChangAngle inputshift",
                                       "//存储器部分 clearmemory getmemory putmemory addmemory "
                                       "multimemory",
                                       "//十进制转换 todec decto", "//表达式解析 parse",
                                       "//数学运算和位运算 cypher",
                                       "//函数计算 funcalc factorial dms deg degressToRadians "
                                       "radiansToDegress",
                                       "//界面", "//-->"}));
        static const QRegularExpression modern("\\b(let|const|class)\\s|=>|`");
        QVERIFY2(!modern.match(script).hasMatch(), qPrintable(modern.match(script).captured()));
    }

    void structure() { QCOMPARE(s.eval(kStructureJs).toStringList(), lines(kStructure)); }

    // Nothing but the keys is a button, and only the six letter keys start disabled. Rows of
    // the function and number blocks are centred; in the memory block only its first cell is,
    // and its last cell is 33 high.
    void keys() {
        const QMap<QString, QString> colours = {{"blue", "rgb(25, 25, 205)"},
                                                {"magenta", "rgb(211, 22, 211)"},
                                                {"red", "rgb(181, 5, 6)"}};
        QStringList expected;
        for (int i = 0; i < int(std::size(kCalcKeys)); ++i) {
            const CalcKey& k = kCalcKeys[i];
            const QStringList look = QString::fromLatin1(k.look).split(' ');
            QString where =
                i < 3 ? QStringLiteral("control 0 %1").arg(i)
                : i < 18
                    ? QStringLiteral("function %1 %2 center ").arg((i - 3) / 3).arg((i - 3) % 3)
                : i < 23
                    ? QStringLiteral("memory %1 0 %2")
                          .arg(i - 18)
                          .arg(i == 18   ? "center "
                               : i == 22 ? "start 33"
                                         : "start ")
                    : QStringLiteral("number %1 %2 center ").arg((i - 23) / 6).arg((i - 23) % 6);
            const bool letter = QByteArray("ABCDEF").contains(k.token);
            expected << QStringList{k.text(),      k.name, colours.value(look[0]),
                                    look.value(1), "24px", letter ? "disabled" : "enabled",
                                    "INPUT",       where}
                            .join('|');
        }
        QCOMPARE(s.eval(kKeysJs).toStringList(), expected);
    }
};

QTEST_MAIN(TestCalcPageLayout)
#include "tst_calcpage_layout.moc"
