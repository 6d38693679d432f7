// The main window as a whole: start-up from the settings file, the tabs and their window sizes,
// keyboard order and accessible names, the close, and the real message boxes.
#include "AppSetup.h"
#include "AppTestSupport.h"
#include "PageTexts.h"
#include "SettingsFile.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QTabBar>
#include <QTimer>
#include <functional>

namespace {

const QStringList& kPageFiles = pages::pageFileNames();

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void clickTab(TFrm& frm, int index) {
    auto* bar = frm.ui()->PCMain->findChild<QTabBar*>();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

// Counts the events of one type that reach a widget while it lives.
class EventCounter : public QObject {
public:
    EventCounter(QObject* watched, QEvent::Type type, int* count)
        : QObject(watched), m_type(type), m_count(count) {
        watched->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        *m_count += event->type() == m_type;
        return false;
    }

private:
    QEvent::Type m_type;
    int* m_count;
};

struct SeenBox {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QWidget* parent = nullptr;
    bool fits = false; // the box on its screen, its text nowhere cut off
};

// Runs `trigger` with the real boxes, reads the box it opens and presses its button.
SeenBox answerBox(const std::function<void()>& trigger) {
    SeenBox seen;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        poll.stop();
        const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        seen = {box->windowTitle(),
                box->text(),
                box->icon(),
                {},
                box->parentWidget(),
                box->frameGeometry().width() <= box->screen()->availableGeometry().width() &&
                    label && label->sizeHint().width() <= label->width()};
        for (QAbstractButton* button : box->buttons())
            seen.buttons << button->text();
        box->buttons().constFirst()->click();
    });
    poll.start();
    trigger();
    return seen;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void startUp_data();
    void startUp();
    void initialState();
    void tabSizes_data();
    void tabSizes();
    void tabsKeepTheirState();
    void focusChain_data();
    void focusChain();
    void accessibleNames_data();
    void accessibleNames();
    void close_data();
    void close();
    void closeUnwritable();
    void pageFilesDeleted_data();
    void pageFilesDeleted();
    void choosePath_data();
    void choosePath();
    void realBoxes();

private:
    std::unique_ptr<PrivateTemp> m_temp;
};

void TestMainWindow::initTestCase() {
    setUpApplication(*qobject_cast<QApplication*>(qApp));
}

void TestMainWindow::init() {
    m_temp = std::make_unique<PrivateTemp>();
}

void TestMainWindow::startUp_data() {
    QTest::addColumn<QByteArray>("ini"); // null: no settings file
    QTest::addColumn<QPoint>("pos");
    const auto mainForm = [](const char* keys) { return "[MainForm]\n" + QByteArray(keys); };
    row("no file", QByteArray(), QPoint(217, 179));
    row("both keys", mainForm("Left=10\nTop=20"), QPoint(10, 20));
    row("garbage", mainForm("Left=abc\nTop=1.5"), QPoint(217, 179));
    row("list value", mainForm("Left=1,5\nTop=7"), QPoint(217, 7));
    row("beyond 32 bits", mainForm("Left=4294967296\nTop=9"), QPoint(217, 9));
    row("0x and 0X", mainForm("Left=0x20\nTop=0X20"), QPoint(32, 32));
    row("dollar hex", mainForm("Left=$20\nTop=$A0"), QPoint(32, 160));
    // The offscreen screen is 800 x 800: the window comes back wholly onto it.
    row("off every screen", mainForm("Left=5000\nTop=4000"), QPoint(282, 370));
    row("other section", QByteArray("[Other]\nLeft=5\nTop=6"), QPoint(217, 179));
    row("size and page ignored", mainForm("Left=50\nTop=60\nWidth=900\nPageIndex=0"),
        QPoint(50, 60));
}

void TestMainWindow::startUp() {
    QFETCH(QByteArray, ini);
    QFETCH(QPoint, pos);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Pelmora.ini"));
    if (!ini.isNull())
        QVERIFY(writeFile(path, ini));
    RecordingDialogs boxes;
    TFrm frm(path);
    QCOMPARE(frm.pos(), pos);
    QCOMPARE(frm.ui()->PCMain->currentIndex(), int(pages::IncomeTaxTab));
    QCOMPARE(frm.outerSize(), QSize(518, 430));
    QCOMPARE(frm.termMonths(), 3);
    QCOMPARE(QFile::exists(path), !ini.isNull()); // reading creates no file
    frm.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frm));
    QTest::qWait(10);
    QCOMPARE(frm.outerSize(), QSize(518, 430));
    QCOMPARE(frm.windowTitle(), QStringLiteral("Pelmora1.1"));
    QCOMPARE(frm.minimumSize(), frm.maximumSize()); // not resizable
    QVERIFY(!frm.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(boxes.boxes.isEmpty());
}

void TestMainWindow::initialState() {
    Fixture f(1);
    auto& ui = f.ui;
    QStringList tabs;
    for (int i = 0; i < ui.PCMain->count(); ++i)
        tabs << ui.PCMain->tabText(i);
    QCOMPARE(tabs,
             (QStringList{"数学计算器", "个人所得税", "存款计算器", "健康计算器", "度量衡计算"}));

    const auto items = [](QComboBox* combo) {
        QStringList out;
        for (int i = 0; i < combo->count(); ++i)
            out << combo->itemText(i);
        return out;
    };
    QCOMPARE(items(ui.CbSuodeshui),
             (QStringList{"工资、薪金所得", "个体工商户生产、经营所得",
                          "对企事业单位的承包经营、承租经营所得", "劳务报酬所得", "稿酬所得",
                          "特许权使用所得", "利息、股息、红利所得", "偶然所得（如：中奖、中彩）",
                          "个人拍卖所得"}));
    QCOMPARE(items(ui.CbTime), (QStringList{"三个月", "六个月", "一年", "两年", "三年", "五年"}));
    QCOMPARE(items(ui.RzComboBox1), QStringList{"人民币"});
    QCOMPARE(items(ui.RzComboBox2), (QStringList{"定期存款", "活期存款"}));
    QCOMPARE(items(ui.RzComboBox4), (QStringList{"男", "女"}));
    for (QComboBox* combo :
         {ui.CbSuodeshui, ui.CbTime, ui.RzComboBox1, ui.RzComboBox2, ui.RzComboBox4}) {
        QCOMPARE(combo->currentIndex(), 0);
        QVERIFY(!combo->isEditable()); // no free text
    }
    QCOMPARE(ui.EdtSalary->text(), QString());
    QCOMPARE(ui.EdtFirstStep->text(), QStringLiteral("2000"));
    QVERIFY(!ui.EdtFirstStep->isHidden());
    QCOMPARE(ui.BtnCalc1->pos(), QPoint(161, 198));
    QCOMPARE(ui.BtnZero1->pos(), QPoint(252, 198));
    QCOMPARE(ui.EdtRat->text(), QStringLiteral("1.7100"));
    QCOMPARE(ui.EdtAmt->text(), QString());
    QCOMPARE(f.frm.termMonths(), 3);
    QCOMPARE(ui.EdtHeight->text(), QString());
    QCOMPARE(ui.EdtWeight->text(), QString());
    for (QWidget* panel : {ui.PnlRet1, ui.PnlRet2, ui.PnlRet3})
        QVERIFY2(panel->isHidden(), qPrintable(panel->objectName()));
    QVERIFY(ui.Memo1->isReadOnly());
    QCOMPARE(ui.Memo1->toPlainText(),
             QStringLiteral("\n提示：体重指数（BMI）是国际通用的衡量人体重的方法，计算\n\n"
                            "的方法是：BMI=体重（公斤）除以身高（米）平方。\n\n"
                            "我国专家认为，中国人属亚洲人种，最佳值应该是20-22，BMI\n\n"
                            "大于22.6为超重，BMI大于30为肥胖。"));
}

void TestMainWindow::tabSizes_data() {
    QTest::addColumn<pages::Tab>("tab");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("htmlView");
    row("calculator", pages::CalculatorTab, QSize(780, 420), true);
    row("deposit", pages::DepositTab, QSize(528, 460), false);
    row("health", pages::HealthTab, QSize(537, 470), false);
    row("conversion", pages::ConversionTab, QSize(810, 505), true);
}

void TestMainWindow::tabSizes() {
    QFETCH(pages::Tab, tab);
    QFETCH(QSize, size);
    Fixture f(1);
    const QPoint pos = f.frm.pos();
    clickTab(f.frm, tab);
    QCOMPARE(f.ui.PCMain->currentIndex(), int(tab));
    QTest::qWait(10);
    QCOMPARE(f.frm.outerSize(), size);
    QCOMPARE(f.frm.pos(), pos); // resizing does not move the window
    clickTab(f.frm, 1);
    QTest::qWait(10);
    QCOMPARE(f.frm.outerSize(), QSize(518, 430));
    QCOMPARE(f.frm.pos(), pos);
    // An HTML view lays its whole page out again at every new size: its tab keeps its own size
    // while hidden and is not resized on the way back.
    QFETCH(bool, htmlView);
    int resizes = 0;
    EventCounter counter(f.ui.PCMain->widget(tab), QEvent::Resize, &resizes);
    clickTab(f.frm, tab);
    QTest::qWait(10);
    QCOMPARE(f.frm.outerSize(), size);
    if (htmlView)
        QCOMPARE(resizes, 0);
}

void TestMainWindow::tabsKeepTheirState() {
    Fixture f(1);
    auto& ui = f.ui;
    choose(ui.CbSuodeshui, 6);
    QTest::keyClicks(ui.EdtSalary, QStringLiteral("1000"));
    click(ui.BtnCalc1);
    clickTab(f.frm, 2);
    choose(ui.CbTime, 2);
    QTest::keyClicks(ui.EdtAmt, QStringLiteral("1000"));
    click(ui.Button3);
    clickTab(f.frm, 3);
    QTest::keyClicks(ui.EdtHeight, QStringLiteral("175"));
    QTest::keyClicks(ui.EdtWeight, QStringLiteral("70"));
    click(ui.Button1);
    for (int tab : {1, 2, 3, 2, 1})
        clickTab(f.frm, tab);
    QCOMPARE((QStringList{QString::number(ui.CbSuodeshui->currentIndex()), ui.EdtSalary->text(),
                          ui.LabShui->text(), QString::number(ui.CbTime->currentIndex()),
                          QString::number(f.frm.termMonths()), ui.EdtRat->text(),
                          ui.LabHeji->text(), ui.EdtWeight->text(), ui.LabJiankang->text()}),
             (QStringList{"6", "1000", "200 元", "2", "12", "2.2500", "1022.5", "70", "23"}));
    for (QWidget* panel : {ui.PnlRet1, ui.PnlRet2, ui.PnlRet3})
        QVERIFY(!panel->isHidden());
    QVERIFY(f.boxes.boxes.isEmpty());
}

void TestMainWindow::focusChain_data() {
    QTest::addColumn<pages::Tab>("tab");
    QTest::addColumn<int>("kind"); // income kind chosen first
    QTest::addColumn<QStringList>("order");
    row("income, wages", pages::IncomeTaxTab, 0,
        QStringList{"EdtSalary", "EdtFirstStep", "BtnCalc1", "BtnZero1", "CbSuodeshui"});
    row("income, no threshold", pages::IncomeTaxTab, 3,
        QStringList{"EdtSalary", "BtnCalc1", "BtnZero1", "CbSuodeshui"});
    row("deposit", pages::DepositTab, 0,
        QStringList{"RzComboBox1", "RzComboBox2", "CbTime", "EdtRat", "EdtAmt", "Button3",
                    "Button4"});
    row("health", pages::HealthTab, 0,
        QStringList{"RzComboBox4", "EdtHeight", "EdtWeight", "Button1", "Button2"});
}

void TestMainWindow::focusChain() {
    QFETCH(pages::Tab, tab);
    QFETCH(int, kind);
    QFETCH(QStringList, order);
    Fixture f(tab);
    f.frm.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.frm));
    choose(f.ui.CbSuodeshui, kind);
    f.frm.findChild<QWidget*>(order.first())->setFocus();
    for (int i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), order.at(i));
    }
    for (int i = order.size() - 2; i >= 0; --i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget()->objectName(), order.at(i));
    }
}

void TestMainWindow::accessibleNames_data() {
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("caption"); // the widget whose text the user sees for it
    QTest::addColumn<QString>("name");
    const QStringList rows{"CbSuodeshui Label18 收入类型",
                           "EdtSalary Label19 收入金额",
                           "EdtFirstStep LabDangdi 当地所地税起征金额",
                           "BtnCalc1 BtnCalc1 计算",
                           "BtnZero1 BtnZero1 清零",
                           "RzComboBox1 Label1 币种",
                           "RzComboBox2 Label15 存款种类",
                           "CbTime Label16 存款时长",
                           "EdtAmt Label17 存款金额",
                           "EdtRat Label20 存款利率",
                           "Button3 Button3 计算",
                           "Button4 Button4 清零",
                           "RzComboBox4 Label26 性别",
                           "EdtHeight Label25 身高",
                           "EdtWeight Label27 体重",
                           "Button1 Button1 计算",
                           "Button2 Button2 清零"};
    for (const QString& row : rows) {
        const QStringList parts = row.split(' ');
        QTest::newRow(qPrintable(parts[0])) << parts[0] << parts[1] << parts[2];
    }
}

void TestMainWindow::accessibleNames() {
    QFETCH(QString, widget);
    QFETCH(QString, caption);
    QFETCH(QString, name);
    Fixture f(1);
    QWidget* w = f.frm.findChild<QWidget*>(widget);
    QWidget* c = f.frm.findChild<QWidget*>(caption);
    QVERIFY(w && c);
    // The caption as shown, without its blanks and closing colon.
    const QString shown = c->property("text").toString().remove(' ').remove(QChar(0xFF1A));
    QCOMPARE(shown, name);
    QCOMPARE(w->accessibleName(), name);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    QVERIFY(iface);
    // Qt on Linux names a list by its current item; assistive technology then reads the
    // caption through the "labelled by" relation.
    if (!qobject_cast<QComboBox*>(w))
        QCOMPARE(iface->text(QAccessible::Name), name);
    if (c != w) {
        QStringList labels;
        for (const auto& [other, relation] : iface->relations(QAccessible::Label))
            labels << other->text(QAccessible::Name);
        QCOMPARE(labels, QStringList{c->property("text").toString()});
    }
}

void TestMainWindow::close_data() {
    QTest::addColumn<pages::Tab>("tab");
    QTest::addColumn<QSize>("size");
    row("income", pages::IncomeTaxTab, QSize(518, 430));
    row("deposit", pages::DepositTab, QSize(528, 460));
    row("health", pages::HealthTab, QSize(537, 470));
}

void TestMainWindow::close() {
    QFETCH(pages::Tab, tab);
    QFETCH(QSize, size);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Pelmora.ini"));
    QVERIFY(writeFile(path, "[Other]\nKeep=yes\n\n[MainForm]\nLeft=200\nTop=250\nPageIndex=0\n"));
    RecordingDialogs boxes;
    TFrm frm(path);
    frm.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frm));
    clickTab(frm, tab);
    QTest::qWait(10);
    QVERIFY(frm.close());
    QVERIFY(!frm.isVisible());
    QVERIFY(boxes.boxes.isEmpty());

    QSettings ini(path, QSettings::IniFormat);
    ini.beginGroup(QStringLiteral("MainForm"));
    QCOMPARE(ini.childKeys().size(), 5);
    QCOMPARE(ini.value("Left").toString(), QStringLiteral("200"));
    QCOMPARE(ini.value("Top").toString(), QStringLiteral("250"));
    QCOMPARE(ini.value("Width").toInt(), size.width());
    QCOMPARE(ini.value("Height").toInt(), size.height());
    QCOMPARE(ini.value("PageIndex").toString(), QString::number(tab));
    ini.endGroup();
    QCOMPARE(ini.value("Other/Keep").toString(), QStringLiteral("yes"));
    // Plain decimal lines that the next start reads back.
    QVERIFY(readFile(path).contains(QByteArray("Width=") + QByteArray::number(size.width())));
    TFrm next(path);
    QCOMPARE(next.pos(), QPoint(200, 250));
    QCOMPARE(next.ui()->PCMain->currentIndex(), int(pages::IncomeTaxTab));
}

void TestMainWindow::closeUnwritable() {
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath(QStringLiteral("file")), "not a folder"));
    const QString path = dir.filePath(QStringLiteral("file/Pelmora.ini"));
    RecordingDialogs boxes;
    TFrm frm(path);
    QCOMPARE(frm.pos(), QPoint(217, 179));
    frm.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frm));
    frm.ui()->PCMain->setCurrentIndex(pages::CalculatorTab); // writes the calculator page
    QVERIFY(QFile::exists(m_temp->filePath(QStringLiteral("calc.html"))));
    frm.close();
    // One box for the five keys; the window still closes.
    QCOMPARE(boxes.texts(RecordingDialogs::AppError), QStringList{"Unable to write to " + path});
    QCOMPARE(boxes.boxes.size(), 1);
    QVERIFY(!frm.isVisible());
    QVERIFY(!QFile::exists(m_temp->filePath(QStringLiteral("calc.html"))));
}

void TestMainWindow::pageFilesDeleted_data() {
    QTest::addColumn<QByteArray>("variable");
    QTest::addColumn<bool>("trailingSlash");
    QTest::addColumn<QStringList>("present");
    row("all nine, TEMP", QByteArray("TEMP"), false, kPageFiles);
    row("some, Temp", QByteArray("Temp"), true, QStringList{"calc.html", "weight.html"});
    row("none, temp", QByteArray("temp"), false, QStringList{});
}

void TestMainWindow::pageFilesDeleted() {
    QFETCH(QByteArray, variable);
    QFETCH(bool, trailingSlash);
    QFETCH(QStringList, present);
    qunsetenv("TEMP");
    qputenv(variable, QFile::encodeName(m_temp->dir.path() + (trailingSlash ? "/" : "")));
    const QStringList strangers{"notes.txt", "calc.html.bak", "Calc.html"};
    for (const QString& name : present + strangers)
        QVERIFY(writeFile(m_temp->filePath(name), "x"));
    QTemporaryDir dir;
    RecordingDialogs boxes;
    TFrm frm(dir.filePath(QStringLiteral("Pelmora.ini")));
    frm.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frm));
    // Tabs 0 and 4 write their pages over what stood there; the close deletes just those.
    const QStringList shown{"calc.html", "changdu.html"};
    frm.ui()->PCMain->setCurrentIndex(pages::CalculatorTab);
    frm.ui()->PCMain->setCurrentIndex(pages::ConversionTab);
    for (const QString& name : shown)
        QVERIFY2(readFile(m_temp->filePath(name)).size() > 1000, qPrintable(name));
    frm.close();
    QVERIFY(boxes.boxes.isEmpty());
    for (const QString& name : kPageFiles)
        QVERIFY2(QFile::exists(m_temp->filePath(name)) ==
                     (present.contains(name) && !shown.contains(name)),
                 qPrintable(name));
    for (const QString& name : strangers)
        QVERIFY2(QFile::exists(m_temp->filePath(name)), qPrintable(name));
}

void TestMainWindow::choosePath_data() {
    QTest::addColumn<QString>("exeDir"); // "dir", "dir+ini", "missing", "file", "read-only"
    QTest::addColumn<bool>("installed");
    QTest::addColumn<bool>("beside");
    row("portable copy", "dir", false, true);
    row("installed", "dir", true, false);
    row("file beside wins, installed", "dir+ini", true, true);
    row("missing folder", "missing", false, false);
    row("folder is a file", "file", false, false);
    row("read-only folder", "read-only", false, false);
}

void TestMainWindow::choosePath() {
    QFETCH(QString, exeDir);
    QFETCH(bool, installed);
    QFETCH(bool, beside);
    QTemporaryDir dir;
    const QString bin = dir.filePath(QStringLiteral("bin"));
    const QString config = dir.filePath(QStringLiteral("config"));
    if (exeDir == "file")
        QVERIFY(writeFile(bin, "x"));
    else if (exeDir != "missing")
        QVERIFY(QDir().mkdir(bin));
    if (exeDir == "dir+ini")
        QVERIFY(writeFile(bin + "/Pelmora.ini", ""));
    if (exeDir == "read-only") {
        QVERIFY(QFile::setPermissions(bin, QFile::ReadOwner | QFile::ExeOwner));
        if (QFileInfo(bin).isWritable())
            QSKIP("the folder stays writable for this user (root)");
    }
    const QString expected = (beside ? bin : config) + "/Pelmora.ini";
    QCOMPARE(SettingsFile::choosePath(bin, installed, config), expected);
}

void TestMainWindow::realBoxes() {
    QTemporaryDir dir;
    TFrm frm(dir.filePath(QStringLiteral("Pelmora.ini")));
    frm.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frm));
    auto& ui = *frm.ui();

    // Title, text, icon, buttons and owner of each box, as one signature.
    const auto seen = [&](QPushButton* button) {
        const SeenBox box = answerBox([&] { click(button); });
        return QStringList{box.title,
                           box.text,
                           QString::number(box.icon),
                           box.buttons.join(','),
                           box.parent == &frm ? "owned" : "stray",
                           box.fits ? "fits" : "cut"};
    };
    QCOMPARE(seen(ui.BtnCalc1),
             (QStringList{"系统提示", "请输入收入金额！", QString::number(QMessageBox::Warning),
                          "确定", "owned", "fits"}));
    QTest::keyClicks(ui.EdtSalary, QStringLiteral("5000"));
    paste(ui.EdtFirstStep, QStringLiteral("abc"));
    QCOMPARE(seen(ui.BtnCalc1),
             (QStringList{"Pelmora", "'abc' is not a valid floating point value.",
                          QString::number(QMessageBox::Critical), "确定", "owned", "fits"}));
    // A long paste: quoted in part, wrapped, inside the screen.
    paste(ui.EdtFirstStep, QString(32766, '9') + 'x');
    QCOMPARE(seen(ui.BtnCalc1),
             (QStringList{"Pelmora",
                          "'" + QString(59, '9') + "\n" + QString(5, '9') +
                              "…' is not a valid floating point value.",
                          QString::number(QMessageBox::Critical), "确定", "owned", "fits"}));
    clickTab(frm, 3);
    QTest::keyClicks(ui.EdtHeight, QStringLiteral("0"));
    QTest::keyClicks(ui.EdtWeight, QStringLiteral("60"));
    QCOMPARE(seen(ui.Button1).at(1), QStringLiteral("Floating point division by zero."));
    QVERIFY(!ui.PnlRet3->isHidden());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
