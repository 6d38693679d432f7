// Installation as a desktop program: `cmake --install` of this build tree into a scratch root
// (the exact file list, the desktop entry, the AppStream metadata and the icons, checked by the
// freedesktop validators), and the Debian package CPack makes from it.
#include "Links.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <memory>

namespace {

const QString kBuildDir = QStringLiteral(PELMORA_TEST_BUILD_DIR);
const QString kPrefix = QStringLiteral(PELMORA_TEST_PREFIX);
const QString kBinDir = QStringLiteral(PELMORA_TEST_BINDIR);
const QString kLibDir = QStringLiteral(PELMORA_TEST_LIBDIR);
const QString kDataDir = QStringLiteral(PELMORA_TEST_DATADIR);
const QString kAppId = QStringLiteral(PELMORA_TEST_APP_ID);
const QString kVersion = QStringLiteral(PELMORA_TEST_VERSION);
const QList<int> kIconSizes{PELMORA_TEST_ICON_SIZES};

struct Result {
    int code = -1;
    QString out, err;
};

Result run(const QString& program, const QStringList& args,
           const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    Result r;
    if (!p.waitForFinished(300000))
        return r;
    r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

QString desktopPath() {
    return kDataDir + QStringLiteral("/applications/") + kAppId + QStringLiteral(".desktop");
}
QString metainfoPath() {
    return kDataDir + QStringLiteral("/metainfo/") + kAppId + QStringLiteral(".metainfo.xml");
}
QString iconPath(int size) {
    return QStringLiteral("%1/icons/hicolor/%2x%2/apps/%3.png").arg(kDataDir).arg(size).arg(kAppId);
}

// Every file the install puts down, relative to the prefix.
QStringList expectedFiles() {
    QStringList files{
        kBinDir + QStringLiteral("/pelmora"),
        kLibDir + QStringLiteral("/pelmora/") + QStringLiteral(PELMORA_TEST_PLUGIN),
        desktopPath(),
        metainfoPath(),
        kDataDir + QStringLiteral("/icons/hicolor/scalable/apps/") + kAppId +
            QStringLiteral(".svg"),
    };
    for (int size : kIconSizes)
        files << iconPath(size);
    files.sort();
    return files;
}

// The "[Desktop Entry]" group of a desktop file, key by key ("Name[zh_CN]" is a key of its own).
QMap<QString, QString> readDesktopEntry(const QString& path) {
    QMap<QString, QString> keys;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return keys;
    bool inGroup = false;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char('['))) {
            inGroup = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (inGroup && eq > 0)
            keys.insert(line.left(eq), line.mid(eq + 1));
    }
    return keys;
}

} // namespace

class TestInstall : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void installedFiles();
    void programIsExecutable();
    void noBuildPaths_data();
    void noBuildPaths();
    void validators_data();
    void validators();
    void desktopEntry();
    void metainfo();
    void icons_data();
    void icons();
    void debianPackage();

private:
    QString installed(const QString& relative) const {
        return m_root->path() + kPrefix + QLatin1Char('/') + relative;
    }
    std::unique_ptr<QTemporaryDir> m_root;
};

void TestInstall::initTestCase() {
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DESTDIR"), m_root->path());
    const Result r =
        run(QStringLiteral(PELMORA_TEST_CMAKE), {QStringLiteral("--install"), kBuildDir}, env);
    QVERIFY2(r.code == 0, qPrintable(r.out + r.err));
}

void TestInstall::installedFiles() {
    const QString prefix = m_root->path() + kPrefix + QLatin1Char('/');
    QStringList files;
    QDirIterator it(m_root->path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QVERIFY2(path.startsWith(prefix), qPrintable(path + " lies outside the prefix"));
        files << path.mid(prefix.size());
    }
    files.sort();
    QCOMPARE(files, expectedFiles());
}

void TestInstall::programIsExecutable() {
    const QFileInfo program(installed(kBinDir + QStringLiteral("/pelmora")));
    QVERIFY(program.isExecutable());
    QVERIFY(program.size() > 0);
    // The plugin is where the program looks for it: lib/pelmora of the same prefix.
    QVERIFY(QFileInfo(installed(kLibDir + QStringLiteral("/pelmora/") +
                                QStringLiteral(PELMORA_TEST_PLUGIN)))
                .size() > 0);
}

// The installed program and plugin, their debugging information stripped, name no folder of the
// build or source tree: a copy of the program never loads a plugin from a build folder, which
// on a shared machine another user may control.
void TestInstall::noBuildPaths_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("program") << kBinDir + QStringLiteral("/pelmora");
    QTest::newRow("plugin") << kLibDir + QStringLiteral("/pelmora/") +
                                   QStringLiteral(PELMORA_TEST_PLUGIN);
}

void TestInstall::noBuildPaths() {
    QFETCH(QString, file);
    QTemporaryDir out;
    const QString stripped = out.filePath(QStringLiteral("stripped"));
    const Result r =
        run(QStringLiteral("strip"), {QStringLiteral("-o"), stripped, installed(file)});
    QVERIFY2(r.code == 0, qPrintable(r.out + r.err));
    QFile binary(stripped);
    QVERIFY(binary.open(QIODevice::ReadOnly));
    const QByteArray bytes = binary.readAll();
    QVERIFY(bytes.size() > 10000);
    // Qt keeps string literals in UTF-16, other code in UTF-8: look for both.
    const auto holds = [&](const QString& text) {
        const QByteArray utf16(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
        return bytes.contains(text.toUtf8()) || bytes.contains(utf16);
    };
    for (const QString& tree : {kBuildDir, QStringLiteral(PELMORA_TEST_SOURCE_DIR)})
        QVERIFY2(!holds(QDir::cleanPath(tree)), qPrintable(tree));
    // What the program looks for instead: the plugin's name, beside it or in ../lib/pelmora.
    if (file.endsWith(QLatin1String("/pelmora")))
        QVERIFY(holds(QStringLiteral(PELMORA_TEST_PLUGIN)));
}

void TestInstall::validators_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("file");
    QTest::newRow("desktop-file-validate")
        << "desktop-file-validate" << QStringList() << desktopPath();
    QTest::newRow("appstreamcli") << "appstreamcli"
                                  << QStringList{"validate", "--no-net", "--pedantic"}
                                  << metainfoPath();
}

void TestInstall::validators() {
    QFETCH(QString, program);
    QFETCH(QStringList, args);
    QFETCH(QString, file);
    if (QStandardPaths::findExecutable(program).isEmpty())
        QFAIL(qPrintable(program + " is missing: run scripts/install-deps"));
    const Result r = run(program, args << installed(file));
    QVERIFY2(r.code == 0, qPrintable(r.out + r.err));
    // No warning either. (AppStream's one remark is that the maker's http:// website is not
    // https.)
    static const QRegularExpression complaint(QStringLiteral("^[EW]: "),
                                              QRegularExpression::MultilineOption);
    QVERIFY2(!complaint.match(r.out + r.err).hasMatch(), qPrintable(r.out + r.err));
    if (program == QLatin1String("desktop-file-validate"))
        QVERIFY2(r.out.isEmpty() && r.err.isEmpty(), qPrintable(r.out + r.err));
}

void TestInstall::desktopEntry() {
    const auto entry = readDesktopEntry(installed(desktopPath()));
    QStringList seen;
    for (const char* key :
         {"Type", "Name", "Exec", "Icon", "Categories", "Terminal", "StartupWMClass"})
        seen << key + QStringLiteral("=") + entry.value(QLatin1String(key));
    QCOMPARE(seen, (QStringList{"Type=Application", "Name=Pelmora", "Exec=pelmora",
                                "Icon=" + kAppId, "Categories=Utility;Calculator;",
                                "Terminal=false", "StartupWMClass=Pelmora"}));
    // Each text translated; names stay "Pelmora", the other texts are in Chinese characters.
    static const QRegularExpression han(QStringLiteral("\\p{Han}"));
    for (const QString key : {"Name", "GenericName", "Comment"}) {
        const QString english = entry.value(key), chinese = entry.value(key + "[zh_CN]");
        QVERIFY2(!english.isEmpty() && !chinese.isEmpty(), qPrintable(key));
        if (key != QLatin1String("Name"))
            QVERIFY2(!han.match(english).hasMatch() && han.match(chinese).hasMatch(),
                     qPrintable(key));
    }
}

void TestInstall::metainfo() {
    QFile file(installed(metainfoPath()));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QMap<QString, QString> seen;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QString name = xml.name().toString();
        QString key = name;
        if (name == QLatin1String("launchable") || name == QLatin1String("url"))
            key += QLatin1Char(':') + xml.attributes().value(QStringLiteral("type")).toString();
        if (name == QLatin1String("release")) {
            seen.insert(QStringLiteral("release"),
                        xml.attributes().value(QStringLiteral("version")).toString());
            continue;
        }
        if (name == QLatin1String("component") || name == QLatin1String("description") ||
            name == QLatin1String("releases") || name == QLatin1String("provides") ||
            name == QLatin1String("categories") || name == QLatin1String("ul"))
            continue;
        const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        if (!seen.contains(key))
            seen.insert(key, text);
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(seen.value(QStringLiteral("id")), kAppId);
    QCOMPARE(seen.value(QStringLiteral("launchable:desktop-id")),
             kAppId + QStringLiteral(".desktop"));
    QCOMPARE(seen.value(QStringLiteral("binary")), QStringLiteral("pelmora"));
    QCOMPARE(seen.value(QStringLiteral("url:homepage")), Maker::website());
    QCOMPARE(seen.value(QStringLiteral("developer_name")), Maker::author());
    QCOMPARE(seen.value(QStringLiteral("release")), kVersion);
}

void TestInstall::icons_data() {
    QTest::addColumn<int>("size");
    for (int size : kIconSizes)
        QTest::addRow("%dx%d", size, size) << size;
    QTest::newRow("scalable") << 0;
}

void TestInstall::icons() {
    QFETCH(int, size);
    if (size == 0) {
        QFile svg(installed(kDataDir + QStringLiteral("/icons/hicolor/scalable/apps/") + kAppId +
                            QStringLiteral(".svg")));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        const QByteArray text = svg.readAll();
        QVERIFY(text.startsWith("<svg") || text.startsWith("<?xml"));
        QVERIFY(text.contains("viewBox=\"0 0 256 256\""));
        return;
    }
    const QImage icon(installed(iconPath(size)));
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.size(), QSize(size, size));
    QVERIFY(icon.hasAlphaChannel());
    // Transparent corners: the tile has rounded corners.
    QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
}

void TestInstall::debianPackage() {
    QTemporaryDir out;
    const Result packed =
        run(QStringLiteral(PELMORA_TEST_CPACK),
            {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("--config"),
             kBuildDir + QStringLiteral("/CPackConfig.cmake"), QStringLiteral("-B"), out.path()});
    QVERIFY2(packed.code == 0, qPrintable(packed.out + packed.err));
    const QStringList debs = QDir(out.path()).entryList({QStringLiteral("*.deb")}, QDir::Files);
    QCOMPARE(debs.size(), 1);
    const QString deb = out.filePath(debs.front());
    QVERIFY2(debs.front().startsWith(QStringLiteral("pelmora_") + kVersion + QLatin1Char('_')),
             qPrintable(debs.front()));

    // The files are those of the install, under the same prefix.
    const Result listing = run(QStringLiteral("dpkg-deb"), {QStringLiteral("-c"), deb});
    QCOMPARE(listing.code, 0);
    QStringList files;
    for (const QString& line : listing.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (line.startsWith(QLatin1Char('d')))
            continue; // folders
        QString path = line.section(QLatin1Char(' '), -1);
        QVERIFY2(path.startsWith(QStringLiteral("./") + kPrefix.mid(1) + QLatin1Char('/')),
                 qPrintable(path));
        files << path.mid(kPrefix.size() + 2);
    }
    files.sort();
    QCOMPARE(files, expectedFiles());

    const Result fields =
        run(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), deb, QStringLiteral("Package"),
                                         QStringLiteral("Version"), QStringLiteral("Depends")});
    QCOMPARE(fields.code, 0);
    QVERIFY2(fields.out.contains(QStringLiteral("Package: pelmora\n")), qPrintable(fields.out));
    QVERIFY2(fields.out.contains(QStringLiteral("Version: ") + kVersion + QLatin1Char('\n')),
             qPrintable(fields.out));
    // Found by the shared-library scan of the program and of the plugin, plus the fonts.
    for (const char* dependency :
         {"fonts-noto-cjk", "libc6", "libqt6widgets6", "libqt6webenginewidgets6"})
        QVERIFY2(fields.out.contains(QRegularExpression(
                     QStringLiteral("[ ,]%1( |,|\n|$)").arg(QLatin1String(dependency)))),
                 qPrintable(fields.out));
}

QTEST_MAIN(TestInstall)
#include "tst_install.moc"
