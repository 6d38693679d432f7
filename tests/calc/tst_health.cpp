// The whole-number body-mass index, its verdicts, the checks of the tab's fields, and the
// heights and weights that fail.
#include "CalcTestSupport.h"
#include "FloatEnv.h"
#include "Health.h"

#include <climits>
#include <limits>

namespace {

const QString kStandard = QStringLiteral("你的体重很标准，继续保持哦");
const QString kPlump = QStringLiteral("你已经有些发福了，要多运动哦");
const QString kHeavy = QStringLiteral("你太重了!");
const QString kAbsurdHeavy = QStringLiteral("你在开玩笑吧!!!哪有这种身材");
const QString kThin = QStringLiteral("有些偏瘦了，要多注意营养啊！");
const QString kVeryThin = QStringLiteral("太瘦了！！！");
const QString kAbsurdLight = QStringLiteral("你在开玩笑吧!不可能存在的哦");

QString verdict(int index) {
    const std::string_view v = calc::healthVerdict(index);
    return QString::fromUtf8(v.data(), qsizetype(v.size()));
}

} // namespace

class TestHealth : public QObject {
    Q_OBJECT
private slots:
    void index_data();
    void index();
    void verdicts_data();
    void verdicts();
    void failures_data();
    void failures();
    void nonFinite_data();
    void nonFinite();
};

void TestHealth::index_data() {
    QTest::addColumn<QByteArray>("height");
    QTest::addColumn<QByteArray>("weight");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("verdict");

    const struct {
        const char* height;
        const char* weight;
        int index;
        const QString& verdict;
    } rows[] = {
        {"175", "70", 23, kStandard},
        {"170", "60", 21, kStandard},
        {"160", "60", 23, kStandard}, // 23.44
        {"180", "100", 31, kHeavy},
        {"170", "200", 69, kAbsurdHeavy},
        {"170", "30", 10, kAbsurdLight},
        {"170", "20", 7, kAbsurdLight},
        // Exact halves go to the even whole number.
        {"100", "22.5", 22, kStandard},
        {"100", "28.5", 28, kPlump},
        {"100", "23.5", 24, kPlump},
        {"100", "19.5", 20, kStandard},
        {"100", "10.5", 10, kAbsurdLight},
        {"100", "0.5", 0, kAbsurdLight},
        {"100", "1.5", 2, kAbsurdLight},
        {"100", "38.4", 38, kHeavy},
        {"100", "38.6", 39, kAbsurdHeavy},
        {"1.7", "60", 207612, kAbsurdHeavy}, // height in metres by mistake
        {"150", "0", 0, kAbsurdLight},
        {"-175", "70", 23, kStandard},
        {"175", "-70", -23, kAbsurdLight},
        {"100", "-22.5", -22, kAbsurdLight},
        // The ends of the 32-bit range.
        {"100", "2147483647", INT_MAX, kAbsurdHeavy},
        {"100", "-2147483648", INT_MIN, kAbsurdLight},
        {"100", "-2147483648.5", INT_MIN, kAbsurdLight},
        {"1", "214748.3647", INT_MAX, kAbsurdHeavy},
        {"1", "-214748.3648", INT_MIN, kAbsurdLight},
        {"1e200", "60", 0, kAbsurdLight},
        {" 1.75e2 ", "+70", 23, kStandard},
    };
    for (const auto& r : rows)
        QTest::addRow("%s cm, %s kg", r.height, r.weight)
            << QByteArray(r.height) << QByteArray(r.weight) << r.index << r.verdict;
}

void TestHealth::index() {
    QFETCH(QByteArray, height);
    QFETCH(QByteArray, weight);
    QFETCH(int, index);
    QFETCH(QString, verdict);

    QCOMPARE(shown(calc::healthOutcome(height.toStdString(), weight.toStdString())),
             QStringList({QString::number(index), verdict}));
}

void TestHealth::verdicts_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("verdict");

    const struct {
        int index;
        const QString& verdict;
    } rows[] = {
        {INT_MIN, kAbsurdLight},
        {-1, kAbsurdLight},
        {0, kAbsurdLight},
        {10, kAbsurdLight},
        {11, kVeryThin},
        {14, kVeryThin},
        {15, kThin},
        {19, kThin},
        {20, kStandard},
        {23, kStandard},
        {24, kPlump},
        {28, kPlump},
        {29, kHeavy},
        {38, kHeavy},
        {39, kAbsurdHeavy},
        {INT_MAX, kAbsurdHeavy},
    };
    for (const auto& r : rows)
        QTest::addRow("%d", r.index) << r.index << r.verdict;
}

void TestHealth::verdicts() {
    QFETCH(int, index);
    QFETCH(QString, verdict);
    QCOMPARE(::verdict(index), verdict);
}

void TestHealth::failures_data() {
    QTest::addColumn<QByteArray>("height");
    QTest::addColumn<QByteArray>("weight");
    QTest::addColumn<QString>("error");

    const QString divByZero = QStringLiteral("Floating point division by zero");
    const QString invalid = QStringLiteral("Invalid floating point operation");
    const QString overflow = QStringLiteral("Floating point overflow");
    // The checks, in screen order.
    using B = QByteArray;
    const QString noHeight = QStringLiteral("message: 请输入您的身高！");
    const QString heightNaN = QStringLiteral("message: 身高必须为数字！");
    const QString noWeight = QStringLiteral("message: 请输入您的体重！");
    const QString weightNaN = QStringLiteral("message: 体重必须为数字！");
    row("height empty", B(""), B("60"), noHeight);
    row("both empty", B(""), B(""), noHeight);
    row("height blanks", B("  "), B("60"), heightNaN);
    row("height with unit", B("170cm"), B("60"), heightNaN);
    row("bad height before empty weight", B("abc"), B(""), heightNaN);
    row("weight empty", B("170"), B(""), noWeight);
    row("weight blanks", B("170"), B("   "), weightNaN);
    row("weight full-width", B("170"), B("６０"), weightNaN);
    // Past the checks, for the error box.
    QTest::newRow("height 0") << QByteArray("0") << QByteArray("70") << divByZero;
    QTest::newRow("height -0") << QByteArray("-0") << QByteArray("-70") << divByZero;
    QTest::newRow("height and weight 0") << QByteArray("0") << QByteArray("0") << invalid;
    QTest::newRow("index 2^31") << QByteArray("100") << QByteArray("2147483648") << overflow;
    QTest::newRow("index rounds to 2^31")
        << QByteArray("100") << QByteArray("2147483647.5") << overflow;
    QTest::newRow("index below -2^31")
        << QByteArray("100") << QByteArray("-2147483649") << overflow;
    QTest::newRow("tiny height") << QByteArray("0.001") << QByteArray("1e6") << overflow;
    QTest::newRow("index just beyond 2^31")
        << QByteArray("1") << QByteArray("214748.3648") << overflow;
    QTest::newRow("index just below -2^31")
        << QByteArray("1") << QByteArray("-214748.3649") << overflow;
    QTest::newRow("index 6E405") << QByteArray("1e-200") << QByteArray("60") << overflow;
    QTest::newRow("weight 10000 digits") << QByteArray("170") << QByteArray(10000, '7') << overflow;
    QTest::newRow("far beyond 64 bits") << QByteArray("1e-300") << QByteArray("1e300") << overflow;
    QTest::newRow("weight beyond double") << QByteArray("175") << QByteArray("1e400") << overflow;
    QTest::newRow("height beyond extended")
        << QByteArray("-1e5000") << QByteArray("70") << overflow;
}

void TestHealth::failures() {
    QFETCH(QByteArray, height);
    QFETCH(QByteArray, weight);
    QFETCH(QString, error);
    QCOMPARE(shown(calc::healthOutcome(height.toStdString(), weight.toStdString())).join(", "),
             error.startsWith("message: ") ? error : "error: " + error);
}

// No field gives these, but the index never turns them into a number.
void TestHealth::nonFinite_data() {
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("weight");
    QTest::addColumn<QString>("error");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("weight NaN") << 170.0 << nan << "Invalid floating point operation";
    QTest::newRow("height NaN") << nan << 70.0 << "Invalid floating point operation";
    QTest::newRow("weight infinite") << 170.0 << inf << "Floating point overflow";
    QTest::newRow("weight -infinite") << 170.0 << -inf << "Floating point overflow";
}

void TestHealth::nonFinite() {
    QFETCH(double, height);
    QFETCH(double, weight);
    QFETCH(QString, error);
    QString caught;
    try {
        calc::healthIndex(height, weight);
    } catch (const calc::CalcError& e) {
        caught = QString::fromUtf8(e.what());
    }
    QCOMPARE(caught, error);
}

QTEST_APPLESS_MAIN(TestHealth)
#include "tst_health.moc"
