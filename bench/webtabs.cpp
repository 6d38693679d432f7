// Benchmark of the two HTML tabs in the real program: first and later visits of tabs 0 and 4,
// selector clicks, a conversion and a calculator key inside the page, and the memory of the
// program with its HTML engine processes. First visits need a fresh program each, so every
// sample is a program of its own, run one after another by a shell. Prints medians and ratios
// to the targets; never fails on time.
//
//   pelmora_bench_webtabs [runs]      (under a display, e.g. xvfb-run -a)
#include "AppMain.h"
#include "BenchClock.h"
#include "HtmlView.h"
#include "HtmlViewLoader.h"
#include "PageTexts.h"
#include "Unit1.h"
#include "ui_Unit1.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLibrary>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <map>
#include <unistd.h>
#include <vector>

namespace {

// Quiet time after the first paint, long enough for the program's idle-time pre-warming.
constexpr int kIdleMs = 2500;

// ---- Child side ------------------------------------------------------------------------

void idle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// The engine's own view inside one of ours, found by class: the benchmark does not link the
// engine, which the program loads after its first paint.
QObject* engineView(HtmlView* view) {
    for (QObject* child : view->findChildren<QObject*>())
        if (qstrcmp(child->metaObject()->className(), "QWebEngineView") == 0)
            return child;
    return nullptr;
}

// Runs `action` and waits until `view` has finished loading; false on a timeout.
bool loadOf(HtmlView* view, const std::function<void()>& action) {
    QEventLoop loop;
    auto c = QObject::connect(engineView(view), SIGNAL(loadFinished(bool)), &loop, SLOT(quit()));
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop, [&] { loop.exit(1); });
    timeout.start(30000);
    action();
    const bool ok = loop.exec() == 0;
    QObject::disconnect(c);
    return ok && !view->busy();
}

using RunScriptFn = bool (*)(HtmlView*, const QString&, std::function<void(const QVariant&)>);
RunScriptFn runScript = nullptr;

// Loads the probe that runs scripts; only once the program has loaded its HTML view.
bool loadProbe() {
    QLibrary probe(QDir(QCoreApplication::applicationDirPath())
                       .filePath(QStringLiteral("libpelmora_bench_probe.so")));
    runScript = reinterpret_cast<RunScriptFn>(probe.resolve("pelmoraProbeRunScript"));
    return runScript != nullptr;
}

QVariant eval(HtmlView* view, const QString& script) {
    QEventLoop loop;
    auto result = std::make_shared<QVariant>();
    QPointer<QEventLoop> guard(&loop);
    if (!runScript || !runScript(view, script, [result, guard](const QVariant& v) {
            *result = v;
            if (guard)
                guard->quit();
        }))
        return {};
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    loop.exec();
    return *result;
}

// The calculator view is adjusted by scripts queued when its load finished; a script queued
// after them returns once they have run.
bool adjusted(HtmlView* view) {
    return eval(view, QStringLiteral("window.scrollY==10&&"
                                     "getComputedStyle(document.body).overflow=='hidden'"))
        .toBool();
}

void clickLabel(QLabel* label) {
    const QPointF at(5, 5);
    QMouseEvent press(QEvent::MouseButtonPress, at, label->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, {});
    QMouseEvent release(QEvent::MouseButtonRelease, at, label->mapToGlobal(at), Qt::LeftButton, {},
                        {});
    QApplication::sendEvent(label, &press);
    QApplication::sendEvent(label, &release);
}

// PSS, RSS and private memory (USS) in KiB of this process and all its descendants (the HTML
// engine's processes). PSS falls as other programs map the same libraries; USS does not.
struct Memory {
    long pssKb = 0, rssKb = 0, ussKb = 0;
    int processes = 0;
};
// Every process of the tree: this one and its descendants.
std::vector<long> treePids() {
    std::map<long, std::vector<long>> children;
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool isPid = false;
        const long pid = entry.toLong(&isPid);
        if (!isPid)
            continue;
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray line = stat.readAll();
        // The command name may hold spaces; the fields after its closing bracket do not.
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 1)
            children[fields[1].toLong()].push_back(pid);
    }
    std::vector<long> all, todo{long(QCoreApplication::applicationPid())};
    while (!todo.empty()) {
        const long pid = todo.back();
        todo.pop_back();
        all.push_back(pid);
        for (long child : children[pid])
            todo.push_back(child);
    }
    return all;
}

// CPU time (user and system) used so far by the program and its engine processes: unlike
// wall-clock time it hardly moves when other programs compete for the processors.
double treeCpuMs() {
    double ticks = 0;
    for (long pid : treePids()) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 12)
            ticks += fields[11].toDouble() + fields[12].toDouble(); // utime, stime
    }
    return ticks * 1000.0 / sysconf(_SC_CLK_TCK);
}

Memory treeMemory() {
    Memory m;
    for (long pid : treePids()) {
        QFile rollup(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
        if (!rollup.open(QIODevice::ReadOnly))
            continue;
        ++m.processes;
        for (const QByteArray& l : rollup.readAll().split('\n')) {
            if (l.startsWith("Pss:"))
                m.pssKb += l.mid(4).trimmed().split(' ').first().toLong();
            else if (l.startsWith("Rss:"))
                m.rssKb += l.mid(4).trimmed().split(' ').first().toLong();
            else if (l.startsWith("Private_Clean:") || l.startsWith("Private_Dirty:"))
                m.ussKb += l.mid(14).trimmed().split(' ').first().toLong();
        }
    }
    return m;
}

// Processes outside this tree that map the HTML engine's library: they share its pages, and
// lower the PSS measured here.
int otherEngineProcesses() {
    const std::vector<long> mine = treePids();
    int others = 0;
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool isPid = false;
        const long pid = entry.toLong(&isPid);
        if (!isPid || std::find(mine.begin(), mine.end(), pid) != mine.end())
            continue;
        QFile maps(QStringLiteral("/proc/%1/maps").arg(pid));
        if (maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6WebEngineCore"))
            ++others;
    }
    return others;
}

void finish(TFrm& frm) {
    std::fflush(stdout);
    frm.close(); // removes the page files
    QCoreApplication::exit(0);
}

// First visit of tab 4 (or 0) after the start-up has gone idle; one sample per process. Then
// the other HTML tab, for the memory with both pages shown.
void firstVisit(TFrm& frm, pages::Tab tab) {
    idle(kIdleMs);
    const Memory before = treeMemory();
    HtmlView* view = tab == pages::CalculatorTab ? frm.webCalc() : frm.webDlh();
    if (!view || !engineView(view) || !loadProbe()) {
        std::printf("error=no-view\n");
        return finish(frm);
    }
    const double cpu0 = treeCpuMs();
    const double t0 = nowMs();
    const bool ok = loadOf(view, [&] { frm.ui()->PCMain->setCurrentIndex(tab); });
    const double loaded = nowMs() - t0;
    const bool adjustedOk = tab != pages::CalculatorTab || adjusted(view);
    const double ready = nowMs() - t0;
    const double cpu = treeCpuMs() - cpu0;
    idle(300);
    const pages::Tab other =
        tab == pages::CalculatorTab ? pages::ConversionTab : pages::CalculatorTab;
    const bool otherOk = loadOf(other == pages::CalculatorTab ? frm.webCalc() : frm.webDlh(),
                                [&] { frm.ui()->PCMain->setCurrentIndex(other); });
    idle(1000);
    const Memory m = treeMemory();
    std::printf("ok=%d loaded_ms=%.2f ready_ms=%.2f pss_kb=%ld rss_kb=%ld uss_kb=%ld procs=%d "
                "before_pss_kb=%ld before_uss_kb=%ld before_procs=%d cpu_ms=%.1f\n",
                ok && adjustedOk && otherOk, loaded, ready, m.pssKb, m.rssKb, m.ussKb, m.processes,
                before.pssKb, before.ussKb, before.processes, cpu);
    finish(frm);
}

QJsonObject report(const char* name, const std::vector<double>& samples) {
    QJsonArray a;
    for (double s : samples)
        a.append(s);
    return QJsonObject{{"name", name}, {"samples", a}};
}

// The page timer is coarse (0.1 ms in Chromium), so a script time is taken over `count` rounds
// of set-up plus the timed click, less `count` rounds of the set-up alone.

// Rounds: empty every field, type into the first, click its button; checks every field filled.
const char* const kConversionScript = R"JS(
(function (count) {
  var f = document.forms[0], texts = [], field = null, button = null;
  for (var i = 0; i < f.elements.length; i++) {
    var e = f.elements[i];
    if (e.type == 'text') { texts.push(e); if (!field) field = e; }
    else if (e.type == 'button' && field && !button) button = e;
  }
  var filled = true;
  function rounds(click) {
    var t = performance.now();
    for (var n = 0; n < count; n++) {
      for (var k = 0; k < texts.length; k++) texts[k].value = '';
      field.value = String(3 + n);
      if (click) button.click();
    }
    return performance.now() - t;
  }
  var setup = rounds(false), all = rounds(true);
  for (var k = 0; k < texts.length; k++) if (texts[k].value === '') filled = false;
  return JSON.stringify({ms: (all - setup) / count, filled: filled});
})(%1)
)JS";

// Rounds: clear the calculator, click the `setup` keys, then `key`; checks the display changed.
const char* const kKeyScript = R"JS(
(function (setup, key, count) {
  var f = document.calc;
  function find(label) {
    for (var i = 0; i < f.elements.length; i++)
      if (f.elements[i].type == 'button' && f.elements[i].value == label) return f.elements[i];
    return null;
  }
  var keys = [], b = find(key);
  for (var i = 0; i < setup.length; i++) keys.push(find(setup[i]));
  var changed = true;
  function rounds(click) {
    var t = performance.now();
    for (var n = 0; n < count; n++) {
      clearall();
      for (var i = 0; i < keys.length; i++) keys[i].click();
      if (click) {
        var before = f.display.value;
        b.click();
        if (f.display.value == before) changed = false;
      }
    }
    return performance.now() - t;
  }
  var setupMs = rounds(false), all = rounds(true);
  return JSON.stringify({ms: (all - setupMs) / count, changed: changed});
})(%1, %2, %3)
)JS";

QString fw(const QString& s) {
    return QStringLiteral("\u3000") + s + QStringLiteral("\u3000");
}

// Later visits, selector clicks, conversions and calculator keys, all in one program.
void steady(TFrm& frm, int rounds) {
    idle(kIdleMs);
    HtmlView* calc = frm.webCalc();
    HtmlView* dlh = frm.webDlh();
    auto& ui = *frm.ui();
    QJsonArray out;
    bool allOk = calc && dlh && loadProbe();
    if (!allOk) {
        std::printf("error=no-view\n");
        return finish(frm);
    }

    // Tab 0 visited once, then later visits from tab 1.
    allOk &=
        loadOf(calc, [&] { ui.PCMain->setCurrentIndex(pages::CalculatorTab); }) && adjusted(calc);
    std::vector<double> tab0;
    for (int i = 0; i < rounds; ++i) {
        ui.PCMain->setCurrentIndex(pages::IncomeTaxTab);
        idle(200);
        const double t0 = nowMs();
        allOk &= loadOf(calc, [&] { ui.PCMain->setCurrentIndex(pages::CalculatorTab); }) &&
                 adjusted(calc);
        tab0.push_back(nowMs() - t0);
    }
    out.append(report("tab0_later_ms", tab0));

    // Calculator keys: script time of one click, display changed.
    const QJsonArray digits{fw("1"), fw("2")};
    const QJsonArray expr{fw("1"), fw("2"), fw("+"), fw("3"), fw("*"), fw("4")};
    struct Key {
        const char* name;
        QJsonArray setup;
        QString key;
    };
    const Key keys[] = {{"key_digit_ms", digits, fw("7")},
                        {"key_equals_ms", expr, fw("＝")},
                        {"key_sin_ms", digits, QStringLiteral("sin\u3000")}};
    for (const Key& k : keys) {
        std::vector<double> samples;
        for (int i = 0; i < rounds * 4; ++i) {
            const QJsonObject r =
                QJsonDocument::fromJson(
                    eval(calc, QString::fromUtf8(kKeyScript)
                                   .arg(QString::fromUtf8(
                                            QJsonDocument(k.setup).toJson(QJsonDocument::Compact)),
                                        QString::fromUtf8(QJsonDocument(QJsonArray{k.key})
                                                              .toJson(QJsonDocument::Compact))
                                            .mid(1)
                                            .chopped(1),
                                        QString::number(20)))
                        .toString()
                        .toUtf8())
                    .object();
            allOk &= r.value("changed").toBool();
            samples.push_back(r.value("ms").toDouble());
        }
        out.append(report(k.name, samples));
    }

    // Tab 4, then every label in turn.
    allOk &= loadOf(dlh, [&] { ui.PCMain->setCurrentIndex(pages::ConversionTab); });
    std::vector<double> clicks;
    std::vector<double> conversions;
    const QList<QLabel*>& labels = frm.conversionLabels();
    for (int r = 0; r < rounds; ++r) {
        for (int i = 0; i < labels.size(); ++i) {
            QLabel* label = labels[(i + 1) % labels.size()];
            idle(100);
            const double t0 = nowMs();
            allOk &= loadOf(dlh, [&] { clickLabel(label); });
            clicks.push_back(nowMs() - t0);
            const QJsonObject c =
                QJsonDocument::fromJson(
                    eval(dlh, QString::fromUtf8(kConversionScript).arg(20)).toString().toUtf8())
                    .object();
            allOk &= c.value("filled").toBool();
            conversions.push_back(c.value("ms").toDouble());
        }
    }
    out.append(report("selector_click_ms", clicks));
    out.append(report("conversion_ms", conversions));
    std::printf("rendering=platform %s; %s\n", qPrintable(QGuiApplication::platformName()),
                qPrintable(HtmlViewLoader::renderingPath()));
    std::printf("ok=%d steady=%s\n", allOk,
                QJsonDocument(out).toJson(QJsonDocument::Compact).constData());
    finish(frm);
}

int childMain(int argc, char* argv[], const QByteArray& mode, int rounds) {
    return pelmoraMain(argc, argv, [mode, rounds](TFrm& frm) {
        QObject::connect(
            &frm, &TFrm::firstPainted, &frm,
            [&frm, mode, rounds] {
                if (mode == "--first-tab4")
                    firstVisit(frm, pages::ConversionTab);
                else if (mode == "--first-tab0")
                    firstVisit(frm, pages::CalculatorTab);
                else
                    steady(frm, rounds);
            },
            Qt::QueuedConnection);
    });
}

// ---- Driver side -----------------------------------------------------------------------

// The samples are run by a shell, not by this program: a parent that maps this executable and
// the Qt libraries shares their pages with every sample and lowers the memory it measures
// (by about 3 MiB of PSS here). The shell collects each sample's lines, then has this program
// summarise them.
const char* const kDriver = R"SH(
self=$1; runs=$2
dir=$(mktemp -d) || exit 1
trap 'rm -rf "$dir"' EXIT
export Temp="$dir"
results="$dir/results"
echo "load_before $(cut -d' ' -f1 /proc/loadavg)" > "$results"
sample() {
  timeout 300 "$self" "$@" > "$dir/out" 2> "$dir/err"
  if ! grep -q '^ok=1' "$dir/out"; then
    echo "$1: $(tail -n 1 "$dir/out")" >&2; tail -c 2000 "$dir/err" >&2
  fi
  grep -E '^(ok=|rendering=)' "$dir/out" | sed "s/^/$1 /" >> "$results"
}
timeout 300 "$self" --first-tab4 > /dev/null 2>&1 # warms the file cache
i=0
while [ $i -lt "$runs" ]; do sample --first-tab4; sample --first-tab0; i=$((i + 1)); done
sample --steady "$runs"
"$self" --summary "$results"
)SH";

struct Visit {
    double loaded = 0, ready = 0;
    long pssKb = 0, rssKb = 0, ussKb = 0, beforePssKb = 0, beforeUssKb = 0;
    int procs = 0, beforeProcs = 0;
    double cpuMs = 0;
};
bool parseVisit(const QByteArray& line, Visit& v) {
    int ok = 0;
    return std::sscanf(line.constData(),
                       "ok=%d loaded_ms=%lf ready_ms=%lf pss_kb=%ld rss_kb=%ld uss_kb=%ld procs=%d "
                       "before_pss_kb=%ld before_uss_kb=%ld before_procs=%d cpu_ms=%lf",
                       &ok, &v.loaded, &v.ready, &v.pssKb, &v.rssKb, &v.ussKb, &v.procs,
                       &v.beforePssKb, &v.beforeUssKb, &v.beforeProcs, &v.cpuMs) == 11 &&
           ok == 1;
}

double loadAverage() {
    QFile f(QStringLiteral("/proc/loadavg"));
    return f.open(QIODevice::ReadOnly) ? f.readAll().split(' ').first().toDouble() : -1;
}

void line(const char* what, double value, double target, const char* unit = "ms") {
    std::printf("  %-52s %8.3f %s   target %6.1f %s   ratio %.2f\n", what, value, unit, target,
                unit, value / target);
}

// The summary of the lines the driver collected: each sample's mode, then what it printed.
int summarise(const QString& resultsFile) {
    QFile file(resultsFile);
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    double load0 = -1;
    QByteArray rendering, steadyLine;
    std::vector<std::pair<QByteArray, QByteArray>> visits;
    for (const QByteArray& l : file.readAll().split('\n')) {
        const qsizetype space = l.indexOf(' ');
        const QByteArray mode = l.left(space), rest = l.mid(space + 1);
        if (mode == "load_before")
            load0 = rest.toDouble();
        else if (rest.startsWith("rendering="))
            rendering = rest.mid(10);
        else if (mode == "--steady")
            steadyLine = rest;
        else if (!mode.isEmpty())
            visits.emplace_back(mode, rest);
    }
    std::vector<double> tab4, tab0Loaded, tab0Ready, pss, rss, uss, beforePss, beforeUss;
    std::vector<double> tab4Cpu, tab0Cpu;
    int procs = 0, beforeProcs = 0;
    auto memory = [&](const Visit& v) {
        pss.push_back(v.pssKb / 1024.0);
        rss.push_back(v.rssKb / 1024.0);
        uss.push_back(v.ussKb / 1024.0);
        beforePss.push_back(v.beforePssKb / 1024.0);
        beforeUss.push_back(v.beforeUssKb / 1024.0);
        procs = v.procs;
        beforeProcs = v.beforeProcs;
    };
    for (const auto& [mode, line] : visits) {
        Visit v;
        if (!parseVisit(line, v))
            continue;
        memory(v);
        if (mode == "--first-tab4") {
            tab4.push_back(v.loaded);
            tab4Cpu.push_back(v.cpuMs);
        } else {
            tab0Loaded.push_back(v.loaded);
            tab0Ready.push_back(v.ready);
            tab0Cpu.push_back(v.cpuMs);
        }
    }
    std::map<QString, std::vector<double>> steadySamples;
    const qsizetype json = steadyLine.indexOf("steady=");
    if (json >= 0)
        for (const QJsonValue& r : QJsonDocument::fromJson(steadyLine.mid(json + 7)).array()) {
            std::vector<double>& s = steadySamples[r[QLatin1String("name")].toString()];
            for (const QJsonValue& x : r[QLatin1String("samples")].toArray())
                s.push_back(x.toDouble());
        }
    auto steadyMedian = [&](const char* name) { return median(steadySamples[name]); };

    std::printf("HTML tabs, medians (load average %.2f before, %.2f after)\n", load0,
                loadAverage());
    std::printf("  %s\n", rendering.isEmpty() ? "rendering unknown" : rendering.constData());
    std::printf(" first visits, one fresh program each (%zu / %zu runs), after %d ms idle:\n",
                tab4.size(), tab0Ready.size(), kIdleMs);
    line("(a) tab 4 first visit to page loaded", median(tab4), 100);
    line("(d) tab 0 first visit to page loaded and adjusted", median(tab0Ready), 100);
    std::printf("      (tab 0 page loaded after %.1f ms; CPU time of the program and its engine\n"
                "       processes during the visit: tab 4 %.1f ms, tab 0 %.1f ms)\n",
                median(tab0Loaded), median(tab4Cpu), median(tab0Cpu));
    std::printf(" in one program (%zu samples each):\n", steadySamples["selector_click_ms"].size());
    line("(b) later selector click to page loaded", steadyMedian("selector_click_ms"), 40);
    line("(c) conversion click, script time", steadyMedian("conversion_ms"), 2);
    line("(d) tab 0 later visit to page loaded and adjusted", steadyMedian("tab0_later_ms"), 40);
    line("(e) calculator digit key, script time", steadyMedian("key_digit_ms"), 1);
    line("(e) calculator = key (12+3*4), script time", steadyMedian("key_equals_ms"), 1);
    line("(e) calculator sin key, script time", steadyMedian("key_sin_ms"), 1);
    std::printf(" memory of the program and its engine processes (%zu samples):\n", pss.size());
    std::printf("  (f) before any HTML tab, %d engine processes: private %.1f MiB, PSS %.1f MiB\n",
                beforeProcs - 1, median(beforeUss), median(beforePss));
    line("(f) tabs 0 and 4 both shown, PSS", median(pss), 181, "MiB");
    std::printf("      (%d engine processes; private %.1f MiB, RSS summed %.1f MiB)\n", procs - 1,
                median(uss), median(rss));
    if (const int others = otherEngineProcesses())
        std::printf("      (%d other processes held the HTML engine at the end: PSS is lower than "
                    "on a machine without them)\n",
                    others);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    if (mode == "--summary" && argc > 2)
        return summarise(QString::fromLocal8Bit(argv[2]));
    if (mode.startsWith("--"))
        return childMain(argc, argv, mode, argc > 2 ? std::max(1, std::atoi(argv[2])) : 5);
    const QByteArray runs = QByteArray::number(std::max(5, argc > 1 ? std::atoi(argv[1]) : 7));
    // The running executable itself, however it was started (argv[0] may be a bare name).
    const QByteArray self = QFile::symLinkTarget(QStringLiteral("/proc/self/exe")).toLocal8Bit();
    execl("/bin/sh", "sh", "-c", kDriver, "sh", self.constData(), runs.constData(), nullptr);
    std::perror("/bin/sh");
    return 1;
}
