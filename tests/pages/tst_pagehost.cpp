// The page host in the real HTML engine: the page files it writes (bytes, folder, links planted
// at their paths, failures) and what the view shows afterwards.
#include "PageHarness.h"
#include "PageHost.h"
#include "PageTexts.h"
#include "WebHtmlView.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QSignalSpy>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QWebEngineView>
#include <QtTest>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

// Every spelling of the temporary folder's variable, and TMPDIR behind the platform fallback,
// cleared for a test and put back afterwards.
class TempEnvironment {
public:
    TempEnvironment() {
        for (const QString& name : names())
            m_saved.insert(name.toLocal8Bit(), qgetenv(name.toLocal8Bit().constData()));
        clear();
    }
    ~TempEnvironment() {
        clear();
        for (auto it = m_saved.cbegin(); it != m_saved.cend(); ++it)
            qputenv(it.key().constData(), it.value());
    }
    static void clear() {
        for (const QString& name : names())
            qunsetenv(name.toLocal8Bit().constData());
    }

private:
    static QStringList names() {
        QStringList out;
        for (const QString& name : QProcessEnvironment::systemEnvironment().keys())
            if (name.compare(QLatin1String("temp"), Qt::CaseInsensitive) == 0 ||
                name == QLatin1String("TMPDIR"))
                out << name;
        return out;
    }
    QHash<QByteArray, QByteArray> m_saved;
};

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestPageHost : public QObject {
    Q_OBJECT

    PageHarness* h = nullptr;
    std::unique_ptr<TempEnvironment> env;
    std::unique_ptr<QTemporaryDir> dir;

    QString at(const QString& relative) const { return dir->filePath(relative); }

    // Shows `pageFile` through the host and waits for the view to finish loading it.
    bool showAndWait(const QString& pageFile) {
        QSignalSpy finished(h->view()->webView(), &QWebEngineView::loadFinished);
        PageHost::ShowPage(pages::pageLines(pageFile), pageFile, h->view());
        return finished.wait(30000) && finished.first().first().toBool();
    }
    QString shownTitle() { return h->eval(QStringLiteral("document.title")).toString(); }
    QString shownPath() { return h->view()->webView()->url().toLocalFile(); }

private slots:
    void initTestCase() {
        env = std::make_unique<TempEnvironment>();
        h = new PageHarness;
    }
    void cleanupTestCase() {
        delete h;
        env.reset();
    }
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        TempEnvironment::clear();
        qputenv("Temp", dir->path().toLocal8Bit());
    }
    void cleanup() { dir.reset(); }

    // The temporary folder: the variable's value with exactly one "/" after it, the name found
    // in any casing, the platform folder (TMPDIR here) when it is unset or empty.
    void tempFolder_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value"); // "<unset>" leaves the variable out
        QTest::addColumn<QString>("expected");
        QTest::newRow("Temp without separator") << u"Temp"_s << u"a"_s << u"a/"_s;
        QTest::newRow("Temp with separator") << u"Temp"_s << u"a/"_s << u"a/"_s;
        QTest::newRow("TEMP") << u"TEMP"_s << u"a"_s << u"a/"_s;
        QTest::newRow("temp") << u"temp"_s << u"a/"_s << u"a/"_s;
        QTest::newRow("tEmP") << u"tEmP"_s << u"a"_s << u"a/"_s;
        QTest::newRow("unset") << u"Temp"_s << u"<unset>"_s << u"platform/"_s;
        QTest::newRow("empty") << u"Temp"_s << u""_s << u"platform/"_s;
        QTest::newRow("empty in another casing") << u"TEMP"_s << u""_s << u"platform/"_s;
        QTest::newRow("Chinese and spaces") << u"Temp"_s << u"临时 文件"_s << u"临时 文件/"_s;
        QTest::newRow("URL characters") << u"TEMP"_s << u"a#1 %20?"_s << u"a#1 %20?/"_s;
    }
    void tempFolder() {
        QFETCH(QString, name);
        QFETCH(QString, value);
        QFETCH(QString, expected);
        const QString folder = dir->path() + '/' + expected;
        QVERIFY(QDir().mkpath(folder));
        TempEnvironment::clear();
        qputenv("TMPDIR", at("platform").toLocal8Bit());
        if (value != QLatin1String("<unset>"))
            qputenv(name.toLocal8Bit().constData(),
                    value.isEmpty() ? QByteArray() : (dir->path() + '/' + value).toLocal8Bit());
        QCOMPARE(PageHost::tempFolder(), folder);

        // The page lands in that folder, and the view is pointed at exactly that file.
        QVERIFY(showAndWait(QStringLiteral("gongl.html")));
        const QString path = folder + QStringLiteral("gongl.html");
        QVERIFY(QFileInfo(path).isFile());
        QCOMPARE(shownPath(), path);
        QVERIFY2(!shownPath().contains(QLatin1String("//")), qPrintable(shownPath()));
        QCOMPARE(shownTitle(), QStringLiteral("功率计量单位转换换算器"));
    }

    // The file holds the page's lines, each followed by CR LF (the last one too), in GBK; the
    // view decodes them back into the page's Chinese text.
    void pageFileBytes_data() {
        QTest::addColumn<QString>("pageFile");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QByteArray>("titleGbk");
        QTest::newRow("calc") << u"calc.html"_s << u"计算器"_s
                              << QByteArray::fromHex("bcc6cbe3c6f7");
        QTest::newRow("changdu") << u"changdu.html"_s << u"长度转换换算器"_s
                                 << QByteArray::fromHex("b3a4b6c8d7aabbbbbbbbcbe3c6f7");
        QTest::newRow("gongl") << u"gongl.html"_s << u"功率计量单位转换换算器"_s << QByteArray();
        QTest::newRow("mianji") << u"mianji.html"_s << u"面积转换换算器"_s << QByteArray();
        QTest::newRow("tiji") << u"tiji.html"_s << u"体积和容量计量单位换算器"_s << QByteArray();
        QTest::newRow("gongn") << u"gongn.html"_s << u"功、能和热量转换换算器"_s << QByteArray();
        QTest::newRow("yali") << u"yali.html"_s << u"压力计量单位换算器"_s << QByteArray();
        QTest::newRow("wendu") << u"wendu.html"_s << u"温度转换换算器"_s << QByteArray();
        QTest::newRow("weight") << u"weight.html"_s << u"重量转换换算器"_s << QByteArray();
    }
    void pageFileBytes() {
        QFETCH(QString, pageFile);
        QFETCH(QString, title);
        QFETCH(QByteArray, titleGbk);
        const QStringList lines = pages::pageLines(pageFile);
        QVERIFY(lines.size() > 50);
        QVERIFY(showAndWait(pageFile));

        const QByteArray bytes = readFile(at(pageFile));
        QVERIFY(bytes.endsWith("\r\n"));
        QList<QByteArray> fileLines = bytes.split('\n');
        QCOMPARE(fileLines.takeLast(), QByteArray()); // after the last line's LF
        QCOMPARE(fileLines.size(), lines.size());
        QStringDecoder gbk("GBK");
        for (qsizetype i = 0; i < lines.size(); ++i) {
            QByteArray line = fileLines[i];
            QVERIFY2(line.endsWith('\r'), qPrintable(QStringLiteral("line %1").arg(i + 1)));
            line.chop(1);
            QVERIFY2(!line.contains('\r'), qPrintable(QStringLiteral("line %1").arg(i + 1)));
            QCOMPARE(QString(gbk.decode(line)), lines[i]);
        }
        QVERIFY(!gbk.hasError());
        if (!titleGbk.isEmpty())
            QVERIFY(bytes.contains("<title>" + titleGbk + "</title>"));
        QVERIFY(!bytes.contains(title.toUtf8()));

        QCOMPARE(shownTitle(), title);
        QCOMPARE(shownPath(), at(pageFile));
    }

    // A link planted at a page's path is replaced by the page file; whatever it pointed at
    // stays as it was.
    void plantedLink_data() {
        QTest::addColumn<QString>("target"); // relative to the test folder
        QTest::addColumn<QString>("kind");   // what the target is
        QTest::newRow("to a file") << u"victim.txt"_s << u"file"_s;
        QTest::newRow("to nothing") << u"missing.txt"_s << u"none"_s;
        QTest::newRow("to a folder") << u"victimdir"_s << u"folder"_s;
    }
    void plantedLink() {
        QFETCH(QString, target);
        QFETCH(QString, kind);
        QVERIFY(QDir().mkpath(at("pages")));
        qputenv("Temp", at("pages").toLocal8Bit());
        const QByteArray secret("do not overwrite\n");
        if (kind == QLatin1String("file"))
            QVERIFY(writeFile(at(target), secret));
        if (kind == QLatin1String("folder"))
            QVERIFY(QDir().mkpath(at(target)));
        const QString path = at(QStringLiteral("pages/yali.html"));
        QVERIFY(QFile::link(at(target), path));

        QVERIFY(showAndWait(QStringLiteral("yali.html")));
        const QFileInfo shown(path);
        QVERIFY(!shown.isSymLink());
        QVERIFY(shown.isFile());
        QCOMPARE(readFile(path), pages::pageFileBytes(pages::pageLines("yali.html")));
        if (kind == QLatin1String("file"))
            QCOMPARE(readFile(at(target)), secret);
        if (kind == QLatin1String("none"))
            QVERIFY(!QFileInfo::exists(at(target)));
        if (kind == QLatin1String("folder"))
            QVERIFY(QDir(at(target))
                        .isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden |
                                 QDir::System));
        QCOMPARE(shownTitle(), QStringLiteral("压力计量单位换算器"));
        // Nothing of the write is left beside the page.
        QCOMPARE(
            QDir(at("pages"))
                .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System),
            QStringList{"yali.html"});
    }

    // A page that cannot be written throws, leaves nothing behind, and the view keeps its page
    // together with what the user typed into it.
    void failedWrite_data() {
        QTest::addColumn<QString>("temp"); // relative to the test folder
        QTest::addColumn<QString>("setup");
        QTest::newRow("folder is a regular file") << u"plain"_s << u"file"_s;
        QTest::newRow("parent is a regular file") << u"plain/sub"_s << u"file"_s;
        QTest::newRow("folder missing") << u"nowhere"_s << u""_s;
        QTest::newRow("page path is a folder") << u"busy"_s << u"pagedir"_s;
    }
    void failedWrite() {
        QFETCH(QString, temp);
        QFETCH(QString, setup);
        QVERIFY(showAndWait(QStringLiteral("weight.html")));
        h->eval(QStringLiteral("document.forms[0].mKilogram.value='5'"));

        if (setup == QLatin1String("file"))
            QVERIFY(writeFile(at("plain"), "x"));
        if (setup == QLatin1String("pagedir"))
            QVERIFY(QDir().mkpath(at("busy/changdu.html")));
        qputenv("Temp", at(temp).toLocal8Bit());
        QSignalSpy started(h->view()->webView(), &QWebEngineView::loadStarted);
        QVERIFY_THROWS_EXCEPTION(
            std::runtime_error,
            PageHost::ShowPage(pages::pageLines("changdu.html"), "changdu.html", h->view()));
        QTest::qWait(200);
        QCOMPARE(started.size(), 0);
        QVERIFY(!h->view()->busy());
        QCOMPARE(shownPath(), at("weight.html"));
        QCOMPARE(shownTitle(), QStringLiteral("重量转换换算器"));
        QCOMPARE(h->eval(QStringLiteral("document.forms[0].mKilogram.value")).toString(),
                 QStringLiteral("5"));
        if (setup == QLatin1String("pagedir"))
            QCOMPARE(QDir(at("busy"))
                         .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden |
                                    QDir::System),
                     QStringList{"changdu.html"});
        if (setup == QLatin1String("file"))
            QCOMPARE(readFile(at("plain")), QByteArray("x"));
    }

    // Showing the page that is already shown writes its file again and starts it from scratch.
    void sameTwiceReloads_data() {
        QTest::addColumn<QString>("pageFile");
        QTest::addColumn<QString>("field");
        QTest::newRow("length") << u"changdu.html"_s << u"document.forms[0].mMeter"_s;
        QTest::newRow("calculator") << u"calc.html"_s << u"document.calc.display"_s;
    }
    void sameTwiceReloads() {
        QFETCH(QString, pageFile);
        QFETCH(QString, field);
        QVERIFY(showAndWait(pageFile));
        h->eval(field + QStringLiteral(".value='12345'; window.pelmoraMark = 1;"));
        QVERIFY(writeFile(at(pageFile), "stale"));

        QVERIFY(showAndWait(pageFile));
        QCOMPARE(readFile(at(pageFile)), pages::pageFileBytes(pages::pageLines(pageFile)));
        QVERIFY(h->eval(field + QStringLiteral(".value")).toString() != QLatin1String("12345"));
        QCOMPARE(h->eval(QStringLiteral("typeof window.pelmoraMark")).toString(),
                 QStringLiteral("undefined"));
    }

    // The close removes the nine page files, skips missing ones, removes a planted link rather
    // than what it points at, and leaves other files alone.
    void deletePageFiles() {
        const QStringList names = pages::pageFileNames();
        QCOMPARE(names.size(), 9);
        for (const QString& name : names.mid(0, 7))
            QVERIFY(writeFile(at(name), "page"));
        QVERIFY(writeFile(at("victim.txt"), "keep"));
        QVERIFY(QFile::link(at("victim.txt"), at(names.at(7)))); // the eighth is a link
        QVERIFY(writeFile(at("other.html"), "other"));           // the ninth is missing

        PageHost::deletePageFiles();
        for (const QString& name : names)
            QVERIFY2(!QFileInfo(at(name)).exists() && !QFileInfo(at(name)).isSymLink(),
                     qPrintable(name));
        QCOMPARE(readFile(at("victim.txt")), QByteArray("keep"));
        QCOMPARE(readFile(at("other.html")), QByteArray("other"));
    }
};

QTEST_MAIN(TestPageHost)
#include "tst_pagehost.moc"
