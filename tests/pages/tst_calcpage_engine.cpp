// Behaviour of the scientific calculator page, driven the way a user drives it: every
// key is found by its label (or its name, for the keys whose label changes) and clicked.

#include "PageHarness.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

namespace {

// What the page shows after a key sequence, plus the pending expression behind it.
struct Screen {
    QString display, op, bracket, memory, stack, level;
};

const QString FW = QStringLiteral("\u3000");

QString digitLabel(QChar c) {
    // The letter keys are not all spaced alike: "　D　" has no ASCII space before its end.
    if (c == u'd')
        return FW + u'D' + FW;
    if (c >= u'a' && c <= u'f')
        return FW + c.toUpper() + u' ' + FW;
    return FW + c + FW;
}

// A key of a sequence: "label" finds a button by its text, "name" by its element name
// (keys whose label follows the check boxes), "text" a radio button or check box by the
// text that follows it.
QJsonObject key(const char* how, const QString& what, const QString& token) {
    return QJsonObject{{"how", how}, {"what", what}, {"token", token}};
}

// Tokens: operator and editing keys by a short name, keys with changing labels by their
// element name, radio buttons and check boxes by their Chinese text; any other token is a
// number typed digit by digit ("ff" types F twice; a lone "e" is the constant key).
QJsonArray keysOf(const QString& sequence) {
    static const QHash<QString, QString> labels = {
        {"+", FW + "+" + FW},     {"-", FW + "-" + FW},     {"*", FW + "*" + FW},
        {"/", FW + "/" + FW},     {"^", "x^y" + FW},        {"mod", " 取余 "},
        {"and", FW + "与" + FW},  {"or", FW + "或" + FW},   {"xor", " 异或 "},
        {"shl", " 左移 "},        {"not", FW + "非" + FW},  {"=", FW + "＝" + FW},
        {"(", FW + "(" + FW},     {")", FW + ")" + FW},     {"+/-", " +/- "},
        {"n!", FW + "n!" + FW},   {"1/x", " 1/x" + FW},     {"bs", FW + "退格" + FW},
        {"ce", FW + "清屏" + FW}, {"ac", FW + "全清" + FW}, {"MS", " 储存 "},
        {"MR", " 取存 "},         {"M+", " 累存 "},         {"M*", " 积存 "},
        {"MC", " 清存 "},
    };
    static const QStringList names = {"pi",  "e",   "bt",  "ln",   "log",  "sin",
                                      "cos", "tan", "sqr", "cube", "floor"};
    static const QStringList texts = {"十六进制", "十进制", "八进制",   "二进制",
                                      "角度制",   "弧度制", "上档功能", "双曲函数"};
    QJsonArray keys;
    for (const QString& token : sequence.split(u' ', Qt::SkipEmptyParts)) {
        if (labels.contains(token))
            keys.append(key("label", labels.value(token), token));
        else if (names.contains(token))
            keys.append(key("name", token, token));
        else if (texts.contains(token))
            keys.append(key("text", token, token));
        else
            for (QChar c : token)
                keys.append(key("label", digitLabel(c), QString(c)));
    }
    return keys;
}

const char* const pressScript = R"JS(
(function (keys) {
    var f = document.calc;
    function find(k) {
        for (var i = 0; i < f.elements.length; i++) {
            var el = f.elements[i];
            if (k.how == "label" && el.type == "button" && el.value == k.what)
                return el;
            if (k.how == "name" && el.name == k.what)
                return el;
            if (k.how == "text" && (el.type == "radio" || el.type == "checkbox")
                && el.nextSibling && el.nextSibling.nodeValue == k.what)
                return el;
        }
        return null;
    }
    for (var i = 0; i < keys.length; i++) {
        var el = find(keys[i]);
        if (!el)
            return "no key " + keys[i].token;
        if (el.disabled)
            return "key disabled: " + keys[i].token;
        el.click();
    }
    return "";
})(%1)
)JS";

// Rows of the key-sequence tables, one line each.
void keysRow(const char* tag, const char* keys, const QString& display) {
    QTest::newRow(tag) << QString::fromUtf8(keys) << display;
}

void alertRow(const char* tag, const char* keys, const char* display, const QStringList& alerts) {
    QTest::newRow(tag) << QString::fromUtf8(keys) << QString::fromUtf8(display) << alerts;
}

// A sequence and the whole screen after it; the defaults are those of a finished calculation.
void exprRow(const char* tag, const char* keys, const char* display, const char* stack = "",
             const char* level = "0", const char* op = "", const char* bracket = "") {
    QTest::newRow(tag) << QString::fromUtf8(keys) << QString::fromUtf8(display)
                       << QString::fromUtf8(stack) << QString::fromUtf8(level)
                       << QString::fromUtf8(op) << QString::fromUtf8(bracket);
}

void memoryRow(const char* tag, const char* keys, const char* display, const char* indicator) {
    QTest::newRow(tag) << QString::fromUtf8(keys) << QString::fromUtf8(display)
                       << QString::fromUtf8(indicator);
}

// Labels of bt, ln, log, sin, cos, tan, sqr, cube and floor with neither box ticked.
const QStringList plainLabels = {"d.ms ",    " ln" + FW, " log ",    "sin" + FW, "cos" + FW,
                                 "tan" + FW, "x^2" + FW, "x^3" + FW, " 取整 "};

} // namespace

class TstCalcPageEngine : public QObject {
    Q_OBJECT

    PageHarness* h = nullptr;

    // Clicks the keys of the sequence; false when a key is missing or disabled.
    bool press(const QString& sequence) {
        const QString js = QString::fromLatin1(pressScript)
                               .arg(QString::fromUtf8(
                                   QJsonDocument(keysOf(sequence)).toJson(QJsonDocument::Compact)));
        const QVariant answer = h->eval(js);
        const QString problem = answer.isValid() ? answer.toString() : "the keys did not return";
        if (!problem.isEmpty())
            qWarning("%s", qPrintable(problem));
        return problem.isEmpty();
    }

    Screen screen() {
        const QVariantList v = h->eval("var f = document.calc; [f.display.value, f.operator.value, "
                                       "f.bracket.value, f.memory.value, stack, level]")
                                   .toList();
        if (v.size() != 6)
            return {};
        return {v[0].toString(), v[1].toString(), v[2].toString(),
                v[3].toString(), v[4].toString(), v[5].toString()};
    }

    QString display() { return h->eval("document.calc.display.value").toString(); }

    QStringList labelsNow() {
        return h
            ->eval("var f = document.calc; [f.bt.value, f.ln.value, f.log.value, f.sin.value,"
                   " f.cos.value, f.tan.value, f.sqr.value, f.cube.value, f.floor.value]")
            .toStringList();
    }

    bool checked(const QString& name) {
        return h->eval(QString("document.calc.%1.checked").arg(name)).toBool();
    }

private slots:
    void initTestCase() { h = new PageHarness; }
    void cleanupTestCase() {
        delete h;
        h = nullptr;
    }

    // Every case starts from a freshly loaded page, as each visit of the tab does.
    void init() { QVERIFY(h->load("calc.html")); }

    void cleanup() {
        QCOMPARE(h->scriptErrors(), QStringList());
        QCOMPARE(h->takeAlerts(), QStringList());
    }

    void workedExample() {
        const struct {
            const char *key, *display, *stack, *level;
        } steps[] = {
            {"2", "2", "", "0"},          {"+", "2", "2+", "05"},    {"3", "3", "2+", "05"},
            {"*", "3", "2+3*", "056"},    {"4", "4", "2+3*", "056"}, {"^", "4", "2+3*4^", "0567"},
            {"2", "2", "2+3*4^", "0567"}, {"=", "50", "", "0"},
        };
        for (const auto& step : steps) {
            QVERIFY(press(step.key));
            const Screen s = screen();
            QCOMPARE(s.display, QString(step.display));
            QCOMPARE(s.stack, QString(step.stack));
            QCOMPARE(s.level, QString(step.level));
        }
    }

    void expressions_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("stack");
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("op");
        QTest::addColumn<QString>("bracket");

        // Precedence: higher levels first, one level from left to right.
        exprRow("prec power product sum", "2 + 3 * 4 ^ 2 =", "50");
        exprRow("prec minus left to right", "8 - 3 - 2 =", "3");
        exprRow("prec power left to right", "2 ^ 3 ^ 2 =", "64");
        exprRow("prec divide left to right", "8 / 4 / 2 =", "1");
        exprRow("prec remainder times", "7 mod 4 * 3 =", "9");
        exprRow("prec product before sum", "2 * 3 +", "6", "6+", "05", " + ");
        exprRow("prec product waits", "2 + 3 *", "3", "2+3*", "056", " * ");
        exprRow("prec shift below product", "1 shl 2 * 3 +", "6", "1<6+", "045", " + ");
        exprRow("prec shift below sum", "1 + 1 shl 3 =", "16");
        exprRow("prec and above xor", "6 xor 3 and 5 =", "7");
        exprRow("prec or lowest", "1 or 2 and 3 =", "3");
        exprRow("prec xor indicator", "6 xor", "6", "6x", "02", " x ");
        exprRow("prec or after sum", "1 + 2 or", "3", "3|", "01", " | ");

        // Brackets.
        exprRow("br product of sum", "2 * ( 3 + 4 ) =", "14");
        exprRow("br right after close", "2 * ( 3 + 4 )", "7", "2*", "06", "   ");
        exprRow("br open", "2 * (", "0", "2*(", "060", "   ", "(=1");
        exprRow("br two open", "( (", "0", "((", "000", "   ", "(=2");
        exprRow("br inner closed", "( ( 1 + 2 )", "3", "(", "00", "   ", "(=1");
        exprRow("br equals closes", "( 1 + 2 =", "3");
        exprRow("br equals closes two", "2 * ( 3 + ( 4 - 1 =", "12");
        exprRow("br nested", "2 * ( 3 + ( 4 - 1 ) * 2 ) =", "18");
        exprRow("br open discards display", "5 ( 3 =", "3");
        exprRow("br power of group", "( 1 + 2 ) ^ 2 =", "9");
        // A ")" with no "(" open is ignored.
        exprRow("br stray close", "2 ) )", "2");
        exprRow("br stray close typing on", "1 ) 2", "12");
        exprRow("br stray close pending", "5 + 2 ) * 3 =", "11");
        exprRow("br stray close then open", "1 ) ) (", "0", "(", "00", "   ", "(=1");
        exprRow("br stray close equals", "1 ) ( 2 + 3 =", "5");

        // The display is reused as the operand when no number was typed.
        exprRow("reuse plus equals", "5 + =", "10");
        exprRow("reuse second operator", "5 + *", "5", "5+5*", "056", " * ");
        exprRow("reuse second operator equals", "5 + * 2 =", "15");
        exprRow("reuse nothing pending", "7 =", "7");
        exprRow("reuse equals twice", "2 + 3 = =", "5");
        exprRow("reuse result as operand", "2 + 3 = * 2 =", "10");
        exprRow("reuse digit after result", "2 + 3 = 7", "7");

        // Sign.
        exprRow("sign minus negative times", "2 - 5 +/- * 3 =", "17");
        exprRow("sign pending double minus", "2 - 5 +/- *", "-5", "2--5*", "056", " * ");
        exprRow("sign on zero", "0 +/-", "0");
        exprRow("sign on five", "5 +/-", "-5");
        exprRow("sign then digit", "5 +/- 3", "-53");
        exprRow("sign twice", "5 +/- +/-", "5");
        exprRow("sign on result", "2 + 3 = +/-", "-5");
        exprRow("sign on point", "0 . +/-", "-.");

        // Number entry.
        exprRow("entry leading zeros", "0 0 7", "7");
        exprRow("entry zero point", "0 .", ".");
        exprRow("entry zero point five", "0 . 5", ".5");
        exprRow("entry two points", "1 . 2 . 3", "1.2.3");
        exprRow("entry two points plus", "1 . 2 . 3 + 1 =", "2.2");
        exprRow("entry two points minus", "1 . 2 . 3 - 1 =", "NaN");
        exprRow("entry binary rounding", "0.1 + 0.2 =", "0.30000000000000004");
        exprRow("entry long number", "123456789012345678901234567890",
                "123456789012345678901234567890");

        // Exponent forms, NaN and Infinity cannot be split off: the text stays unevaluated.
        exprRow("regex big sum", "1000000000000000000000 + 1 =", "1e+21");
        exprRow("regex exponent operand", "1000000000000000000000 + 1 = + 1 =", "1e+21+1");
        exprRow("regex exponent pending", "1000000000000000000000 + 1 = +", "1e+21", "1e+21+", "05",
                " + ");
        exprRow("regex small exponent", "1 / 10000000 = + 1 =", "1e-7+1");
        exprRow("regex trailing point", "5 . + 3 * 2 =", "5.+3*2");
        exprRow("regex NaN operand", "5 mod 0 = + 1 =", "NaN+1");
        exprRow("regex Infinity operand", "0 ^ 1 +/- = + 1 =", "Infinity+1");
        exprRow("regex prefix before NaN", "2 * 3 + 5 mod 0 =", "6+NaN");

        // Editing keys.
        exprRow("edit bs one digit", "12 bs", "1");
        exprRow("edit bs last digit", "1 bs", "0");
        exprRow("edit bs then digit", "1 bs 7", "7");
        exprRow("edit bs twice then digit", "12 bs bs 3", "3");
        exprRow("edit bs after result", "2 + 3 = bs", "5");
        exprRow("edit bs after operator", "25 + bs", "25", "25+", "05", " + ");
        exprRow("edit bs sign", "5 +/- bs", "-");
        exprRow("edit ce keeps pending", "2 + 3 ce", "0", "2+", "05", " + ");
        exprRow("edit ce then digit", "2 + 3 ce 4 =", "6");
        exprRow("edit ce then equals", "2 + 3 ce =", "2");
        exprRow("edit ce after result", "2 + 3 = ce", "0");
        exprRow("edit ac", "2 + ( 3 * ac", "0");
        exprRow("edit ac then sum", "2 + ( 3 * ac 4 + 1 =", "5");
        exprRow("edit ac replaces digit", "12 ac 3", "3");
    }

    void expressions() {
        QFETCH(QString, keys);
        QVERIFY(press(keys));
        const Screen s = screen();
        QTEST(s.display, "display");
        QTEST(s.stack, "stack");
        QTEST(s.level, "level");
        QTEST(s.op, "op");
        QTEST(s.bracket, "bracket");
    }

    void alerts_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QStringList>("alerts");

        const QStringList none;
        const QStringList zero{"除数不能为零"};
        const QStringList domain{"超出函数定义范围"};
        const QStringList unknown{"对不起,公式还没有查到!"};

        alertRow("divide by zero", "7 / 0 =", "7", zero);
        alertRow("divide by zero goes on", "7 / 0 + 1 =", "8", zero);
        alertRow("divide by zero text", "7 / 0 . 0 =", "7", zero);
        alertRow("divide by zero twice", "8 / 0 / 0 =", "8", zero + zero);
        alertRow("divide by zero hex", "十六进制 ff / 0 =", "ff", zero);
        alertRow("divide by zero negative hex", "十六进制 ff +/- / 0 =", "-ff", zero);
        alertRow("remainder by zero", "5 mod 0 =", "NaN", none);
        alertRow("zero to negative power", "0 ^ 2 +/- =", "Infinity", none);
        alertRow("ln zero", "0 ln", "0", domain);
        alertRow("ln negative", "5 +/- ln", "-5", domain);
        alertRow("log zero", "0 log", "0", domain);
        alertRow("sqrt negative", "上档功能 4 +/- sqr", "-4", domain);
        alertRow("recip zero", "0 1/x", "0", domain);
        alertRow("recip zero text", "0 . 0 1/x", ".0", domain);
        alertRow("arcsin above one", "上档功能 2 sin", "2", domain);
        alertRow("arccos below minus one", "上档功能 1.5 +/- cos", "-1.5", domain);
        alertRow("arcsin of point", "上档功能 0 . sin", ".", domain);
        alertRow("ahypsin", "上档功能 双曲函数 5 sin", "5", unknown);
        alertRow("ahypcos", "上档功能 双曲函数 5 cos", "5", unknown);
        alertRow("ahyptan", "上档功能 双曲函数 5 tan", "5", unknown);
        alertRow("ahypsin keeps text", "上档功能 双曲函数 0 . 50 sin", ".50", unknown);
        alertRow("ln zero hex", "十六进制 0 ln", "0", domain);
        alertRow("sqrt negative hex", "十六进制 上档功能 a +/- sqr", "-a", domain);
    }

    void alerts() {
        QFETCH(QString, keys);
        QVERIFY(press(keys));
        QTEST(display(), "display");
        QTEST(h->takeAlerts(), "alerts");
    }

    void functions_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("display");

        keysRow("pi", "pi", "3.141592653589793");
        keysRow("pi ignores display", "5 pi", "3.141592653589793");
        keysRow("pi shifted", "上档功能 pi", "3.141592653589793");
        keysRow("e", "e", "2.718281828459045");
        keysRow("e shifted", "上档功能 e", "2.718281828459045");
        keysRow("floor negative", "2.3 +/- floor", "-3");
        keysRow("floor positive", "2.7 floor", "2");
        keysRow("deci negative", "上档功能 2.3 +/- floor", "0.7000000000000002");
        keysRow("deci positive", "上档功能 2.5 floor", "0.5");
        keysRow("ln one", "1 ln", "0");
        keysRow("ln of e", "e ln", "1");
        keysRow("exp one", "上档功能 1 ln", "2.718281828459045");
        keysRow("exp zero", "上档功能 0 ln", "1");
        keysRow("log hundred", "100 log", "2");
        // ln(x) times log10(e), not a decimal logarithm of its own.
        keysRow("log tenth", "0.1 log", "-0.9999999999999999");
        keysRow("expdec", "上档功能 3 log", "1000");
        keysRow("expdec negative", "上档功能 1 +/- log", "0.1");
        keysRow("cube", "3 cube", "27");
        keysRow("cube negative", "2 +/- cube", "-8");
        keysRow("cube root", "上档功能 27 cube", "3");
        keysRow("cube root negative", "上档功能 8 +/- cube", "NaN");
        keysRow("square", "5 sqr", "25");
        keysRow("square root", "上档功能 16 sqr", "4");
        keysRow("factorial", "5 n!", "120");
        keysRow("factorial fraction", "5.9 n!", "120");
        keysRow("factorial negative", "5 +/- n!", "120");
        keysRow("factorial zero", "0 n!", "1");
        keysRow("factorial of point", "0 . n!", "1");
        keysRow("factorial 170", "170 n!", "7.257415615307994e+306");
        keysRow("factorial 171", "171 n!", "Infinity");
        keysRow("factorial exponent text", "1 / 10000000 = n!", "1");
        keysRow("recip", "4 1/x", "0.25");
        keysRow("recip negative", "8 +/- 1/x", "-0.125");
        keysRow("dms", "30.5 bt", "30.3");
        keysRow("dms negative", "1.75 +/- bt", "-1.45");
        keysRow("deg", "上档功能 30.3 bt", "30.500000000000004");
        keysRow("deg minutes seconds", "上档功能 12.2044 bt", "12.345555555555555");
        keysRow("not zero", "0 not", "-1");
        keysRow("not five", "5 not", "-6");
        keysRow("not fraction", "5.9 not", "-6");
        keysRow("not hex", "十六进制 ff not", "-100");
        keysRow("sin degrees", "30 sin", "0.49999999999999994");
        keysRow("cos degrees", "60 cos", "0.5000000000000001");
        keysRow("tan degrees", "90 tan", "16331239353195370");
        keysRow("arcsin degrees", "上档功能 0.5 sin", "30.000000000000004");
        keysRow("arccos degrees", "上档功能 1 cos", "0");
        keysRow("arctan degrees", "上档功能 1 tan", "45");
        keysRow("arctan without bound", "上档功能 1000000 tan", "89.99994270422049");
        keysRow("sin radians", "弧度制 1 sin", "0.8414709848078965");
        keysRow("arcsin radians", "弧度制 上档功能 1 sin", "1.5707963267948966");
        keysRow("arctan radians", "弧度制 上档功能 1 tan", "0.7853981633974483");
        keysRow("hyp sin", "双曲函数 1 sin", "1.1752011936438014");
        keysRow("hyp cos", "双曲函数 0 cos", "1");
        keysRow("hyp tan zero", "双曲函数 0 tan", "0");
        keysRow("hyp tan by its formula", "双曲函数 1000 tan", "NaN");
        keysRow("hyp ignored by ln", "双曲函数 1 ln", "0");
        keysRow("hyp ignored by shifted log", "双曲函数 上档功能 2 log", "100");
        keysRow("hex square", "十六进制 a sqr", "64");
        keysRow("hex recip loses fraction", "十六进制 3 1/x", "0");
        keysRow("binary square root", "二进制 10 上档功能 sqr", "1");
        keysRow("octal factorial", "八进制 5 n!", "170");
        keysRow("function then digit", "4 sqr 3", "3");
        keysRow("function result as operand", "2 + 3 sqr =", "11");
    }

    void functions() {
        QFETCH(QString, keys);
        QVERIFY(press(keys));
        QTEST(display(), "display");
    }

    void shiftLabels_data() {
        QTest::addColumn<QString>("boxes");
        QTest::addColumn<QStringList>("labels"); // bt ln log sin cos tan sqr cube floor

        const QStringList hyp = {"d.ms ", " ln" + FW, " log ",    "hsin ", "hcos ",
                                 "htan ", "x^2" + FW, "x^3" + FW, " 取整 "};
        const QStringList shift = {"deg" + FW, "exp" + FW, "expd ", "asin ", "acos ",
                                   "atan ",    "x^.5 ",    "x^.3 ", " 小数 "};
        const QStringList both = {"deg" + FW, "exp" + FW, "expd ", "ahs" + FW, "ahc" + FW,
                                  "aht" + FW, "x^.5 ",    "x^.3 ", " 小数 "};
        QTest::newRow("neither, after a click") << "上档功能 上档功能" << plainLabels;
        QTest::newRow("hyp only") << "双曲函数" << hyp;
        QTest::newRow("shift only") << "上档功能" << shift;
        QTest::newRow("both") << "上档功能 双曲函数" << both;
        QTest::newRow("both, hyp first") << "双曲函数 上档功能" << both;
        QTest::newRow("both then shift off") << "上档功能 双曲函数 上档功能" << hyp;
        QTest::newRow("both then hyp off") << "上档功能 双曲函数 双曲函数" << shift;
    }

    void shiftLabels() {
        QFETCH(QString, boxes);
        QVERIFY(press(boxes));
        QTEST(labelsNow(), "labels");
    }

    // Every function key unticks both boxes and brings the plain labels back.
    void functionKeyUnticks_data() {
        QTest::addColumn<QString>("fkey");
        for (const char* k : {"pi", "e", "bt", "ln", "log", "sin", "cos", "tan", "cube", "sqr",
                              "n!", "1/x", "floor", "not"})
            QTest::newRow(k) << k;
    }

    void functionKeyUnticks() {
        QFETCH(QString, fkey);
        QVERIFY(press("上档功能 双曲函数 1 " + fkey));
        h->takeAlerts(); // the inverse hyperbolic keys complain; that is not the point here
        QVERIFY(!checked("shiftf"));
        QVERIFY(!checked("hypf"));
        QCOMPARE(labelsNow(), plainLabels);
    }

    // Keys other than function keys leave the boxes ticked.
    void otherKeysKeepBoxes_data() {
        QTest::addColumn<QString>("keys");
        QTest::newRow("digits") << "12 . 5";
        QTest::newRow("operators") << "1 + 2 * 3 ^ 2 mod 3 and 1 or 1 xor 1 shl 1 - 1 / 1";
        QTest::newRow("equals") << "1 + 2 =";
        QTest::newRow("brackets") << "( 1 + 2 )";
        QTest::newRow("memory") << "5 MS M+ M* MR MC";
        QTest::newRow("editing") << "12 bs ce ac +/-";
        QTest::newRow("bases") << "十六进制 八进制 二进制 十进制";
        QTest::newRow("angles") << "弧度制 角度制";
    }

    void otherKeysKeepBoxes() {
        QFETCH(QString, keys);
        QVERIFY(press("上档功能 双曲函数 " + keys));
        QVERIFY(checked("shiftf"));
        QVERIFY(checked("hypf"));
        QCOMPARE(labelsNow().value(3), "ahs" + FW);
    }

    void shiftedLnRestoresLabel() {
        QVERIFY(press("上档功能"));
        QCOMPARE(labelsNow().value(1), "exp" + FW);
        QVERIFY(press("2 ln"));
        QCOMPARE(display(), QString("7.38905609893065"));
        QVERIFY(!checked("shiftf"));
        QCOMPARE(labelsNow().value(1), " ln" + FW);
    }

    void bases_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("display");

        keysRow("dec to hex", "255 十六进制", "ff");
        keysRow("hex to bin", "255 十六进制 二进制", "11111111");
        keysRow("bin to dec", "255 十六进制 二进制 十进制", "255");
        keysRow("dec to oct", "255 八进制", "377");
        keysRow("oct to hex", "八进制 777 十六进制", "1ff");
        keysRow("negative to bin", "5.7 +/- 二进制", "-101");
        keysRow("half to bin", "0.5 二进制", "0");
        keysRow("minus half to hex", "0.5 +/- 十六进制", "-0");
        keysRow("negative hex to dec", "十六进制 1f +/- 十进制", "-31");
        keysRow("zero stays", "十六进制 二进制 八进制", "0");
        keysRow("big to hex", "1000000000000000000000 十六进制", "3635c9adc5dea00000");
        keysRow("reselect dec keeps text", "1.50 十进制", "1.50");
        keysRow("reselect hex keeps digits", "十六进制 ff 十六进制", "ff");
        keysRow("base change ends number", "十六进制 a 十六进制 b", "b");
        keysRow("hex arithmetic", "十六进制 a * b + c =", "7a");
        keysRow("hex letter before operator", "十六进制 a + b * c =", "a+b*c");
        keysRow("hex digit before operator", "十六进制 1 + b * c =", "85");
        keysRow("hex negative sum", "十六进制 ff +/- + 1 =", "-fe");
        keysRow("hex division loses fraction", "十六进制 7 / 2 =", "3");
        keysRow("bin sum", "二进制 101 + 11 =", "1000");
        keysRow("bin shift", "二进制 1 shl 100 =", "10000");
        keysRow("oct sum", "八进制 7 + 1 =", "10");
        keysRow("pending read in new base", "10 + 十六进制 1 =", "11");
        keysRow("bitwise and", "5 and 3 =", "1");
        keysRow("bitwise or", "5 or 3 =", "7");
        keysRow("bitwise xor", "5 xor 3 =", "6");
        keysRow("shift left", "1 shl 4 =", "16");
        keysRow("and wraps to 32 bits", "4294967295 and 1 =", "1");
        keysRow("or signed result", "2147483648 or 0 =", "-2147483648");
        keysRow("shift count five bits", "1 shl 33 =", "2");
        keysRow("and drops fraction", "5.9 and 7 =", "5");
        keysRow("remainder sign of left", "5 +/- mod 3 =", "-2");
        keysRow("remainder fraction", "5.5 mod 2 =", "1.5");
        keysRow("hex xor", "十六进制 f0 xor ff =", "f");
    }

    void bases() {
        QFETCH(QString, keys);
        QVERIFY(press(keys));
        QTEST(display(), "display");
    }

    void enabling_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QStringList>("disabled");

        const QStringList letters{"ka", "kb", "kc", "kd", "ke", "kf"};
        const QStringList decimalOnly{"sin", "cos", "tan", "bt", "pi", "e", "kp"};
        const QStringList octal{"k2", "k3", "k4", "k5", "k6", "k7"};
        const QStringList high{"k8", "k9"};

        QTest::newRow("hex") << "十六进制" << decimalOnly;
        QTest::newRow("dec") << "十进制" << letters;
        QTest::newRow("oct") << "八进制" << decimalOnly + high + letters;
        QTest::newRow("bin") << "二进制" << decimalOnly + octal + high + letters;
        QTest::newRow("bin then dec") << "二进制 十进制" << letters;
        QTest::newRow("bin then hex") << "二进制 十六进制" << decimalOnly;
        QTest::newRow("hex then oct") << "十六进制 八进制" << decimalOnly + high + letters;
    }

    void enabling() {
        QFETCH(QString, keys);
        QFETCH(QStringList, disabled);
        QVERIFY(press(keys));
        QStringList actual = h->eval("var f = document.calc, r = [];"
                                     "for (var i = 0; i < f.elements.length; i++)"
                                     "  if (f.elements[i].disabled) r.push(f.elements[i].name);"
                                     "r")
                                 .toStringList();
        actual.sort();
        disabled.sort();
        QCOMPARE(actual, disabled);
    }

    // The engine's own digit rule, which holds even for a key that were left enabled.
    void digitAcceptance_data() {
        QTest::addColumn<int>("base");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("display");
        QTest::newRow("bin") << 2 << "0123456789.abcdefg"
                             << "1";
        QTest::newRow("oct") << 8 << "9876543210.abcdef"
                             << "76543210";
        QTest::newRow("dec") << 10 << "9876543210.abcdef"
                             << "9876543210.";
        QTest::newRow("hex") << 16 << "fedcba9876543210.g"
                             << "fedcba9876543210";
    }

    void digitAcceptance() {
        QFETCH(int, base);
        QFETCH(QString, typed);
        h->eval(QString("inputChangCarry(%1); var t = '%2';"
                        "for (var i = 0; i < t.length; i++) inputkey(t.charAt(i));")
                    .arg(base)
                    .arg(typed));
        QTEST(display(), "display");
    }

    void angles_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("display");

        keysRow("degree clicked again", "1 角度制", "57.29577951308232");
        keysRow("degree clicked twice", "1 角度制 角度制", "3282.8063500117437");
        keysRow("radian", "180 弧度制", "3.141592653589793");
        keysRow("radian and back", "180 弧度制 角度制", "180");
        keysRow("radian clicked twice", "180 弧度制 弧度制", "0.05483113556160754");
        keysRow("hex display read decimal", "十六进制 10 弧度制", "0.17453292519943295");
        keysRow("hex letters give NaN", "十六进制 ff 弧度制", "NaN");
        keysRow("angle ends number", "1 角度制 2", "2");
        keysRow("radian mode sin", "弧度制 1 sin", "0.8414709848078965");
        keysRow("back to degrees sin", "弧度制 角度制 30 sin", "0.49999999999999994");
    }

    void angles() {
        QFETCH(QString, keys);
        QVERIFY(press(keys));
        QTEST(display(), "display");
    }

    void memory_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("indicator");

        memoryRow("store", "5 MS", "5", " M ");
        memoryRow("add", "5 MS 3 M+ MR", "8", " M ");
        memoryRow("multiply", "5 MS 3 M* MR", "15", " M ");
        memoryRow("store zero", "5 MS 3 M+ 0 MS", "0", "   ");
        memoryRow("store zero recall", "5 MS 0 MS MR", "0", "   ");
        memoryRow("store zero text", "5 MS 0 . 0 MS MR", "0", "   ");
        memoryRow("clear", "5 MS MC", "5", "   ");
        memoryRow("clear recall", "5 MS MC MR", "0", "   ");
        memoryRow("add to zero sum", "5 M+ 5 +/- M+", "-5", "   ");
        memoryRow("add to zero sum recall", "5 M+ 5 +/- M+ MR", "0", "   ");
        memoryRow("multiply by zero", "5 MS 0 M*", "0", "   ");
        memoryRow("add to empty", "7 M+ MR", "7", " M ");
        memoryRow("recall in hex", "255 MS 十六进制 MR", "ff", " M ");
        memoryRow("store in hex recall in dec", "十六进制 ff MS 十进制 MR", "255", " M ");
        memoryRow("add in bin", "二进制 11 MS 1 M+ 十进制 MR", "4", " M ");
        memoryRow("stored text kept", "1 . 2 . 3 MS MR", "1.2.3", " M ");
        memoryRow("stored text added", "1 . 2 . 3 MS 1 M+ MR", "2.2", " M ");
        memoryRow("recall ends number", "5 MS 7 MR 3", "3", " M ");
        memoryRow("recall as operand", "5 MS 2 * MR =", "10", " M ");
        memoryRow("clear all keeps memory", "5 MS ac MR", "5", " M ");
    }

    void memory() {
        QFETCH(QString, keys);
        QVERIFY(press(keys));
        const Screen s = screen();
        QTEST(s.display, "display");
        QTEST(s.memory, "indicator");
    }

    void clearAllKeepsModes() {
        QVERIFY(press("十六进制 弧度制 a MS 1 + 2 上档功能 双曲函数 ac"));
        const Screen s = screen();
        QCOMPARE(s.display, QString("0"));
        QCOMPARE(s.memory, QString(" M "));
        QVERIFY(checked("shiftf"));
        QVERIFY(checked("hypf"));
        QVERIFY(
            h->eval("document.calc.carry[0].checked && document.calc.angle[1].checked").toBool());
        // Still hexadecimal, and still radians once back in base 10.
        QVERIFY(press("MR"));
        QCOMPARE(display(), QString("a"));
        QVERIFY(press("上档功能 双曲函数 十进制 1 sin"));
        QCOMPARE(display(), QString("0.8414709848078965"));
    }

    // Values that are not finite written in bases 2, 8 and 16, huge factorials and stray
    // brackets: every sequence must come back at once, without a script error.
    void noHang_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("display");

        const QString huge(400, u'9');
        for (const QString base : {"十六进制", "八进制", "二进制"}) {
            const QByteArray b = base.toUtf8();
            auto row = [&](const char* what, const QString& keys, const char* display) {
                QTest::addRow("%s in %s", what, b.constData()) << keys << QString(display);
            };
            row("NaN", "5 mod 0 = " + base, "NaN");
            row("Infinity", "0 ^ 1 +/- = " + base, "Infinity");
            row("-Infinity", "0 ^ 1 +/- = +/- " + base, "-Infinity");
            row("point", "0 . " + base, "NaN");
            row("minus", "5 +/- bs " + base, "NaN");
            row("huge", huge + " " + base, "Infinity");
            row("remainder by zero", base + " 1 mod 0 =", "NaN");
            row("zero to negative power", base + " 0 ^ 1 +/- =", "Infinity");
            row("factorial 1000", "1000 " + base + " n!", "Infinity");
            row("huge factorial", huge + " n! " + base, "Infinity");
            row("cube root negative", "1 +/- " + base + " 上档功能 cube", "NaN");
            row("NaN memory", "5 mod 0 = MS " + base + " MR", "NaN");
            row("huge memory", huge + " MS " + base + " MR", "Infinity");
            row("NaN operand", "5 mod 0 = " + base + " + 1 =", "NaN+1");
            row("stray brackets", base + " 1 ) ) + 0 ) =", "1");
        }
        keysRow("huge factorial", (huge + " n!").toUtf8().constData(), "Infinity");
        keysRow("factorial of 1e21 typed", "1000000000000000000000 n!", "Infinity");
        keysRow("factorial of 1e+21 text", "1000000000000000000000 + 0 = n!", "1");
        keysRow("many stray brackets", ") ) ) ) ( 1 ) ) ) =", "1");
        // Characters outside the digit alphabet count as -1: "NaN" read in base 16 is -97.
        keysRow("NaN text read as digits", "5 mod 0 = 十六进制 八进制 二进制 十进制", "-97");
    }

    void noHang() {
        QFETCH(QString, keys);
        QElapsedTimer timer;
        timer.start();
        QVERIFY(press(keys));
        QTEST(display(), "display");
        QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
    }
};

QTEST_MAIN(TstCalcPageEngine)
#include "tst_calcpage_engine.moc"
