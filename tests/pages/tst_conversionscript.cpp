// Behaviour shared by the length, area, volume and weight pages: the input check, the
// seven-place rounding, the conversion through the base unit and the reset button.
#include "PageHarness.h"

#include <QMap>
#include <QtTest>

namespace {

// Each page with the field of its base unit (factor 1), where an entry reads back as typed.
struct PageInfo {
    const char* file;
    const char* baseField;
};
const PageInfo kPages[] = {{"changdu.html", "mMeter"},
                           {"mianji.html", "mSquare_meter"},
                           {"tiji.html", "mLiter"},
                           {"weight.html", "mKilogram"}};

const QString kBadNumber = QStringLiteral("请输入有效的数字");

QString jsQuote(const QString& s) {
    QString out = s;
    out.replace(QLatin1String("\\"), QLatin1String("\\\\"));
    out.replace(QLatin1String("'"), QLatin1String("\\'"));
    return QLatin1Char('\'') + out + QLatin1Char('\'');
}

QString repeated(const QString& s, int n) {
    QString out;
    for (int i = 0; i < n; ++i)
        out += s;
    return out;
}

} // namespace

class TstConversionScript : public QObject {
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

    // Loads a page only when another one is shown, then empties every field so that each
    // case starts as a fresh page does.
    bool open(const QString& page) {
        if (loaded != page) {
            loaded.clear();
            if (!h->load(page))
                return false;
            loaded = page;
            errorsSeen = 0;
        } else {
            errorsSeen = h->scriptErrors().size();
        }
        h->eval("(function(){var f=document.forms[0];for(var i=0;i<f.elements.length;i++)"
                "if(f.elements[i].type=='text')f.elements[i].value='';})()");
        h->takeAlerts();
        return true;
    }

    // Every text field of the form, name to text.
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

    void type(const QString& field, const QString& text) {
        h->eval(
            QStringLiteral("document.forms[0].elements['%1'].value=%2;").arg(field, jsQuote(text)));
    }

    void press(const QString& button) {
        h->eval(QStringLiteral("document.forms[0].elements['%1'].click();").arg(button));
    }

    void convert(const QString& field, const QString& text) {
        type(field, text);
        press(field + QLatin1String("_bt"));
    }

private slots:
    void initTestCase() {
        h = new PageHarness;
    }
    void cleanupTestCase() {
        delete h;
        h = nullptr;
    }

    void normalizeRoundsToSevenPlaces_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("shown");
        const struct {
            const char* number;
            const char* shown;
        } rows[] = {
            {"3.14159265358979", "3.1415927"},    // eighth decimal 5 rounds up
            {"1234.56789012345", "1234.5678901"}, // eighth decimal 2 is cut
            {"0.000123456789", "0.0001235"},      // places, not significant digits
            {"0.30000000000000004", "0.3000000"}, // a cut keeps trailing zeros
            {"2.00000001", "2.0000000"},
            {"1.99999999", "2"}, // carry through the point
            {"1.239999999", "1.24"},
            {"9.999999999", "10"},
            {"-9.999999999", "-10"},
            {"0.09999999999999999", "0.1"},
            {"1609344000.0000002", "1609344000.0000002"}, // seven places only
            {"1.5", "1.5"},
            {"3.3333333333333335e-11", "3.3333333e-11"},
            {"9.99999999e-7", "1e-6"},
            {"9.9999999999e+21", "1e22"},
            {"-9.99999999e-7", "-1e-6"},
            {"1.2345e-10", "1.2345e-10"},
            {"1.5e+21", "1.5e+21"},
            {"5000", "5000"},
            {"-0", "0"},
            {"NaN", "NaN"},
            {"Infinity", "Infinity"},
            {"-Infinity", "-Infinity"},
        };
        for (const PageInfo& p : kPages)
            for (const auto& r : rows)
                QTest::addRow("%s %s", p.file, r.number) << p.file << r.number << r.shown;
    }

    void normalizeRoundsToSevenPlaces() {
        QFETCH(QString, page);
        QFETCH(QString, number);
        QFETCH(QString, shown);
        QVERIFY(open(page));
        QCOMPARE(h->eval(QStringLiteral("normalize(%1, 8)").arg(number)).toString(), shown);
        VERIFY_NO_SCRIPT_ERRORS();
    }

    void checkNumAcceptsOnlyTheNumberAlphabet_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        const struct {
            const char* tag;
            QString text;
            bool accepted;
        } rows[] = {
            {"empty", "", true},
            {"digits", "0123456789", true},
            {"signs point exponents", ".+-eE", true},
            {"two points", "1.2.3", true},
            {"lone e", "e", true},
            {"lone plus", "+", true},
            {"trailing minus", "5-", true},
            {"slash below 0", "1/2", false},
            {"colon above 9", "9:", false},
            {"letter", "12a", false},
            {"Infinity word", "Infinity", false},
            {"hex", "0x10", false},
            {"leading space", " 5", false},
            {"trailing space", "5 ", false},
            {"comma", "1,000", false},
            {"full-width digits", QStringLiteral("１２３"), false},
            {"full-width space", QStringLiteral("1\u30002"), false},
            {"full-width comma", QStringLiteral("1，000"), false},
            {"several bad characters", "a b c", false},
            {"long with bad last", repeated("1", 9999) + "x", false},
            {"long good", repeated("1", 10000), true},
        };
        for (const PageInfo& p : kPages)
            for (const auto& r : rows)
                QTest::addRow("%s %s", p.file, r.tag) << p.file << r.text << r.accepted;
    }

    void checkNumAcceptsOnlyTheNumberAlphabet() {
        QFETCH(QString, page);
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QVERIFY(open(page));
        const QVariant result = h->eval(QStringLiteral("checkNum(%1)").arg(jsQuote(text)));
        QCOMPARE(result.typeId(), QMetaType::Bool);
        QCOMPARE(result.toBool(), accepted);
        // One message per check, however many characters are wrong.
        QCOMPARE(h->takeAlerts(), accepted ? QStringList() : QStringList{kBadNumber});
        VERIFY_NO_SCRIPT_ERRORS();
    }

    void rejectedEntryChangesNothing_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        const struct {
            const char* tag;
            QString text;
        } rows[] = {
            {"full-width digits", QStringLiteral("１２３")},
            {"full-width space", QStringLiteral("1\u3000000")},
            {"full-width comma", QStringLiteral("1，000")},
            {"ascii comma", "1,000"},
            {"trailing space", "12 "},
            {"letters", "abc1x"},
            {"long with full-width comma last", repeated("1", 9999) + QStringLiteral("，")},
        };
        for (const PageInfo& p : kPages)
            for (const auto& r : rows)
                QTest::addRow("%s %s", p.file, r.tag) << p.file << p.baseField << r.text;
    }

    void rejectedEntryChangesNothing() {
        QFETCH(QString, page);
        QFETCH(QString, field);
        QFETCH(QString, text);
        QVERIFY(open(page));
        convert(field, "2");
        QVERIFY(h->takeAlerts().isEmpty());
        type(field, text);
        const QMap<QString, QString> before = fields();
        QCOMPARE(before.value(field), text);

        press(field + "_bt");
        QCOMPARE(h->takeAlerts(), QStringList{kBadNumber});
        QCOMPARE(fields(), before);
        VERIFY_NO_SCRIPT_ERRORS();
    }

    // every: "+" each field a positive finite number, "-" each negative, otherwise the text
    // that every field shows; empty when only the entered field is checked.
    void entryFillsEveryField_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("every");
        const struct {
            const char* tag;
            QString entry;
            const char* shown;
            const char* every;
        } rows[] = {
            {"1e3", "1e3", "1000", "+"},
            {"1E3", "1E3", "1000", "+"},
            {"plus sign", "+5", "5", "+"},
            {"leading point", ".5", "0.5", "+"},
            {"trailing point", "5.", "5", "+"},
            {"small exponent", "1e-3", "0.001", "+"},
            {"negative", "-5", "-5", "-"},
            {"negative fraction", "-.25", "-0.25", "-"},
            {"minus zero", "-0", "0", "0"},
            {"minus zero with exponent", "-0.0e5", "0", "0"},
            {"zero", "0", "0", "0"},
            {"underflow", "1e-400", "0", "0"},
            {"negative underflow", "-1e-400", "0", "0"},
            {"two points", "1.2.3", "NaN", "NaN"},
            {"lone e", "e", "NaN", "NaN"},
            {"lone plus", "+", "NaN", "NaN"},
            {"lone minus", "-", "NaN", "NaN"},
            {"lone point", ".", "NaN", "NaN"},
            {"exponent without digits", "1e", "NaN", "NaN"},
            {"trailing minus", "5-", "NaN", "NaN"},
            {"double minus", "--5", "NaN", "NaN"},
            {"overflow", "1e400", "Infinity", "Infinity"},
            {"signed overflow", "+1e400", "Infinity", "Infinity"},
            {"negative overflow", "-1e400", "-Infinity", "-Infinity"},
            {"carry moves small exponent", "9.99999999e-7", "1e-6", "+"},
            {"negative carry moves exponent", "-9.99999999e-7", "-1e-6", "-"},
            {"carry moves large exponent", "9.9999999999e21", "1e22", "+"},
            {"large stays exponent form", "1e21", "1e+21", "+"},
            {"small stays exponent form", "1e-7", "1e-7", "+"},
            {"mantissa rounded", "3.3333333333333335e-11", "3.3333333e-11", "+"},
            {"cut keeps zeros", "0.30000000000000004", "0.3000000", "+"},
            {"carry through point", "1.99999999", "2", "+"},
            {"negative carry", "-9.999999999", "-10", "-"},
            {"long digits", repeated("1", 10000), "Infinity", "Infinity"},
            {"long negative digits", "-" + repeated("1", 9999), "-Infinity", "-Infinity"},
            {"long leading zeros", repeated("0", 9999) + "5", "5", "+"},
            {"long tiny fraction", "0." + repeated("0", 9997) + "1", "0", "0"},
            {"long trailing zeros", "1." + repeated("0", 9998), "1", "+"},
            {"long points", repeated(".", 10000), "NaN", "NaN"},
        };
        for (const PageInfo& p : kPages)
            for (const auto& r : rows)
                QTest::addRow("%s %s", p.file, r.tag)
                    << p.file << p.baseField << r.entry << r.shown << r.every;
    }

    void entryFillsEveryField() {
        QFETCH(QString, page);
        QFETCH(QString, field);
        QFETCH(QString, entry);
        QFETCH(QString, shown);
        QFETCH(QString, every);
        QVERIFY(open(page));
        convert(field, entry);
        QVERIFY(h->takeAlerts().isEmpty());

        const QMap<QString, QString> all = fields();
        QVERIFY(all.size() > 10);
        QCOMPARE(all.value(field), shown);
        for (auto it = all.cbegin(); it != all.cend(); ++it) {
            const QString& text = it.value();
            if (every == "+" || every == "-") {
                bool ok = false;
                const double v = text.toDouble(&ok);
                QVERIFY2(ok && (every == "+" ? v > 0 : v < 0),
                         qPrintable(it.key() + " shows " + text));
            } else {
                QVERIFY2(text == every, qPrintable(it.key() + " shows " + text));
            }
        }
        VERIFY_NO_SCRIPT_ERRORS();
    }

    void enteredFieldRewrittenAfterRoundTrip_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("shown");
        // 0.1 * 0.01 / 0.01 is 0.09999999999999999 in doubles; the rounding hides it.
        QTest::newRow("centimetre 0.1") << "changdu.html"
                                        << "mCentimeter"
                                        << "0.1"
                                        << "0.1";
        QTest::newRow("centilitre 0.1") << "tiji.html"
                                        << "mCentiliter"
                                        << "0.1"
                                        << "0.1";
        QTest::newRow("millimetre 1e3") << "changdu.html"
                                        << "mMillimeter"
                                        << "1e3"
                                        << "1000";
        QTest::newRow("gram .5") << "weight.html"
                                 << "mGram"
                                 << ".5"
                                 << "0.5";
        QTest::newRow("gram -0") << "weight.html"
                                 << "mGram"
                                 << "-0"
                                 << "0";
    }

    void enteredFieldRewrittenAfterRoundTrip() {
        QFETCH(QString, page);
        QFETCH(QString, field);
        QFETCH(QString, entry);
        QFETCH(QString, shown);
        QVERIFY(open(page));
        convert(field, entry);
        QCOMPARE(fields().value(field), shown);
        QVERIFY(h->takeAlerts().isEmpty());
        VERIFY_NO_SCRIPT_ERRORS();
    }

    void exponentFormResults_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("shown");
        // Doubles give 9.999999999999999e-11 km and 0.00009999999999999999 mm for 1e-7 m;
        // the rounding carries them to the next power of ten.
        QTest::newRow("1e-7 m in km") << "1e-7"
                                      << "mKilometer"
                                      << "1e-10";
        QTest::newRow("1e-7 m in m") << "1e-7"
                                     << "mMeter"
                                     << "1e-7";
        QTest::newRow("1e-7 m in um") << "1e-7"
                                      << "mMicronmeter"
                                      << "0.1";
        QTest::newRow("1e-7 m in mm") << "1e-7"
                                      << "mMillimeter"
                                      << "0.0001";
        QTest::newRow("1e-7 m in li") << "1e-7"
                                      << "mLimeter"
                                      << "2e-10";
        QTest::newRow("1e21 m in km") << "1e21"
                                      << "mKilometer"
                                      << "1000000000000000000";
        QTest::newRow("1e21 m in m") << "1e21"
                                     << "mMeter"
                                     << "1e+21";
        QTest::newRow("1e21 m in li") << "1e21"
                                      << "mLimeter"
                                      << "2000000000000000000";
        QTest::newRow("1e-7 m in chi") << "1e-7"
                                       << "mChimeter"
                                       << "3e-7";
        QTest::newRow("1e-7 m in ft") << "1e-7"
                                      << "engFoot"
                                      << "3.2808399e-7";
        QTest::newRow("1e21 m in ft") << "1e21"
                                      << "engFoot"
                                      << "3.2808399e+21";
        QTest::newRow("1e21 m in zhang") << "1e21"
                                         << "mZhangmeter"
                                         << "300000000000000000000";
    }

    void exponentFormResults() {
        QFETCH(QString, entry);
        QFETCH(QString, field);
        QFETCH(QString, shown);
        QVERIFY(open("changdu.html"));
        convert("mMeter", entry);
        QCOMPARE(fields().value(field), shown);
        VERIFY_NO_SCRIPT_ERRORS();
    }

    void resetEmptiesEveryField_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("field");
        for (const PageInfo& p : kPages)
            QTest::newRow(p.file) << p.file << p.baseField;
    }

    void resetEmptiesEveryField() {
        QFETCH(QString, page);
        QFETCH(QString, field);
        QVERIFY(open(page));
        convert(field, "3");
        // A value typed in but never converted is emptied as well.
        type(field, "12345");
        const QMap<QString, QString> before = fields();
        QVERIFY(before.size() > 10);
        for (const QString& text : before)
            QVERIFY(!text.isEmpty());
        const QString captions =
            h->eval("(function(){var f=document.forms[0],r=[];"
                    "for(var i=0;i<f.elements.length;i++)"
                    "if(f.elements[i].type!='text')r.push(f.elements[i].value);"
                    "return r.join('|');})()")
                .toString();

        press("res7");
        const QMap<QString, QString> after = fields();
        QCOMPARE(after.keys(), before.keys());
        for (auto it = after.cbegin(); it != after.cend(); ++it)
            QVERIFY2(it.value().isEmpty(), qPrintable(it.key() + " shows " + it.value()));
        QCOMPARE(h->eval("(function(){var f=document.forms[0],r=[];"
                         "for(var i=0;i<f.elements.length;i++)"
                         "if(f.elements[i].type!='text')r.push(f.elements[i].value);"
                         "return r.join('|');})()")
                     .toString(),
                 captions);
        QVERIFY(h->takeAlerts().isEmpty());

        // The page still converts after a reset.
        convert(field, "1");
        QCOMPARE(fields().value(field), QStringLiteral("1"));
        VERIFY_NO_SCRIPT_ERRORS();
    }

    void emptyFieldDoesNothing_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("field");
        const struct {
            const char* page;
            const char* field;
        } rows[] = {
            {"changdu.html", "mKilometer"}, {"changdu.html", "engInch"},
            {"mianji.html", "mHectare"},    {"mianji.html", "engSquare_inch"},
            {"tiji.html", "briGallon"},     {"tiji.html", "uscCubic_inch"},
            {"weight.html", "mTon"},        {"weight.html", "avdpGrain"},
        };
        for (const auto& r : rows) {
            for (const PageInfo& p : kPages)
                if (qstrcmp(p.file, r.page) == 0)
                    QTest::addRow("%s %s", r.page, r.field) << r.page << p.baseField << r.field;
        }
    }

    void emptyFieldDoesNothing() {
        QFETCH(QString, page);
        QFETCH(QString, base);
        QFETCH(QString, field);
        QVERIFY(open(page));
        convert(base, "7");
        type(field, "");
        const QMap<QString, QString> before = fields();
        QCOMPARE(before.value(base), QStringLiteral("7"));

        press(field + "_bt");
        QCOMPARE(fields(), before);
        QVERIFY(h->takeAlerts().isEmpty());
        VERIFY_NO_SCRIPT_ERRORS();
    }
};

QTEST_MAIN(TstConversionScript)
#include "tst_conversionscript.moc"
