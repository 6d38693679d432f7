// The settings file as it is read at start and rewritten at close: the bytes before and after,
// the position read, and the files that are never followed or rewritten.
#include "../TestSupport.h"
#include "IniText.h"
#include "SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

const QList<std::pair<QString, int>> kWritten{
    {"Left", 5}, {"Top", 6}, {"Width", 7}, {"Height", 8}, {"PageIndex", 1}};

// Reads the position as the start does, then writes the five keys as the close does: the
// position read and the error text ("" when written).
std::pair<QPoint, QString> startAndClose(const QString& path) {
    SettingsFile file(path);
    const QList<int> pos = file.readIntegers("MainForm", {{"Left", 217}, {"Top", 179}});
    QString error;
    try {
        file.writeIntegers("MainForm", kWritten);
    } catch (const std::runtime_error& e) {
        error = QString::fromUtf8(e.what());
    }
    return {QPoint(pos[0], pos[1]), error};
}

} // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT
private slots:
    void edit_data();
    void edit();
    void targets_data();
    void targets();
    void integer_data();
    void integer();
};

void TestSettingsFile::edit_data() {
    QTest::addColumn<QByteArray>("before"); // null: no file
    QTest::addColumn<QByteArray>("after");  // null: left as it was, and the write fails
    QTest::addColumn<QPoint>("pos");
    const QPoint defaults(217, 179);
    const auto row = [](const char* name, const QByteArray& before, const QByteArray& after,
                        QPoint pos) { QTest::newRow(name) << before << after << pos; };
    const QByteArray keys = "Left=5\nTop=6\nWidth=7\nHeight=8\nPageIndex=1\n";
    QByteArray crlfKeys = keys;
    crlfKeys.replace("\n", "\r\n");
    row("no file", QByteArray(), "[MainForm]\n" + keys, defaults);
    row("empty file", QByteArray(""), "[MainForm]\n" + keys, defaults);
    row("values replaced where they stand, comments and blanks kept",
        QByteArray("; mine\n[MainForm]\nLeft=1\n# note\nTop=2\n\n[Other]\nk=v\n"),
        "; mine\n[MainForm]\nLeft=5\n# "
        "note\nTop=6\nWidth=7\nHeight=8\nPageIndex=1\n\n[Other]\nk=v\n",
        QPoint(1, 2));
    row("names in any case, blanks, CR LF",
        QByteArray("[ mainform ]\r\n left = 400 \r\nTOP=0x10\r\n; end\r\n"),
        QByteArray("[ mainform ]\r\n left = 5 \r\nTOP=6\r\n") +
            "Width=7\r\nHeight=8\r\nPageIndex=1\r\n" + "; end\r\n",
        QPoint(400, 16));
    row("section added at the end, CR LF, no last line end", QByteArray("[Other]\r\nk=v"),
        "[Other]\r\nk=v\r\n\r\n[MainForm]\r\n" + crlfKeys, defaults);
    row("byte-order mark, GBK and UTF-8 lines",
        QByteArray("\xEF\xBB\xBF[MainForm]\nLeft=7\n\xC3\xFB=\xD7\xD6\n名=字\n"),
        QByteArray("\xEF\xBB\xBF[MainForm]\nLeft=5\n\xC3\xFB=\xD7\xD6\n名=字\n") +
            "Top=6\nWidth=7\nHeight=8\nPageIndex=1\n",
        QPoint(7, 179));
    row("first key and first section count",
        QByteArray("[MainForm]\nLeft=1\nLeft=2\n[MainForm]\nTop=3\n"),
        "[MainForm]\nLeft=5\nLeft=2\nTop=6\nWidth=7\nHeight=8\nPageIndex=1\n[MainForm]\nTop=3\n",
        QPoint(1, 179));
    row("quoted values, lines without =, keys before any section",
        QByteArray("Top=1\n[MainForm]\nLeft=\"12\"\ngarbage\n"),
        "Top=1\n[MainForm]\nLeft=5\ngarbage\nTop=6\nWidth=7\nHeight=8\nPageIndex=1\n",
        QPoint(12, 179));
    row("last key line without line end", QByteArray("[MainForm]\nLeft=3"),
        "[MainForm]\nLeft=5\nTop=6\nWidth=7\nHeight=8\nPageIndex=1\n", QPoint(3, 179));
    row("empty last value without line end", QByteArray("[MainForm]\nTop=9\nLeft="),
        "[MainForm]\nTop=6\nLeft=5\nWidth=7\nHeight=8\nPageIndex=1\n", QPoint(217, 9));
    row("UTF-16", QByteArray("\xFF\xFE[\0M\0]\0\n\0", 10), QByteArray(), defaults);
    row("binary", QByteArray("[MainForm]\nLeft=1\n\0\x01", 20), QByteArray(), defaults);
}

void TestSettingsFile::edit() {
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QFETCH(QPoint, pos);
    QTemporaryDir dir;
    const QString path = dir.filePath("Pelmora.ini");
    if (!before.isNull())
        QVERIFY(writeFile(path, before));
    const auto [read, error] = startAndClose(path);
    QCOMPARE(read, pos);
    QCOMPARE(readFile(path), after.isNull() ? before : after);
    QCOMPARE(error, after.isNull() ? "Unable to write to " + path : QString());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Pelmora.ini"});
    // A second close changes nothing more.
    if (!after.isNull()) {
        QCOMPARE(startAndClose(path).first, QPoint(5, 6));
        QCOMPARE(readFile(path), after);
    }
}

void TestSettingsFile::targets_data() {
    QTest::addColumn<QString>("setup");
    QTest::addColumn<bool>("read");    // the position comes from the file
    QTest::addColumn<bool>("written"); // the target holds the settings, else all is as it was
    QTest::addColumn<bool>("needsRoot");
    row("own file, mode 0640 kept", "file 0640", true, true, false);
    row("own read-only file", "file 0444", true, false, false);
    row("own link to own file", "link", true, true, false);
    row("own relative links to own file", "link chain", true, true, false);
    row("dangling link", "dangling", false, false, false);
    row("link to a folder", "link to folder", false, false, false);
    row("folder", "folder", false, false, false);
    row("link to a device", "link to device", false, false, false);
    row("file of another owner", "foreign file", false, false, true);
    row("own link to a file of another owner", "link to foreign file", false, false, true);
    row("link of another owner to own file", "foreign link", false, false, true);
}

void TestSettingsFile::targets() {
    QFETCH(QString, setup);
    QFETCH(bool, read);
    QFETCH(bool, written);
    QFETCH(bool, needsRoot);
    if (needsRoot && geteuid() != 0)
        QSKIP("giving files to another owner needs root");
    QTemporaryDir dir;
    const QString path = dir.filePath("Pelmora.ini");
    const QString target = dir.filePath("target.ini");
    const QByteArray before = "; keep\n[MainForm]\nLeft=1\nTop=2\n";
    const uid_t other = 65534; // nobody
    const auto link = [&](const QString& to, const QString& at) {
        QVERIFY(symlink(QFile::encodeName(to).constData(), QFile::encodeName(at).constData()) == 0);
    };
    QString checked = target; // the file that is or is not rewritten
    if (setup.startsWith("file")) {
        checked = path;
        QVERIFY(writeFile(path, before));
        QVERIFY(chmod(QFile::encodeName(path), setup.endsWith("0640") ? 0640 : 0444) == 0);
    } else if (setup == "folder") {
        QVERIFY(QDir(dir.path()).mkdir("Pelmora.ini"));
    } else {
        QVERIFY(writeFile(target, before));
        if (setup == "link" || setup == "foreign link" || setup == "link to foreign file")
            link(target, path);
        if (setup == "link chain") {
            QVERIFY(QDir(dir.path()).mkdir("sub"));
            link("../target.ini", dir.filePath("sub/middle.ini"));
            link("sub/middle.ini", path);
        }
        if (setup == "dangling")
            link(dir.filePath("missing.ini"), path);
        if (setup == "link to folder")
            link(dir.path(), path);
        if (setup == "link to device")
            link("/dev/null", path);
        if (setup == "foreign file") {
            checked = path;
            QVERIFY(rename(QFile::encodeName(target), QFile::encodeName(path)) == 0);
            QVERIFY(chown(QFile::encodeName(path), other, other) == 0);
        }
        if (setup == "link to foreign file")
            QVERIFY(chown(QFile::encodeName(target), other, other) == 0);
        if (setup == "foreign link")
            QVERIFY(lchown(QFile::encodeName(path), other, other) == 0);
    }
    struct stat linkBefore {};
    lstat(QFile::encodeName(path), &linkBefore);

    const auto [pos, error] = startAndClose(path);
    QCOMPARE(pos, read ? QPoint(1, 2) : QPoint(217, 179));
    QCOMPARE(error, written ? QString() : "Unable to write to " + path);
    QCOMPARE(readFile(checked),
             written ? QByteArray("; keep\n[MainForm]\nLeft=5\nTop=6\nWidth=7\nHeight=8\n"
                                  "PageIndex=1\n")
             : setup == "folder" ? QByteArray("(none)")
                                 : before);
    struct stat linkAfter {};
    lstat(QFile::encodeName(path), &linkAfter);
    QCOMPARE(linkAfter.st_mode, linkBefore.st_mode); // a link stays a link, modes are kept
    QCOMPARE(linkAfter.st_uid, linkBefore.st_uid);
    QVERIFY(!QFile::exists(dir.filePath("missing.ini")));
    const QStringList left = QDir(dir.path()).entryList({".*.ini.*"}, QDir::Files | QDir::Hidden);
    QVERIFY2(left.isEmpty(), qPrintable(left.join(' '))); // no temporary file stays
}

void TestSettingsFile::integer_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("value");
    const int fallback = -7;
    row("decimal", QByteArray("217"), 217);
    row("negative", QByteArray("-40"), -40);
    row("0x", QByteArray("0x20"), 32);
    row("0X", QByteArray("0X2a"), 42);
    row("dollar", QByteArray("$20"), 32);
    row("negative hex", QByteArray("-$10"), -16);
    row("largest", QByteArray("2147483647"), 2147483647);
    row("smallest", QByteArray("-2147483648"), int(-2147483648LL));
    row("too large", QByteArray("2147483648"), fallback);
    row("too large hex", QByteArray("0x100000000"), fallback);
    row("many digits", QByteArray(100, '1'), fallback);
    row("trailing letters", QByteArray("12abc"), fallback);
    row("fraction", QByteArray("1.5"), fallback);
    row("bare 0x", QByteArray("0x"), fallback);
    row("two signs", QByteArray("--5"), fallback);
    row("sign after 0x", QByteArray("0x-10"), fallback);
    row("two prefixes 0x0x", QByteArray("0x0x10"), fallback);
    row("list", QByteArray("1,5"), fallback);
    row("Arabic-Indic digits", QByteArray("١٢"), fallback);
}

void TestSettingsFile::integer() {
    QFETCH(QByteArray, text);
    QFETCH(int, value);
    QCOMPARE(ini::integer(text.toStdString(), -7), value);
}

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
