// The About box: its form, the information text with its CR-separated lines and the version
// text, and which clicks hide which box when several are open.
#include "About.h"
#include "AppSetup.h"
#include "CaptionLabel.h"
#include "Links.h"
#include "Unit1.h"
#include "ui_About.h"
#include "ui_Unit1.h"

#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

const QColor kMaroon(128, 0, 0);
const QColor kShadow(111, 115, 115);
const QColor kCream(255, 251, 240);

// The project version as CMake holds it, e.g. "1.1.0.62".
const QString kProjectVersion = QStringLiteral(PELMORA_TEST_PROJECT_VERSION);

QLabel* child(TFrm_About& box, const char* name) {
    return box.findChild<QLabel*>(QLatin1String(name));
}

// A left click at `at` (box coordinates), delivered to the box's window so that it reaches
// whatever lies under that point.
void clickAt(TFrm_About& box, QPoint at) {
    QTest::mouseClick(box.windowHandle(), Qt::LeftButton, {}, at);
}

struct Points {
    const char* name;
    QPoint at;
};
// One point per part of the box, each where only that part is on top.
const Points kPoints[] = {
    {"", {360, 200}},       // the box itself: right of the text, below the big word
    {"Image1", {75, 100}},  // the picture
    {"Label2", {200, 120}}, // the information text
    {"Label1", {200, 40}},  // the big word
    {"Label3", {333, 73}},  // the shadow's corner that the big word leaves uncovered
};

QPoint pointOf(const QString& part) {
    for (const Points& p : kPoints)
        if (part == QLatin1String(p.name))
            return p.at;
    return {};
}

} // namespace

class TestAbout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void versionText_data();
    void versionText();
    void compiledVersion();
    void informationLines_data();
    void informationLines();
    void informationTextSeparators();
    void formShowRefillsTheText();
    void informationTextIsNotCutOff();
    void captionLabelLines_data();
    void captionLabelLines();
    void window();
    void parts_data();
    void parts();
    void partUnderPoint_data();
    void partUnderPoint();
    void bigWordFitsItsLabel();
    void pictureIsDrawn();
    void clicks_data();
    void clicks();
    void pressAndReleaseOnDifferentParts();

private:
    std::unique_ptr<QTemporaryDir> m_pages;
};

void TestAbout::initTestCase() {
    setUpApplication(*qobject_cast<QApplication*>(qApp));
}

void TestAbout::init() {
    // The main window deletes its page files when it goes: never those of a real session.
    m_pages = std::make_unique<QTemporaryDir>();
    for (const char* name : {"Temp", "temp"})
        qunsetenv(name);
    qputenv("TEMP", QFile::encodeName(m_pages->path()));
}

void TestAbout::versionText_data() {
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("build");
    QTest::addColumn<QString>("text");
    QTest::newRow("this release") << 1 << 1 << 62 << "1.1 Build 62";
    QTest::newRow("zero build") << 2 << 0 << 0 << "2.0 Build 0";
    QTest::newRow("two-digit minor") << 1 << 10 << 7 << "1.10 Build 7";
    QTest::newRow("largest fields") << 65535 << 65535 << 65535 << "65535.65535 Build 65535";
    QTest::newRow("fields hold 16 bits") << 0x10001 << 0x20003 << 0x10005 << "1.3 Build 5";
}

void TestAbout::versionText() {
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(int, build);
    QFETCH(QString, text);
    QCOMPARE(::versionText(major, minor, build), text);
}

void TestAbout::compiledVersion() {
    // Major, minor and the fourth number; the third is not shown.
    const QStringList parts = kProjectVersion.split(QLatin1Char('.'));
    QVERIFY(parts.size() >= 2);
    const QString expected = QStringLiteral("%1.%2 Build %3")
                                 .arg(parts[0].toInt())
                                 .arg(parts[1].toInt())
                                 .arg(parts.size() > 3 ? parts[3].toInt() : 0);
    QCOMPARE(::versionText(), expected);
}

void TestAbout::informationLines_data() {
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("text");
    QString site = Maker::website();
    if (site.startsWith(QLatin1String("http://")))
        site.remove(0, 7);
    QTest::newRow("name") << 0 << QStringLiteral("软件名称 : Pelmora");
    QTest::newRow("kind") << 1 << QStringLiteral("软件性质 : 免费软件");
    QTest::newRow("version") << 2 << QStringLiteral("软件版本 : ") + ::versionText();
    QTest::newRow("author") << 3 << QStringLiteral("软件作者 : ") + Maker::author();
    QTest::newRow("e-mail") << 4 << QStringLiteral("作者邮箱 : ") + Maker::email();
    QTest::newRow("website without http://") << 5 << QStringLiteral("作者网站 : ") + site;
    QTest::newRow("25 spaces") << 6 << QString(25, QLatin1Char(' '));
    QTest::newRow("notice padded to 25") << 7 << Maker::notice().leftJustified(25);
}

void TestAbout::informationLines() {
    QFETCH(int, line);
    QFETCH(QString, text);
    TFrm_About box;
    box.show();
    const QStringList lines = box.ui()->Label2->text().split(QLatin1Char('\r'));
    QCOMPARE(lines.size(), 8);
    QCOMPARE(lines.at(line), text);
}

void TestAbout::informationTextSeparators() {
    TFrm_About box;
    QVERIFY(box.ui()->Label2->text().isEmpty()); // filled when shown, not before
    box.show();
    const QString text = box.ui()->Label2->text();
    QCOMPARE(text, TFrm_About::informationText());
    QCOMPARE(text.count(QLatin1Char('\r')), 7);
    QVERIFY(!text.contains(QLatin1Char('\n')));
    QVERIFY(!text.contains(QLatin1String("\r\r")));
    QVERIFY(!text.endsWith(QLatin1Char('\r')));
    QVERIFY(
        text.startsWith(QStringLiteral("软件名称 : Pelmora\r软件性质 : 免费软件\r软件版本 : ")));
    QVERIFY(!text.contains(QLatin1String("http://")));
}

void TestAbout::formShowRefillsTheText() {
    TFrm_About box;
    box.show();
    box.ui()->Label2->setText(QStringLiteral("changed"));
    box.hide();
    box.show();
    QCOMPARE(box.ui()->Label2->text(), TFrm_About::informationText());
}

void TestAbout::informationTextIsNotCutOff() {
    TFrm_About box;
    box.show();
    auto* label = qobject_cast<CaptionLabel*>(box.ui()->Label2);
    QVERIFY(label);
    const QStringList drawn = label->drawnLines();
    // Every line on a line of its own, none wrapped, all eight inside the label.
    QCOMPARE(drawn, label->text().split(QLatin1Char('\r')));
    QVERIFY2(drawn.size() * label->linePitch() <= label->height(),
             "the maker's details are too long for the About box");
}

void TestAbout::captionLabelLines_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("CR alone breaks") << "ab\rcd" << 200 << QStringList{"ab", "cd"};
    QTest::newRow("LF and CR LF break once") << "a\nb\r\nc" << 200 << QStringList{"a", "b", "c"};
    QTest::newRow("two CRs leave an empty line") << "a\r\rb" << 200 << QStringList{"a", "", "b"};
    QTest::newRow("long line wraps at a space")
        << "aaaa bbbb" << 40 << QStringList{"aaaa ", "bbbb"};
}

void TestAbout::captionLabelLines() {
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(QStringList, lines);
    CaptionLabel label;
    QFont f(QStringLiteral("宋体"));
    f.setPixelSize(13);
    label.setFont(f);
    label.setWordWrap(true);
    label.setFixedSize(width, 200);
    label.setText(text);
    QCOMPARE(label.drawnLines(), lines);
    QCOMPARE(label.linePitch(), 13);
}

void TestAbout::window() {
    TFrm_About box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QCOMPARE(box.objectName(), QStringLiteral("Frm_About"));
    QCOMPARE(box.windowTitle(), QStringLiteral("关于Pelmora"));
    QCOMPARE(box.size(), QSize(382, 214));
    QCOMPARE(box.minimumSize(), QSize(382, 214));
    QCOMPARE(box.maximumSize(), QSize(382, 214));
    QVERIFY(box.windowFlags().testFlag(Qt::Dialog));
    QVERIFY(!box.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!box.isModal());
    QVERIFY(!box.testAttribute(Qt::WA_DeleteOnClose));
    QCOMPARE(box.font().family(), QStringLiteral("宋体"));
    QCOMPARE(box.font().pixelSize(), 12);
    // Cream where nothing else is drawn.
    const QImage shot = box.grab().toImage();
    QCOMPARE(QColor(shot.pixel(pointOf(QString()))), kCream);
    QCOMPARE(QColor(shot.pixel(375, 5)), kCream);
    // The outer window centred on the screen.
    const QPoint centre = box.screen()->geometry().center();
    QTRY_VERIFY2((box.frameGeometry().center() - centre).manhattanLength() <= 1,
                 qPrintable(QStringLiteral("box centre %1,%2, screen centre %3,%4")
                                .arg(box.frameGeometry().center().x())
                                .arg(box.frameGeometry().center().y())
                                .arg(centre.x())
                                .arg(centre.y())));
}

void TestAbout::parts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("order"); // drawing order, later on top
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QColor>("color");
    QTest::newRow("Image1") << "Image1" << 0 << QRect(0, 0, 150, 214) << QString() << 12 << false
                            << QColor();
    QTest::newRow("Label2") << "Label2" << 1 << QRect(160, 87, 178, 104) << QString() << 13 << false
                            << kMaroon;
    QTest::newRow("Label3") << "Label3" << 2 << QRect(160, 19, 174, 56) << "Brenvik" << 56 << true
                            << kShadow;
    QTest::newRow("Label1") << "Label1" << 3 << QRect(158, 16, 174, 56) << "Brenvik" << 56 << true
                            << kMaroon;
}

void TestAbout::parts() {
    QFETCH(QString, name);
    QFETCH(int, order);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(int, pixelSize);
    QFETCH(bool, bold);
    QFETCH(QColor, color);
    TFrm_About box;
    const QList<QLabel*> labels = box.findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    QCOMPARE(labels.size(), 4);
    QLabel* label = labels.at(order);
    QCOMPARE(label->objectName(), name);
    QCOMPARE(label->geometry(), geometry);
    if (!text.isEmpty())
        QCOMPARE(label->text(), text);
    QCOMPARE(label->font().pixelSize(), pixelSize);
    QCOMPARE(label->font().bold(), bold);
    if (color.isValid())
        QCOMPARE(label->palette().color(QPalette::WindowText), color);
    QVERIFY(!label->autoFillBackground()); // transparent: the cream shows through
}

void TestAbout::partUnderPoint_data() {
    QTest::addColumn<QString>("name");
    for (const Points& p : kPoints)
        QTest::newRow(*p.name ? p.name : "box") << QString::fromLatin1(p.name);
}

void TestAbout::partUnderPoint() {
    QFETCH(QString, name);
    TFrm_About box;
    QWidget* under = box.childAt(pointOf(name));
    QCOMPARE(under ? under->objectName() : QString(), name);
}

void TestAbout::bigWordFitsItsLabel() {
    TFrm_About box;
    for (QLabel* word : {child(box, "Label1"), child(box, "Label3")}) {
        QCOMPARE(word->font().family(), QStringLiteral("@GungsuhChe"));
        QCOMPARE(QFontInfo(word->font()).pixelSize(), 56);
        QVERIFY(QFontMetrics(word->font()).horizontalAdvance(word->text()) <= word->width());
    }
    QCOMPARE(child(box, "Label1")->font(), child(box, "Label3")->font());
}

void TestAbout::pictureIsDrawn() {
    TFrm_About box;
    const QPixmap picture = child(box, "Image1")->pixmap();
    QVERIFY(!picture.isNull());
    QCOMPARE(picture.size(), QSize(150, 214));
    box.show();
    const QImage shot = box.grab().toImage();
    const QImage art = picture.toImage();
    for (const QPoint p : {QPoint(0, 0), QPoint(75, 100), QPoint(149, 213)})
        QCOMPARE(QColor(shot.pixel(p)), QColor(art.pixel(p)));
}

void TestAbout::clicks_data() {
    QTest::addColumn<QString>("part");
    QTest::addColumn<bool>("hides");
    QTest::newRow("box background") << QString() << true;
    QTest::newRow("picture") << "Image1" << true;
    QTest::newRow("information text") << "Label2" << true;
    QTest::newRow("big word") << "Label1" << true;
    QTest::newRow("shadow word") << "Label3" << false;
}

void TestAbout::clicks() {
    QFETCH(QString, part);
    QFETCH(bool, hides);
    QTemporaryDir dir;
    TFrm frm(dir.filePath(QStringLiteral("Pelmora.ini")));
    frm.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frm));
    frm.ui()->N3->trigger();
    frm.ui()->N3->trigger();
    const QList<TFrm_About*> boxes = frm.findChildren<TFrm_About*>(Qt::FindDirectChildrenOnly);
    QCOMPARE(boxes.size(), 2);
    for (TFrm_About* box : boxes)
        QVERIFY(QTest::qWaitForWindowExposed(box));

    // A click hides the box clicked and leaves the other one open.
    clickAt(*boxes[1], pointOf(part));
    QCOMPARE(boxes[1]->isVisible(), !hides);
    QVERIFY(boxes[0]->isVisible());
    clickAt(*boxes[0], pointOf(part));
    QCOMPARE(boxes[0]->isVisible(), !hides);
    QCOMPARE(boxes[1]->isVisible(), !hides);
    // Hidden, not destroyed: still there until the main window goes.
    QCOMPARE(frm.findChildren<TFrm_About*>(Qt::FindDirectChildrenOnly).size(), 2);
    QVERIFY(frm.isVisible());
}

void TestAbout::pressAndReleaseOnDifferentParts() {
    TFrm_About box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QWindow* window = box.windowHandle();
    // Pressed on the big word, released on the background; pressed on the shadow, released on
    // the big word: neither is a click.
    QTest::mousePress(window, Qt::LeftButton, {}, pointOf(QStringLiteral("Label1")));
    QTest::mouseRelease(window, Qt::LeftButton, {}, pointOf(QString()));
    QVERIFY(box.isVisible());
    QTest::mousePress(window, Qt::LeftButton, {}, pointOf(QStringLiteral("Label3")));
    QTest::mouseRelease(window, Qt::LeftButton, {}, pointOf(QStringLiteral("Label1")));
    QVERIFY(box.isVisible());
    // The right button does nothing anywhere.
    QTest::mouseClick(window, Qt::RightButton, {}, pointOf(QStringLiteral("Label2")));
    QVERIFY(box.isVisible());
    clickAt(box, pointOf(QStringLiteral("Label2")));
    QVERIFY(!box.isVisible());
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
