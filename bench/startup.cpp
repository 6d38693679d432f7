// Start-up benchmark: process start to the first painted main window, for Pelmora and for a
// minimal Qt Widgets window of similar size built here as the reference. Runs both as child
// processes, interleaved, and prints medians, their ratio, whether the HTML engine was loaded
// before the first paint, and the resident memory after it. Never fails on time.
//
//   pelmora_bench_startup [runs]      (run it under a display, e.g. xvfb-run -a)
#include "AppMain.h"
#include "Unit1.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QProcess>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

long long nowNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1'000'000'000LL + ts.tv_nsec;
}

bool htmlEngineLoaded() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6WebEngine");
}

long residentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

// Child side: report the time since the parent started us, then quit.
void report() {
    const long long t0 = qgetenv("BENCH_T0").toLongLong();
    std::printf("paint_ms=%.2f webengine=%d rss_kb=%ld\n", (nowNs() - t0) / 1e6,
                htmlEngineLoaded() ? 1 : 0, residentKb());
    std::fflush(stdout);
    QCoreApplication::exit(0);
}

// Calls `done` once `window` has been painted and the paint has been flushed.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QWidget* window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, &report);
        }
        return false;
    }
};

int referenceMain(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setFixedSize(518, 430);
    window.setCentralWidget(new QLabel(QStringLiteral("个人所得税"), &window));
    FirstPaint watch(&window);
    window.show();
    return app.exec();
}

int pelmoraChildMain(int argc, char* argv[]) {
    return pelmoraMain(argc, argv, [](TFrm& frm) {
        QObject::connect(&frm, &TFrm::firstPainted, &frm, &report, Qt::QueuedConnection);
    });
}

struct Sample {
    double ms = 0;
    bool webEngine = false;
    long rssKb = 0;
};

bool runChild(const QString& mode, Sample& out) {
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const long long t0 = nowNs();
    env.insert(QStringLiteral("BENCH_T0"), QString::number(t0));
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {mode});
    if (!child.waitForFinished(60000))
        return false;
    const QByteArray line = child.readAllStandardOutput().trimmed().split('\n').last();
    if (std::sscanf(line.constData(), "paint_ms=%lf webengine=%d rss_kb=%ld", &out.ms,
                    reinterpret_cast<int*>(&out.webEngine), &out.rssKb) != 3) {
        std::fprintf(stderr, "%s: unexpected output: %s\n%s\n", qPrintable(mode), line.constData(),
                     child.readAllStandardError().constData());
        return false;
    }
    return true;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc > 1 && QByteArray(argv[1]) == "--reference")
        return referenceMain(argc, argv);
    if (argc > 1 && QByteArray(argv[1]) == "--pelmora")
        return pelmoraChildMain(argc, argv);

    QCoreApplication app(argc, argv);
    const int runs = std::max(9, argc > 1 ? std::atoi(argv[1]) : 11);
    std::vector<double> pel, ref;
    std::vector<double> pelRss, refRss;
    bool engineBeforePaint = false;
    Sample warm; // one unmeasured round each warms the file cache
    runChild(QStringLiteral("--reference"), warm);
    runChild(QStringLiteral("--pelmora"), warm);
    for (int i = 0; i < runs; ++i) {
        Sample s;
        if (!runChild(QStringLiteral("--reference"), s))
            return 1;
        ref.push_back(s.ms);
        refRss.push_back(s.rssKb / 1024.0);
        if (!runChild(QStringLiteral("--pelmora"), s))
            return 1;
        pel.push_back(s.ms);
        pelRss.push_back(s.rssKb / 1024.0);
        engineBeforePaint = engineBeforePaint || s.webEngine;
    }
    const double p = median(pel), r = median(ref);
    std::printf("start-up to first paint, median of %d interleaved runs (platform %s)\n", runs,
                qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")
                    ? "default"
                    : qgetenv("QT_QPA_PLATFORM").constData());
    std::printf("  pelmora            %8.1f ms   RSS %6.1f MiB\n", p, median(pelRss));
    std::printf("  minimal reference  %8.1f ms   RSS %6.1f MiB\n", r, median(refRss));
    std::printf("  ratio pelmora/reference %.2f (target <= 1.20)\n", p / r);
    std::printf("  Qt WebEngine loaded before first paint: %s\n", engineBeforePaint ? "YES" : "no");
    return 0;
}
