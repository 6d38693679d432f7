// The income tax tab driven as a user drives it: pick a kind, type amounts, press the buttons.
#include "RecordingDialogs.h"

#include <QInputMethodEvent>
#include <QRegularExpression>

namespace {
const QString kNoIncome = QStringLiteral("请输入收入金额！");
const QString kIncomeNaN = QStringLiteral("收入金额必须为数字！");
const QString kNoThreshold = QStringLiteral("所得税起征金额不能为空！");
const QString kOverflow = QStringLiteral("Floating point overflow");
const QString keep; // threshold left at its initial "2000"

QString notValid(const QString& text) {
    return QStringLiteral("'%1' is not a valid floating point value").arg(text);
}

// Digits can be typed into the threshold; anything else only pasted.
void enterThreshold(QLineEdit* edit, const QString& text) {
    if (QRegularExpression(QStringLiteral("^[0-9]{0,20}$")).match(text).hasMatch())
        retype(edit, text);
    else
        paste(edit, text);
}

// Fills the tab (threshold, kind, income) and presses "计 算". The threshold shows for wages
// only, so a new one is entered with wages chosen.
void calculate(Fixture& f, int kind, const QString& income, const QString& threshold) {
    if (!threshold.isNull() && threshold != f.ui.EdtFirstStep->text()) {
        choose(f.ui.CbSuodeshui, 0);
        enterThreshold(f.ui.EdtFirstStep, threshold);
    }
    choose(f.ui.CbSuodeshui, kind);
    QCOMPARE(f.ui.CbSuodeshui->currentIndex(), kind);
    enter(f.ui.EdtSalary, income);
    click(f.ui.BtnCalc1);
}
} // namespace

class TestIncomeTab : public QObject {
    Q_OBJECT
private slots:
    void results_data();
    void results();
    void failures_data();
    void failures();
    void clearAndPanel();
    void kindSwitch_data();
    void kindSwitch();
    void thresholdKeyFilter_data();
    void thresholdKeyFilter();
};

void TestIncomeTab::results_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("income");
    QTest::addColumn<QString>("threshold");
    QTest::addColumn<QString>("tax");
    QTest::addColumn<QString>("after");
    row("wages 5000", 0, "5000", keep, "325 元", "4675 元");
    row("wages taxable 500", 0, "2500", keep, "25 元", "2475 元");
    row("wages taxable 500.01", 0, "2500.01", keep, "25.001 元", "2475.009 元");
    row("wages at threshold", 0, "2000", keep, "0 元", "2000 元");
    row("wages below threshold", 0, "1500", keep, "0 元", "1500 元");
    row("wages taxable 100000", 0, "102000", keep, "29625 元", "72375 元");
    row("wages top band", 0, "200000", keep, "73725 元", "126275 元");
    row("wages threshold 0", 0, "5000", "0", "625 元", "4375 元");
    row("wages threshold 3500", 0, "5000", "3500", "125 元", "4875 元");
    row("wages negative", 0, "-100", keep, "0 元", "-100 元");
    row("wages blanks around", 0, "  5000 ", keep, "325 元", "4675 元");
    row("wages signed exponent", 0, "+5e3", keep, "325 元", "4675 元");
    row("business 5000", 1, "5000", keep, "250 元", "4750 元");
    row("contract 5000", 2, "5000", keep, "250 元", "4750 元");
    row("business 5000.5", 1, "5000.5", keep, "250.05 元", "4750.45 元");
    row("contract 60000", 2, "60000", keep, "14250 元", "45750 元");
    row("labour 800", 3, "800", keep, "0 元", "800 元");
    row("labour 1000", 3, "1000", keep, "40 元", "960 元");
    row("labour 4000", 3, "4000", keep, "640 元", "3360 元");
    row("labour 5000", 3, "5000", keep, "800 元", "4200 元");
    row("labour 50000", 3, "50000", keep, "8000 元", "42000 元");
    row("manuscript 1000", 4, "1000", keep, "28 元", "972 元");
    row("manuscript 4000", 4, "4000", keep, "448 元", "3552 元");
    row("manuscript 10000", 4, "10000", keep, "1120 元", "8880 元");
    row("royalty 10000", 5, "10000", keep, "1600 元", "8400 元");
    row("auction 10000", 8, "10000", keep, "1600 元", "8400 元");
    row("auction 4000.5", 8, "4000.5", keep, "640.08 元", "3360.42 元");
    row("interest 1000", 6, "1000", keep, "200 元", "800 元");
    row("windfall 1000", 7, "1000", keep, "200 元", "800 元");
    row("interest 12345.67", 6, "12345.67", keep, "2469.134 元", "9876.536 元");
    row("windfall 12345.67", 7, "12345.67", keep, "2469.134 元", "9876.536 元");
    row("interest negative", 6, "-100", keep, "-20 元", "-80 元");
    row("tax exactly 1E15", 6, "5e15", keep, "1E15 元", "4E15 元");
    row("tax just below 1E15", 6, "4e15", keep, "800000000000000 元", "3.2E15 元");
    row("interest tiny", 6, "0.0001", keep, "2E-5 元", "8E-5 元");
    row("10000-character tiny", 6, "0." + QString(9997, '0') + '1', keep, "0 元", "0 元");
    // Other kinds neither parse nor use the threshold.
    row("labour, threshold abc", 3, "5000", "abc", "800 元", "4200 元");
    row("interest, threshold 1e400", 6, "1000", "1e400", "200 元", "800 元");
}

void TestIncomeTab::results() {
    QFETCH(int, kind);
    QFETCH(QString, income);
    QFETCH(QString, threshold);
    Fixture f(1);
    calculate(f, kind, income, threshold);
    QCOMPARE(f.boxes.boxes.size(), 0);
    QVERIFY(!f.ui.PnlRet1->isHidden());
    QTEST(f.ui.LabShui->text(), "tax");
    QTEST(f.ui.LabShuihou->text(), "after");
}

void TestIncomeTab::failures_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("income");
    QTest::addColumn<QString>("threshold");
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("text");
    const int msg = RecordingDialogs::Message, err = RecordingDialogs::AppError;
    row("income empty", 0, "", "2000", msg, kNoIncome);
    row("both empty", 0, "", "", msg, kNoIncome);
    row("income blanks", 0, "   ", "2000", msg, kIncomeNaN);
    row("thousands separator", 0, "1,000", "2000", msg, kIncomeNaN);
    row("two points", 0, "1.2.3", "2000", msg, kIncomeNaN);
    row("hexadecimal", 0, "0x10", "2000", msg, kIncomeNaN);
    row("letters", 6, "abc", "2000", msg, kIncomeNaN);
    row("bare exponent", 0, "1e", "2000", msg, kIncomeNaN);
    row("no mantissa", 0, "e5", "2000", msg, kIncomeNaN);
    row("full-width digits", 0, "５０００", "2000", msg, kIncomeNaN);
    row("10000 letters", 0, QString(10000, 'x'), "2000", msg, kIncomeNaN);
    row("bad income before empty threshold", 0, "abc", "", msg, kIncomeNaN);
    row("threshold empty", 0, "5000", "", msg, kNoThreshold);
    row("threshold empty, labour", 3, "5000", "", msg, kNoThreshold);
    row("threshold empty, auction", 8, "5000", "", msg, kNoThreshold);
    // Failures the tab does not handle itself go to the application error box.
    row("threshold abc", 0, "5000", "abc", err, notValid("abc"));
    row("threshold blanks", 0, "5000", "  ", err, notValid("  "));
    row("threshold 1,000", 0, "5000", "1,000", err, notValid("1,000"));
    row("threshold 1e400", 0, "5000", "1e400", err, kOverflow);
    row("wages 1e400", 0, "1e400", "2000", err, kOverflow);
    row("wages 1e5000", 0, "1e5000", "2000", err, kOverflow);
    row("interest 1e400", 6, "1e400", "2000", err, kOverflow);
    row("labour -1e400", 3, "-1e400", "2000", err, kOverflow);
    row("manuscript 10000 digits", 4, QString(10000, '1'), "2000", err, kOverflow);
    row("taxable beyond double", 0, "1.7e308", "-1.7e308", err, kOverflow);
}

void TestIncomeTab::failures() {
    QFETCH(int, kind);
    QFETCH(QString, income);
    QFETCH(QString, threshold);
    QFETCH(int, box);
    QFETCH(QString, text);
    const auto kindOfBox = RecordingDialogs::Kind(box);
    Fixture f(1);
    calculate(f, kind, income, threshold);
    QCOMPARE(f.boxes.texts(kindOfBox), QStringList{text});
    QCOMPARE(f.boxes.boxes.size(), 1);
    // Nothing else changes.
    QVERIFY(f.ui.PnlRet1->isHidden());
    QCOMPARE(f.ui.LabShui->text(), QStringLiteral("0.00"));
    QCOMPARE(f.ui.LabShuihou->text(), QStringLiteral("0.00"));
    QCOMPARE(f.ui.EdtSalary->text(), income);
    QCOMPARE(f.ui.EdtFirstStep->text(), threshold);

    // After a good calculation of the same kind the failure leaves its results alone.
    calculate(f, kind, QStringLiteral("5000"), QStringLiteral("2000"));
    const QString tax = f.ui.LabShui->text(), after = f.ui.LabShuihou->text();
    QVERIFY(tax != QStringLiteral("0.00"));
    calculate(f, kind, income, threshold);
    QCOMPARE(f.boxes.texts(kindOfBox), (QStringList{text, text}));
    QCOMPARE(f.boxes.boxes.size(), 2);
    QCOMPARE(f.ui.LabShui->text(), tax);
    QCOMPARE(f.ui.LabShuihou->text(), after);
    QVERIFY(!f.ui.PnlRet1->isHidden());
}

void TestIncomeTab::clearAndPanel() {
    Fixture f(1);
    click(f.ui.BtnZero1);
    QVERIFY(f.ui.PnlRet1->isHidden());
    QCOMPARE(f.ui.EdtFirstStep->text(), QString()); // emptied, not restored to "2000"
    calculate(f, 0, QStringLiteral("5000"), QStringLiteral("2000"));
    QCOMPARE(f.ui.LabShui->text(), QStringLiteral("325 元"));

    choose(f.ui.CbSuodeshui, 3);
    click(f.ui.BtnZero1);
    QCOMPARE(f.ui.EdtSalary->text(), QString());
    QCOMPARE(f.ui.EdtFirstStep->text(), QString());
    QCOMPARE(f.ui.CbSuodeshui->currentIndex(), 3);
    QVERIFY(f.ui.EdtFirstStep->isHidden());
    QVERIFY(!f.ui.PnlRet1->isHidden());
    QCOMPARE(f.ui.LabShui->text(), QStringLiteral("325 元"));
    QCOMPARE(f.ui.LabShuihou->text(), QStringLiteral("4675 元"));

    click(f.ui.BtnCalc1);
    QTest::keyClicks(f.ui.EdtSalary, QStringLiteral("5000"));
    click(f.ui.BtnCalc1); // the hidden, emptied threshold stops every kind
    QCOMPARE(f.boxes.texts(RecordingDialogs::Message), (QStringList{kNoIncome, kNoThreshold}));
    QVERIFY(!f.ui.PnlRet1->isHidden());

    calculate(f, 0, QStringLiteral("5000"), QStringLiteral("3500"));
    QCOMPARE(f.ui.LabShui->text(), QStringLiteral("125 元"));
    QCOMPARE(f.boxes.boxes.size(), 2);
}

void TestIncomeTab::kindSwitch_data() {
    QTest::addColumn<int>("kind");
    for (int kind = 1; kind < 9; ++kind)
        QTest::addRow("kind %d", kind) << kind;
}

void TestIncomeTab::kindSwitch() {
    QFETCH(int, kind);
    Fixture f(1);
    calculate(f, 0, QStringLiteral("5000"), QStringLiteral("3500"));
    const QList<QWidget*> row{f.ui.LabDangdi, f.ui.EdtFirstStep, f.ui.LabYuan1, f.ui.Lab2000};

    choose(f.ui.CbSuodeshui, kind);
    for (QWidget* w : row)
        QVERIFY2(w->isHidden(), qPrintable(w->objectName()));
    QVERIFY(!f.ui.Label2->isHidden());
    QCOMPARE(f.ui.BtnCalc1->pos(), QPoint(161, 148));
    QCOMPARE(f.ui.BtnZero1->pos(), QPoint(252, 148));
    QCOMPARE(f.ui.EdtFirstStep->text(), QStringLiteral("3500"));
    QCOMPARE(f.ui.LabShui->text(), QStringLiteral("125 元")); // nothing recomputed

    choose(f.ui.CbSuodeshui, 0);
    for (QWidget* w : row)
        QVERIFY2(!w->isHidden(), qPrintable(w->objectName()));
    QCOMPARE(f.ui.BtnCalc1->pos(), QPoint(161, 198));
    QCOMPARE(f.ui.BtnZero1->pos(), QPoint(252, 198));
    QCOMPARE(f.ui.EdtFirstStep->text(), QStringLiteral("3500"));
    QVERIFY(!f.ui.PnlRet1->isHidden());
    QCOMPARE(f.boxes.boxes.size(), 0);
}

void TestIncomeTab::thresholdKeyFilter_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QList<int>>("keys"); // pressed before typing
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("inputMethod"); // typed through an input method's commit
    QTest::addColumn<QString>("expected");
    const QList<int> none;
    row("decimal point dropped", "", none, "1.5", false, "15");
    row("minus sign", "", none, "-", false, "");
    row("minus after digits", "2000", none, "-", false, "2000");
    row("letters, blanks, plus", "", none, "a1 b2+3e", false, "123");
    row("Backspace", "2000", QList<int>{Qt::Key_Backspace}, "5", false, "2005");
    row("Home and Delete", "2000", QList<int>{Qt::Key_Home, Qt::Key_Delete}, "7", false, "7000");
    row("input method 1.5", "", none, "1.5", true, "15");
    row("input method full-width", "", none, "１２", true, "");
    row("input method digits", "", none, "3500", true, "3500");
}

void TestIncomeTab::thresholdKeyFilter() {
    QFETCH(QString, start);
    QFETCH(QList<int>, keys);
    QFETCH(QString, typed);
    QFETCH(bool, inputMethod);
    Fixture f(1);
    QLineEdit* edit = f.ui.EdtFirstStep;
    paste(edit, start);
    edit->setFocus();
    for (int key : keys)
        QTest::keyClick(edit, Qt::Key(key));
    if (inputMethod) {
        QInputMethodEvent commit;
        commit.setCommitString(typed);
        QCoreApplication::sendEvent(edit, &commit);
    } else {
        QTest::keyClicks(edit, typed);
    }
    QTEST(edit->text(), "expected");
    // The income field has no such filter.
    QTest::keyClicks(f.ui.EdtSalary, QStringLiteral("-1.5"));
    QCOMPARE(f.ui.EdtSalary->text(), QStringLiteral("-1.5"));
}

QTEST_MAIN(TestIncomeTab)
#include "tst_incometab.moc"
