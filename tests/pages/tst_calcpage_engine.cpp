// Behaviour of the scientific calculator page, driven the way a user drives it: every
// key is found by its label (or its name, for the keys whose label changes) and clicked.
#include "PageTestSupport.h"

#include <QElapsedTimer>

using namespace pagetest;

namespace {

// A sequence and the screen after it; the defaults are those of a finished calculation.
void exprRow(const char* tag, const char* keys, const char* display, const char* stack = "",
             const char* level = "0", const char* op = "", const char* bracket = "") {
    row(tag, keys, display, stack, level, op, bracket);
}

// Labels of bt, ln, log, sin, cos, tan, sqr, cube and floor with neither box ticked.
const QStringList plainLabels = {"d.ms ",    " ln" + FW, " log ",    "sin" + FW, "cos" + FW,
                                 "tan" + FW, "x^2" + FW, "x^3" + FW, " 取整 "};

} // namespace

class TestCalcPageEngine : public QObject {
    Q_OBJECT

    Session s;

    // Display, pending expression, precedence string, operator, bracket and memory fields.
    QStringList screen() {
        return s
            .eval("var f = document.calc; [f.display.value, stack, level, f.operator.value, "
                  "f.bracket.value, f.memory.value]")
            .toStringList();
    }
    QString display() { return s.eval("document.calc.display.value").toString(); }
    QStringList labelsNow() {
        return s
            .eval("var f = document.calc; [f.bt.value, f.ln.value, f.log.value, f.sin.value,"
                  " f.cos.value, f.tan.value, f.sqr.value, f.cube.value, f.floor.value]")
            .toStringList();
    }
    // Whether the two check boxes are ticked, as "shiftf hypf".
    QString boxes() {
        return s.eval("var f = document.calc; f.shiftf.checked + ' ' + f.hypf.checked").toString();
    }

private slots:
    // Every case starts from a freshly loaded page, as each visit of the tab does.
    void init() { QVERIFY(s.open("calc.html", true)); }
    void cleanup() { QCOMPARE(s.leftovers(), QStringList()); }
    void cleanupTestCase() { s.end(); }

    void workedExample() {
        const char* steps[][4] = {
            {"2", "2", "", "0"},          {"+", "2", "2+", "05"},    {"3", "3", "2+", "05"},
            {"*", "3", "2+3*", "056"},    {"4", "4", "2+3*", "056"}, {"^", "4", "2+3*4^", "0567"},
            {"2", "2", "2+3*4^", "0567"}, {"=", "50", "", "0"},
        };
        for (const auto& step : steps) {
            QCOMPARE(s.keys(step[0]), QString());
            QCOMPARE(screen().mid(0, 3), QStringList({step[1], step[2], step[3]}));
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
        QFETCH(QString, display);
        QFETCH(QString, stack);
        QFETCH(QString, level);
        QFETCH(QString, op);
        QFETCH(QString, bracket);
        QCOMPARE(s.keys(keys), QString());
        QCOMPARE(screen().mid(0, 5), QStringList({display, stack, level, op, bracket}));
    }

    void alerts_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QStringList>("alerts");
        const QStringList none;
        const QStringList zero{"除数不能为零"};
        const QStringList domain{"超出函数定义范围"};
        const QStringList unknown{"对不起,公式还没有查到!"};

        row("divide by zero", "7 / 0 =", "7", zero);
        row("divide by zero goes on", "7 / 0 + 1 =", "8", zero);
        row("divide by zero text", "7 / 0 . 0 =", "7", zero);
        row("divide by zero twice", "8 / 0 / 0 =", "8", zero + zero);
        row("divide by zero hex", "十六进制 ff / 0 =", "ff", zero);
        row("divide by zero negative hex", "十六进制 ff +/- / 0 =", "-ff", zero);
        row("remainder by zero", "5 mod 0 =", "NaN", none);
        row("zero to negative power", "0 ^ 2 +/- =", "Infinity", none);
        row("ln zero", "0 ln", "0", domain);
        row("ln negative", "5 +/- ln", "-5", domain);
        row("log zero", "0 log", "0", domain);
        row("sqrt negative", "上档功能 4 +/- sqr", "-4", domain);
        row("recip zero", "0 1/x", "0", domain);
        row("recip zero text", "0 . 0 1/x", ".0", domain);
        row("arcsin above one", "上档功能 2 sin", "2", domain);
        row("arccos below minus one", "上档功能 1.5 +/- cos", "-1.5", domain);
        row("arcsin of point", "上档功能 0 . sin", ".", domain);
        row("ahypsin", "上档功能 双曲函数 5 sin", "5", unknown);
        row("ahypcos", "上档功能 双曲函数 5 cos", "5", unknown);
        row("ahyptan", "上档功能 双曲函数 5 tan", "5", unknown);
        row("ahypsin keeps text", "上档功能 双曲函数 0 . 50 sin", ".50", unknown);
        row("ln zero hex", "十六进制 0 ln", "0", domain);
        row("sqrt negative hex", "十六进制 上档功能 a +/- sqr", "-a", domain);
    }
    void alerts() {
        QFETCH(QString, keys);
        QCOMPARE(s.keys(keys), QString());
        QTEST(display(), "display");
        QTEST(s.takeAlerts(), "alerts");
    }

    // Keys and the display after them; every sequence must come back at once.
    void keySequences_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("display");
        // Functions.
        row("pi", "pi", "3.141592653589793");
        row("pi ignores display", "5 pi", "3.141592653589793");
        row("pi shifted", "上档功能 pi", "3.141592653589793");
        row("e", "e", "2.718281828459045");
        row("e shifted", "上档功能 e", "2.718281828459045");
        row("floor negative", "2.3 +/- floor", "-3");
        row("floor positive", "2.7 floor", "2");
        row("deci negative", "上档功能 2.3 +/- floor", "0.7000000000000002");
        row("deci positive", "上档功能 2.5 floor", "0.5");
        row("ln one", "1 ln", "0");
        row("ln of e", "e ln", "1");
        row("exp one", "上档功能 1 ln", "2.718281828459045");
        row("exp zero", "上档功能 0 ln", "1");
        row("log hundred", "100 log", "2");
        // ln(x) times log10(e), not a decimal logarithm of its own.
        row("log tenth", "0.1 log", "-0.9999999999999999");
        row("expdec", "上档功能 3 log", "1000");
        row("expdec negative", "上档功能 1 +/- log", "0.1");
        row("cube", "3 cube", "27");
        row("cube negative", "2 +/- cube", "-8");
        row("cube root", "上档功能 27 cube", "3");
        row("cube root negative", "上档功能 8 +/- cube", "NaN");
        row("square", "5 sqr", "25");
        row("square root", "上档功能 16 sqr", "4");
        row("factorial", "5 n!", "120");
        row("factorial fraction", "5.9 n!", "120");
        row("factorial negative", "5 +/- n!", "120");
        row("factorial zero", "0 n!", "1");
        row("factorial of point", "0 . n!", "1");
        row("factorial 170", "170 n!", "7.257415615307994e+306");
        row("factorial 171", "171 n!", "Infinity");
        row("factorial exponent text", "1 / 10000000 = n!", "1");
        row("recip", "4 1/x", "0.25");
        row("recip negative", "8 +/- 1/x", "-0.125");
        row("dms", "30.5 bt", "30.3");
        row("dms negative", "1.75 +/- bt", "-1.45");
        row("deg", "上档功能 30.3 bt", "30.500000000000004");
        row("deg minutes seconds", "上档功能 12.2044 bt", "12.345555555555555");
        row("not zero", "0 not", "-1");
        row("not five", "5 not", "-6");
        row("not fraction", "5.9 not", "-6");
        row("not hex", "十六进制 ff not", "-100");
        row("sin degrees", "30 sin", "0.49999999999999994");
        row("cos degrees", "60 cos", "0.5000000000000001");
        row("tan degrees", "90 tan", "16331239353195370");
        row("arcsin degrees", "上档功能 0.5 sin", "30.000000000000004");
        row("arccos degrees", "上档功能 1 cos", "0");
        row("arctan degrees", "上档功能 1 tan", "45");
        row("arctan without bound", "上档功能 1000000 tan", "89.99994270422049");
        row("sin radians", "弧度制 1 sin", "0.8414709848078965");
        row("arcsin radians", "弧度制 上档功能 1 sin", "1.5707963267948966");
        row("arctan radians", "弧度制 上档功能 1 tan", "0.7853981633974483");
        row("hyp sin", "双曲函数 1 sin", "1.1752011936438014");
        row("hyp cos", "双曲函数 0 cos", "1");
        row("hyp tan zero", "双曲函数 0 tan", "0");
        row("hyp tan by its formula", "双曲函数 1000 tan", "NaN");
        row("hyp ignored by ln", "双曲函数 1 ln", "0");
        row("hyp ignored by shifted log", "双曲函数 上档功能 2 log", "100");
        row("hex square", "十六进制 a sqr", "64");
        row("hex recip loses fraction", "十六进制 3 1/x", "0");
        row("binary square root", "二进制 10 上档功能 sqr", "1");
        row("octal factorial", "八进制 5 n!", "170");
        row("function then digit", "4 sqr 3", "3");
        row("function result as operand", "2 + 3 sqr =", "11");
        // Bases.
        row("dec to hex", "255 十六进制", "ff");
        row("hex to bin", "255 十六进制 二进制", "11111111");
        row("bin to dec", "255 十六进制 二进制 十进制", "255");
        row("dec to oct", "255 八进制", "377");
        row("oct to hex", "八进制 777 十六进制", "1ff");
        row("negative to bin", "5.7 +/- 二进制", "-101");
        row("half to bin", "0.5 二进制", "0");
        row("minus half to hex", "0.5 +/- 十六进制", "-0");
        row("negative hex to dec", "十六进制 1f +/- 十进制", "-31");
        row("zero stays", "十六进制 二进制 八进制", "0");
        row("big to hex", "1000000000000000000000 十六进制", "3635c9adc5dea00000");
        row("reselect dec keeps text", "1.50 十进制", "1.50");
        row("reselect hex keeps digits", "十六进制 ff 十六进制", "ff");
        row("base change ends number", "十六进制 a 十六进制 b", "b");
        row("hex arithmetic", "十六进制 a * b + c =", "7a");
        row("hex letter before operator", "十六进制 a + b * c =", "a+b*c");
        row("hex digit before operator", "十六进制 1 + b * c =", "85");
        row("hex negative sum", "十六进制 ff +/- + 1 =", "-fe");
        row("hex division loses fraction", "十六进制 7 / 2 =", "3");
        row("bin sum", "二进制 101 + 11 =", "1000");
        row("bin shift", "二进制 1 shl 100 =", "10000");
        row("oct sum", "八进制 7 + 1 =", "10");
        row("pending read in new base", "10 + 十六进制 1 =", "11");
        row("bitwise and", "5 and 3 =", "1");
        row("bitwise or", "5 or 3 =", "7");
        row("bitwise xor", "5 xor 3 =", "6");
        row("shift left", "1 shl 4 =", "16");
        row("and wraps to 32 bits", "4294967295 and 1 =", "1");
        row("or signed result", "2147483648 or 0 =", "-2147483648");
        row("shift count five bits", "1 shl 33 =", "2");
        row("and drops fraction", "5.9 and 7 =", "5");
        row("remainder sign of left", "5 +/- mod 3 =", "-2");
        row("remainder fraction", "5.5 mod 2 =", "1.5");
        row("hex xor", "十六进制 f0 xor ff =", "f");
        // Angle units.
        row("degree clicked again", "1 角度制", "57.29577951308232");
        row("degree clicked twice", "1 角度制 角度制", "3282.8063500117437");
        row("radian", "180 弧度制", "3.141592653589793");
        row("radian and back", "180 弧度制 角度制", "180");
        row("radian clicked twice", "180 弧度制 弧度制", "0.05483113556160754");
        row("hex display read decimal", "十六进制 10 弧度制", "0.17453292519943295");
        row("hex letters give NaN", "十六进制 ff 弧度制", "NaN");
        row("angle ends number", "1 角度制 2", "2");
        row("radian mode sin", "弧度制 1 sin", "0.8414709848078965");
        row("back to degrees sin", "弧度制 角度制 30 sin", "0.49999999999999994");
        // Values that are not finite written in bases 2, 8 and 16, huge factorials and stray
        // brackets.
        const QString huge(400, u'9');
        for (const QString base : {"十六进制", "八进制", "二进制"}) {
            const QByteArray b = base.toUtf8();
            auto add = [&](const char* what, const QString& keys, const char* display) {
                QTest::addRow("%s in %s", what, b.constData()) << keys << QString(display);
            };
            add("NaN", "5 mod 0 = " + base, "NaN");
            add("Infinity", "0 ^ 1 +/- = " + base, "Infinity");
            add("-Infinity", "0 ^ 1 +/- = +/- " + base, "-Infinity");
            add("point", "0 . " + base, "NaN");
            add("minus", "5 +/- bs " + base, "NaN");
            add("huge", huge + " " + base, "Infinity");
            add("remainder by zero", base + " 1 mod 0 =", "NaN");
            add("zero to negative power", base + " 0 ^ 1 +/- =", "Infinity");
            add("factorial 1000", "1000 " + base + " n!", "Infinity");
            add("huge factorial", huge + " n! " + base, "Infinity");
            add("cube root negative", "1 +/- " + base + " 上档功能 cube", "NaN");
            add("NaN memory", "5 mod 0 = MS " + base + " MR", "NaN");
            add("huge memory", huge + " MS " + base + " MR", "Infinity");
            add("NaN operand", "5 mod 0 = " + base + " + 1 =", "NaN+1");
            add("stray brackets", base + " 1 ) ) + 0 ) =", "1");
        }
        row("huge factorial", (huge + " n!").toUtf8().constData(), "Infinity");
        row("factorial of 1e21 typed", "1000000000000000000000 n!", "Infinity");
        row("factorial of 1e+21 text", "1000000000000000000000 + 0 = n!", "1");
        row("many stray brackets", ") ) ) ) ( 1 ) ) ) =", "1");
        // Characters outside the digit alphabet count as -1: "NaN" read in base 16 is -97.
        row("NaN text read as digits", "5 mod 0 = 十六进制 八进制 二进制 十进制", "-97");
    }
    void keySequences() {
        QFETCH(QString, keys);
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(s.keys(keys), QString());
        QTEST(display(), "display");
        QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
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
        row("neither, after a click", "上档功能 上档功能", plainLabels);
        row("hyp only", "双曲函数", hyp);
        row("shift only", "上档功能", shift);
        row("both", "上档功能 双曲函数", both);
        row("both, hyp first", "双曲函数 上档功能", both);
        row("both then shift off", "上档功能 双曲函数 上档功能", hyp);
        row("both then hyp off", "上档功能 双曲函数 双曲函数", shift);
    }
    void shiftLabels() {
        QFETCH(QString, boxes);
        QCOMPARE(s.keys(boxes), QString());
        QTEST(labelsNow(), "labels");
    }

    // Every function key unticks both boxes and brings the plain labels back; other keys
    // leave them ticked.
    void functionKeysUntick_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("ticked");
        for (const char* k : {"pi", "e", "bt", "ln", "log", "sin", "cos", "tan", "cube", "sqr",
                              "n!", "1/x", "floor", "not"})
            row(k, QString("1 ") + k, "false false");
        row("digits", "12 . 5", "true true");
        row("operators", "1 + 2 * 3 ^ 2 mod 3 and 1 or 1 xor 1 shl 1 - 1 / 1", "true true");
        row("equals", "1 + 2 =", "true true");
        row("brackets", "( 1 + 2 )", "true true");
        row("memory", "5 MS M+ M* MR MC", "true true");
        row("editing", "12 bs ce ac +/-", "true true");
        row("bases", "十六进制 八进制 二进制 十进制", "true true");
        row("angles", "弧度制 角度制", "true true");
    }
    void functionKeysUntick() {
        QFETCH(QString, keys);
        QFETCH(QString, ticked);
        QCOMPARE(s.keys("上档功能 双曲函数 " + keys), QString());
        s.takeAlerts(); // the inverse hyperbolic keys complain; that is not the point here
        QCOMPARE(boxes(), ticked);
        QCOMPARE(labelsNow().value(3), ticked.startsWith('f') ? "sin" + FW : "ahs" + FW);
        if (ticked.startsWith('f'))
            QCOMPARE(labelsNow(), plainLabels);
    }

    void shiftedLnRestoresLabel() {
        QCOMPARE(s.keys("上档功能"), QString());
        QCOMPARE(labelsNow().value(1), "exp" + FW);
        QCOMPARE(s.keys("2 ln"), QString());
        QCOMPARE(display(), QString("7.38905609893065"));
        QCOMPARE(boxes(), QString("false false"));
        QCOMPARE(labelsNow().value(1), " ln" + FW);
    }

    void enabling_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QStringList>("disabled");
        const QStringList letters{"ka", "kb", "kc", "kd", "ke", "kf"};
        const QStringList decimalOnly{"sin", "cos", "tan", "bt", "pi", "e", "kp"};
        const QStringList octal{"k2", "k3", "k4", "k5", "k6", "k7"};
        const QStringList high{"k8", "k9"};
        row("hex", "十六进制", decimalOnly);
        row("dec", "十进制", letters);
        row("oct", "八进制", decimalOnly + high + letters);
        row("bin", "二进制", decimalOnly + octal + high + letters);
        row("bin then dec", "二进制 十进制", letters);
        row("bin then hex", "二进制 十六进制", decimalOnly);
        row("hex then oct", "十六进制 八进制", decimalOnly + high + letters);
    }
    void enabling() {
        QFETCH(QString, keys);
        QFETCH(QStringList, disabled);
        QCOMPARE(s.keys(keys), QString());
        QStringList actual = s.eval("[].filter.call(document.calc.elements, function (e) {"
                                    " return e.disabled; }).map(function (e) { return e.name; })")
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
        row("bin", 2, "0123456789.abcdefg", "1");
        row("oct", 8, "9876543210.abcdef", "76543210");
        row("dec", 10, "9876543210.abcdef", "9876543210.");
        row("hex", 16, "fedcba9876543210.g", "fedcba9876543210");
    }
    void digitAcceptance() {
        QFETCH(int, base);
        QFETCH(QString, typed);
        s.eval(QString("inputChangCarry(%1); var t = '%2';"
                       "for (var i = 0; i < t.length; i++) inputkey(t.charAt(i));")
                   .arg(base)
                   .arg(typed));
        QTEST(display(), "display");
    }

    void memory_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("indicator");
        row("store", "5 MS", "5", " M ");
        row("add", "5 MS 3 M+ MR", "8", " M ");
        row("multiply", "5 MS 3 M* MR", "15", " M ");
        row("store zero", "5 MS 3 M+ 0 MS", "0", "   ");
        row("store zero recall", "5 MS 0 MS MR", "0", "   ");
        row("store zero text", "5 MS 0 . 0 MS MR", "0", "   ");
        row("clear", "5 MS MC", "5", "   ");
        row("clear recall", "5 MS MC MR", "0", "   ");
        row("add to zero sum", "5 M+ 5 +/- M+", "-5", "   ");
        row("add to zero sum recall", "5 M+ 5 +/- M+ MR", "0", "   ");
        row("multiply by zero", "5 MS 0 M*", "0", "   ");
        row("add to empty", "7 M+ MR", "7", " M ");
        row("recall in hex", "255 MS 十六进制 MR", "ff", " M ");
        row("store in hex recall in dec", "十六进制 ff MS 十进制 MR", "255", " M ");
        row("add in bin", "二进制 11 MS 1 M+ 十进制 MR", "4", " M ");
        row("stored text kept", "1 . 2 . 3 MS MR", "1.2.3", " M ");
        row("stored text added", "1 . 2 . 3 MS 1 M+ MR", "2.2", " M ");
        row("recall ends number", "5 MS 7 MR 3", "3", " M ");
        row("recall as operand", "5 MS 2 * MR =", "10", " M ");
        row("clear all keeps memory", "5 MS ac MR", "5", " M ");
    }
    void memory() {
        QFETCH(QString, keys);
        QCOMPARE(s.keys(keys), QString());
        const QStringList shown = screen();
        QTEST(shown.value(0), "display");
        QTEST(shown.value(5), "indicator");
    }

    void clearAllKeepsModes() {
        QCOMPARE(s.keys("十六进制 弧度制 a MS 1 + 2 上档功能 双曲函数 ac"), QString());
        QCOMPARE(screen(), QStringList({"0", "", "0", "", "", " M "}));
        QCOMPARE(boxes(), QString("true true"));
        QVERIFY(
            s.eval("document.calc.carry[0].checked && document.calc.angle[1].checked").toBool());
        // Still hexadecimal, and still radians once back in base 10.
        QCOMPARE(s.keys("MR"), QString());
        QCOMPARE(display(), QString("a"));
        QCOMPARE(s.keys("上档功能 双曲函数 十进制 1 sin"), QString());
        QCOMPARE(display(), QString("0.8414709848078965"));
    }
};

QTEST_MAIN(TestCalcPageEngine)
#include "tst_calcpage_engine.moc"
