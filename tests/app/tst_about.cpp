// The About box: its form, the information text with its CR-separated lines and the version
// text, and which clicks hide which box when several are open.
#include "About.h"
#include "AppSetup.h"
#include "AppTestSupport.h"
#include "CaptionLabel.h"
#include "Links.h"
#include "SongFace.h"
#include "ui_About.h"

#include <QApplication>
#include <QFontInfo>
#include <QScreen>
#include <memory>

namespace {

// One point per part of the box, each where only that part is on top.
const struct {
    const char* name;
    QPoint at;
} kPoints[] = {
    {"", {360, 200}},       // the box itself: right of the text, below the big word
    {"Image1", {75, 100}},  // the picture
    {"Label2", {200, 120}}, // the information text
    {"Label1", {200, 40}},  // the big word
    {"Label3", {333, 73}},  // the shadow's corner that the big word leaves uncovered
};

QPoint pointOf(const QString& part) {
    for (const auto& p : kPoints)
        if (part == QLatin1String(p.name))
            return p.at;
    return {};
}

// A left click at `at` (box coordinates), delivered to the box's window so that it reaches
// whatever lies under that point.
void clickAt(TFrm_About& box, QPoint at) {
    QTest::mouseClick(box.windowHandle(), Qt::LeftButton, {}, at);
}

} // namespace

class TestAbout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setUpApplication(*qobject_cast<QApplication*>(qApp)); }
    void init() { m_pages = std::make_unique<PrivateTemp>(); }
    void versionText_data();
    void versionText();
    void compiledVersion();
    void informationText();
    void captionLabelLines_data();
    void captionLabelLines();
    void window();
    void parts_data();
    void parts();
    void clicks_data();
    void clicks();
    void pressAndReleaseOnDifferentParts();

private:
    std::unique_ptr<PrivateTemp> m_pages;
};

void TestAbout::versionText_data() {
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("build");
    QTest::addColumn<QString>("text");
    row("this release", 1, 1, 62, QStringLiteral("1.1 Build 62"));
    row("zero build", 2, 0, 0, QStringLiteral("2.0 Build 0"));
    row("two-digit minor", 1, 10, 7, QStringLiteral("1.10 Build 7"));
    row("largest fields", 65535, 65535, 65535, QStringLiteral("65535.65535 Build 65535"));
    row("fields hold 16 bits", 0x10001, 0x20003, 0x10005, QStringLiteral("1.3 Build 5"));
}

void TestAbout::versionText() {
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(int, build);
    QTEST(::versionText(major, minor, build), "text");
}

void TestAbout::compiledVersion() {
    // Major, minor and the fourth number of the project version; the third is not shown.
    const QStringList parts = QStringLiteral(PELMORA_TEST_PROJECT_VERSION).split('.');
    QVERIFY(parts.size() >= 2);
    QCOMPARE(::versionText(), QStringLiteral("%1.%2 Build %3")
                                  .arg(parts[0].toInt())
                                  .arg(parts[1].toInt())
                                  .arg(parts.size() > 3 ? parts[3].toInt() : 0));
}

void TestAbout::informationText() {
    QString site = Maker::website();
    if (site.startsWith(QLatin1String("http://")))
        site.remove(0, 7);
    const QStringList expected{QStringLiteral("软件名称 : Pelmora"),
                               QStringLiteral("软件性质 : 免费软件"),
                               QStringLiteral("软件版本 : ") + ::versionText(),
                               QStringLiteral("软件作者 : ") + Maker::author(),
                               QStringLiteral("作者邮箱 : ") + Maker::email(),
                               QStringLiteral("作者网站 : ") + site,
                               QString(25, ' '),
                               Maker::notice().leftJustified(25)};
    TFrm_About box;
    auto* label = qobject_cast<CaptionLabel*>(box.ui()->Label2);
    QVERIFY(label);
    QVERIFY(label->text().isEmpty()); // filled when shown, not before
    box.show();
    // Lines separated by a lone CR: no LF, nothing before the first line or after the last.
    QCOMPARE(label->text(), expected.join('\r'));
    // Every line on a line of its own, none wrapped, all eight inside the label.
    QCOMPARE(label->drawnLines(), expected);
    QVERIFY2(expected.size() * label->linePitch() <= label->height(),
             "the maker's details are too long for the About box");
    // Every showing fills it again.
    label->setText(QStringLiteral("changed"));
    box.hide();
    box.show();
    QCOMPARE(label->text(), expected.join('\r'));
}

void TestAbout::captionLabelLines_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<QStringList>("lines");
    row("CR alone breaks", QStringLiteral("ab\rcd"), 200, QStringList{"ab", "cd"});
    row("LF and CR LF break once", QStringLiteral("a\nb\r\nc"), 200, QStringList{"a", "b", "c"});
    row("two CRs leave an empty line", QStringLiteral("a\r\rb"), 200, QStringList{"a", "", "b"});
    row("long line wraps at a space", QStringLiteral("aaaa bbbb"), 40,
        QStringList{"aaaa ", "bbbb"});
}

void TestAbout::captionLabelLines() {
    QFETCH(QString, text);
    QFETCH(int, width);
    CaptionLabel label;
    QFont f(kSongFace);
    f.setPixelSize(13);
    label.setFont(f);
    label.setWordWrap(true);
    label.setFixedSize(width, 200);
    label.setText(text);
    QTEST(label.drawnLines(), "lines");
    QCOMPARE(label.linePitch(), 13);
}

void TestAbout::window() {
    TFrm_About box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const auto flags = box.windowFlags();
    const QString signature =
        QStringLiteral("%1|%2|%3x%4|%5x%6|%7x%8|dialog %9|max %10|modal %11|delete %12|%13 %14")
            .arg(box.objectName(), box.windowTitle())
            .arg(box.width())
            .arg(box.height())
            .arg(box.minimumWidth())
            .arg(box.minimumHeight())
            .arg(box.maximumWidth())
            .arg(box.maximumHeight())
            .arg(flags.testFlag(Qt::Dialog))
            .arg(flags.testFlag(Qt::WindowMaximizeButtonHint))
            .arg(box.isModal())
            .arg(box.testAttribute(Qt::WA_DeleteOnClose))
            .arg(box.font().family())
            .arg(box.font().pixelSize());
    QCOMPARE(signature, QStringLiteral("Frm_About|关于Pelmora|382x214|382x214|382x214|dialog "
                                       "1|max 0|modal 0|delete 0|%1 12")
                            .arg(kSongFace));
    // Cream where nothing else is drawn.
    const QImage shot = box.grab().toImage();
    QCOMPARE(QColor(shot.pixel(pointOf(QString()))), QColor(255, 251, 240));
    QCOMPARE(QColor(shot.pixel(375, 5)), QColor(255, 251, 240));
    // The picture drawn as it is.
    const QImage art = box.ui()->Image1->pixmap().toImage();
    QCOMPARE(art.size(), QSize(150, 214));
    for (const QPoint p : {QPoint(0, 0), QPoint(75, 100), QPoint(149, 213)})
        QCOMPARE(QColor(shot.pixel(p)), QColor(art.pixel(p)));
    // The outer window centred on the screen.
    const QPoint centre = box.screen()->geometry().center();
    QTRY_VERIFY((box.frameGeometry().center() - centre).manhattanLength() <= 1);
}

void TestAbout::parts_data() {
    QTest::addColumn<QString>("signature");
    // Drawing order (later on top), geometry, text, font, colour, and the part under its point.
    row("Image1", QStringLiteral("0 Image1 0,0 150x214 '' 12 0 #000000 under Image1"));
    row("Label2", QStringLiteral("1 Label2 160,87 178x104 '' 13 0 #800000 under Label2"));
    row("Label3", QStringLiteral("2 Label3 160,19 174x56 'Brenvik' @GungsuhChe 56/56 1 "
                                 "#6f7373 fits under Label3"));
    row("Label1", QStringLiteral("3 Label1 158,16 174x56 'Brenvik' @GungsuhChe 56/56 1 "
                                 "#800000 fits under Label1"));
}

void TestAbout::parts() {
    QFETCH(QString, signature);
    TFrm_About box;
    const QList<QLabel*> labels = box.findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    QCOMPARE(labels.size(), 4);
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    QLabel* label = box.findChild<QLabel*>(name);
    QVERIFY(label);
    QVERIFY(!label->autoFillBackground()); // transparent: the cream shows through
    const QFont f = label->font();
    const bool word = label->text() == QLatin1String("Brenvik");
    QString font = QString::number(f.pixelSize());
    if (word)
        font = f.family() + ' ' + font + '/' + QString::number(QFontInfo(f).pixelSize());
    const QString color = name == QLatin1String("Image1")
                              ? QStringLiteral("#000000")
                              : label->palette().color(QPalette::WindowText).name();
    QWidget* under = box.childAt(pointOf(name));
    const QString fits =
        word && QFontMetrics(f).horizontalAdvance(label->text()) <= label->width() ? " fits" : "";
    QCOMPARE(QStringLiteral("%1 %2 %3,%4 %5x%6 '%7' %8 %9 %10%11 under %12")
                 .arg(labels.indexOf(label))
                 .arg(name)
                 .arg(label->x())
                 .arg(label->y())
                 .arg(label->width())
                 .arg(label->height())
                 .arg(word ? label->text() : QString(), font)
                 .arg(f.bold())
                 .arg(color, fits, under ? under->objectName() : QString()),
             signature);
}

void TestAbout::clicks_data() {
    QTest::addColumn<QString>("part");
    QTest::addColumn<bool>("hides");
    row("box background", QString(), true);
    row("picture", QStringLiteral("Image1"), true);
    row("information text", QStringLiteral("Label2"), true);
    row("big word", QStringLiteral("Label1"), true);
    row("shadow word", QStringLiteral("Label3"), false);
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
    // the big word; the right button: none is a click.
    QTest::mousePress(window, Qt::LeftButton, {}, pointOf(QStringLiteral("Label1")));
    QTest::mouseRelease(window, Qt::LeftButton, {}, pointOf(QString()));
    QTest::mousePress(window, Qt::LeftButton, {}, pointOf(QStringLiteral("Label3")));
    QTest::mouseRelease(window, Qt::LeftButton, {}, pointOf(QStringLiteral("Label1")));
    QTest::mouseClick(window, Qt::RightButton, {}, pointOf(QStringLiteral("Label2")));
    QVERIFY(box.isVisible());
    clickAt(box, pointOf(QStringLiteral("Label2")));
    QVERIFY(!box.isVisible());
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
