// Tabs 0 and 4 of the real main window with its real HTML views: the page selector, the window
// sizes, the pages shown and reloaded, the calculator view's adjustment, the right-button hook
// and the page files left at close.
#include "PageHarness.h"
#include "PageTestSupport.h"
#include "PageTexts.h"
#include "SongFace.h"
#include "Unit1.h"
#include "WebHtmlView.h"
#include "ui_Unit1.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWebEngineView>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QColor kNavy(0, 0, 128);
const QColor kNormal(62, 172, 238);
const QString kFw = QStringLiteral("\u3000");

// Records the mouse and context-menu events that reach a widget past the application's
// filters, and keeps them from the widget, so that no menu of its own opens.
class Arrivals : public QObject {
public:
    QList<QEvent::Type> seen;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::ContextMenu:
            seen << event->type();
            return true;
        default:
            return false;
        }
    }
};

} // namespace

class TestConversionTab : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    TFrm* frm = nullptr;
    std::unique_ptr<pagetest::TempEnvironment> env;

    Ui::Frm& ui() { return *frm->ui(); }
    WebHtmlView* dlh() { return dynamic_cast<WebHtmlView*>(frm->webDlh()); }
    WebHtmlView* calc() { return dynamic_cast<WebHtmlView*>(frm->webCalc()); }
    QLabel* label(int tag) { return frm->conversionLabels().value(tag - 1); }
    QString pageFolder() const { return dir.filePath(QStringLiteral("pages")); }

    // Runs `action` and waits for `view` to finish loading the page it asks for.
    bool loads(WebHtmlView* view, const std::function<void()>& action) {
        QSignalSpy finished(view->webView(), &QWebEngineView::loadFinished);
        action();
        return finished.wait(30000) && finished.last().first().toBool();
    }
    bool clickLabel(int tag) {
        return loads(dlh(), [&] { QTest::mouseClick(label(tag), Qt::LeftButton); });
    }
    bool activateTab(int index) {
        // Leave the tab first, so that activating it is a change.
        if (ui().PCMain->currentIndex() == index)
            ui().PCMain->setCurrentIndex(index == pages::IncomeTaxTab ? pages::DepositTab
                                                                      : pages::IncomeTaxTab);
        WebHtmlView* view = index == pages::CalculatorTab   ? calc()
                            : index == pages::ConversionTab ? dlh()
                                                            : nullptr;
        if (!view) {
            ui().PCMain->setCurrentIndex(index);
            return true;
        }
        return loads(view, [&] { ui().PCMain->setCurrentIndex(index); });
    }
    QString shownFile(WebHtmlView* view) {
        return QFileInfo(view->webView()->url().toLocalFile()).fileName();
    }
    QString title(WebHtmlView* view) {
        return PageHarness::eval(view, QStringLiteral("document.title")).toString();
    }
    QString display() {
        return PageHarness::eval(calc(), QStringLiteral("document.calc.display.value")).toString();
    }
    void pressKey(const QString& label) {
        PageHarness::eval(calc(), QStringLiteral("(function(){var f=document.calc;"
                                                 "for(var i=0;i<f.elements.length;i++)"
                                                 "if(f.elements[i].value=='%1')"
                                                 "{f.elements[i].click();return;}})()")
                                      .arg(label));
    }
    // Scroll position, body overflow and the width and height taken by scroll bars.
    QJsonObject viewport(WebHtmlView* view) {
        const QString json =
            PageHarness::eval(view,
                              QStringLiteral("JSON.stringify({y:window.scrollY,"
                                             "overflow:getComputedStyle(document.body).overflow,"
                                             "barW:window.innerWidth-document.body.clientWidth,"
                                             "barH:window.innerHeight-document.body.clientHeight,"
                                             "tall:document.body.scrollHeight>window.innerHeight,"
                                             "mode:document.compatMode})"))
                .toString();
        return QJsonDocument::fromJson(json.toUtf8()).object();
    }

    void verifyHighlighted(int tag) {
        for (QLabel* l : frm->conversionLabels()) {
            const bool on = l->property("tag").toInt() == tag;
            QCOMPARE(l->palette().color(l->foregroundRole()), on ? kNavy : kNormal);
            QCOMPARE(l->font().bold(), on);
            QVERIFY(!l->font().italic() && !l->font().underline() && !l->font().strikeOut());
        }
    }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        QVERIFY(QDir().mkpath(pageFolder()));
        env = std::make_unique<pagetest::TempEnvironment>();
        pagetest::TempEnvironment::redirect(pageFolder());
        frm = new TFrm(dir.filePath(QStringLiteral("Pelmora.ini")));
        frm->show();
        QVERIFY(QTest::qWaitForWindowExposed(frm));
        frm->prewarmHtmlViews();
        QVERIFY(calc() && dlh());
    }
    void cleanupTestCase() {
        delete frm;
        env.reset();
    }
    void init() { pagetest::TempEnvironment::redirect(pageFolder()); }

    // The selector's labels as the tab shows them on arrival: "长度换算" highlighted.
    void selectorLabels_data() {
        QTest::addColumn<int>("tag");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("width");
        QTest::newRow("lab1") << 1 << u"lab1"_s << u"长度换算"_s << 19 << 60;
        QTest::newRow("lab2") << 2 << u"lab2"_s << u"功率换算"_s << 99 << 56;
        QTest::newRow("lab3") << 3 << u"lab3"_s << u"面积换算"_s << 175 << 56;
        QTest::newRow("lab4") << 4 << u"lab4"_s << u"体 积/容积换算"_s << 251 << 98;
        QTest::newRow("lab5") << 5 << u"lab5"_s << u"压力换算"_s << 369 << 56;
        QTest::newRow("lab6") << 6 << u"lab6"_s << u"温度换算"_s << 445 << 56;
        QTest::newRow("lab7") << 7 << u"lab7"_s << u"重量换算"_s << 521 << 56;
        QTest::newRow("lab8") << 8 << u"lab8"_s << u"功/能/热量换算"_s << 597 << 98;
    }
    void selectorLabels() {
        QFETCH(int, tag);
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(int, left);
        QFETCH(int, width);
        QVERIFY(activateTab(pages::ConversionTab));
        QCOMPARE(frm->conversionLabels().size(), 8);
        QLabel* l = label(tag);
        QCOMPARE(l->objectName(), name);
        QCOMPARE(l->property("tag").toInt(), tag);
        QCOMPARE(l->parentWidget(), ui().RzPanel4);
        QCOMPARE(l->text(), caption);
        QCOMPARE(l->x(), left);
        // Clear of the bar's 2 px groove above and below.
        QVERIFY2(l->y() >= 2 && l->geometry().bottom() < 29 - 2,
                 qPrintable(QString::number(l->y())));
        QCOMPARE(l->width(), width);
        QCOMPARE(l->font().family(), kSongFace);
        QCOMPARE(l->font().pixelSize(), 14);
        QCOMPARE(l->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(!l->autoFillBackground());
        // The caption fits inside the label in the face that stands in for the Song face.
        QVERIFY2(l->fontMetrics().horizontalAdvance(caption) <= l->width(),
                 qPrintable(QString::number(l->fontMetrics().horizontalAdvance(caption))));
        QVERIFY(l->isVisibleTo(frm));
        QCOMPARE(ui().RzPanel4->height(), 29);
        verifyHighlighted(1);
    }

    // Each label: highlighted, the window resized for its page, the page shown in WebDlh.
    void labelClick_data() {
        QTest::addColumn<int>("tag");
        QTest::addColumn<int>("height");
        QTest::addColumn<QString>("pageFile");
        QTest::addColumn<QString>("pageTitle");
        QTest::newRow("长度换算") << 1 << 475 << u"changdu.html"_s << u"长度转换换算器"_s;
        QTest::newRow("功率换算") << 2 << 365 << u"gongl.html"_s << u"功率计量单位转换换算器"_s;
        QTest::newRow("面积换算") << 3 << 380 << u"mianji.html"_s << u"面积转换换算器"_s;
        QTest::newRow("体 积/容积换算")
            << 4 << 470 << u"tiji.html"_s << u"体积和容量计量单位换算器"_s;
        QTest::newRow("压力换算") << 5 << 455 << u"yali.html"_s << u"压力计量单位换算器"_s;
        QTest::newRow("温度换算") << 6 << 255 << u"wendu.html"_s << u"温度转换换算器"_s;
        QTest::newRow("重量换算") << 7 << 470 << u"weight.html"_s << u"重量转换换算器"_s;
        QTest::newRow("功/能/热量换算")
            << 8 << 325 << u"gongn.html"_s << u"功、能和热量转换换算器"_s;
    }
    void labelClick() {
        QFETCH(int, tag);
        QFETCH(int, height);
        QFETCH(QString, pageFile);
        QFETCH(QString, pageTitle);
        QVERIFY(activateTab(pages::ConversionTab));
        // Coming from another page, so that the load below is this label's.
        QVERIFY(clickLabel(tag == 2 ? 3 : 2));
        QVERIFY(clickLabel(tag));
        verifyHighlighted(tag);
        QCOMPARE(frm->outerSize(), QSize(810, height));
        QCOMPARE(shownFile(dlh()), pageFile);
        QCOMPARE(title(dlh()), pageTitle);
        QVERIFY(QFileInfo::exists(QDir(pageFolder()).filePath(pageFile)));
        QCOMPARE(ui().PCMain->currentIndex(), int(pages::ConversionTab));
    }

    // Only a left click counts: the button let go off the label, or another button, does
    // nothing.
    void noClick_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<QPoint>("releaseAt"); // relative to the label's far corner
        QTest::newRow("let go to the right") << int(Qt::LeftButton) << QPoint(20, 0);
        QTest::newRow("let go below") << int(Qt::LeftButton) << QPoint(0, 12);
        QTest::newRow("middle button") << int(Qt::MiddleButton) << QPoint(-3, -3);
    }
    void noClick() {
        QFETCH(int, button);
        QFETCH(QPoint, releaseAt);
        QVERIFY(activateTab(pages::ConversionTab));
        QVERIFY(clickLabel(3));
        QLabel* l = label(5);
        const QPoint inside(5, 5), release = QPoint(l->width(), l->height()) + releaseAt;
        QSignalSpy started(dlh()->webView(), &QWebEngineView::loadStarted);
        const auto b = Qt::MouseButton(button);
        QMouseEvent press(QEvent::MouseButtonPress, inside, l->mapToGlobal(inside), b, b, {});
        QMouseEvent up(QEvent::MouseButtonRelease, release, l->mapToGlobal(release), b, {}, {});
        QApplication::sendEvent(l, &press);
        QApplication::sendEvent(l, &up);
        QTest::qWait(200);
        verifyHighlighted(3);
        QCOMPARE(frm->outerSize(), QSize(810, 380));
        QCOMPARE(started.size(), 0);
    }

    // Labels clicked faster than their pages load: the view ends on the last one clicked.
    void quickClicks_data() {
        QTest::addColumn<QList<int>>("tags");
        QTest::addColumn<QString>("pageFile");
        QTest::newRow("功率, 面积") << QList<int>{2, 3} << u"mianji.html"_s;
        QTest::newRow("体积, 温度, 重量") << QList<int>{4, 6, 7} << u"weight.html"_s;
        QTest::newRow("温度, 长度, 温度") << QList<int>{6, 1, 6} << u"wendu.html"_s;
    }
    void quickClicks() {
        QFETCH(QList<int>, tags);
        QFETCH(QString, pageFile);
        QVERIFY(activateTab(pages::ConversionTab));
        QVERIFY(clickLabel(8));
        for (int tag : tags)
            QTest::mouseClick(label(tag), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(shownFile(dlh()), pageFile, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(!dlh()->busy(), 10000);
        QTest::qWait(300);
        QCOMPARE(shownFile(dlh()), pageFile);
        QVERIFY(!dlh()->busy());
        QCOMPARE(PageHarness::eval(dlh(), QStringLiteral("document.readyState")).toString(),
                 QStringLiteral("complete"));
        verifyHighlighted(tags.last());
        const int heights[] = {475, 365, 380, 470, 455, 255, 470, 325};
        QCOMPARE(frm->outerSize(), QSize(810, heights[tags.last() - 1]));
    }

    // Clicking the label already highlighted starts its page afresh.
    void highlightedLabelReloads_data() {
        QTest::addColumn<int>("tag");
        QTest::addColumn<QString>("field");
        QTest::newRow("长度换算") << 1 << u"mKilometer"_s;
        QTest::newRow("温度换算") << 6 << u"tempCelsius"_s;
        QTest::newRow("重量换算") << 7 << u"mKilogram"_s;
    }
    void highlightedLabelReloads() {
        QFETCH(int, tag);
        QFETCH(QString, field);
        QVERIFY(activateTab(pages::ConversionTab));
        QVERIFY(clickLabel(tag));
        const QString read = QStringLiteral("document.forms[0].%1.value").arg(field);
        QVERIFY(
            PageHarness::eval(dlh(), read + "='42'; window.pelmoraMark=1; " + read).toString() ==
            QLatin1String("42"));
        QVERIFY(clickLabel(tag));
        verifyHighlighted(tag);
        QCOMPARE(PageHarness::eval(dlh(), read).toString(), QString());
        QCOMPARE(PageHarness::eval(dlh(), QStringLiteral("typeof window.pelmoraMark")).toString(),
                 QStringLiteral("undefined"));
    }

    // Arriving on tab 4 always shows the length page at 810 x 505 with "长度换算" highlighted,
    // whatever was shown before and wherever the user comes from.
    void tabActivationResets_data() {
        QTest::addColumn<int>("shownTag");
        QTest::addColumn<pages::Tab>("viaTab");
        QTest::newRow("温度换算, via tab 1") << 6 << pages::IncomeTaxTab;
        QTest::newRow("功率换算, via tab 0") << 2 << pages::CalculatorTab;
        QTest::newRow("重量换算, via tab 3") << 7 << pages::HealthTab;
        QTest::newRow("长度换算, via tab 2") << 1 << pages::DepositTab;
    }
    void tabActivationResets() {
        QFETCH(int, shownTag);
        QFETCH(pages::Tab, viaTab);
        QVERIFY(activateTab(pages::ConversionTab));
        QVERIFY(clickLabel(shownTag));
        PageHarness::eval(dlh(), QStringLiteral("window.pelmoraMark=1"));
        QVERIFY(activateTab(viaTab));
        QVERIFY(activateTab(pages::ConversionTab));
        verifyHighlighted(1);
        QCOMPARE(frm->outerSize(), QSize(810, 505));
        QCOMPARE(shownFile(dlh()), QStringLiteral("changdu.html"));
        QCOMPARE(title(dlh()), QStringLiteral("长度转换换算器"));
        QCOMPARE(PageHarness::eval(dlh(), QStringLiteral("typeof window.pelmoraMark")).toString(),
                 QStringLiteral("undefined"));
    }

    // Every visit of tab 0 shows a fresh calculator at 780 x 420.
    void calculatorVisits_data() {
        QTest::addColumn<int>("viaTab");
        QTest::newRow("via tab 1") << 1;
        QTest::newRow("via tab 2") << 2;
        QTest::newRow("via tab 4") << 4;
    }
    void calculatorVisits() {
        QFETCH(int, viaTab);
        QVERIFY(activateTab(pages::CalculatorTab));
        QCOMPARE(frm->outerSize(), QSize(780, 420));
        QCOMPARE(shownFile(calc()), QStringLiteral("calc.html"));
        QCOMPARE(title(calc()), QStringLiteral("计算器"));
        QCOMPARE(display(), QStringLiteral("0"));
        pressKey(kFw + "7" + kFw);
        pressKey(kFw + "+" + kFw);
        pressKey(kFw + "5" + kFw);
        QCOMPARE(display(), QStringLiteral("5"));

        QVERIFY(activateTab(viaTab));
        QVERIFY(activateTab(pages::CalculatorTab));
        QCOMPARE(frm->outerSize(), QSize(780, 420));
        QCOMPARE(display(), QStringLiteral("0"));
        // No pending "7 +" from the last visit.
        pressKey(kFw + "＝" + kFw);
        QCOMPARE(display(), QStringLiteral("0"));
    }

    // The calculator page loses its top 10 px and its scroll bars; a long conversion page keeps
    // its scroll bar and its top.
    void calculatorAdjusted() {
        QVERIFY(activateTab(pages::CalculatorTab));
        QTRY_COMPARE_WITH_TIMEOUT(viewport(calc()).value("y").toInt(), 10, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(viewport(calc()).value("overflow").toString(),
                                  QStringLiteral("hidden"), 5000);
        const QJsonObject v = viewport(calc());
        QCOMPARE(v.value("mode").toString(), QStringLiteral("BackCompat"));
        QCOMPARE(v.value("barW").toInt(), 0);
        QCOMPARE(v.value("barH").toInt(), 0);
        // It stays there: no later firing of the handler undoes it.
        QTest::qWait(300);
        QCOMPARE(viewport(calc()).value("y").toInt(), 10);
        // A view that gets taller after the load (a window manager settling the size late)
        // still hides the top 10 px.
        frm->setOuterSize(900, 640);
        QTRY_VERIFY(calc()->height() > 500);
        QTest::qWait(300);
        QCOMPARE(viewport(calc()).value("y").toInt(), 10);
        QCOMPARE(viewport(calc()).value("barH").toInt(), 0);
        frm->setOuterSize(780, 420);
    }
    void longConversionPageKeepsScrollBar() {
        QVERIFY(activateTab(pages::CalculatorTab));
        QVERIFY(activateTab(pages::ConversionTab));
        QVERIFY(clickLabel(4));
        QCOMPARE(frm->outerSize(), QSize(810, 470));
        QTest::qWait(300); // any adjustment would have run by now
        const QJsonObject v = viewport(dlh());
        QVERIFY2(v.value("tall").toBool(), "the volume page fits its view");
        QVERIFY2(v.value("barW").toInt() > 0, "no vertical scroll bar");
        QCOMPARE(v.value("y").toInt(), 0);
        QVERIFY(v.value("overflow").toString() != QLatin1String("hidden"));
        // The calculator view, loaded before, keeps its adjustment.
        QCOMPARE(viewport(calc()).value("y").toInt(), 10);
    }

    // A page that cannot be written is shown all the same, from memory, as the one the label
    // asks for; the label is highlighted and the window resized as usual.
    void failedWriteStillShows_data() {
        QTest::addColumn<QString>("temp");
        QTest::newRow("parent is a regular file") << u"plain/sub"_s;
        QTest::newRow("folder missing") << u"nowhere"_s;
    }
    void failedWriteStillShows() {
        QFETCH(QString, temp);
        QVERIFY(activateTab(pages::ConversionTab));
        QVERIFY(clickLabel(7));
        QFile plain(dir.filePath(QStringLiteral("plain")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        pagetest::TempEnvironment::redirect(dir.filePath(temp));

        QVERIFY(loads(dlh(), [&] { QTest::mouseClick(label(2), Qt::LeftButton); }));
        verifyHighlighted(2);
        QCOMPARE(frm->outerSize(), QSize(810, 365));
        QCOMPARE(shownFile(dlh()), QStringLiteral("gongl.html"));
        QCOMPARE(title(dlh()), QStringLiteral("功率计量单位转换换算器"));
        QVERIFY(!QFileInfo::exists(dir.filePath(temp + QStringLiteral("/gongl.html"))));
        ui().PCMain->setCurrentIndex(pages::CalculatorTab);
        QCOMPARE(frm->outerSize(), QSize(780, 420));
        QVERIFY(loads(dlh(), [&] { ui().PCMain->setCurrentIndex(pages::ConversionTab); }));
        verifyHighlighted(1);
        QCOMPARE(frm->outerSize(), QSize(810, 505));
        QCOMPARE(title(dlh()), QStringLiteral("长度转换换算器"));
    }

    // Right-button presses, releases and context-menu requests inside either view never reach
    // it; elsewhere they arrive as usual, and the left button is never touched.
    void rightButtonHook_data() {
        QTest::addColumn<QString>("where");
        QTest::addColumn<bool>("swallowed");
        QTest::newRow("WebCalc page") << u"calcPage"_s << true;
        QTest::newRow("WebCalc view") << u"calcView"_s << true;
        QTest::newRow("WebDlh page") << u"dlhPage"_s << true;
        QTest::newRow("WebDlh view") << u"dlhView"_s << true;
        QTest::newRow("tab 1 EdtSalary") << u"EdtSalary"_s << false;
        QTest::newRow("tab 1 CbSuodeshui") << u"CbSuodeshui"_s << false;
        QTest::newRow("tab 2 EdtAmt") << u"EdtAmt"_s << false;
        QTest::newRow("tab 2 Button3") << u"Button3"_s << false;
        QTest::newRow("tab 3 EdtHeight") << u"EdtHeight"_s << false;
        QTest::newRow("tab 3 Button1") << u"Button1"_s << false;
        QTest::newRow("tab 4 selector bar") << u"RzPanel4"_s << false;
    }
    void rightButtonHook() {
        QFETCH(QString, where);
        QFETCH(bool, swallowed);
        QVERIFY(activateTab(pages::CalculatorTab));
        QVERIFY(activateTab(pages::ConversionTab));
        QWidget* target = nullptr;
        if (where == QLatin1String("calcPage"))
            target = calc()->webView()->focusProxy();
        else if (where == QLatin1String("calcView"))
            target = calc()->webView();
        else if (where == QLatin1String("dlhPage"))
            target = dlh()->webView()->focusProxy();
        else if (where == QLatin1String("dlhView"))
            target = dlh()->webView();
        else
            target = frm->findChild<QWidget*>(where);
        QVERIFY(target);
        if (where.endsWith(QLatin1String("Page")))
            QVERIFY(target != calc()->webView() && target != dlh()->webView());

        Arrivals arrivals;
        target->installEventFilter(&arrivals);
        const QPointF pos(5, 5);
        const QPointF global = target->mapToGlobal(pos);
        for (Qt::MouseButton button : {Qt::RightButton, Qt::LeftButton}) {
            arrivals.seen.clear();
            QMouseEvent press(QEvent::MouseButtonPress, pos, global, button, button, {});
            QMouseEvent dbl(QEvent::MouseButtonDblClick, pos, global, button, button, {});
            QMouseEvent release(QEvent::MouseButtonRelease, pos, global, button, {}, {});
            QApplication::sendEvent(target, &press);
            QApplication::sendEvent(target, &dbl);
            QApplication::sendEvent(target, &release);
            const bool right = button == Qt::RightButton;
            if (right) {
                QContextMenuEvent menu(QContextMenuEvent::Mouse, pos.toPoint(), global.toPoint());
                QApplication::sendEvent(target, &menu);
            }
            const int sent = right ? 4 : 3;
            QCOMPARE(arrivals.seen.size(), right && swallowed ? 0 : sent);
        }
        target->removeEventFilter(&arrivals);
        QApplication::processEvents();
        QCOMPARE(QApplication::activePopupWidget(), nullptr);
    }

    // The close leaves none of the nine page files in the temporary folder.
    void closeRemovesPageFiles() {
        QVERIFY(activateTab(pages::CalculatorTab));
        QVERIFY(activateTab(pages::ConversionTab));
        for (int tag = 2; tag <= 8; ++tag)
            QVERIFY(clickLabel(tag));
        const QDir folder(pageFolder());
        for (const QString& name : pages::pageFileNames())
            QVERIFY2(folder.exists(name), qPrintable(name));
        QVERIFY(frm->close());
        QCOMPARE(
            folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System),
            QStringList());
    }
};

QTEST_MAIN(TestConversionTab)
#include "tst_conversiontab.moc"
