// The main window on a real X desktop: its own Xvfb with a real window manager (openbox, or
// the command in PELMORA_TEST_WM, such as "xfwm4"), given a D-Bus session of its own.
// Outer sizes and positions are read from the window manager's frame window on the X server,
// keys are typed through the X server (xdotool), alerts open the real box.
#include "AppSetup.h"
#include "AppTestSupport.h"
#include "HtmlView.h"
#include "PageTexts.h"
#include "SettingsFile.h"

#include <QApplication>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <csignal>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

QProcess* g_server = nullptr;
QProcess* g_wm = nullptr;
QString g_missing; // what this machine lacks for the test, if anything

// The window manager's frame around `window`: the ancestor that is a child of the root.
QRect frameOnScreen(QWidget* window) {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* c = x11->connection();
    auto w = xcb_window_t(window->winId());
    for (;;) {
        xcb_query_tree_reply_t* tree = xcb_query_tree_reply(c, xcb_query_tree(c, w), nullptr);
        if (!tree)
            return {};
        const bool top = tree->parent == tree->root;
        const xcb_window_t parent = tree->parent;
        free(tree);
        if (top)
            break;
        w = parent;
    }
    xcb_get_geometry_reply_t* g = xcb_get_geometry_reply(c, xcb_get_geometry(c, w), nullptr);
    const QRect frame(g->x, g->y, g->width + 2 * g->border_width, g->height + 2 * g->border_width);
    free(g);
    return frame;
}

bool run(const QString& program, const QStringList& args) {
    return QProcess::execute(program, args) == 0;
}

// A started window with its own settings file holding `ini`.
struct Desktop {
    QTemporaryDir dir;
    QString ini = dir.filePath(QStringLiteral("Pelmora.ini"));
    std::unique_ptr<TFrm> frm;
    explicit Desktop(const QByteArray& settings = {}) {
        if (!settings.isEmpty()) {
            QFile file(ini);
            if (file.open(QIODevice::WriteOnly))
                file.write(settings);
        }
        frm = std::make_unique<TFrm>(ini);
        frm->show();
        if (!QTest::qWaitForWindowExposed(frm.get()))
            qWarning("main window not exposed");
    }
    Ui::Frm& ui() { return *frm->ui(); }
};

} // namespace

class TestDesktop : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (!g_missing.isEmpty())
            QSKIP(qPrintable(g_missing));
        setUpApplication(*qobject_cast<QApplication*>(qApp));
    }

    // The outer size the frame shows right after the window is first exposed and once the
    // window manager is done, after each tab or selector label chosen in turn.
    void outerSizes() {
        PrivateTemp temp;
        RecordingDialogs boxes;
        Desktop d;
        QStringList seen{QStringLiteral("start %1x%2")
                             .arg(frameOnScreen(d.frm.get()).width())
                             .arg(frameOnScreen(d.frm.get()).height())};
        const auto settled = [&](const QString& step) {
            QTest::qWait(300);
            const QRect frame = frameOnScreen(d.frm.get());
            seen << QStringLiteral("%1 %2x%3").arg(step).arg(frame.width()).arg(frame.height());
        };
        settled(QStringLiteral("start"));
        for (int tab : {0, 2, 3, 4, 1}) {
            d.ui().PCMain->setCurrentIndex(tab);
            settled(QStringLiteral("tab %1").arg(tab));
        }
        d.ui().PCMain->setCurrentIndex(pages::ConversionTab);
        for (int tag : {6, 2})
            QTest::mouseClick(d.frm->conversionLabels().at(tag - 1), Qt::LeftButton);
        settled(QStringLiteral("label 2"));
        QCOMPARE(seen, (QStringList{"start 518x430", "start 518x430", "tab 0 780x420",
                                    "tab 2 528x460", "tab 3 537x470", "tab 4 810x505",
                                    "tab 1 518x430", "label 2 810x365"}));
    }

    // Saved Left and Top, where the frame shows on the 1280 x 1024 screen, what the close
    // writes back.
    void positions_data() {
        QTest::addColumn<QByteArray>("saved");
        QTest::addColumn<QPoint>("shown");
        const auto row = [](const char* tag, const char* keys, QPoint shown) {
            QTest::newRow(tag) << ("[MainForm]\n" + QByteArray(keys)) << shown;
        };
        row("on screen, kept exactly", "Left=300\nTop=200", {300, 200});
        row("undocked monitor", "Left=5000\nTop=4000", {762, 594});
        row("left of the screen", "Left=-3000\nTop=100", {0, 100});
        row("above the screen", "Left=100\nTop=-900", {100, 0});
        row("beyond 16 bits", "Left=100\nTop=99999", {100, 594});
    }
    void positions() {
        QFETCH(QByteArray, saved);
        PrivateTemp temp;
        RecordingDialogs boxes;
        QFETCH(QPoint, shown);
        Desktop d(saved);
        // The window manager may place the frame a little after the window is exposed.
        QTRY_COMPARE_WITH_TIMEOUT(frameOnScreen(d.frm.get()).topLeft(), shown, 5000);
        d.frm->close();
        QSettings ini(d.ini, QSettings::IniFormat);
        QTEST(QPoint(ini.value("MainForm/Left").toInt(), ini.value("MainForm/Top").toInt()),
              "shown");
    }

    // Typed through the X server: tab 0 has taken the keyboard.
    void keyboardAndClipboard() {
        PrivateTemp temp;
        RecordingDialogs boxes;
        Desktop d;
        d.frm->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(d.frm.get()));
        d.ui().PCMain->setCurrentIndex(pages::CalculatorTab);
        HtmlView* view = d.frm->webCalc();
        QVERIFY(view);
        QTRY_VERIFY_WITH_TIMEOUT(view->hasDocument() && !view->busy(), 30000);
        // The engine's own widget inside the view holds the keyboard before anything is typed.
        QTRY_VERIFY_WITH_TIMEOUT(view->isAncestorOf(QApplication::focusWidget()), 10000);
        // xfwm4 keeps the X focus from a window that asks for it itself; the user clicks it.
        run("xdotool", {"windowactivate", "--sync", QString::number(d.frm->winId())});
        QTest::qWait(1000);
        QClipboard* clipboard = QGuiApplication::clipboard();
        // Typed keys and the copy reach the page by different paths, so on a loaded machine a
        // copy may overtake the keys before it: copy until the display shows what was typed.
        const auto copied = [&](const QString& expected) {
            const QDeadlineTimer deadline(10000);
            do {
                run("xdotool", {"key", "ctrl+c"});
                QTest::qWait(100);
                if (clipboard->text() == expected)
                    return true;
            } while (!deadline.hasExpired());
            qWarning() << "clipboard" << clipboard->text() << "expected" << expected;
            return false;
        };
        QVERIFY(run("xdotool", {"key", "Escape"}));
        QVERIFY(run("xdotool", {"type", "--delay", "30", "12+3*4"}));
        QVERIFY(run("xdotool", {"key", "Return"}));
        QVERIFY(copied(QStringLiteral("24")));
        QVERIFY(run("xdotool", {"key", "Escape"}));
        QVERIFY(copied(QStringLiteral("0")));
        // A pasted number is typed into the display: the copy that follows brings it back. The
        // copy is awaited by its write, as the clipboard holds the pasted text already.
        clipboard->setText(QStringLiteral("-7.5"));
        int copies = 0;
        connect(clipboard, &QClipboard::dataChanged, this, [&] { ++copies; });
        QVERIFY(run("xdotool", {"key", "ctrl+v", "ctrl+c"}));
        QTRY_VERIFY(copies > 0);
        QCOMPARE(clipboard->text(), QStringLiteral("-7.5"));
        disconnect(clipboard, &QClipboard::dataChanged, this, nullptr);
    }

    // A page's alert opens our own box: no English engine title, no file address.
    void alertBox() {
        PrivateTemp temp;
        Desktop d;
        d.ui().PCMain->setCurrentIndex(pages::ConversionTab);
        HtmlView* view = d.frm->webDlh();
        QVERIFY(view);
        QTRY_VERIFY_WITH_TIMEOUT(view->hasDocument() && !view->busy(), 30000);
        QStringList seen;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            poll.stop();
            seen << box->windowTitle() << box->text() << QString::number(box->icon())
                 << (box->parentWidget() == d.frm.get() ? "owned" : "stray");
            for (QAbstractButton* button : box->buttons())
                seen << button->text();
            box->buttons().constFirst()->click();
        });
        poll.start(20);
        // Type "abc" beside 公里(km) and press Enter in it, through the X server.
        d.frm->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(d.frm.get()));
        view->setFocus();
        QVERIFY(run("xdotool", {"key", "Tab", "a", "b", "c", "Return"}));
        QTRY_VERIFY_WITH_TIMEOUT(!seen.isEmpty(), 10000);
        QCOMPARE(seen, (QStringList{"Pelmora", "请输入有效的数字",
                                    QString::number(QMessageBox::Warning), "owned", "确定"}));
    }

    // Enter in any field of tabs 1 to 3 shows what the tab's button shows.
    void enterCalculates_data() {
        QTest::addColumn<pages::Tab>("tab");
        QTest::addColumn<QString>("fields"); // field=text;...
        QTest::addColumn<QString>("result");
        QTest::newRow("income") << pages::IncomeTaxTab << "EdtSalary=2500"
                                << "LabShui";
        QTest::newRow("income, threshold field")
            << pages::IncomeTaxTab << "EdtSalary=3000;EdtFirstStep=2000"
            << "LabShuihou";
        QTest::newRow("deposit") << pages::DepositTab << "EdtAmt=10000"
                                 << "LabHeji";
        QTest::newRow("deposit, rate field") << pages::DepositTab << "EdtAmt=500;EdtRat=3.33"
                                             << "LabLixi";
        QTest::newRow("health") << pages::HealthTab << "EdtHeight=170;EdtWeight=60"
                                << "LabJiankang";
    }
    void enterCalculates() {
        QFETCH(pages::Tab, tab);
        QFETCH(QString, fields);
        QFETCH(QString, result);
        PrivateTemp temp;
        RecordingDialogs boxes;
        Desktop d;
        d.ui().PCMain->setCurrentIndex(tab);
        QLineEdit* last = nullptr;
        for (const QString& pair : fields.split(';')) {
            last = d.frm->findChild<QLineEdit*>(pair.section('=', 0, 0));
            QVERIFY(last);
            enter(last, pair.section('=', 1));
        }
        auto* label = d.frm->findChild<QLabel*>(result);
        label->clear();
        QTest::keyClick(last, Qt::Key_Return);
        const QString byEnter = label->text();
        QVERIFY(!byEnter.isEmpty());
        label->clear();
        QPushButton* button = tab == pages::IncomeTaxTab ? d.ui().BtnCalc1
                              : tab == pages::DepositTab ? d.ui().Button3
                                                         : d.ui().Button1;
        click(button);
        QCOMPARE(label->text(), byEnter);
        QCOMPARE(boxes.boxes.size(), 0);
        // The value can be selected and copied.
        QVERIFY(label->textInteractionFlags() & Qt::TextSelectableByKeyboard);
        label->setFocus();
        label->setSelection(0, byEnter.size());
        QTest::keyClick(label, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), byEnter);
    }
};

// Starts the X server and the window manager before the application connects to it.
int main(int argc, char* argv[]) {
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    const QStringList wm = qEnvironmentVariable("PELMORA_TEST_WM", QStringLiteral("openbox"))
                               .split(' ', Qt::SkipEmptyParts);
    for (const QString& tool : {xvfb.isEmpty() ? QStringLiteral("Xvfb") : QString(), wm.first(),
                                QStringLiteral("xdotool")})
        if (!tool.isEmpty() && QStandardPaths::findExecutable(tool).isEmpty())
            g_missing += tool + QStringLiteral(" not installed; ");
    if (g_missing.isEmpty()) {
        g_server = new QProcess;
        g_server->start(xvfb,
                        {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"});
        QByteArray number;
        while (!number.contains('\n') && g_server->waitForReadyRead(10000))
            number += g_server->readAllStandardOutput();
        if (number.trimmed().isEmpty()) {
            g_missing = QStringLiteral("Xvfb did not start");
        } else {
            qputenv("DISPLAY", ":" + number.trimmed());
            // xfwm4 and its settings daemon need a session bus: without one xfwm4 quits at once.
            // The manager runs in a process group of its own, so that everything it and the bus
            // start goes with it at the end; its output comes here, not to the test's output,
            // which stays open for as long as anything holds it.
            g_wm = new QProcess;
            g_wm->setProcessChannelMode(QProcess::MergedChannels);
            g_wm->setChildProcessModifier([] { ::setsid(); });
            const QString bus = QStandardPaths::findExecutable(QStringLiteral("dbus-run-session"));
            if (bus.isEmpty() || wm.first().endsWith(QStringLiteral("dbus-run-session")))
                g_wm->start(wm.first(), wm.mid(1));
            else
                g_wm->start(bus, QStringList{"--"} + wm);
            // Ready once it announces itself on the root window.
            bool ready = false;
            for (int i = 0; i < 100 && !ready && g_wm->state() != QProcess::NotRunning; ++i) {
                QProcess probe;
                probe.start(QStringLiteral("xprop"), {"-root", "_NET_SUPPORTING_WM_CHECK"});
                if (!probe.waitForFinished(5000))
                    probe.kill();
                ready = probe.readAllStandardOutput().contains("window id");
                if (!ready)
                    QThread::msleep(100);
            }
            if (!ready)
                g_missing = wm.first() + QStringLiteral(" did not start: ") +
                            QString::fromLocal8Bit(g_wm->readAll());
            qputenv("QT_QPA_PLATFORM", "xcb");
        }
    }
    int status;
    {
        prepareApplication(); // drawn as the program draws
        QApplication app(argc, argv);
        TestDesktop test;
        status = QTest::qExec(&test, argc, argv);
    }
    // The server goes once the application has let go of it.
    if (g_wm && g_wm->processId() > 0)
        ::kill(-pid_t(g_wm->processId()), SIGTERM);
    for (QProcess* p : {g_wm, g_server})
        if (p) {
            p->terminate();
            if (!p->waitForFinished(3000))
                p->kill();
        }
    return status;
}

#include "tst_desktop.moc"
