// The power page and the work, energy and heat page: their rows and the results their fields
// show.
#include "PageTestSupport.h"

using namespace pagetest;

namespace {

const QString kPower = QStringLiteral("gongl.html");
const QString kHeat = QStringLiteral("gongn.html");

// Rows as Session::describeRows() gives them.
const char kPowerRows[] = R"(
[center,colspan=4]功率计量单位换算器
瓦{(W)} ; =Watt/10 ; 千瓦{(kW)} ; =Kilowatt/10
英制马力{(HP)} ; =Horsepower/10 ; 米制马力{(PS)} ; =mHorsepower/10
公斤·米/秒{(kg·m/s)} ; =kgms/10 ; 千卡/秒{(kcal/s)} ; =kcals/10
英热单位/秒{(Btu/s)} ; =Btus/10 ; 英尺·磅/秒{(ft·lb/s)} ; =ftlbs/10
焦耳/秒{(J/s)} ; =Js/10 ; 牛顿·米/秒{(N·m/s)} ; =Nms/10
[center,colspan=4]reset:res7/数据重置
)";

const char kHeatRows[] = R"(
[center,colspan=4]功、能和热量转换换算器
焦耳{(J)} ; =Joule/12 ; 公斤·米{(kg·m)} ; =Kgm/12
米制马力·时<br>{(PS·h)} ; =Psh/12 ; 英制马力·时<br>{(HP·h)} ; =Hph/12
千瓦·时{(kW·h)} ; =Kwh/12 ; 千卡{(kcal)} ; =Kcal/12
英热单位{(Btu)} ; =Btu/12 ; 英尺·磅{(ft·lb)} ; =Ftlb/12
[center,colspan=4]reset:res7/数据重置
)";

} // namespace

class TestPowerEnergy : public QObject {
    Q_OBJECT

    Session s;

private slots:
    void cleanup() { QCOMPARE(s.leftovers(), QStringList()); }
    void cleanupTestCase() { s.end(); }

    void layout_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("rows");
        row("power", kPower, lines(kPowerRows));
        row("heat", kHeat, lines(kHeatRows));
    }
    void layout() {
        QFETCH(QString, page);
        QVERIFY(s.open(page));
        QTEST(s.describeRows(), "rows");
    }

    // 1 in a unit shows 1 again and, in the base unit's field, that unit's factor.
    void factorsInBaseUnit_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("expected");
        row("power", kPower, "Kilowatt",
            "Watt=0.001;Kilowatt=1;Horsepower=0.7457122;mHorsepower=0.7352941;kgms=0.0098039;"
            "kcals=4.1841004;Btus=1.0550749;ftlbs=0.0013557;Js=0.001;Nms=0.001");
        row("heat", kHeat, "Joule",
            "Joule=1;Kgm=9.8039216;Psh=2647603.9184538;Hph=2684563.7583893;Kwh=3599712.0230382;"
            "Kcal=4185.8518208;Btu=1055.0749103;Ftlb=1.3557484");
    }
    void factorsInBaseUnit() {
        QFETCH(QString, page);
        QFETCH(QString, base);
        QFETCH(QString, expected);
        QVERIFY(s.open(page));
        QCOMPARE(s.inBase(base, expected), pairList(expected));
    }

    // Fields as they show `entry` converted in `field`; the entered field is rewritten too.
    void results_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("expected");
        const char* oneWatt = "Watt=1;Kilowatt=0.001;Horsepower=0.001341;mHorsepower=0.0013600;"
                              "kgms=0.1020000;kcals=0.0002390;Btus=0.0009478;ftlbs=0.7376000;"
                              "Js=1;Nms=1";
        row("power 1 kW", kPower, "Kilowatt", "1",
            "Watt=1000;Kilowatt=1;Horsepower=1.341;mHorsepower=1.3600000;kgms=102.0000007;"
            "kcals=0.2390000;Btus=0.9478000;ftlbs=737.6000000;Js=1000;Nms=1000");
        row("power 1 W", kPower, "Watt", "1", oneWatt);
        row("power 1e-3 kW", kPower, "Kilowatt", "1e-3", oneWatt);
        row("power 1 HP", kPower, "Horsepower", "1",
            "Watt=745.712172;Kilowatt=0.7457122;Horsepower=1;mHorsepower=1.0141686;"
            "kgms=76.0626421;kcals=0.1782252;Btus=0.706786;ftlbs=550.0372981;Js=745.712172;"
            "Nms=745.712172");
        row("power -2 kW", kPower, "Kilowatt", "-2",
            "Kilowatt=-2;Horsepower=-2.6819999;mHorsepower=-2.7200001;ftlbs=-1475.2000000;"
            "Watt=-2000");
        row("heat 1 J", kHeat, "Joule", "1",
            "Joule=1;Kgm=0.102;Psh=3.777e-7;Hph=3.725e-7;Kwh=2.778e-7;Kcal=0.0002389;"
            "Btu=0.0009478;Ftlb=0.7376000");
        row("heat 1 kWh", kHeat, "Kwh", "1",
            "Joule=3599712.0230382;Kgm=367170.6262985;Psh=1.3596112;Hph=1.3408927;Kwh=1;"
            "Kcal=859.9712023;Btu=3411.8070555;Ftlb=2655147.5881968");
        row("heat 1 kcal", kHeat, "Kcal", "1",
            "Joule=4185.8518208;Kgm=426.9568857;Psh=0.001581;Hph=0.0015592;Kwh=0.0011628;"
            "Kcal=1;Btu=3.9673504;Ftlb=3087.4843031");
        row("heat 1000 J", kHeat, "Joule", "1000",
            "Joule=1000;Kgm=102;Kcal=0.2389;Btu=0.9478000;Ftlb=737.6000000;Kwh=0.0002778");
    }
    void results() {
        QFETCH(QString, page);
        QFETCH(QString, field);
        QFETCH(QString, entry);
        QFETCH(QString, expected);
        QVERIFY(s.open(page));
        QCOMPARE(s.results(field, entry, expected), pairList(expected));
    }

    // Joule per second and newton metre per second are the watt under other names.
    void wattAliasesShowTheWattText_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("entry");
        const char* rows[][2] = {{"Kilowatt", "3.7"},
                                 {"Horsepower", "0.123456789"},
                                 {"mHorsepower", "-42"},
                                 {"kcals", "7e-9"},
                                 {"Btus", "1e25"},
                                 {"ftlbs", "1234567.891"},
                                 {"kgms", "0.30000000000000004"},
                                 {"Watt", "9.99999999e-7"}};
        for (const auto& r : rows)
            QTest::addRow("%s %s", r[0], r[1]) << r[0] << r[1];
    }
    void wattAliasesShowTheWattText() {
        QFETCH(QString, field);
        QFETCH(QString, entry);
        QVERIFY(s.open(kPower));
        const Fields shown = s.convert(field, entry);
        QVERIFY(!shown.value("Watt").isEmpty());
        QCOMPARE(QStringList({shown.value("Js"), shown.value("Nms")}),
                 QStringList(2, shown.value("Watt")));
    }
};

QTEST_MAIN(TestPowerEnergy)
#include "tst_powerenergy.moc"
