// The health tab driven as a user drives it: type height and weight, press the buttons.
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
const QString kThin = QStringLiteral("有些偏瘦了，要多注意营养啊！");
const QString kTooThin = QStringLiteral("太瘦了！！！");
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
    row("170 60", "170", "60", "21", kStandard);
    row("160 60 rounds down", "160", "60", "23", kStandard);
    row("180 100", "180", "100", "31", kHeavy);
    row("170 200", "170", "200", "69", kJoking);
    row("170 30", "170", "30", "10", kImpossible);
    row("170 20", "170", "20", "7", kImpossible);
    row("tie 22.5 to even", "100", "22.5", "22", kStandard);
    row("tie 28.5 to even", "100", "28.5", "28", kPlump);
    row("tie 23.5 to even", "100", "23.5", "24", kPlump);
    row("tie 19.5 to even", "100", "19.5", "20", kStandard);
    row("tie 10.5 to even", "100", "10.5", "10", kImpossible);
    row("38.4", "100", "38.4", "38", kHeavy);
    row("38.6", "100", "38.6", "39", kJoking);
    row("29", "100", "29", "29", kHeavy);
    row("24", "100", "24", "24", kPlump);
    row("15", "100", "15", "15", kThin);
    row("14", "100", "14", "14", kTooThin);
    row("11", "100", "11", "11", kTooThin);
    row("height in metres", "1.7", "60", "207612", kJoking);
    row("weight 0", "150", "0", "0", kImpossible);
    row("negative height", "-170", "60", "21", kStandard);
    row("negative weight", "170", "-60", "-21", kImpossible);
    row("blanks and exponent", " 1.75e2 ", "+70", "23", kStandard);
    row("largest 32-bit index", "1", "214748.3647", "2147483647", kJoking);
    row("smallest 32-bit index", "1", "-214748.3648", "-2147483648", kImpossible);
    row("huge height", "1e200", "60", "0", kImpossible);
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
    row("height 1,75", "1,75", "60", msg, kHeightNaN);
    row("height 1.2.3", "1.2.3", "60", msg, kHeightNaN);
    row("height 0x10", "0x10", "60", msg, kHeightNaN);
    row("height with unit", "170cm", "60", msg, kHeightNaN);
    row("height 10000 letters", QString(10000, 'x'), "60", msg, kHeightNaN);
    row("bad height before empty weight", "abc", "", msg, kHeightNaN);
    row("weight empty", "170", "", msg, kNoWeight);
    row("weight blanks", "170", "   ", msg, kWeightNaN);
    row("weight 1,000", "170", "1,000", msg, kWeightNaN);
    row("weight 0x10", "170", "0x10", msg, kWeightNaN);
    row("weight full-width", "170", "６０", msg, kWeightNaN);
    // These pass the checks: the panel (and with it the hint) shows, then the calculation fails.
    row("height 0", "0", "60", err, "Floating point division by zero");
    row("height and weight 0", "0", "0", err, "Invalid floating point operation");
    row("height 1e400", "1e400", "60", err, kOverflow);
    row("weight 1e400", "170", "1e400", err, kOverflow);
    row("weight -1e5000", "170", "-1e5000", err, kOverflow);
    row("weight 10000 digits", "170", QString(10000, '7'), err, kOverflow);
    row("index beyond 32 bits", "0.001", "1000", err, kOverflow);
    row("index 2^31", "1", "214748.3648", err, kOverflow);
    row("index below -2^31", "1", "-214748.3649", err, kOverflow);
    row("index 6E405", "1e-200", "60", err, kOverflow);
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
