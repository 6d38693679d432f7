// The health tab driven as a user drives it: the boxes and what each failure leaves alone, the
// hint panel and the clear button. The checks, the index and the verdicts are covered by the
// calc tests; a few rows here show the label texts.
#include "AppTestSupport.h"

namespace {
const QString kNoHeight = QStringLiteral("请输入您的身高！");
const QString kNoWeight = QStringLiteral("请输入您的体重！");

const QString kHeavy = QStringLiteral("你太重了!");
const QString kStandard = QStringLiteral("你的体重很标准，继续保持哦");

void calculate(Fixture& f, const QString& height, const QString& weight) {
    enter(f.ui.EdtHeight, height);
    enter(f.ui.EdtWeight, weight);
    click(f.ui.Button1);
}
} // namespace

class TestHealthTab : public QObject {
    Q_OBJECT
private slots:
    void results_data();
    void results();
    void failures_data();
    void failures();
    void clearAndPanel();
};

void TestHealthTab::results_data() {
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("weight");
    QTest::addColumn<QString>("index");
    QTest::addColumn<QString>("verdict");
    row("175 70", "175", "70", "23", kStandard);
    row("180 100", "180", "100", "31", kHeavy);
}

void TestHealthTab::results() {
    QFETCH(QString, height);
    QFETCH(QString, weight);
    Fixture f(3);
    calculate(f, height, weight);
    QCOMPARE(f.boxes.boxes.size(), 0);
    QVERIFY(!f.ui.PnlRet3->isHidden());
    QTEST(f.ui.LabJiankang->text(), "index");
    QTEST(f.ui.LabShuoming->text(), "verdict");
}

void TestHealthTab::failures_data() {
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("weight");
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("text");
    const int msg = RecordingDialogs::Message, err = RecordingDialogs::AppError;
    row("height empty", "", "60", msg, kNoHeight);
    // Past the checks the panel (and with it the hint) shows, then the calculation fails.
    row("height 0", "0", "60", err, "Floating point division by zero");
}

void TestHealthTab::failures() {
    QFETCH(QString, height);
    QFETCH(QString, weight);
    QFETCH(int, box);
    QFETCH(QString, text);
    const auto kindOfBox = RecordingDialogs::Kind(box);
    Fixture f(3);
    calculate(f, height, weight);
    QCOMPARE(f.boxes.texts(kindOfBox), QStringList{text});
    QCOMPARE(f.boxes.boxes.size(), 1);
    QCOMPARE(f.ui.PnlRet3->isHidden(), kindOfBox == RecordingDialogs::Message);
    QCOMPARE(f.ui.Memo1->isVisible(), kindOfBox == RecordingDialogs::AppError);
    QCOMPARE(f.ui.LabJiankang->text(), QStringLiteral("0"));
    QCOMPARE(f.ui.LabShuoming->text(), QStringLiteral("."));
    QCOMPARE(f.ui.EdtHeight->text(), height);
    QCOMPARE(f.ui.EdtWeight->text(), weight);

    calculate(f, QStringLiteral("175"), QStringLiteral("70"));
    QCOMPARE(f.ui.LabJiankang->text(), QStringLiteral("23"));
    calculate(f, height, weight);
    QCOMPARE(f.boxes.texts(kindOfBox), (QStringList{text, text}));
    QCOMPARE(f.boxes.boxes.size(), 2);
    QCOMPARE(f.ui.LabJiankang->text(), QStringLiteral("23"));
    QCOMPARE(f.ui.LabShuoming->text(), kStandard);
    QVERIFY(!f.ui.PnlRet3->isHidden());
}

void TestHealthTab::clearAndPanel() {
    Fixture f(3);
    QVERIFY(f.ui.PnlRet3->isHidden());
    QVERIFY(!f.ui.Memo1->isVisible()); // the hint shows only with the first result
    choose(f.ui.RzComboBox4, 1);
    QCOMPARE(f.ui.RzComboBox4->currentText(), QStringLiteral("女"));
    calculate(f, QStringLiteral("180"), QStringLiteral("100")); // the sex does not count
    QCOMPARE(f.ui.LabJiankang->text(), QStringLiteral("31"));
    QVERIFY(f.ui.Memo1->isVisible());

    click(f.ui.Button2);
    QCOMPARE(f.ui.EdtHeight->text(), QString());
    QCOMPARE(f.ui.EdtWeight->text(), QString());
    QCOMPARE(f.ui.RzComboBox4->currentIndex(), 1);
    QVERIFY(!f.ui.PnlRet3->isHidden());
    QCOMPARE(f.ui.LabJiankang->text(), QStringLiteral("31"));
    QCOMPARE(f.ui.LabShuoming->text(), kHeavy);

    click(f.ui.Button1);
    QTest::keyClicks(f.ui.EdtHeight, QStringLiteral("170"));
    click(f.ui.Button1);
    QCOMPARE(f.boxes.texts(RecordingDialogs::Message), (QStringList{kNoHeight, kNoWeight}));
    QVERIFY(!f.ui.PnlRet3->isHidden());
}

QTEST_MAIN(TestHealthTab)
#include "tst_healthtab.moc"
