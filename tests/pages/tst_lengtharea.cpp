// The length and area pages: their conversion results and their rows.
#include "PageTestSupport.h"

using namespace pagetest;

namespace {

// Rows as Session::describeRows() gives them.
const char kLengthRows[] = R"(
[center,colspan=4]长度转换换算器
公里(km) ; =mKilometer/15 ; 米(m) ; =mMeter/15
分米(dm) ; =mDecimeter/15 ; 厘米(cm) ; =mCentimeter/15
毫米(mm) ; =mMillimeter/15 ; 微米(um) ; =mMicronmeter/15
里 ; =mLimeter/15 ; 丈 ; =mZhangmeter/15
尺 ; =mChimeter/15 ; 寸 ; =mCunmeter/15
分 ; =mFenmeter/15 ; 厘 ; =mmLimeter/15
海里(nmi) ; =nautMile/15 ; 英寻 ; =nautFathom/15
英里(mi) ; =engMile/15 ; 弗隆(fur) ; =engFurlong/15
码(yd) ; =engYard/15 ; 英尺(ft) ; =engFoot/15
英寸(in) ; =engInch/15 ; [right,colspan=2]reset:res7/数据重置
)";

const char kAreaRows[] = R"(
[center,colspan=4]面积转换换算器
平方公里{(km<sup>2</sup>)} ; =mSquare_kilometer/15 ; 公顷{(ha)} ; =mHectare/15
市亩 ; =mAre/15 ; 平方米{(m<sup>2</sup>)} ; =mSquare_meter/15
平方分米{(dm<sup>2</sup>)} ; =mSquare_decimeter/15 ; 平方厘米{(cm<sup>2</sup>)} ; =mSquare_centimeter/15
平方毫米{(mm<sup>2</sup>)} ; =mSquare_millimeter/15 ; 平方英里{(sq mi)} ; =engSquare_mile/15
英亩 ; =engAcre/15 ; 平方竿{(sq rd)} ; =usSquare_rod/15
平方码{(sq yd)} ; =engSquare_yard/15 ; 平方英尺{(sq ft)} ; =engSquare_foot/15
平方英寸{(sq in)} ; =engSquare_inch/15 ; [right,colspan=2]reset:res7/数据重置
)";

} // namespace

class TestLengthArea : public QObject {
    Q_OBJECT

    Session s;

private slots:
    void cleanup() { QCOMPARE(s.leftovers(), QStringList()); }
    void cleanupTestCase() { s.end(); }

    // Fields as they show 1 entered in `field`.
    void results_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("expected");
        row("length 1 mile", "changdu.html", "engMile",
            "mKilometer=1.609344;mMeter=1609.344;mDecimeter=16093.44;mCentimeter=160934.4;"
            "mMillimeter=1609344;mMicronmeter=1609344000.0000002;mLimeter=3.218688;"
            "mZhangmeter=482.8032;mChimeter=4828.032;mCunmeter=48280.32;mFenmeter=482803.2;"
            "mmLimeter=4828032;engFoot=5280;engMile=1;engFurlong=8;engYard=1760;engInch=63360;"
            "nautMile=0.8689762;nautFathom=880");
        row("length 1 metre", "changdu.html", "mMeter",
            "mMeter=1;mLimeter=0.002;mZhangmeter=0.3;mChimeter=3;mCunmeter=30;engFoot=3.2808399;"
            "engMile=0.0006214;engFurlong=0.004971;engYard=1.0936133;engInch=39.3700787;"
            "nautMile=0.00054;nautFathom=0.5468066");
        // The yard's factor 3 * 0.3048 is 0.9144000000000001 in doubles.
        row("length 1 yard", "changdu.html", "engYard",
            "mMeter=0.9144000;mDecimeter=9.144;mCentimeter=91.4400000;mMillimeter=914.4000000;"
            "engFoot=3;engYard=1;engInch=36;nautFathom=0.5");
        row("length 1 chi", "changdu.html", "mChimeter",
            "mMeter=0.3333333;mZhangmeter=0.1;mChimeter=1;mCunmeter=10;mFenmeter=100;"
            "mmLimeter=1000");
        row("area 1 hectare", "mianji.html", "mHectare",
            "mHectare=1;mSquare_meter=10000;mAre=15;engSquare_foot=107639.1041671;"
            "engAcre=2.4710538");
        row("area 1 acre", "mianji.html", "engAcre",
            "mSquare_meter=4046.8564224;mAre=6.0702846;engSquare_foot=43560.0000000;"
            "engSquare_yard=4840;usSquare_rod=160;engAcre=1;engSquare_mile=0.0015625;"
            "engSquare_inch=6272640");
        row("area 1 square metre", "mianji.html", "mSquare_meter",
            "mSquare_kilometer=0.000001;mSquare_meter=1;mAre=0.0015;engSquare_mile=3.8610216e-7");
        row("area 1 square mile", "mianji.html", "engSquare_mile",
            "mSquare_kilometer=2.5899881;engAcre=640;engSquare_mile=1;"
            "engSquare_inch=4014489599.9999995");
    }
    void results() {
        QFETCH(QString, page);
        QFETCH(QString, field);
        QFETCH(QString, expected);
        QVERIFY(s.open(page));
        QCOMPARE(s.results(field, "1", expected), pairList(expected));
    }

    void layout_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("rows");
        row("length", "changdu.html", lines(kLengthRows));
        row("area", "mianji.html", lines(kAreaRows));
    }
    void layout() {
        QFETCH(QString, page);
        QVERIFY(s.open(page));
        QTEST(s.describeRows(), "rows");
    }
};

QTEST_MAIN(TestLengthArea)
#include "tst_lengtharea.moc"
