// The keyboard and the clipboard on the pages, through real key events on the real view: on
// the calculator a key acts as a click on its on-screen key, Ctrl+C and Ctrl+V copy the display
// and type a number; on a conversion page Enter in a unit's field converts from that unit.
#include "PageTestSupport.h"
#include "WebHtmlView.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QWebEngineView>

using namespace pagetest;

namespace {

// "Enter", "KP5" (keypad), "Backspace", "Ctrl+C" ... or a single typed character.
void press(WebHtmlView* view, const QString& key) {
    QWidget* target = view->webView()->focusProxy();
    static const QMap<QString, Qt::Key> named{{"Enter", Qt::Key_Return},
                                              {"KPEnter", Qt::Key_Enter},
                                              {"Backspace", Qt::Key_Backspace},
                                              {"Delete", Qt::Key_Delete},
                                              {"Escape", Qt::Key_Escape}};
    if (named.contains(key))
        QTest::keyClick(target, named[key],
                        key.startsWith("KP") ? Qt::KeypadModifier : Qt::NoModifier);
    else if (key.startsWith("KP"))
        QTest::keyClick(target, key.back().toLatin1(), Qt::KeypadModifier);
    else if (key.startsWith("Ctrl+"))
        QTest::keyClick(target, key.back().toLower().toLatin1(), Qt::ControlModifier);
    else
        QTest::keyClick(target, key.front().toLatin1());
}

} // namespace

class TestPageKeys : public QObject {
    Q_OBJECT

    Session s;

    QString display() { return s.eval("document.calc.display.value").toString(); }
    // Key events reach the page once it has the keyboard focus.
    bool openFocused(const QString& page) {
        if (!s.open(page, true))
            return false;
        WebHtmlView* view = s.harness().view();
        view->activateWindow();
        view->setFocus();
        return QTest::qWaitFor([view] {
            return view->webView()->focusProxy() && view->webView()->focusProxy()->hasFocus();
        });
    }
    // Waits for what the page does with a key: it answers through the engine's own process.
    QString displayAfter(const QString& key) {
        press(s.harness().view(), key);
        QTest::qWait(20);
        return display();
    }

private slots:
    void cleanup() { QCOMPARE(s.leftovers(), QStringList()); }
    void cleanupTestCase() { s.end(); }

    // Keys clicked on screen first, the key pressed, keys clicked after it, the display then.
    void calculatorKeys_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("display");
        row("0", "5", "0", "", "50");
        for (const char* d : {"1", "2", "3", "4", "5", "6", "7", "8", "9"})
            row(d, "", d, "", d);
        row("keypad 7", "", "KP7", "", "7");
        row("keypad 0", "3", "KP0", "", "30");
        for (const char* h : {"a", "b", "c", "d", "e", "f"})
            row(h, "十六进制 1", h, "", (QStringLiteral("1") + h));
        row("A typed with Shift", "十六进制", "A", "", "a");
        row("a in decimal: key disabled", "7", "a", "", "7");
        row("2 in binary: key disabled", "二进制 1", "2", "", "1");
        row(".", "3", ".", "5", "3.5");
        row(",", "3", ",", "5", "3.5");
        row("+", "2", "+", "3 =", "5");
        row("-", "9", "-", "3 =", "6");
        row("*", "4", "*", "3 =", "12");
        row("/", "8", "/", "2 =", "4");
        row("% (取余)", "7", "%", "3 =", "1");
        row("^ (x^y)", "2", "^", "10 =", "1024");
        row("(", "2 *", "(", "3 + 4 ) =", "14");
        row(")", "2 * ( 3 + 4", ")", "=", "14");
        row("! (n!)", "5", "!", "", "120");
        row("& (与)", "12", "&", "10 =", "8");
        row("| (或)", "12", "|", "3 =", "15");
        row("~ (非)", "5", "~", "", "-6");
        row("< (左移)", "1", "<", "4 =", "16");
        row("Enter", "2 + 3", "Enter", "", "5");
        row("keypad Enter", "2 + 3", "KPEnter", "", "5");
        row("=", "2 + 3", "=", "", "5");
        row("Backspace (退格)", "123", "Backspace", "", "12");
        row("Delete (清屏)", "2 + 3", "Delete", "=", "2");
        row("Escape (全清)", "2 + 3", "Escape", "=", "0");
        row("a letter without a key", "7", "x", "", "7");
    }
    void calculatorKeys() {
        QFETCH(QString, before);
        QFETCH(QString, key);
        QFETCH(QString, after);
        QVERIFY(openFocused("calc.html"));
        QCOMPARE(s.keys(before), QString());
        displayAfter(key);
        QCOMPARE(s.keys(after), QString());
        QTEST(display(), "display");
    }

    void typedExpression() {
        QVERIFY(openFocused("calc.html"));
        for (const QString& key : QStringList{"1", "2", "+", "3", "*", "4"})
            press(s.harness().view(), key);
        QCOMPARE(displayAfter("Enter"), QStringLiteral("24"));
        QCOMPARE(displayAfter("Ctrl+C"), QStringLiteral("24"));
        QTRY_COMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("24"));
    }

    // Keys clicked first, the clipboard's text, the display after Ctrl+V.
    void paste_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("display");
        row("decimal", "", "12.5", "12.5");
        row("negative", "", "-7", "-7");
        row("spaces and line end around", "", " 42\n", "42");
        row("after an operator", "3 +", "4", "4");
        row("hex digits in decimal", "", "ff", "0");
        row("hex digits in hex", "十六进制", "fF", "ff");
        row("2 in binary", "二进制", "102", "0");
        row("point in hex", "十六进制", "1.5", "0");
        row("two points", "", "1.2.3", "0");
        row("text", "", "abc", "0");
        row("expression", "", "1+2", "0");
        row("empty", "", "", "0");
    }
    void paste() {
        QFETCH(QString, before);
        QFETCH(QString, clipboard);
        QVERIFY(openFocused("calc.html"));
        QCOMPARE(s.keys(before), QString());
        QGuiApplication::clipboard()->setText(clipboard);
        QTEST(displayAfter("Ctrl+V"), "display");
    }

    // Enter in a unit's field converts as the button beside it does; an entry that is no
    // number gets the page's own alert.
    void conversionEnter_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("entry");
        for (const char* page : {"changdu.html", "gongl.html", "mianji.html", "tiji.html",
                                 "yali.html", "wendu.html", "weight.html", "gongn.html"})
            row(page, page, "2");
        row("no number", "changdu.html", "abc");
    }
    void conversionEnter() {
        QFETCH(QString, page);
        QFETCH(QString, entry);
        QVERIFY(openFocused(page));
        // The second unit of the page.
        const QString field =
            s.eval("(function(){var e=document.forms[0].elements,n=0;for(var i=0;i<e.length;"
                   "i++)if(e[i].type=='text'&&++n==2)return e[i].name;})()")
                .toString();
        QVERIFY(!field.isEmpty());
        s.fillAll(QStringLiteral("x"));
        s.type(field, entry);
        s.eval(QStringLiteral("document.forms[0].elements[%1].focus()").arg(jsString(field)));
        press(s.harness().view(), QStringLiteral("Enter"));
        QTest::qWait(20);
        const Fields byEnter = s.fields();
        const QStringList alerts = s.takeAlerts();
        s.fillAll(QStringLiteral("x"));
        QCOMPARE(s.convert(field, entry), byEnter);
        QCOMPARE(s.takeAlerts(), alerts);
        const bool number = entry != QLatin1String("abc");
        QCOMPARE(alerts, number ? QStringList() : QStringList{kBadNumber});
        QCOMPARE(byEnter.values().count(QStringLiteral("x")) < byEnter.size() - 1, number);
    }
};

QTEST_MAIN(TestPageKeys)
#include "tst_pagekeys.moc"
