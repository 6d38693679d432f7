#include "AppSetup.h"
#include "Unit1.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

int main(int argc, char* argv[]) {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !(platform && *platform)) {
        std::fprintf(stderr, "Pelmora needs a graphical display: set DISPLAY (or run it under "
                             "xvfb-run) and start it again.\n");
        return 1;
    }
    // Chromium refuses to run as root inside its sandbox, and would take the program down.
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // The HTML engine, loaded later as a plugin, shares OpenGL contexts with the widgets.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    setUpApplication(app);

    TFrm frm;
    frm.show();
    // Once the window is up and the queue is idle, bring the HTML engine in for tabs 0 and 4.
    QTimer::singleShot(0, &frm, [&frm] { frm.prewarmHtmlViews(); });
    return app.exec();
}
