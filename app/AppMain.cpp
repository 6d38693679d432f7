#include "AppMain.h"

#include "AppSetup.h"
#include "Unit1.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

int pelmoraMain(int argc, char* argv[], const std::function<void(TFrm&)>& started) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fprintf(stderr, "Pelmora needs a graphical display: set DISPLAY (or run it under "
                             "xvfb-run) and start it again.\n");
        return 1;
    }
    prepareApplication();
    QApplication app(argc, argv);
    setUpApplication(app);

    TFrm frm;
    // Once the window has been painted, bring the HTML engine in for tabs 0 and 4.
    frm.setPrewarmAfterFirstPaint(true);
    frm.show();
    if (started)
        started(frm);
    return app.exec();
}
