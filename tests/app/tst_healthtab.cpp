// The health tab driven as a user drives it: the order of its checks, what each failure leaves
// alone, the hint panel and the clear button. The index and verdict rules are covered by the calc
// tests; a few rows here show the label texts.
#include "RecordingDialogs.h"

namespace {
const QString kNoHeight = QStringLiteral("请输入您的身高！");
const QString kHeightNaN = QStringLiteral("身高必须为数字！");
const QString kNoWeight = QStringLiteral("请输入您的体重！");
const QString kWeightNaN = QStringLiteral("体重必须为数字！");
const QString kOverflow = QStringLiteral("Floating point overflow");

const QString kJoking = QStringLiteral("你在开玩笑吧!!!哪有这种身材");
const QString kHeavy = QStringLiteral("你太重了!");
const QString kPlump = QStringLiteral("你已经有些发福了，要多运动哦");
const QString kStandard = QStringLiteral("你的体重很标准，继续保持哦");
const QString kImpossible = QStringLiteral("你在开玩笑吧!不可能存在的哦");

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
    row("tie 28.5 to even", "100", "28.5", "28", kPlump);
    row("38.6", "100", "38.6", "39", kJoking);
    row("negative weight", "170", "-60", "-21", kImpossible);
    row("blanks and exponent", " 1.75e2 ", "+70", "23", kStandard);
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
    row("both empty", "", "", msg, kNoHeight);
    row("height blanks", "  ", "60", msg, kHeightNaN);
    row("height with unit", "170cm", "60", msg, kHeightNaN);
    row("bad height before empty weight", "abc", "", msg, kHeightNaN);
    row("weight empty", "170", "", msg, kNoWeight);
    row("weight blanks", "170", "   ", msg, kWeightNaN);
    row("weight full-width", "170", "６０", msg, kWeightNaN);
    // These pass the checks: the panel (and with it the hint) shows, then the calculation fails.
    row("height 0", "0", "60", err, "Floating point division by zero");
    row("height and weight 0", "0", "0", err, "Invalid floating point operation");
    row("height 1e400", "1e400", "60", err, kOverflow);
    row("index beyond 32 bits", "0.001", "1000", err, kOverflow);
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
