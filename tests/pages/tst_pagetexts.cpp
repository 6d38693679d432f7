// The page texts as assembled at build time: the bytes of every page file, and the functions
// each conversion page's script defines, with its writing.
#include "PageTexts.h"

#include <QFile>
#include <QRegularExpression>
#include <QtTest>

class TestPageTexts : public QObject {
    Q_OBJECT

private slots:
    // Every page file holds exactly the bytes it held before its text was assembled.
    void pageFileBytes_data() {
        QTest::addColumn<QString>("pageFile");
        for (const QString& name : pages::pageFileNames())
            QTest::newRow(qPrintable(name)) << name;
    }
    void pageFileBytes() {
        QFETCH(QString, pageFile);
        QFile saved(QStringLiteral(PELMORA_TEST_PAGE_DATA "/") + pageFile);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(pages::pageFileBytes(pages::pageLines(pageFile)), saved.readAll());
    }

    // The functions a page defines, in order, each opening with the brace of the page's
    // writing: on its own line ("allman") or at the line end ("kr").
    void conversionScript_data() {
        QTest::addColumn<QString>("pageFile");
        QTest::addColumn<bool>("allman");
        QTest::addColumn<QString>("functions");
        const QString shared = QStringLiteral("checkNum normalize compute resetValues resetAll");
        QTest::newRow("length") << "changdu.html" << true << "LENGTH_MEASURES " + shared;
        QTest::newRow("area") << "mianji.html" << true << "AREA_MEASURES " + shared;
        QTest::newRow("volume") << "tiji.html" << true << "VOL_MEASURES " + shared;
        QTest::newRow("weight") << "weight.html" << true << "WEIGHT_MEASURES " + shared;
        QTest::newRow("power") << "gongl.html" << false << "POWER_MEASURES " + shared;
        QTest::newRow("energy") << "gongn.html" << false << "HEAT_MEASURES " + shared;
        QTest::newRow("pressure") << "yali.html" << false
                                  << "checkNum normalize compute PRESS_MEASURES";
        QTest::newRow("temperature")
            << "wendu.html" << false
            << "checkNum computeTempC computeTempF computeTempK computeTempRa computeTempRe "
               "resetAll";
    }
    void conversionScript() {
        QFETCH(QString, pageFile);
        QFETCH(bool, allman);
        const QStringList lines = pages::pageLines(pageFile);
        static const QRegularExpression head(QStringLiteral("^function (\\w+)\\(.*\\)( \\{)?$"));
        QStringList names;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QRegularExpressionMatch m = head.match(lines[i]);
            if (!m.hasMatch())
                continue;
            names << m.captured(1);
            const bool kr = m.hasCaptured(2);
            const bool ownLine = !kr && lines.value(i + 1) == QLatin1String("{");
            QVERIFY2(allman ? ownLine : kr, qPrintable(lines[i]));
        }
        QTEST(names.join(QLatin1Char(' ')), "functions");
        QVERIFY(lines.filter(QStringLiteral("@")).isEmpty());
    }
};

QTEST_MAIN(TestPageTexts)
#include "tst_pagetexts.moc"
