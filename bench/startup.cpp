// Start-up benchmark: from exec to the main window mapped on the display, for the real program
// (bin/pelmora) and for a minimal Qt 6 Widgets window with five tabs (pelmora_bench_minimal).
// Both start as separate processes under the same display, alternately, round after round;
// the benchmark watches the display's root window for the map and ends each process there.
// Prints medians, minima, the paired median ratio (each round's pair taken together, which
// cancels most of the noise of a busy machine), the CPU time each spent until then, and what
// the program runs with. Never fails on time.
//
//   pelmora_bench_startup [rounds] [--program PATH] [--reference PATH]
//   pelmora_bench_startup --phases [rounds]   where the program's own start-up time goes:
//       the same steps as the program, in a child process each round, wall and CPU time
//   (under a display, e.g. xvfb-run -a -s "-screen 0 1280x1024x24")
#include "AppSetup.h"
#include "BenchClock.h"
#include "HtmlViewLoader.h"
#include "Unit1.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <map>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

extern char** environ;

namespace {

struct Sample {
    double mappedMs = 0; // exec to the window mapped
    double cpuMs = 0;    // user and system time of the process until then
};

// Watches the root window for top-level windows being mapped.
class MapWatch {
public:
    MapWatch() {
        m_conn = xcb_connect(nullptr, &m_screen);
        if (xcb_connection_has_error(m_conn))
            return;
        xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(m_conn));
        for (int i = 0; i < m_screen; ++i)
            xcb_screen_next(&it);
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_conn, it.data->root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(m_conn);
        m_ok = true;
    }
    ~MapWatch() { xcb_disconnect(m_conn); }
    bool ok() const { return m_ok; }

    void drain() {
        while (xcb_generic_event_t* e = xcb_poll_for_event(m_conn))
            free(e);
    }

    // Waits for a window (not a popup) to be mapped; the time it was seen, or -1 on timeout.
    double waitForMap(double deadlineMs) {
        pollfd pfd{xcb_get_file_descriptor(m_conn), POLLIN, 0};
        for (;;) {
            while (xcb_generic_event_t* e = xcb_poll_for_event(m_conn)) {
                const bool mapped =
                    (e->response_type & 0x7f) == XCB_MAP_NOTIFY &&
                    !reinterpret_cast<xcb_map_notify_event_t*>(e)->override_redirect;
                free(e);
                if (mapped)
                    return nowMs();
            }
            const double left = deadlineMs - nowMs();
            if (left <= 0 || xcb_connection_has_error(m_conn))
                return -1;
            poll(&pfd, 1, int(left) + 1);
        }
    }

private:
    xcb_connection_t* m_conn = nullptr;
    int m_screen = 0;
    bool m_ok = false;
};

// Starts `program` in a process group of its own, waits for its window, then ends the group
// (the program has not started anything else by then, but a slow run might have).
bool run(MapWatch& watch, const QByteArray& program, Sample& out) {
    watch.drain();
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attr, 0);
    char* argv[] = {const_cast<char*>(program.constData()), nullptr};
    pid_t pid = 0;
    const double t0 = nowMs();
    const int err = posix_spawn(&pid, program.constData(), nullptr, &attr, argv, environ);
    posix_spawnattr_destroy(&attr);
    if (err != 0) {
        std::fprintf(stderr, "cannot start %s\n", program.constData());
        return false;
    }
    const double mapped = watch.waitForMap(t0 + 30000);
    kill(-pid, SIGKILL);
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    if (mapped < 0) {
        std::fprintf(stderr, "%s: no window within 30 s\n", program.constData());
        return false;
    }
    out.mappedMs = mapped - t0;
    out.cpuMs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    return true;
}

void settle() {
    // Lets the display server and the window manager finish with the last window.
    usleep(150000);
}

double loadAverage() {
    QFile f(QStringLiteral("/proc/loadavg"));
    return f.open(QIODevice::ReadOnly) ? f.readAll().split(' ').first().toDouble() : -1;
}

double cpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

// ---- Phases: the program's start-up step by step, in a child process --------------------

// Each phase's end, wall time since exec and CPU time of the process, printed on one line.
struct Phases {
    double start = qgetenv("BENCH_T0").toDouble();
    QByteArray line;
    void mark(const char* name) {
        line += QByteArray(name) + '=' + QByteArray::number(nowMs() - start, 'f', 2) + ',' +
                QByteArray::number(cpuMs(), 'f', 2) + ' ';
    }
};

// The steps of the program's own main, each timed.
int phasesChild(int argc, char* argv[]) {
    static Phases phases;
    phases.mark("libraries_loaded");
    prepareApplication();
    QApplication app(argc, argv);
    phases.mark("application");
    setUpApplication(app);
    phases.mark("fonts_translations");
    TFrm frm;
    phases.mark("main_window_built");
    frm.show();
    phases.mark("shown");
    QObject::connect(&frm, &TFrm::firstPainted, &frm, [] {
        phases.mark("first_paint");
        std::printf("%s\n", phases.line.constData());
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
    return app.exec();
}

int phasesParent(int rounds) {
    const char* const names[] = {"libraries_loaded",  "application", "fonts_translations",
                                 "main_window_built", "shown",       "first_paint"};
    std::map<QByteArray, std::vector<double>> wall, cpu;
    for (int i = 0; i < rounds + 1; ++i) {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("BENCH_T0"), QString::number(nowMs(), 'f', 3));
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--phases-child")});
        if (!child.waitForFinished(60000))
            return 1;
        if (i == 0)
            continue; // warms the file cache
        double lastWall = 0, lastCpu = 0;
        for (const QByteArray& field : child.readAllStandardOutput().trimmed().split(' ')) {
            const QList<QByteArray> kv = field.split('=');
            const QList<QByteArray> v = kv.value(1).split(',');
            if (v.size() != 2)
                continue;
            wall[kv[0]].push_back(v[0].toDouble() - lastWall);
            cpu[kv[0]].push_back(v[1].toDouble() - lastCpu);
            lastWall = v[0].toDouble();
            lastCpu = v[1].toDouble();
        }
    }
    std::printf("Start-up phases of the program, medians of %d runs (load average %.2f)\n", rounds,
                loadAverage());
    double sumWall = 0, sumCpu = 0;
    for (const char* name : names) {
        sumWall += median(wall[name]);
        sumCpu += median(cpu[name]);
        std::printf("  %-22s wall %7.1f ms   CPU %7.1f ms\n", name, median(wall[name]),
                    median(cpu[name]));
    }
    std::printf("  %-22s wall %7.1f ms   CPU %7.1f ms\n", "sum", sumWall, sumCpu);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc > 1 && QByteArray(argv[1]) == "--phases-child")
        return phasesChild(argc, argv);
    // The benchmark itself only starts processes; the application object tells the platform
    // and, set up as the program's is, how the program draws.
    prepareApplication();
    QApplication app(argc, argv);
    const QDir bin(QCoreApplication::applicationDirPath());
    QString program = bin.filePath(QStringLiteral("pelmora"));
    QString reference = bin.filePath(QStringLiteral("pelmora_bench_minimal"));
    int rounds = 21;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--program") && i + 1 < args.size())
            program = args[++i];
        else if (args[i] == QLatin1String("--reference") && i + 1 < args.size())
            reference = args[++i];
        else if (args[i].toInt() > 0)
            rounds = std::max(5, args[i].toInt());
    }
    if (args.value(0) == QLatin1String("--phases"))
        return phasesParent(std::max(5, args.value(1, QStringLiteral("15")).toInt()));
    MapWatch watch;
    if (!watch.ok()) {
        std::fprintf(stderr, "needs an X display: run it under xvfb-run -a\n");
        return 1;
    }
    const QByteArray pel = QFile::encodeName(program), ref = QFile::encodeName(reference);
    const double load0 = loadAverage();
    Sample s;
    // One unmeasured round each warms the file cache.
    if (!run(watch, ref, s) || !run(watch, pel, s))
        return 1;
    std::vector<double> pelMs, refMs, ratios, pelCpu, refCpu;
    for (int i = 0; i < rounds; ++i) {
        // Alternate which goes first, so neither always follows the other.
        Sample p, r;
        settle();
        if (!(i % 2 ? run(watch, pel, p) : run(watch, ref, r)))
            return 1;
        settle();
        if (!(i % 2 ? run(watch, ref, r) : run(watch, pel, p)))
            return 1;
        pelMs.push_back(p.mappedMs);
        refMs.push_back(r.mappedMs);
        ratios.push_back(p.mappedMs / r.mappedMs);
        pelCpu.push_back(p.cpuMs);
        refCpu.push_back(r.cpuMs);
    }
    std::printf("Start-up, exec to window mapped, %d interleaved rounds "
                "(load average %.2f before, %.2f after)\n",
                rounds, load0, loadAverage());
    std::printf("  platform %s; %s\n", qPrintable(QGuiApplication::platformName()),
                qPrintable(HtmlViewLoader::renderingPath()));
    std::printf("  %-28s median %7.1f ms   min %7.1f ms   CPU median %7.1f ms\n", "pelmora",
                median(pelMs), *std::min_element(pelMs.begin(), pelMs.end()), median(pelCpu));
    std::printf("  %-28s median %7.1f ms   min %7.1f ms   CPU median %7.1f ms\n",
                "minimal five-tab Qt window", median(refMs),
                *std::min_element(refMs.begin(), refMs.end()), median(refCpu));
    std::printf("  paired median ratio %.2f (target <= 1.20); ratio of minima %.2f; "
                "CPU ratio %.2f\n",
                median(ratios),
                *std::min_element(pelMs.begin(), pelMs.end()) /
                    *std::min_element(refMs.begin(), refMs.end()),
                median(pelCpu) / median(refCpu));
    return 0;
}
