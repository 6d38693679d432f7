// The page host in the real HTML engine: the page files it writes (bytes, folder, links planted
// at their paths, failures) and what the view shows afterwards.
#include "PageHarness.h"
#include "PageHost.h"
#include "PageTestSupport.h"
#include "PageTexts.h"
#include "WebHtmlView.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QSignalSpy>
#include <QStringDecoder>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QtTest>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using pagetest::TempEnvironment;

namespace {

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
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
        TempEnvironment::redirect(dir->path());
    }
    void cleanup() { dir.reset(); }

    // The page folder: the variable's value with exactly one "/" after it, the name found in any
    // casing; when it is unset or empty, the user's own folder in the platform's (TMPDIR here).
    void tempFolder_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value"); // "<unset>" leaves the variable out
        QTest::addColumn<QString>("expected");
        const QString own = u"platform/pelmora-"_s + QString::number(::geteuid()) + '/';
        QTest::newRow("Temp without separator") << u"Temp"_s << u"a"_s << u"a/"_s;
        QTest::newRow("Temp with separator") << u"Temp"_s << u"a/"_s << u"a/"_s;
        QTest::newRow("TEMP") << u"TEMP"_s << u"a"_s << u"a/"_s;
        QTest::newRow("temp") << u"temp"_s << u"a/"_s << u"a/"_s;
        QTest::newRow("tEmP") << u"tEmP"_s << u"a"_s << u"a/"_s;
        QTest::newRow("unset") << u"Temp"_s << u"<unset>"_s << own;
        QTest::newRow("empty") << u"Temp"_s << u""_s << own;
        QTest::newRow("empty in another casing") << u"TEMP"_s << u""_s << own;
        QTest::newRow("Chinese and spaces") << u"Temp"_s << u"临时 文件"_s << u"临时 文件/"_s;
        QTest::newRow("URL characters") << u"TEMP"_s << u"a#1 %20?"_s << u"a#1 %20?/"_s;
    }
    void tempFolder() {
        QFETCH(QString, name);
        QFETCH(QString, value);
        QFETCH(QString, expected);
        const QString folder = dir->path() + '/' + expected;
        // The user's own folder is made by the host; the others must exist.
        QVERIFY(QDir().mkpath(expected.startsWith(u"platform/"_s) ? at("platform") : folder));
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

    // With "Temp" unset the pages go to a folder of the user that no one else can enter: the
    // runtime folder when it is the user's, else pelmora-<uid> in the platform's temporary
    // folder, else (someone planted that name) a fresh folder. What was planted stays as it was,
    // the page shows, and the close leaves nothing of ours.
    void privateFolder_data() {
        QTest::addColumn<QString>("runtime");  // XDG_RUNTIME_DIR: unset, own, open, link, foreign
        QTest::addColumn<QString>("user");     // platform/pelmora-<uid>: none, own, open, link,
                                               // file, foreign
        QTest::addColumn<QString>("expected"); // runtime, user, fresh
        QTest::newRow("runtime folder") << u"own"_s << u"none"_s << u"runtime"_s;
        QTest::newRow("runtime folder open to others") << u"open"_s << u"none"_s << u"user"_s;
        QTest::newRow("runtime folder a link") << u"link"_s << u"none"_s << u"user"_s;
        QTest::newRow("runtime folder of another user") << u"foreign"_s << u"none"_s << u"user"_s;
        QTest::newRow("user folder made") << u"unset"_s << u"none"_s << u"user"_s;
        QTest::newRow("user folder kept") << u"unset"_s << u"own"_s << u"user"_s;
        QTest::newRow("user folder open to others") << u"unset"_s << u"open"_s << u"fresh"_s;
        QTest::newRow("user folder a link") << u"unset"_s << u"link"_s << u"fresh"_s;
        QTest::newRow("user folder a file") << u"unset"_s << u"file"_s << u"fresh"_s;
        QTest::newRow("user folder of another user") << u"unset"_s << u"foreign"_s << u"fresh"_s;
    }
    void privateFolder() {
        QFETCH(QString, runtime);
        QFETCH(QString, user);
        QFETCH(QString, expected);
        if ((runtime == u"foreign"_s || user == u"foreign"_s) && ::geteuid() != 0)
            QSKIP("only root can plant another user's folder");
        const QString platform = at("platform"),
                      userPath = at("platform/pelmora-") + QString::number(::geteuid());
        QVERIFY(QDir().mkpath(platform) && QDir().mkpath(at("elsewhere")));
        // Plants `kind` at `path`: a folder of ours (0700, or 0777 for "open"), a link to a
        // folder of ours, a file, or another user's folder.
        const auto plant = [&](const QString& path, const QString& kind) {
            const QByteArray native = QFile::encodeName(path);
            if (kind == u"own"_s || kind == u"open"_s || kind == u"foreign"_s)
                return ::mkdir(native, kind == u"own"_s ? 0700 : 0777) == 0 &&
                       ::chmod(native, kind == u"own"_s ? 0700 : 0777) == 0 &&
                       (kind != u"foreign"_s || ::chown(native, 65534, 65534) == 0);
            if (kind == u"link"_s)
                return QFile::link(at("elsewhere"), path);
            if (kind == u"file"_s)
                return writeFile(path, "planted");
            return true;
        };
        TempEnvironment::clear();
        qputenv("TMPDIR", QFile::encodeName(platform));
        if (runtime != u"unset"_s) {
            QVERIFY(plant(at("run"), runtime));
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(at("run")));
        }
        QVERIFY(plant(userPath, user));

        const QString folder = PageHost::privateFolder();
        if (expected == u"runtime"_s)
            QCOMPARE(folder, at("run/pelmora"));
        if (expected == u"user"_s)
            QCOMPARE(folder, userPath);
        if (expected == u"fresh"_s)
            QVERIFY2(folder.startsWith(userPath + '-'), qPrintable(folder));
        struct stat st;
        QVERIFY(::lstat(QFile::encodeName(folder), &st) == 0);
        QVERIFY(S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() && (st.st_mode & 0777) == 0700);

        QVERIFY(showAndWait(QStringLiteral("wendu.html")));
        QCOMPARE(shownPath(), folder + QStringLiteral("/wendu.html"));
        QCOMPARE(shownTitle(), QStringLiteral("温度转换换算器"));
        QVERIFY(QFileInfo(folder + QStringLiteral("/wendu.html")).isFile());
        PageHost::deletePageFiles();
        QVERIFY(!QFileInfo::exists(folder + QStringLiteral("/wendu.html")));
        QCOMPARE(QFileInfo::exists(folder), expected != u"fresh"_s); // a fresh folder goes too
        // Whatever was planted is as it was: nothing written into it or through it.
        const QStringList nothing;
        const auto entries = [](const QString& path) {
            return QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        };
        QCOMPARE(entries(at("elsewhere")), nothing);
        if (expected != u"user"_s && user != u"none"_s && user != u"file"_s)
            QCOMPARE(entries(userPath), nothing);
        if (user == u"file"_s)
            QCOMPARE(readFile(userPath), QByteArray("planted"));
        if (runtime == u"foreign"_s)
            QCOMPARE(entries(at("run")), nothing);
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
        TempEnvironment::redirect(at("pages"));
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

    // Whatever became of the page's file, the view shows the page (replacing the one it showed)
    // from memory. A page written is the page's bytes and goes at the close; a page not written
    // leaves what stood at its name as it was, also after the close.
    void pageFolderStates_data() {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("temp"); // relative to the test folder
        QTest::addColumn<bool>("written");
        const bool root = ::geteuid() == 0; // root writes into read-only folders
        QTest::newRow("folder missing") << u""_s << u"nowhere"_s << false;
        QTest::newRow("folder is a file") << u"plain"_s << u"plain"_s << false;
        QTest::newRow("parent is a file") << u"plain"_s << u"plain/sub"_s << false;
        QTest::newRow("folder read-only") << u"readonly"_s << u"pages"_s << root;
        QTest::newRow("folder at the page's name") << u"pagedir"_s << u"pages"_s << false;
        QTest::newRow("name too long") << u""_s << QString(300, u'x') << false;
        QTest::newRow("own earlier page") << u"own"_s << u"pages"_s << true;
        QTest::newRow("another user's file") << u"foreign"_s << u"pages"_s << false;
        QTest::newRow("another user's link") << u"foreignlink"_s << u"pages"_s << true;
    }
    void pageFolderStates() {
        QFETCH(QString, setup);
        QFETCH(QString, temp);
        QFETCH(bool, written);
        if (setup.startsWith(u"foreign"_s) && ::geteuid() != 0)
            QSKIP("only root can plant another user's file");
        QVERIFY(showAndWait(QStringLiteral("weight.html")));
        const QString path = at(temp) + QStringLiteral("/changdu.html");
        const QByteArray native = QFile::encodeName(path);
        QVERIFY(QDir().mkpath(at("pages")));
        if (setup == u"plain"_s)
            QVERIFY(writeFile(at("plain"), "x"));
        if (setup == u"pagedir"_s)
            QVERIFY(QDir().mkpath(path));
        if (setup == u"own"_s || setup == u"foreign"_s)
            QVERIFY(writeFile(path, "x"));
        if (setup == u"foreign"_s)
            QVERIFY(::chown(native, 65534, 65534) == 0);
        if (setup == u"foreignlink"_s)
            QVERIFY(QFile::link(at("plain"), path) && ::lchown(native, 65534, 65534) == 0);
        if (setup == u"readonly"_s)
            QVERIFY(::chmod(QFile::encodeName(at("pages")), 0500) == 0);
        struct stat before {};
        ::lstat(native, &before);
        TempEnvironment::redirect(at(temp));

        QSignalSpy finished(h->view()->webView(), &QWebEngineView::loadFinished);
        QCOMPARE(PageHost::ShowPage(pages::pageLines("changdu.html"), "changdu.html", h->view()),
                 written);
        QVERIFY(finished.wait(30000));
        QCOMPARE(shownTitle(), QStringLiteral("长度转换换算器"));
        QCOMPARE(shownPath(), path);
        QCOMPARE(h->eval(QStringLiteral("document.forms[0].mMeter.value")).toString(), QString());
        const auto unchanged = [&] {
            struct stat now {};
            return (::lstat(native, &now) == 0) == (before.st_ino != 0) &&
                   now.st_ino == before.st_ino && now.st_size == before.st_size &&
                   now.st_uid == before.st_uid && now.st_mode == before.st_mode;
        };
        if (written)
            QCOMPARE(readFile(path), pages::pageFileBytes(pages::pageLines("changdu.html")));
        else
            QVERIFY(unchanged());

        PageHost::deletePageFiles();
        ::chmod(QFile::encodeName(at("pages")), 0700);
        if (written)
            QVERIFY(!QFileInfo::exists(path) && !QFileInfo(path).isSymLink());
        else
            QVERIFY(unchanged());
        if (setup == u"plain"_s || setup == u"foreignlink"_s)
            QCOMPARE(readFile(at("plain")), QByteArray(setup == u"plain"_s ? "x" : "<unreadable>"));
        // Nothing of a write is left beside the page.
        QCOMPARE(QDir(at("pages")).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 setup == u"foreign"_s ? QStringList{"changdu.html"} : QStringList());
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
        QCOMPARE(h->view()->page()->history()->count(), 1); // nothing kept of the earlier one
    }

    // The view reads its pages as GBK, Chinese in attribute values too; bytes that are not GBK
    // still show what the engine makes of them.
    void gbkText_data() {
        QTest::addColumn<QByteArray>("tail"); // the text of a paragraph at the page's end
        QTest::addColumn<QString>("shown");
        QTest::newRow("GBK") << QByteArray("\xca\xfd") << u"数"_s;
        QTest::newRow("a byte that is not") << QByteArray("\x81 ") << u"\ufffd "_s;
        QTest::newRow("a lead byte at the end") << QByteArray("\x81") << u"\ufffd"_s;
    }
    void gbkText() {
        QFETCH(QByteArray, tail);
        QFETCH(QString, shown);
        QSignalSpy finished(h->view()->webView(), &QWebEngineView::loadFinished);
        h->view()->showPage(at(u"gbk.html"_s),
                            "<title>\xca\xfd\xd1\xa7</title>"
                            "<input id=f value=\"\xcd\xcb\xb8\xf1\xa1\xa1\"><p id=p>" +
                                tail);
        QVERIFY(finished.wait(30000));
        QCOMPARE(h->eval(u"[document.title, document.getElementById('f').value,"
                         "document.getElementById('p').textContent].join('|')"_s)
                     .toString(),
                 u"数学|退格　|"_s + shown);
    }

    // Once a view has been asked to scroll and to drop its scroll bars, every later document
    // comes so from its parsing on: it is never drawn unadjusted first.
    void laterDocumentsComeAdjusted() {
        QVERIFY(showAndWait(u"calc.html"_s));
        h->view()->scrollDocument(0, 10);
        h->view()->hideScrollBars();
        QVERIFY(showAndWait(u"calc.html"_s));
        QCOMPARE(h->eval(u"[window.scrollY, getComputedStyle(document.body).overflow].join()"_s)
                     .toString(),
                 u"10,hidden"_s);
    }

    // The close deletes only the page files this process wrote that are still as it wrote them;
    // a file changed, replaced or never written by it stays, like every other file.
    void closeDeletes_data() {
        QTest::addColumn<QString>("change"); // what happens to the shown page's file
        QTest::addColumn<bool>("deleted");
        QTest::newRow("unchanged") << u""_s << true;
        QTest::newRow("appended to") << u"append"_s << false;
        QTest::newRow("time changed") << u"touch"_s << false;
        QTest::newRow("replaced by a file") << u"replace"_s << false;
        QTest::newRow("replaced by a link") << u"link"_s << false;
        QTest::newRow("owner changed") << u"chown"_s << false;
        QTest::newRow("never shown") << u"unshown"_s << false;
    }
    void closeDeletes() {
        QFETCH(QString, change);
        QFETCH(bool, deleted);
        if (change == u"chown"_s && ::geteuid() != 0)
            QSKIP("only root can give a file away");
        // The user's own files at the other page names and beside them.
        const QStringList names = pages::pageFileNames();
        for (const QString& name : names.mid(1) + QStringList{"notes.txt", "calc.html.bak"})
            QVERIFY(writeFile(at(name), "mine"));
        if (change == u"unshown"_s)
            QVERIFY(writeFile(at("calc.html"), "mine"));
        else
            QVERIFY(showAndWait(QStringLiteral("calc.html")));

        const QString path = at("calc.html");
        const QByteArray native = QFile::encodeName(path);
        QVERIFY(writeFile(at("victim.txt"), "keep"));
        if (change == u"append"_s) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::Append) && file.write("//") == 2);
        }
        if (change == u"touch"_s) {
            const timespec times[2] = {{0, UTIME_OMIT}, {1000000000, 0}};
            QVERIFY(::utimensat(AT_FDCWD, native, times, 0) == 0);
        }
        if (change == u"replace"_s)
            QVERIFY(writeFile(at("new"), readFile(path)) &&
                    ::rename(QFile::encodeName(at("new")), native) == 0);
        if (change == u"link"_s)
            QVERIFY(QFile::remove(path) && QFile::link(at("victim.txt"), path));
        if (change == u"chown"_s)
            QVERIFY(::chown(native, 65534, 65534) == 0);

        PageHost::deletePageFiles();
        QCOMPARE(!QFileInfo(path).exists() && !QFileInfo(path).isSymLink(), deleted);
        for (const QString& name : names.mid(1) + QStringList{"notes.txt", "calc.html.bak"})
            QCOMPARE(readFile(at(name)), QByteArray("mine"));
        QCOMPARE(readFile(at("victim.txt")), QByteArray("keep"));
    }

    // The view shows its page and nothing else: its script cannot read local files or reach
    // the network, its script, links, forms and drops cannot move it to another document, and
    // a stylesheet planted beside the page file is never applied.
    void confinement_data() {
        QTest::addColumn<QString>("script"); // run in the page; answers by setting window.r
        QTest::addColumn<QString>("answer"); // window.r after a while; "" when never set
        const QString file = u"'file:///etc/hostname'"_s;
        QTest::newRow("fetch of a local file")
            << u"fetch(%1).then(function(x){return x.text()}).then(function(t){r='read '+t},"
               "function(){r='failed'})"_s.arg(file)
            << u"failed"_s;
        QTest::newRow("request of a local file")
            << u"var x=new XMLHttpRequest();x.onload=function(){r='read '+x.status};"
               "x.onerror=function(){r='failed'};x.open('GET',%1);x.send()"_s.arg(file)
            << u"failed"_s;
        QTest::newRow("fetch from the network")
            << u"fetch('http://127.0.0.1:PORT/x',{mode:'no-cors'}).then(function(){r='sent'},"
               "function(){r='failed'})"_s
            << u"failed"_s;
        QTest::newRow("frame of a local file")
            << u"var f=document.createElement('iframe');f.src=%1;document.body.appendChild(f);"
               "setTimeout(function(){try{var t=f.contentDocument.body.innerText;"
               "r=t?'read '+t:'failed'}catch(e){r='failed'}},1000)"_s.arg(file)
            << u"failed"_s;
        QTest::newRow("script moves to a local file") << u"location.href=%1"_s.arg(file) << u""_s;
        QTest::newRow("script moves to the network")
            << u"location.href='http://127.0.0.1:PORT/'"_s << u""_s;
        QTest::newRow("script reloads the file") << u"location.reload()"_s << u""_s;
        QTest::newRow("link clicked")
            << u"var a=document.createElement('a');a.href=%1;document.body.appendChild(a);"
               "a.click()"_s.arg(file)
            << u""_s;
        QTest::newRow("form submitted") << u"document.forms[0].submit()"_s << u""_s;
        QTest::newRow("window opened") << u"r=String(window.open(%1))"_s.arg(file) << u"null"_s;
        QTest::newRow("stylesheet beside the page")
            << u"setTimeout(function(){r=getComputedStyle(document.body).backgroundColor},500)"_s
            << u"rgba(0, 0, 0, 0)"_s;
        QTest::newRow("file dropped") << u"<drop>"_s << u""_s;
    }
    void confinement() {
        QFETCH(QString, script);
        QFETCH(QString, answer);
        QTcpServer server; // counts what reaches the network
        QVERIFY(server.listen(QHostAddress::LocalHost));
        QVERIFY(QDir().mkpath(at("css")));
        QVERIFY(writeFile(at("css/style1.css"), "body { background: rgb(255, 0, 0) }"));
        QVERIFY(showAndWait(QStringLiteral("changdu.html")));
        h->eval(QStringLiteral("window.pelmoraMark = 1; window.r = ''"));
        const QUrl page = h->view()->webView()->url();

        if (script == u"<drop>"_s) {
            // Delivered as the window system would: to the widget under the pointer, with the
            // engine given time to answer each step.
            QWidget* target = h->view()->webView();
            h->eval(u"['dragenter','dragover','drop'].forEach(function(n){"
                    "document.addEventListener(n,function(e){r+=n+' '})})"_s);
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(QStringLiteral("/etc/hostname"))});
            const QPointF at(100, 100);
            QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(target, &enter);
            QTest::qWait(300);
            QDragMoveEvent move(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(target, &move);
            QTest::qWait(300);
            QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(target, &drop);
        } else {
            h->eval(script.replace(u"PORT"_s, QString::number(server.serverPort())));
        }
        if (!answer.isEmpty())
            QTRY_VERIFY_WITH_TIMEOUT(!h->eval(QStringLiteral("window.r")).toString().isEmpty(),
                                     5000);
        else
            QTest::qWait(700);
        QCOMPARE(h->eval(QStringLiteral("window.r")).toString(), answer);
        QCOMPARE(h->eval(QStringLiteral("window.pelmoraMark")).toInt(), 1); // the same document
        QCOMPARE(h->view()->webView()->url(), page);
        QCOMPARE(shownTitle(), QStringLiteral("长度转换换算器"));
        QVERIFY(!server.hasPendingConnections() && !server.waitForNewConnection(100));
    }
};

QTEST_MAIN(TestPageHost)
#include "tst_pagehost.moc"
