// The scientific calculator page as it is drawn: skeleton, form, fields, mode controls and
// every key with its label, name, colour, size and place.

#include "PageHarness.h"

#include <QtTest>

namespace {

const QString FW = QStringLiteral("\u3000");
const QString blue = QStringLiteral("rgb(25, 25, 205)");
const QString magenta = QStringLiteral("rgb(211, 22, 211)");
const QString red = QStringLiteral("rgb(181, 5, 6)");
const QString green = QStringLiteral("rgb(138, 183, 138)");
const QString panel = QStringLiteral("rgb(230, 242, 231)");
const QString text = QStringLiteral("rgb(32, 80, 1)");
const QStringList letters = {"ka", "kb", "kc", "kd", "ke", "kf"};

// The outer table's second row holds the mode bar, the control bar and the key area.
const QString modeBarJs = "document.calc.children[0].rows[1].cells[0].children[0]";
const QString controlBarJs = "document.calc.children[0].rows[1].cells[0].children[1]";
const QString keyAreaJs = "document.calc.children[0].rows[1].cells[0].children[2]";

} // namespace

class TstCalcPageLayout : public QObject {
    Q_OBJECT

    PageHarness* h = nullptr;

    QVariant eval(const QString& script) { return h->eval(script); }

    static QString blockJs(const QString& block) {
        if (block == "control")
            return controlBarJs;
        const int cell = block == "function" ? 0 : block == "memory" ? 2 : 4;
        return QString("%1.rows[0].cells[%2].children[0]").arg(keyAreaJs).arg(cell);
    }

private slots:
    void initTestCase() {
        h = new PageHarness;
        QVERIFY(h->load("calc.html"));
    }

    void cleanupTestCase() {
        delete h;
        h = nullptr;
    }

    void cleanup() {
        QCOMPARE(h->scriptErrors(), QStringList());
        QCOMPARE(h->takeAlerts(), QStringList());
    }

    void skeleton() {
        QCOMPARE(eval("document.doctype === null && document.compatMode").toString(),
                 QString("BackCompat"));
        QCOMPARE(eval("document.title").toString(), QString("计算器"));
        QCOMPARE(eval("var m = document.getElementsByTagName('meta')[0];"
                      "m.getAttribute('http-equiv') + '|' + m.getAttribute('content')")
                     .toString(),
                 QString("Content-Type|text/html; charset=gb2312"));
        // The head holds the meta, the style, the title and the script, in this order.
        QCOMPARE(eval("var r = [], c = document.head.children;"
                      "for (var i = 0; i < c.length; i++) r.push(c[i].tagName); r.join(' ')")
                     .toString(),
                 QString("META STYLE TITLE SCRIPT"));
        QCOMPARE(eval("document.scripts[0].getAttribute('language')").toString(),
                 QString("javascript"));
        const QString script = eval("document.scripts[0].text").toString().trimmed();
        QVERIFY(script.startsWith("<!--"));
        QVERIFY(script.endsWith("//-->"));
        QCOMPARE(eval("var b = document.body; [b.getAttribute('bgcolor'), "
                      "b.getAttribute('leftmargin'), b.getAttribute('topmargin'), "
                      "b.getAttribute('marginwidth')].join(' ')")
                     .toString(),
                 QString("fcfff7 0 0 0"));
        // A line break, then the centred division with the form.
        QCOMPARE(eval("var c = document.body.children; c.length + ' ' + c[0].tagName + ' ' + "
                      "c[1].tagName + ' ' + c[1].getAttribute('align') + ' ' + "
                      "c[1].children[0].getAttribute('name')")
                     .toString(),
                 QString("2 BR DIV center calc"));
    }

    void styleRules() {
        QCOMPARE(eval("var r = document.styleSheets[0].cssRules; r.length + ' ' + "
                      "r[0].selectorText + ' ' + r[0].style.fontSize + ' ' + r[1].selectorText")
                     .toString(),
                 QString("2 td, body 13px body"));
        QCOMPARE(eval("var s = getComputedStyle(document.body); [s.marginTop, s.marginLeft, "
                      "s.marginRight, s.backgroundColor, s.fontSize].join('|')")
                     .toString(),
                 QString("0px|0px|0px|rgb(252, 255, 247)|13px"));
    }

    // Each section of the script opens with its comment and holds its functions.
    void scriptSections_data() {
        QTest::addColumn<QString>("comment");
        QTest::addColumn<QString>("next");
        QTest::addColumn<QStringList>("functions");

        const struct {
            const char* comment;
            QStringList functions;
        } sections[] = {
            {"//数字键", {"inputkey", "changeSign"}},
            {"//函数键", {"inputfunction", "inputtrig"}},
            {"//运算符", {"operation"}},
            {"//括号", {"addbracket", "disbracket"}},
            {"//等号", {"result"}},
            {"//修改键", {"backspace", "clearall"}},
            {"//转换键", {"inputChangCarry", "inputChangAngle", "inputshift"}},
            {"//存储器部分", {"clearmemory", "getmemory", "putmemory", "addmemory", "multimemory"}},
            {"//十进制转换", {"todec", "decto"}},
            {"//表达式解析", {"parse"}},
            {"//数学运算和位运算", {"cypher"}},
            {"//函数计算",
             {"funcalc", "factorial", "dms", "deg", "degressToRadians", "radiansToDegress"}},
            {"//界面", {}},
        };
        const int n = int(std::size(sections));
        for (int i = 0; i < n; ++i)
            QTest::newRow(sections[i].comment)
                << QString(sections[i].comment)
                << QString(i + 1 < n ? sections[i + 1].comment : "//-->") << sections[i].functions;
    }

    void scriptSections() {
        QFETCH(QString, comment);
        QFETCH(QString, next);
        QFETCH(QStringList, functions);
        const QString script = eval("document.scripts[0].text").toString();
        QCOMPARE(script.count(comment + "\n"), 1);
        const int from = script.indexOf(comment + "\n");
        const int to = script.indexOf(next, from + 1);
        QVERIFY2(from >= 0 && to > from, qPrintable(next));
        const QString section = script.mid(from + comment.size(), to - from - comment.size());
        static const QRegularExpression declaration("\\bfunction\\s+(\\w+)\\s*\\(");
        QStringList declared;
        for (const auto& m : declaration.globalMatch(section))
            declared << m.captured(1);
        QCOMPARE(declared, functions);
    }

    // The script keeps to var and function declarations.
    void oldJavaScript() {
        const QString script = eval("document.scripts[0].text").toString();
        static const QRegularExpression modern("\\b(let|const|class)\\s|=>|`");
        QVERIFY2(!modern.match(script).hasMatch(), qPrintable(modern.match(script).captured()));
    }

    void outerTable() {
        QCOMPARE(eval("var t = document.calc.children[0]; [t.tagName, t.getAttribute('width'), "
                      "t.getAttribute('height'), t.rows.length].join(' ')")
                     .toString(),
                 QString("TABLE 650 250 2"));
        QCOMPARE(eval("var s = getComputedStyle(document.calc.children[0]);"
                      "[s.borderTopWidth, s.borderTopStyle, s.borderTopColor, s.borderRightWidth, "
                      "s.borderRightStyle, s.borderRightColor, s.borderBottomWidth, "
                      "s.borderBottomStyle, s.borderBottomColor, s.borderLeftWidth, "
                      "s.borderLeftStyle, s.borderLeftColor, s.backgroundColor].join('|')")
                     .toString(),
                 QStringList({"1px", "solid", green, "1px", "solid", green, "1px", "solid", green,
                              "1px", "solid", green, panel})
                     .join('|'));
        QCOMPARE(eval("var t = document.calc.children[0];"
                      "[t.rows[0].cells[0].getAttribute('height'),"
                      " getComputedStyle(t.rows[0].cells[0]).backgroundColor,"
                      " getComputedStyle(t.rows[1].cells[0]).backgroundColor].join('|')")
                     .toString(),
                 "50|" + panel + "|" + panel);
    }

    void titleAndDisplay() {
        const QString inner = "document.calc.children[0].rows[0].cells[0].children[0]";
        QCOMPARE(
            eval(inner + ".getAttribute('width') + ' ' + " + inner + ".rows.length").toString(),
            QString("100% 2"));
        QCOMPARE(eval("var c = " + inner +
                      ".rows[0].cells[0]; [c.textContent, c.align, "
                      "getComputedStyle(c).color].join('|')")
                     .toString(),
                 " 计算器 |center|" + text);
        QCOMPARE(eval("var c = " + inner +
                      ".rows[1].cells[0]; var d = document.calc.display;"
                      "[c.getAttribute('height'), c.align, d.parentNode === c, d.type, "
                      "d.readOnly, d.size, d.value, d.style.fontSize].join('|')")
                     .toString(),
                 QString("35|center|true|text|true|50|0|18px"));
    }

    void indicators_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("lineHeight");
        QTest::newRow("bracket") << "bracket" << 0 << "24px";
        QTest::newRow("memory") << "memory" << 1 << "24px";
        QTest::newRow("operator") << "operator" << 2 << "";
    }

    // Three read-only grey fields side by side in the middle of the control bar, empty at load.
    void indicators() {
        QFETCH(QString, name);
        QFETCH(int, position);
        QCOMPARE(eval(QString("var f = document.calc.%1, c = f.parentNode;"
                              "[c.getElementsByTagName('input')[%2] === f, c.getAttribute('width'),"
                              " c.align, f.type, f.readOnly, f.size, f.value,"
                              " getComputedStyle(f).backgroundColor].join('|')")
                          .arg(name)
                          .arg(position))
                     .toString(),
                 QString("true|154|center|text|true|3||rgb(211, 211, 211)"));
        QTEST(eval(QString("document.calc.%1.style.lineHeight").arg(name)).toString(),
              "lineHeight");
    }

    void modeBar() {
        const QString bar = modeBarJs;
        QCOMPARE(eval("var s = getComputedStyle(" + bar +
                      ");"
                      "[" +
                      bar +
                      ".getAttribute('width'), s.borderTopWidth, s.borderTopStyle, "
                      "s.borderTopColor, s.borderRightWidth, s.borderBottomWidth, "
                      "s.borderLeftWidth].join('|')")
                     .toString(),
                 "100%|1px|solid|" + green + "|0px|0px|0px");
        // Each radio button with the text after it, its value and whether it is selected.
        const QString radios = "var r = [], c = " + bar +
                               ".rows[0].cells[%1], "
                               "b = c.getElementsByTagName('input');"
                               "for (var i = 0; i < b.length; i++) r.push(b[i].type + ' ' + "
                               "b[i].name + ' ' + b[i].getAttribute('value') + ' ' + "
                               "b[i].checked + ' ' + b[i].nextSibling.nodeValue);"
                               "r.join('|') + '|' + getComputedStyle(c).color + '|' + "
                               "c.getAttribute('width')";
        QCOMPARE(eval(radios.arg(0)).toString(),
                 "radio carry null false 十六进制|radio carry null true 十进制|"
                 "radio carry null false 八进制|radio carry null false 二进制|" +
                     text + "|null");
        QCOMPARE(eval(radios.arg(1)).toString(),
                 "radio angle d true 角度制|radio angle r false 弧度制|" + text + "|187");
    }

    void controlBar() {
        const QString bar = controlBarJs + ".rows[0]";
        QCOMPARE(eval("var r = " + bar +
                      "; [r.cells.length, r.cells[0].getAttribute('width'), "
                      "getComputedStyle(r.cells[0]).color, r.cells[2].align].join('|')")
                     .toString(),
                 "3|170|" + text + "|right");
        QCOMPARE(eval("var r = [], b = " + bar +
                      ".cells[0].getElementsByTagName('input');"
                      "for (var i = 0; i < b.length; i++) r.push(b[i].type + ' ' + b[i].name + "
                      "' ' + b[i].checked + ' ' + b[i].nextSibling.nodeValue); r.join('|')")
                     .toString(),
                 QString("checkbox shiftf false 上档功能|checkbox hypf false 双曲函数"));
        QCOMPARE(eval("var r = [], b = " + bar +
                      ".cells[2].getElementsByTagName('input');"
                      "for (var i = 0; i < b.length; i++) r.push(b[i].value); r.join('|')")
                     .toString(),
                 FW + "退格" + FW + "|" + FW + "清屏" + FW + "|" + FW + "全清" + FW);
    }

    void keyArea() {
        // Function block, gap of 30, memory block, gap of 30, number block.
        QCOMPARE(
            eval("var t = " + keyAreaJs +
                 ", c = t.rows[0].cells, r = [t.getAttribute('width'),"
                 " t.rows.length, c.length];"
                 "for (var i = 0; i < c.length; i++) r.push(c[i].getAttribute('width') + ':' +"
                 " c[i].children.length + ':' + (c[i].children.length ? c[i].children[0].tagName"
                 " + c[i].children[0].rows.length : ''));"
                 "r.join(' ')")
                .toString(),
            QString("100% 1 5 null:1:TABLE5 30:0: null:1:TABLE5 30:0: null:1:TABLE5"));
    }

    void blockCells_data() {
        QTest::addColumn<QString>("block");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("align");
        QTest::addColumn<QString>("height");

        for (int r = 0; r < 5; ++r)
            for (int c = 0; c < 3; ++c)
                QTest::addRow("function %d %d", r + 1, c + 1) << "function" << r << c << "center"
                                                              << "";
        QTest::newRow("memory 1") << "memory" << 0 << 0 << "center"
                                  << "";
        QTest::newRow("memory 5") << "memory" << 4 << 0 << "start"
                                  << "33";
        for (int r = 0; r < 5; ++r)
            for (int c = 0; c < 6; ++c)
                QTest::addRow("number %d %d", r + 1, c + 1) << "number" << r << c << "center"
                                                            << "";
    }

    // Rows of the function and number blocks are centred; in the memory block only its first
    // cell is, and its last cell is 33 high.
    void blockCells() {
        QFETCH(QString, block);
        QFETCH(int, row);
        QFETCH(int, column);
        const QString cell =
            QString("%1.rows[%2].cells[%3]").arg(blockJs(block)).arg(row).arg(column);
        QString align = eval("getComputedStyle(" + cell + ").textAlign").toString();
        align.remove("-webkit-");
        QTEST(align, "align");
        QTEST(eval(cell + ".getAttribute('height') || ''").toString(), "height");
    }

    void keys_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("block");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("colour");
        QTest::addColumn<QString>("fontSize");
        QTest::addColumn<bool>("enabled");

        const struct {
            QString label;
            const char* name;
            const char* block;
            int row, column;
            QString colour;
            const char* fontSize;
        } keys[] = {
            {FW + "退格" + FW, "", "control", 0, 0, red, ""},
            {FW + "清屏" + FW, "", "control", 0, 1, red, ""},
            {FW + "全清" + FW, "", "control", 0, 2, red, ""},

            {" PI" + FW, "pi", "function", 0, 0, blue, ""},
            {FW + "E" + FW, "e", "function", 0, 1, blue, ""},
            {" d.ms ", "bt", "function", 0, 2, magenta, ""},
            {FW + "(" + FW, "", "function", 1, 0, magenta, ""},
            {FW + ")" + FW, "", "function", 1, 1, magenta, ""},
            {FW + "ln" + FW, "ln", "function", 1, 2, magenta, ""},
            {"sin" + FW, "sin", "function", 2, 0, magenta, ""},
            {"x^y" + FW, "", "function", 2, 1, magenta, ""},
            {" log" + FW, "log", "function", 2, 2, magenta, ""},
            {"cos" + FW, "cos", "function", 3, 0, magenta, ""},
            {"x^3" + FW, "cube", "function", 3, 1, magenta, ""},
            {FW + "n!" + FW, "", "function", 3, 2, magenta, ""},
            {"tan" + FW, "tan", "function", 4, 0, magenta, ""},
            {"x^2" + FW, "sqr", "function", 4, 1, magenta, ""},
            {" 1/x" + FW, "", "function", 4, 2, magenta, ""},

            {" 储存 ", "", "memory", 0, 0, red, ""},
            {" 取存 ", "", "memory", 1, 0, red, ""},
            {" 累存 ", "", "memory", 2, 0, red, ""},
            {" 积存 ", "", "memory", 3, 0, red, ""},
            {" 清存 ", "", "memory", 4, 0, red, ""},

            {FW + "7" + FW, "k7", "number", 0, 0, blue, "16px"},
            {FW + "8" + FW, "k8", "number", 0, 1, blue, "16px"},
            {FW + "9" + FW, "k9", "number", 0, 2, blue, "16px"},
            {FW + "/" + FW, "", "number", 0, 3, red, "14px"},
            {" 取余 ", "", "number", 0, 4, red, "14px"},
            {FW + "与" + FW, "", "number", 0, 5, red, "14px"},
            {FW + "4" + FW, "k4", "number", 1, 0, blue, "16px"},
            {FW + "5" + FW, "k5", "number", 1, 1, blue, "16px"},
            {FW + "6" + FW, "k6", "number", 1, 2, blue, "16px"},
            {FW + "*" + FW, "", "number", 1, 3, red, "14px"},
            {" 取整 ", "floor", "number", 1, 4, red, "14px"},
            {FW + "或" + FW, "", "number", 1, 5, red, "14px"},
            {FW + "1" + FW, "", "number", 2, 0, blue, "16px"},
            {FW + "2" + FW, "k2", "number", 2, 1, blue, "16px"},
            {FW + "3" + FW, "k3", "number", 2, 2, blue, "16px"},
            {FW + "-" + FW, "", "number", 2, 3, red, "14px"},
            {" 左移 ", "", "number", 2, 4, red, "14px"},
            {FW + "非" + FW, "", "number", 2, 5, red, "14px"},
            {FW + "0" + FW, "", "number", 3, 0, blue, "16px"},
            {" +/- ", "", "number", 3, 1, blue, "16px"},
            {FW + "." + FW, "kp", "number", 3, 2, blue, "16px"},
            {FW + "+" + FW, "", "number", 3, 3, red, "14px"},
            {FW + "＝" + FW, "", "number", 3, 4, red, "14px"},
            {" 异或 ", "", "number", 3, 5, red, "14px"},
            {FW + "A " + FW, "ka", "number", 4, 0, blue, "14px"},
            {FW + "B " + FW, "kb", "number", 4, 1, blue, "14px"},
            {FW + "C " + FW, "kc", "number", 4, 2, blue, "14px"},
            {FW + "D" + FW, "kd", "number", 4, 3, blue, "14px"},
            {FW + "E " + FW, "ke", "number", 4, 4, blue, "14px"},
            {FW + "F " + FW, "kf", "number", 4, 5, blue, "14px"},
        };
        for (const auto& k : keys)
            QTest::newRow(k.label.toUtf8().constData())
                << k.label << QString(k.name) << QString(k.block) << k.row << k.column << k.colour
                << QString(k.fontSize) << !letters.contains(QString(k.name));
    }

    void keys() {
        QFETCH(QString, label);
        QFETCH(QString, block);
        QFETCH(int, row);
        QFETCH(int, column);
        const QVariantList found =
            eval(QString("var f = document.calc, r = [];"
                         "for (var i = 0; i < f.elements.length; i++) {"
                         "  var b = f.elements[i];"
                         "  if (b.type == 'button' && b.value == '%1') r.push(b);"
                         "}"
                         "r.length == 1 ? [r[0].name, getComputedStyle(r[0]).color,"
                         " r[0].style.fontSize, r[0].style.lineHeight,"
                         " !r[0].disabled, r[0].tagName + ' ' + r[0].type] : [r.length]")
                     .arg(label))
                .toList();
        QCOMPARE(found.size(), 6);
        QTEST(found[0].toString(), "name");
        QTEST(found[1].toString(), "colour");
        QTEST(found[2].toString(), "fontSize");
        QCOMPARE(found[3].toString(), QString("24px"));
        QTEST(found[4].toBool(), "enabled");
        QCOMPARE(found[5].toString(), QString("INPUT button"));
        // Control keys are the buttons of the bar's right cell, in order; the others sit in
        // their own cell of their block.
        const QString cell = block == "control"
                                 ? QString("%1.rows[0].cells[2].getElementsByTagName('input')[%2]")
                                       .arg(controlBarJs)
                                       .arg(column)
                                 : QString("%1.rows[%2].cells[%3].children[0]")
                                       .arg(blockJs(block))
                                       .arg(row)
                                       .arg(column);
        QCOMPARE(eval(cell + ".value").toString(), label);
    }

    // Nothing but the 53 keys above is a button, and only the six letter keys start disabled.
    void keyCountAndDisabledAtLoad() {
        QCOMPARE(eval("var f = document.calc, n = 0;"
                      "for (var i = 0; i < f.elements.length; i++)"
                      "  if (f.elements[i].type == 'button') n++; n")
                     .toInt(),
                 53);
        QCOMPARE(eval("var f = document.calc, r = [];"
                      "for (var i = 0; i < f.elements.length; i++)"
                      "  if (f.elements[i].disabled) r.push(f.elements[i].name); r")
                     .toStringList(),
                 letters);
    }
};

QTEST_MAIN(TstCalcPageLayout)
#include "tst_calcpage_layout.moc"
