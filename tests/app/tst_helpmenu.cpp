// The Help menu and the status-bar links of the main window: captions and order, what each item
// does, and which part of the status bar opens which address. Links go to a recorder, never to
// a browser.
#include "About.h"
#include "AppSetup.h"
#include "Dialogs.h"
#include "Links.h"
#include "StatusBar.h"
#include "Unit1.h"
#include "ui_Unit1.h"

#include <QApplication>
#include <QFile>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
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

class SilentDialogs : public Dialogs {
public:
    SilentDialogs() { Dialogs::setCurrent(this); }
    ~SilentDialogs() override { Dialogs::setCurrent(nullptr); }
    void message(QWidget*, const QString& text) override { shown << text; }
    void appError(QWidget*, const QString& text) override { shown << text; }
    QStringList shown;
};

// A shown main window with its own settings file, page folder and recorded links.
struct Fixture {
    QTemporaryDir dir;
    RecordingLinks links;
    SilentDialogs dialogs;
    TFrm frm{dir.filePath(QStringLiteral("Pelmora.ini"))};
    Ui::Frm& ui = *frm.ui();

    Fixture() {
        frm.show();
        if (!QTest::qWaitForWindowExposed(&frm))
            qWarning("main window not exposed");
    }
};

QString website() {
    return Maker::website();
}
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

// A left click at x on the status bar, delivered to the window at that point.
void clickStatusBar(TFrm& frm, int x, Qt::MouseButton button = Qt::LeftButton) {
    QStatusBar* bar = frm.ui()->StatusBar1;
    const QPoint at = bar->mapTo(&frm, QPoint(x, bar->height() / 2));
    QTest::mouseClick(frm.windowHandle(), button, {}, at);
}

QList<TFrm_About*> aboutBoxes(TFrm& frm) {
    return frm.findChildren<TFrm_About*>(Qt::FindDirectChildrenOnly);
}

} // namespace

class TestHelpMenu : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void menuItems_data();
    void menuItems();
    void onlyTheHelpMenu();
    void menuLinks_data();
    void menuLinks();
    void aboutIsModelessAndNew();
    void aboutBoxesBelongToTheMainWindow();
    void exitClosesTheWindow();
    void statusPanels_data();
    void statusPanels();
    void statusBarClicks_data();
    void statusBarClicks();
    void statusClickNeedsPressAndReleaseOnTheBar();
    void feedbackAddress_data();
    void feedbackAddress();

private:
    std::unique_ptr<QTemporaryDir> m_pages;
};

void TestHelpMenu::initTestCase() {
    setUpApplication(*qobject_cast<QApplication*>(qApp));
}

void TestHelpMenu::init() {
    // "退出" deletes the page files: never those of a real session in the shared folder.
    m_pages = std::make_unique<QTemporaryDir>();
    for (const char* name : {"Temp", "temp"})
        qunsetenv(name);
    qputenv("TEMP", QFile::encodeName(m_pages->path()));
}

void TestHelpMenu::menuItems_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("separator");
    QTest::newRow("关于") << 0 << "N3" << QStringLiteral("关于") << false;
    QTest::newRow("first separator") << 1 << "N4" << QString() << true;
    QTest::newRow("意见或建议") << 2 << "N5" << QStringLiteral("意见或建议") << false;
    QTest::newRow("访问作者网站 with four trailing spaces")
        << 3 << "N6" << QStringLiteral("访问作者网站    ") << false;
    QTest::newRow("second separator") << 4 << "N1" << QString() << true;
    QTest::newRow("退出") << 5 << "N7" << QStringLiteral("退出") << false;
}

void TestHelpMenu::menuItems() {
    QFETCH(int, position);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(bool, separator);
    Fixture f;
    const QList<QAction*> items = f.ui.N2->actions();
    QCOMPARE(items.size(), 6);
    QAction* item = items.at(position);
    QCOMPARE(item->objectName(), name);
    QCOMPARE(item->isSeparator(), separator);
    if (!separator) {
        QCOMPARE(item->text(), caption);
        // No accelerator letter: nothing in the caption marks one, and no shortcut is bound.
        QVERIFY(QKeySequence::mnemonic(item->text()).isEmpty());
        QVERIFY(item->shortcut().isEmpty());
        QVERIFY(item->isEnabled());
    }
}

void TestHelpMenu::onlyTheHelpMenu() {
    Fixture f;
    QCOMPARE(f.frm.menuBar(), f.ui.MainMenu1);
    const QList<QAction*> top = f.ui.MainMenu1->actions();
    QCOMPARE(top.size(), 1);
    QCOMPARE(top.front(), f.ui.N2->menuAction());
    QCOMPARE(f.ui.N2->title(), QStringLiteral("帮助"));
    QVERIFY(QKeySequence::mnemonic(f.ui.N2->title()).isEmpty());
}

void TestHelpMenu::menuLinks_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("address");
    QTest::newRow("意见或建议 opens the feedback address") << "N5" << feedback();
    QTest::newRow("访问作者网站 opens the website") << "N6" << website();
}

void TestHelpMenu::menuLinks() {
    QFETCH(QString, item);
    QFETCH(QString, address);
    Fixture f;
    chooseMenuItem(f.frm, f.frm.findChild<QAction*>(item));
    QCOMPARE(f.links.opened, QStringList{address});
    QVERIFY(aboutBoxes(f.frm).isEmpty());
    QVERIFY(f.frm.isVisible());
}

void TestHelpMenu::aboutIsModelessAndNew() {
    Fixture f;
    chooseMenuItem(f.frm, f.ui.N3);
    QCOMPARE(aboutBoxes(f.frm).size(), 1);
    TFrm_About* first = aboutBoxes(f.frm).front();
    QVERIFY(QTest::qWaitForWindowExposed(first));
    QVERIFY(!first->isModal());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    // The main window still takes clicks while the box is up: a second box appears.
    chooseMenuItem(f.frm, f.ui.N3);
    const QList<TFrm_About*> boxes = aboutBoxes(f.frm);
    QCOMPARE(boxes.size(), 2);
    QVERIFY(boxes[0] != boxes[1]);
    for (TFrm_About* box : boxes) {
        QVERIFY(box->isVisible());
        QVERIFY(box->isWindow());
    }
    QVERIFY(f.links.opened.isEmpty());
}

void TestHelpMenu::aboutBoxesBelongToTheMainWindow() {
    QTemporaryDir dir;
    RecordingLinks links;
    auto frm = std::make_unique<TFrm>(dir.filePath(QStringLiteral("Pelmora.ini")));
    frm->show();
    QVERIFY(QTest::qWaitForWindowExposed(frm.get()));
    frm->ui()->N3->trigger();
    frm->ui()->N3->trigger();
    QList<QPointer<TFrm_About>> boxes;
    for (TFrm_About* box : aboutBoxes(*frm))
        boxes << box;
    QCOMPARE(boxes.size(), 2);
    // A box that has been closed is only hidden; the main window destroys both with itself.
    boxes[0]->close();
    QVERIFY(!boxes[0].isNull());
    QVERIFY(!boxes[0]->isVisible());
    frm.reset();
    QVERIFY(boxes[0].isNull());
    QVERIFY(boxes[1].isNull());
}

void TestHelpMenu::exitClosesTheWindow() {
    Fixture f;
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

void TestHelpMenu::statusPanels_data() {
    QTest::addColumn<int>("panel");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("text");
    QTest::newRow("website") << 0 << 235 << QLatin1Char(' ') + website();
    QTest::newRow("empty middle") << 1 << 145 << QString();
    QTest::newRow("e-mail") << 2 << 50 << Maker::email();
}

void TestHelpMenu::statusPanels() {
    QFETCH(int, panel);
    QFETCH(int, width);
    QFETCH(QString, text);
    Fixture f;
    PanelStatusBar* bar = f.ui.StatusBar1;
    QCOMPARE(f.frm.statusBar(), bar);
    QCOMPARE(bar->height(), 19);
    QCOMPARE(bar->width(), f.frm.width());
    QCOMPARE(bar->geometry().bottom(), f.frm.height() - 1);
    QCOMPARE(bar->panels().size(), 3);
    QCOMPARE(bar->panels().at(panel).width, width);
    QCOMPARE(bar->panels().at(panel).text, text);
}

void TestHelpMenu::statusBarClicks_data() {
    QTest::addColumn<int>("windowWidth"); // 0: as tab 1 sets it
    QTest::addColumn<int>("x");
    QTest::addColumn<bool>("fromRight"); // x counts back from the bar's right edge
    QTest::addColumn<QString>("address");
    const QString none;
    QTest::newRow("left edge of the website panel") << 0 << 0 << false << website();
    QTest::newRow("inside the website panel") << 0 << 120 << false << website();
    QTest::newRow("last pixel of the website panel") << 0 << 234 << false << website();
    QTest::newRow("first pixel of the middle panel") << 0 << 235 << false << none;
    QTest::newRow("inside the middle panel") << 0 << 300 << false << none;
    QTest::newRow("last pixel of the middle panel") << 0 << 379 << false << none;
    QTest::newRow("first pixel of the e-mail panel") << 0 << 380 << false << feedback();
    QTest::newRow("last pixel of the nominal e-mail panel") << 0 << 429 << false << feedback();
    QTest::newRow("just past the nominal e-mail panel") << 0 << 430 << false << feedback();
    QTest::newRow("right edge of the bar") << 0 << 1 << true << feedback();
    QTest::newRow("right edge of a window 810 wide") << 810 << 1 << true << feedback();
    QTest::newRow("far right in a window 810 wide") << 810 << 700 << false << feedback();
    QTest::newRow("website panel in a window 810 wide") << 810 << 234 << false << website();
    QTest::newRow("middle panel in a window 810 wide") << 810 << 379 << false << none;
}

void TestHelpMenu::statusBarClicks() {
    QFETCH(int, windowWidth);
    QFETCH(int, x);
    QFETCH(bool, fromRight);
    QFETCH(QString, address);
    Fixture f;
    if (windowWidth)
        f.frm.setOuterSize(windowWidth, 505);
    QStatusBar* bar = f.ui.StatusBar1;
    QCOMPARE(bar->width(), f.frm.width());
    const int at = fromRight ? bar->width() - x : x;
    QVERIFY(at >= 0 && at < bar->width());
    clickStatusBar(f.frm, at);
    QCOMPARE(f.links.opened, address.isEmpty() ? QStringList() : QStringList{address});
}

void TestHelpMenu::statusClickNeedsPressAndReleaseOnTheBar() {
    Fixture f;
    // Right and middle clicks are not clicks.
    clickStatusBar(f.frm, 10, Qt::RightButton);
    clickStatusBar(f.frm, 400, Qt::MiddleButton);
    QVERIFY(f.links.opened.isEmpty());
    // A press on the bar released over the tabs above it is no click either.
    QStatusBar* bar = f.ui.StatusBar1;
    QWindow* window = f.frm.windowHandle();
    QTest::mousePress(window, Qt::LeftButton, {}, bar->mapTo(&f.frm, QPoint(10, 9)));
    QTest::mouseRelease(window, Qt::LeftButton, {}, bar->mapTo(&f.frm, QPoint(10, -40)));
    QVERIFY(f.links.opened.isEmpty());
    clickStatusBar(f.frm, 10);
    QCOMPARE(f.links.opened, QStringList{website()});
}

void TestHelpMenu::feedbackAddress_data() {
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("address");
    QTest::newRow("plain address")
        << "a@b.cn" << QStringLiteral("mailto:a@b.cn?subject=") + kEncodedSubject + "&cc=";
    QTest::newRow("address with a dot and a plus")
        << "first.last+pm@mail.example.org"
        << QStringLiteral("mailto:first.last+pm@mail.example.org?subject=") + kEncodedSubject +
               "&cc=";
    QTest::newRow("the maker's address") << Maker::email() << feedback();
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
