// The deposit interest tab driven as a user drives it: the boxes and what each failure leaves
// alone, the term list and the clear button. The checks and the interest rules are covered by
// the calc tests; a few rows here show the label texts.
#include "AppTestSupport.h"

namespace {
const QString kNoAmount = QStringLiteral("请输入存款金额！");
const QString kNoRate = QStringLiteral("请输入存款利率！");
const QString kOverflow = QStringLiteral("Floating point overflow");
const QString keep; // rate as the term filled it in

// Interest, interest tax, total.
QStringList shown(const Ui::Frm& ui) {
    return {ui.LabLixi->text(), ui.LabLixirui->text(), ui.LabHeji->text()};
}

void calculate(Fixture& f, const QString& amount, const QString& rate) {
    if (!rate.isNull())
        enter(f.ui.EdtRat, rate);
    enter(f.ui.EdtAmt, amount);
    click(f.ui.Button3);
}
} // namespace

class TestDepositTab : public QObject {
    Q_OBJECT
private slots:
    void results_data();
    void results();
    void failures_data();
    void failures();
    void termChoice_data();
    void termChoice();
    void clearAndPanel();
};

void TestDepositTab::results_data() {
    QTest::addColumn<int>("term"); // -1: the initial "三个月"
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QStringList>("expected");
    using L = QStringList;
    row("default term", -1, keep, "10000", L{"42.75", "0", "10042.75"});
    row("five years", 5, keep, "10000", L{"1800", "0", "11800"});
}

void TestDepositTab::results() {
    QFETCH(int, term);
    QFETCH(QString, rate);
    QFETCH(QString, amount);
    Fixture f(2);
    if (term >= 0)
        choose(f.ui.CbTime, term);
    calculate(f, amount, rate);
    QCOMPARE(f.boxes.boxes.size(), 0);
    QVERIFY(!f.ui.PnlRet2->isHidden());
    QTEST(shown(f.ui), "expected");
}

void TestDepositTab::failures_data() {
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("text");
    const int msg = RecordingDialogs::Message, err = RecordingDialogs::AppError;
    row("amount empty", "", "1.7100", msg, kNoAmount);
    // Past the checks the panel shows, then the calculation fails.
    row("amount 1e400", "1e400", "1.7100", err, kOverflow);
}

void TestDepositTab::failures() {
    QFETCH(QString, amount);
    QFETCH(QString, rate);
    QFETCH(int, box);
    QFETCH(QString, text);
    const auto kindOfBox = RecordingDialogs::Kind(box);
    Fixture f(2);
    calculate(f, amount, rate);
    QCOMPARE(f.boxes.texts(kindOfBox), QStringList{text});
    QCOMPARE(f.boxes.boxes.size(), 1);
    QCOMPARE(f.ui.PnlRet2->isHidden(), kindOfBox == RecordingDialogs::Message);
    QCOMPARE(shown(f.ui), (QStringList{"0", "0", "0"}));
    QCOMPARE(f.ui.EdtAmt->text(), amount);
    QCOMPARE(f.ui.EdtRat->text(), rate);

    calculate(f, QStringLiteral("10000"), QStringLiteral("1.71"));
    QCOMPARE(shown(f.ui), (QStringList{"42.75", "0", "10042.75"}));
    calculate(f, amount, rate);
    QCOMPARE(f.boxes.texts(kindOfBox), (QStringList{text, text}));
    QCOMPARE(f.boxes.boxes.size(), 2);
    QCOMPARE(shown(f.ui), (QStringList{"42.75", "0", "10042.75"}));
    QVERIFY(!f.ui.PnlRet2->isHidden());
}

void TestDepositTab::termChoice_data() {
    QTest::addColumn<int>("term");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<int>("months");
    QTest::addColumn<QString>("interestAt3"); // on 1000 at a typed 3 %
    row("3 months", 0, "三个月", "1.7100", 3, "7.5");
    row("6 months", 1, "六个月", "1.9800", 6, "15");
    row("1 year", 2, "一年", "2.2500", 12, "30");
    row("2 years", 3, "两年", "2.7900", 24, "60");
    row("3 years", 4, "三年", "3.3300", 36, "90");
    row("5 years", 5, "五年", "3.6000", 60, "150");
}

void TestDepositTab::termChoice() {
    QFETCH(int, term);
    QFETCH(int, months);
    Fixture f(2);
    choose(f.ui.CbTime, term == 5 ? 0 : 5); // start elsewhere, so the choice is a change
    retype(f.ui.EdtRat, QStringLiteral("3"));
    retype(f.ui.EdtAmt, QStringLiteral("1000"));
    choose(f.ui.CbTime, term);
    QTEST(f.ui.CbTime->currentText(), "caption");
    QTEST(f.ui.EdtRat->text(), "rate"); // the typed rate is overwritten
    QCOMPARE(f.frm.termMonths(), months);
    QCOMPARE(f.ui.EdtAmt->text(), QStringLiteral("1000"));
    QVERIFY(f.ui.PnlRet2->isHidden()); // choosing computes nothing

    // A typed rate goes with the chosen term; the deposit kind does not count.
    choose(f.ui.RzComboBox2, 1);
    QCOMPARE(f.ui.RzComboBox2->currentText(), QStringLiteral("活期存款"));
    calculate(f, QStringLiteral("1000"), QStringLiteral("3"));
    QTEST(f.ui.LabLixi->text(), "interestAt3");
    QCOMPARE(f.frm.termMonths(), months);
}

void TestDepositTab::clearAndPanel() {
    Fixture f(2);
    click(f.ui.Button4);
    QCOMPARE(f.ui.EdtRat->text(), QString()); // not refilled with the term's rate
    QVERIFY(f.ui.PnlRet2->isHidden());

    choose(f.ui.CbTime, 2);
    calculate(f, QStringLiteral("10000"), keep);
    click(f.ui.Button4);
    QCOMPARE(f.ui.EdtAmt->text(), QString());
    QCOMPARE(f.ui.EdtRat->text(), QString());
    QCOMPARE(f.ui.CbTime->currentIndex(), 2);
    QCOMPARE(f.frm.termMonths(), 12);
    QVERIFY(!f.ui.PnlRet2->isHidden());
    QCOMPARE(shown(f.ui), (QStringList{"225", "0", "10225"}));

    click(f.ui.Button3);
    calculate(f, QStringLiteral("20000"), keep);
    QCOMPARE(f.boxes.texts(RecordingDialogs::Message), (QStringList{kNoAmount, kNoRate}));
    calculate(f, QStringLiteral("20000"), QStringLiteral("2.25")); // still a year
    QCOMPARE(shown(f.ui), (QStringList{"450", "0", "20450"}));
    QCOMPARE(f.boxes.boxes.size(), 2);
}

QTEST_MAIN(TestDepositTab)
#include "tst_deposittab.moc"
