// The Help menu and the status-bar links of the main window: captions and order, what each item
// does, and which part of the status bar opens which address. Links go to a recorder, never to
// a browser.
#include "About.h"
#include "AppSetup.h"
#include "AppTestSupport.h"
#include "Links.h"
#include "StatusBar.h"

#include <QApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QSettings>
#include <QUrl>
#include <memory>

namespace {

// The subject "Pelmora软件用户意见或建议" in percent-encoded UTF-8.
const QString kEncodedSubject = QStringLiteral(
    "Pelmora%E8%BD%AF%E4%BB%B6%E7%94%A8%E6%88%B7%E6%84%8F%E8%A7%81%E6%88%96%E5%BB%BA%E8%AE%AE");

class RecordingLinks : public LinkOpener {
public:
    RecordingLinks() { LinkOpener::setCurrent(this); }
    ~RecordingLinks() override { LinkOpener::setCurrent(nullptr); }
    void open(const QString& address) override { opened << address; }
    QStringList opened;
};

// The main window on tab 1 with recorded links.
struct LinkFixture : Fixture {
    RecordingLinks links;
    LinkFixture() : Fixture(1) {}
};

QString feedback() {
    return QStringLiteral("mailto:") + Maker::email() + QStringLiteral("?subject=") +
           kEncodedSubject + QStringLiteral("&cc=");
}

// Opens the Help menu with the mouse and clicks one of its items, as a user does.
void chooseMenuItem(TFrm& frm, QAction* item) {
    QMenuBar* bar = frm.ui()->MainMenu1;
    QMenu* menu = frm.ui()->N2;
    const QPoint title = bar->actionGeometry(menu->menuAction()).center();
    QTest::mouseClick(frm.windowHandle(), Qt::LeftButton, {}, bar->mapTo(&frm, title));
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {},
                      menu->actionGeometry(item).center());
    QTRY_VERIFY(!menu->isVisible());
}

// A click at x on the status bar, delivered to the window at that point.
void clickStatusBar(TFrm& frm, int x, Qt::MouseButton button = Qt::LeftButton) {
    QStatusBar* bar = frm.ui()->StatusBar1;
    QTest::mouseClick(frm.windowHandle(), button, {}, bar->mapTo(&frm, QPoint(x, 9)));
}

QList<TFrm_About*> aboutBoxes(TFrm& frm) {
    return frm.findChildren<TFrm_About*>(Qt::FindDirectChildrenOnly);
}

} // namespace

class TestHelpMenu : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setUpApplication(*qobject_cast<QApplication*>(qApp)); }
    void init() { m_pages = std::make_unique<PrivateTemp>(); }
    void menu();
    void menuLinks_data();
    void menuLinks();
    void aboutBoxes();
    void exitClosesTheWindow();
    void statusBar();
    void statusBarClicks_data();
    void statusBarClicks();
    void statusClickNeedsPressAndReleaseOnTheBar();
    void feedbackAddress_data();
    void feedbackAddress();

private:
    std::unique_ptr<PrivateTemp> m_pages;
};

void TestHelpMenu::menu() {
    LinkFixture f;
    QCOMPARE(f.frm.menuBar(), f.ui.MainMenu1);
    // Only the Help menu; each item by name and caption, "-" for a separator. No accelerator
    // letter: nothing in a caption marks one, and no shortcut is bound.
    QStringList seen;
    for (QAction* top : f.ui.MainMenu1->actions())
        seen << top->text();
    seen << f.ui.N2->title();
    for (QAction* item : f.ui.N2->actions()) {
        seen << item->objectName() + ' ' + (item->isSeparator() ? "-" : item->text());
        QVERIFY(QKeySequence::mnemonic(item->text()).isEmpty());
        QVERIFY(item->shortcut().isEmpty());
        QVERIFY(item->isEnabled());
    }
    QCOMPARE(seen, (QStringList{"帮助", "帮助", "N3 关于", "N4 -", "N5 意见或建议",
                                "N6 访问作者网站    ", "N1 -", "N7 退出"}));
    QVERIFY(QKeySequence::mnemonic(f.ui.N2->title()).isEmpty());
}

void TestHelpMenu::menuLinks_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("address");
    row("意见或建议 opens the feedback address", QStringLiteral("N5"), feedback());
    row("访问作者网站 opens the website", QStringLiteral("N6"), Maker::website());
}

void TestHelpMenu::menuLinks() {
    QFETCH(QString, item);
    QFETCH(QString, address);
    LinkFixture f;
    chooseMenuItem(f.frm, f.frm.findChild<QAction*>(item));
    QCOMPARE(f.links.opened, QStringList{address});
    QVERIFY(::aboutBoxes(f.frm).isEmpty());
    QVERIFY(f.frm.isVisible());
}

void TestHelpMenu::aboutBoxes() {
    auto f = std::make_unique<LinkFixture>();
    chooseMenuItem(f->frm, f->ui.N3);
    QCOMPARE(::aboutBoxes(f->frm).size(), 1);
    TFrm_About* first = ::aboutBoxes(f->frm).front();
    QVERIFY(QTest::qWaitForWindowExposed(first));
    QVERIFY(!first->isModal());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    // The main window still takes clicks while the box is up: a second box appears.
    chooseMenuItem(f->frm, f->ui.N3);
    QList<QPointer<TFrm_About>> boxes;
    for (TFrm_About* box : ::aboutBoxes(f->frm)) {
        QVERIFY(box->isVisible() && box->isWindow());
        boxes << box;
    }
    QCOMPARE(boxes.size(), 2);
    QVERIFY(f->links.opened.isEmpty());
    // A box that has been closed is only hidden; the main window destroys both with itself.
    boxes[0]->close();
    QVERIFY(!boxes[0].isNull() && !boxes[0]->isVisible());
    f.reset();
    QVERIFY(boxes[0].isNull() && boxes[1].isNull());
}

void TestHelpMenu::exitClosesTheWindow() {
    LinkFixture f;
    const QString ini = f.dir.filePath(QStringLiteral("Pelmora.ini"));
    QVERIFY(!QFile::exists(ini));
    chooseMenuItem(f.frm, f.ui.N7);
    QVERIFY(!f.frm.isVisible());
    // The close went through the usual close handling: the settings were written.
    QSettings settings(ini, QSettings::IniFormat);
    QCOMPARE(settings.value(QStringLiteral("MainForm/PageIndex")).toString(), QStringLiteral("1"));
    QVERIFY(settings.contains(QStringLiteral("MainForm/Left")));
    QVERIFY(f.links.opened.isEmpty());
}

void TestHelpMenu::statusBar() {
    LinkFixture f;
    PanelStatusBar* bar = f.ui.StatusBar1;
    QCOMPARE(f.frm.statusBar(), bar);
    QCOMPARE(bar->geometry(), QRect(0, f.frm.height() - 19, f.frm.width(), 19));
    QStringList panels;
    for (const auto& panel : bar->panels())
        panels << QStringLiteral("%1 '%2'").arg(panel.width).arg(panel.text);
    QCOMPARE(panels, (QStringList{"235 ' " + Maker::website() + "'", "145 ''",
                                  "50 '" + Maker::email() + "'"}));
}

void TestHelpMenu::statusBarClicks_data() {
    QTest::addColumn<int>("windowWidth"); // 0: as tab 1 sets it
    QTest::addColumn<int>("x");           // negative: counted back from the bar's right edge
    QTest::addColumn<QString>("address");
    const QString site = Maker::website(), mail = feedback(), none;
    row("left edge of the website panel", 0, 0, site);
    row("last pixel of the website panel", 0, 234, site);
    row("first pixel of the middle panel", 0, 235, none);
    row("last pixel of the middle panel", 0, 379, none);
    row("first pixel of the e-mail panel", 0, 380, mail);
    row("last pixel of the nominal e-mail panel", 0, 429, mail);
    row("just past the nominal e-mail panel", 0, 430, mail);
    row("right edge of the bar", 0, -1, mail);
    row("right edge of a window 810 wide", 810, -1, mail);
    row("far right in a window 810 wide", 810, 700, mail);
    row("website panel in a window 810 wide", 810, 234, site);
    row("middle panel in a window 810 wide", 810, 379, none);
}

void TestHelpMenu::statusBarClicks() {
    QFETCH(int, windowWidth);
    QFETCH(int, x);
    QFETCH(QString, address);
    LinkFixture f;
    if (windowWidth)
        f.frm.setOuterSize(windowWidth, 505);
    QStatusBar* bar = f.ui.StatusBar1;
    QCOMPARE(bar->width(), f.frm.width());
    clickStatusBar(f.frm, x < 0 ? bar->width() + x : x);
    QCOMPARE(f.links.opened, address.isEmpty() ? QStringList() : QStringList{address});
}

void TestHelpMenu::statusClickNeedsPressAndReleaseOnTheBar() {
    LinkFixture f;
    // Right and middle clicks are not clicks, nor a press on the bar released over the tabs.
    clickStatusBar(f.frm, 10, Qt::RightButton);
    clickStatusBar(f.frm, 400, Qt::MiddleButton);
    QStatusBar* bar = f.ui.StatusBar1;
    QWindow* window = f.frm.windowHandle();
    QTest::mousePress(window, Qt::LeftButton, {}, bar->mapTo(&f.frm, QPoint(10, 9)));
    QTest::mouseRelease(window, Qt::LeftButton, {}, bar->mapTo(&f.frm, QPoint(10, -40)));
    QVERIFY(f.links.opened.isEmpty());
    clickStatusBar(f.frm, 10);
    QCOMPARE(f.links.opened, QStringList{Maker::website()});
}

void TestHelpMenu::feedbackAddress_data() {
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("address");
    row("plain address", QStringLiteral("a@b.cn"),
        QStringLiteral("mailto:a@b.cn?subject=") + kEncodedSubject + "&cc=");
    row("address with a dot and a plus", QStringLiteral("first.last+pm@mail.example.org"),
        QStringLiteral("mailto:first.last+pm@mail.example.org?subject=") + kEncodedSubject +
            "&cc=");
}

void TestHelpMenu::feedbackAddress() {
    QFETCH(QString, email);
    QFETCH(QString, address);
    QCOMPARE(::feedbackAddress(email), address);
    // The address reaches the desktop with its escapes as they are.
    QCOMPARE(QUrl(address, QUrl::TolerantMode).toString(QUrl::FullyEncoded), address);
}

QTEST_MAIN(TestHelpMenu)
#include "tst_helpmenu.moc"
