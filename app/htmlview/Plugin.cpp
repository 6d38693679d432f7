// Entry points of the HTML view plugin, looked up by name when the program loads it.
#include "WebHtmlView.h"

#include <QQuickWindow>
#include <QWebEngineProfile>
#include <optional>
#include <unistd.h>

namespace {

// Sets an environment variable while the engine starts and puts back what was there after,
// so the programs the user opens from this one (a browser for the links) never inherit it.
class EngineVariable {
public:
    EngineVariable(const char* name, const QByteArray& value)
        : m_name(name), m_wasSet(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name)) {
        qputenv(name, value);
    }
    ~EngineVariable() {
        if (m_wasSet)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char* m_name;
    bool m_wasSet;
    QByteArray m_old;
};

// Starts the engine once, with switches for a program that shows two small local pages.
void startEngine() {
    static bool started = false;
    if (started)
        return;
    started = true;
    // Chromium refuses to run as root inside its sandbox, and would take the program down.
    const bool root = geteuid() == 0;
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    // Both views show this program's own pages: one renderer process serves them.
    flags += " --renderer-process-limit=1";
    // Its zygote for processes outside the sandbox would idle here: the engine draws and uses
    // the network inside this process.
    flags += " --no-unsandboxed-zygote";
    // The pages' scripts are small and quick: the script engine's optimising compilers would
    // only cost time on every fresh page and memory. WebAssembly, which that mode can't run,
    // is turned off too, or the engine warns at every start. Script flags the user gave win.
    if (!flags.contains("--js-flags"))
        flags += " --js-flags=\"--lite-mode --no-expose-wasm\"";
    EngineVariable chromiumFlags("QTWEBENGINE_CHROMIUM_FLAGS", flags.trimmed());
    std::optional<EngineVariable> noSandbox;
    if (root)
        noSandbox.emplace("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QWebEngineProfile::defaultProfile();
}

} // namespace

extern "C" Q_DECL_EXPORT HtmlView* pelmoraCreateHtmlView(QWidget* parent) {
    startEngine();
    return new WebHtmlView(parent);
}

// Starts the engine and its profile ahead of the first page, in idle time.
extern "C" Q_DECL_EXPORT void pelmoraPrewarmHtmlEngine() {
    startEngine();
}

// Draws the views with Qt Quick's software adaptation. Called, when at all, before the first
// view exists; set here rather than through the environment, which the programs the user
// opens from this one would inherit.
extern "C" Q_DECL_EXPORT void pelmoraUseSoftwareRendering() {
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
}
