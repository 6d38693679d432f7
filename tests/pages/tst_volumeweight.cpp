// The volume and weight pages: their conversion results and their rows, with the section
// rows that group their units.
#include "PageTestSupport.h"

using namespace pagetest;

namespace {

// Rows as Session::describeRows() gives them.
const char kVolumeRows[] = R"(
[center,colspan=4]体积和容量计量单位换算器
[center,colspan=4]bold:〖公&nbsp;&nbsp;&nbsp;制〗
立方米{(m<sup>3</sup>)} ; =mCubic_meter/12 ; 公石{(hl)} ; =mHectoliter/12
十升{(dal)} ; =mDekaliter/12 ; 立方分米<br>{(dm<sup>3</sup>)}=升{(l)} ; =mLiter/12
分升{(dl)} ; =mDeciliter/12 ; 厘升{(cl)} ; =mCentiliter/12
立方厘米<br>{(cm<sup>3</sup>)}=毫升{(ml)} ; =mMilliliter/12 ; 立方毫米<br>{(mm<sup>3</sup>)} ; =mCubic_millimeter/12
[center,colspan=4]bold:〖美制干量〗
桶 ; =usdBarrel/12 ; 蒲式耳{(bu)} ; =usdBushel/12
配克{(pk)} ; =usdPeck/12 ; 夸脱{(qt)} ; =usdQuart/12
品脱{(pt)} ; =usdPint/12 ; empty
[center,colspan=4]bold:〖英制液量和干量〗
桶 ; =briBarrel/12 ; 蒲式耳 ; =briBushel/12
加仑{(bal)} ; =briGallon/12 Go! ; 品脱{(pt)} ; =briPint/12
液量盎司{(fl oz)} ; =briFluid_ounce/12 ; empty
[center,colspan=4]bold:〖公制烹调制式〗
汤勺<br>{(Table spoon)} ; =mcTable_spoon/12 ; 调羹<br>{(Tea spoon)} ; =mcTea_spoon/12
[center,colspan=4]bold:〖美制烹调制式〗
汤勺{(Tbs)} ; =uscTable_spoon/12 ; 调羹{(tsp)} ; =uscTea_spoon/12
杯{(fl oz)} ; =uscCup/12 ; empty
[center,colspan=4]bold:〖美制液量〗
桶{[42加仑]} ; =uslBarrel/12 ; 加仑{(gal)} ; =uslGallon/12
夸脱{(qt)} ; =uslQuart/12 ; 品脱{(pt)} ; =uslPint/12
及耳{(gi)} ; =uslGill/12 ; 液量盎司{(fl oz)} ; =uslFluid_ounce/12
液量打兰{(fl dr)} ; =uslFluid_dram/12 ; 量滴{(min)} ; =uslMinim/12
[center,colspan=4]bold:〖美英同制体积计量〗
亩英尺 ; =uscAcre_foot/12 ; 立方码 ; =uscCubic_yard/12
立方英尺 ; =uscCubic_foot/12 ; 立方英寸 ; =uscCubic_inch/12
[center,colspan=4]reset:res7/数据重置
)";

const char kWeightRows[] = R"(
[center,colspan=4]重量转换换算器
[center,colspan=4]bold:〖公&nbsp;&nbsp;&nbsp;制〗
吨 ; =mTon/12 ; 公斤{(kg)} ; =mKilogram/12
克{(g)} ; =mGram/12 ; 毫克{(mg)} ; =mMilligram/12
[center,colspan=4]bold:〖市&nbsp;&nbsp;&nbsp;制〗
市斤 ; =cJin/12 ; 担 ; =cDan/12
两 ; =cLiang/12 ; 钱 ; =cQian/12
[center,colspan=4]bold:〖金&nbsp;&nbsp;衡&nbsp;&nbsp;制〗
金衡磅{(lb&nbsp;t)} ; =troyPound/12 ; 金衡盎司{(oz&nbsp;t)} ; =troyOunce/12
英钱{(dwt)} ; =troyDWT/12 ; 金衡格令 ; =troyGrain/12
[center,colspan=4]bold:〖常&nbsp;&nbsp;衡&nbsp;&nbsp;制〗
(英制)长吨 ; =briTon/12 ; (美制)短吨 ; =usTon/12
英担{(cwt)} ; =briCWT/12 ; 美担{(cwt)} ; =usCWT/12
英石 ; =briStone/12 ; 磅{(lb)} ; =avdpPound/12
盎司{(oz)} ; =avdpOunce/12 ; 打兰{(dr)} ; =avdpDram/12
格令 ; =avdpGrain/12 ; [right,colspan=2]reset:res7/数据重置
)";

} // namespace

class TestVolumeWeight : public QObject {
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
        row("volume 1 US gallon", "tiji.html", "uslGallon",
            "mLiter=3.7854118;mMilliliter=3785.411784;uscCubic_inch=231;uscAcre_foot=0.0000031;"
            "uslGallon=1;uslBarrel=0.0238095;uslQuart=4;uslPint=8;uslGill=32;uslFluid_ounce=128;"
            "uslFluid_dram=1024;uslMinim=61440.0000000;uscCup=16;uscTable_spoon=256;"
            "uscTea_spoon=768;briGallon=0.8326742");
        // The imperial gallon's button is captioned "Go!" and works like the others.
        row("volume 1 imperial gallon", "tiji.html", "briGallon",
            "mDekaliter=0.4546090;mLiter=4.54609;uslGallon=1.2009499;briGallon=1;"
            "briBarrel=0.0277778;briBushel=0.125;briPint=8;briFluid_ounce=160");
        row("volume 1 litre", "tiji.html", "mLiter",
            "mCubic_meter=0.001;mLiter=1;mMilliliter=1000;mcTable_spoon=66.6666667;"
            "mcTea_spoon=200;uscCubic_inch=61.0237441;uscAcre_foot=8.1071319e-7;"
            "uscCubic_foot=0.0353147;uslGallon=0.2641721;briGallon=0.2199692");
        row("volume 1 metric tablespoon", "tiji.html", "mcTable_spoon",
            "mMilliliter=15;mcTable_spoon=1;mcTea_spoon=3;uscTable_spoon=1.0144207");
        row("volume 1 minim", "tiji.html", "uslMinim",
            "mMilliliter=0.0616115;uslFluid_ounce=0.0020833;uslFluid_dram=0.0166667;uslMinim=1");
        row("volume 1 US bushel", "tiji.html", "usdBushel",
            "mLiter=35.2390702;uscCubic_inch=2150.42;usdBushel=1;usdPeck=4;usdQuart=32;"
            "usdPint=64");
        row("weight 1 jin", "weight.html", "cJin",
            "mKilogram=0.5;mGram=500;cJin=1;cDan=0.01;cLiang=10;cQian=100;avdpPound=1.1023113;"
            "avdpOunce=17.636981;troyOunce=16.0753733");
        row("weight 1 pound", "weight.html", "avdpPound",
            "mKilogram=0.4535924;mGram=453.59237;cJin=0.9071847;avdpPound=1;briStone=0.0714286;"
            "avdpOunce=16;avdpDram=256;avdpGrain=7000;troyGrain=7000");
        row("weight 1 troy ounce", "weight.html", "troyOunce",
            "mGram=31.1034768;avdpGrain=480;troyPound=0.0833333;troyOunce=1;troyDWT=20.0000000");
        row("weight 1 long ton", "weight.html", "briTon",
            "mKilogram=1016.0469088;avdpPound=2240;briTon=1;usTon=1.12;briCWT=20;"
            "usCWT=22.4000000;briStone=160");
        row("weight 1 tonne", "weight.html", "mTon",
            "mTon=1;cJin=2000;cDan=20;avdpPound=2204.6226218");
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
        row("volume", "tiji.html", lines(kVolumeRows));
        row("weight", "weight.html", lines(kWeightRows));
    }
    void layout() {
        QFETCH(QString, page);
        QVERIFY(s.open(page));
        QTEST(s.describeRows(), "rows");
    }
};

QTEST_MAIN(TestVolumeWeight)
#include "tst_volumeweight.moc"
