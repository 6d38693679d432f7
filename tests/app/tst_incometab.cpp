// The income tax tab driven as a user drives it: the boxes and what each failure leaves alone,
// the threshold row per kind, the clear button and the threshold's key filter. The checks and
// the tax rules are covered by the calc tests; a few rows here show the label texts.
#include "AppTestSupport.h"

#include <QInputMethodEvent>
#include <QRegularExpression>

namespace {
const QString kNoIncome = QStringLiteral("请输入收入金额！");
const QString kNoThreshold = QStringLiteral("所得税起征金额不能为空！");
const QString keep; // threshold left at its initial "2000"

// Fills the tab (threshold, kind, income) and presses "计 算". The threshold shows for wages
// only, so a new one is entered with wages chosen; digits are typed, anything else pasted.
void calculate(Fixture& f, int kind, const QString& income, const QString& threshold) {
    if (!threshold.isNull() && threshold != f.ui.EdtFirstStep->text()) {
        choose(f.ui.CbSuodeshui, 0);
        if (QRegularExpression(QStringLiteral("^[0-9]*$")).match(threshold).hasMatch())
            retype(f.ui.EdtFirstStep, threshold);
        else
            paste(f.ui.EdtFirstStep, threshold);
    }
    choose(f.ui.CbSuodeshui, kind);
    QCOMPARE(f.ui.CbSuodeshui->currentIndex(), kind);
    enter(f.ui.EdtSalary, income);
    click(f.ui.BtnCalc1);
}

QStringList shown(const Ui::Frm& ui) {
    return {ui.LabShui->text(), ui.LabShuihou->text()};
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
    QTest::addColumn<QStringList>("expected");
    using L = QStringList;
    row("wages 5000", 0, "5000", keep, L{"325 元", "4675 元"});
    row("wages, typed threshold", 0, "5000", "3500", L{"125 元", "4875 元"});
}

void TestIncomeTab::results() {
    QFETCH(int, kind);
    QFETCH(QString, income);
    QFETCH(QString, threshold);
    Fixture f(1);
    calculate(f, kind, income, threshold);
    QCOMPARE(f.boxes.boxes.size(), 0);
    QVERIFY(!f.ui.PnlRet1->isHidden());
    QTEST(shown(f.ui), "expected");
}

void TestIncomeTab::failures_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("income");
    QTest::addColumn<QString>("threshold");
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("text");
    const int msg = RecordingDialogs::Message, err = RecordingDialogs::AppError;
    row("income empty", 0, "", "2000", msg, kNoIncome);
    row("threshold abc", 0, "5000", "abc", err, "'abc' is not a valid floating point value");
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
    QCOMPARE(shown(f.ui), (QStringList{"0.00", "0.00"}));
    QCOMPARE(f.ui.EdtSalary->text(), income);
    QCOMPARE(f.ui.EdtFirstStep->text(), threshold);

    // After a good calculation of the same kind the failure leaves its results alone.
    calculate(f, kind, QStringLiteral("5000"), QStringLiteral("2000"));
    const QStringList good = shown(f.ui);
    QVERIFY(good.first() != QStringLiteral("0.00"));
    calculate(f, kind, income, threshold);
    QCOMPARE(f.boxes.texts(kindOfBox), (QStringList{text, text}));
    QCOMPARE(f.boxes.boxes.size(), 2);
    QCOMPARE(shown(f.ui), good);
    QVERIFY(!f.ui.PnlRet1->isHidden());
}

void TestIncomeTab::clearAndPanel() {
    Fixture f(1);
    click(f.ui.BtnZero1);
    QVERIFY(f.ui.PnlRet1->isHidden());
    QCOMPARE(f.ui.EdtFirstStep->text(), QString()); // emptied, not restored to "2000"
    calculate(f, 0, QStringLiteral("5000"), QStringLiteral("2000"));

    choose(f.ui.CbSuodeshui, 3);
    click(f.ui.BtnZero1);
    QCOMPARE(f.ui.EdtSalary->text(), QString());
    QCOMPARE(f.ui.EdtFirstStep->text(), QString());
    QCOMPARE(f.ui.CbSuodeshui->currentIndex(), 3);
    QVERIFY(f.ui.EdtFirstStep->isHidden());
    QVERIFY(!f.ui.PnlRet1->isHidden());
    QCOMPARE(shown(f.ui), (QStringList{"325 元", "4675 元"}));

    click(f.ui.BtnCalc1);
    QTest::keyClicks(f.ui.EdtSalary, QStringLiteral("5000"));
    click(f.ui.BtnCalc1); // the hidden, emptied threshold stops every kind
    QCOMPARE(f.boxes.texts(RecordingDialogs::Message), (QStringList{kNoIncome, kNoThreshold}));
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
    const QList<QWidget*> thresholdRow{f.ui.LabDangdi, f.ui.EdtFirstStep, f.ui.LabYuan1,
                                       f.ui.Lab2000};
    // Hidden row and button row, as one signature.
    const auto state = [&] {
        QString s;
        for (QWidget* w : thresholdRow)
            s += w->isHidden() ? 'h' : 'v';
        return s + QStringLiteral(" %1 %2,%3 %4,%5 %6")
                       .arg(f.ui.Label2->isHidden() ? 'h' : 'v')
                       .arg(f.ui.BtnCalc1->x())
                       .arg(f.ui.BtnCalc1->y())
                       .arg(f.ui.BtnZero1->x())
                       .arg(f.ui.BtnZero1->y())
                       .arg(f.ui.EdtFirstStep->text());
    };
    choose(f.ui.CbSuodeshui, kind);
    QCOMPARE(state(), QStringLiteral("hhhh v 161,148 252,148 3500"));
    QCOMPARE(f.ui.LabShui->text(), QStringLiteral("125 元")); // nothing recomputed
    choose(f.ui.CbSuodeshui, 0);
    QCOMPARE(state(), QStringLiteral("vvvv v 161,198 252,198 3500"));
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
