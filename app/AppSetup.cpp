#include "AppSetup.h"

#include "AppInfo.h"
#include "FormLook.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLoggingCategory>
#include <QOpenGLContext>
#include <QTranslator>
#include <fontconfig/fontconfig.h>
#include <thread>

namespace {

constexpr const char* kGlIntegration = "QT_XCB_GL_INTEGRATION";
bool g_openGlTurnedOff = false;
bool g_variableSet = false;
std::jthread g_fontconfigStart; // joins at exit if nothing waited for it

} // namespace

void prepareApplication() {
    // Fontconfig reads its configuration and font caches on first use, some 10 ms, and every
    // text in the window waits for it. It is thread-safe: it starts on the second processor
    // while the application connects to the display.
    g_fontconfigStart = std::jthread([] { FcInit(); });
    // The forms are drawn by Qt's raster engine and the pages by Qt Quick's software adaptation:
    // OpenGL is never needed, yet the HTML engine sets up a context whenever the platform offers
    // one, and that loads the graphics driver (Mesa's software rasteriser alone brings LLVM,
    // over 30 MiB). So the X11 platform is asked to offer none, unless the user chose how Qt
    // draws.
    if (qEnvironmentVariableIsSet(kGlIntegration) ||
        !qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND") ||
        !qEnvironmentVariableIsEmpty("QSG_RHI_BACKEND"))
        return;
    qputenv(kGlIntegration, "none");
    g_openGlTurnedOff = g_variableSet = true;
}

bool drawsWithoutOpenGL() {
    return g_openGlTurnedOff;
}

void setUpApplication(QApplication& app) {
    if (g_fontconfigStart.joinable())
        g_fontconfigStart.join();
    if (g_variableSet) {
        // The platform reads the variable on its first OpenGL question: asked now, the choice
        // is made, and the programs the user opens from this one don't inherit it.
        QOpenGLContext::supportsThreadedOpenGL();
        qunsetenv(kGlIntegration);
        g_variableSet = false;
    }

    // No organisation name: the user's settings folder is then ~/.config/Pelmora. No display
    // name either, which Qt would append to the main window's caption.
    QApplication::setApplicationName(kAppTitle);
    QApplication::setApplicationVersion(QStringLiteral(PELMORA_VERSION));
    // Lets desktops match the windows to the desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(PELMORA_APP_ID));

    // The Windows faces the forms name (MS Sans Serif, Verdana) drew their Chinese in the Song
    // face, as Windows links its sans faces to it for Chinese: the whole window is set in it.
    QFont::insertSubstitutions(kSongFace,
                               {QStringLiteral("AR PL UMing CN"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("@GungsuhChe"),
                               {QStringLiteral("Noto Serif CJK KR"), kSongFace});
    QFont base(kSongFace);
    base.setPixelSize(11);
    QApplication::setFont(base);

    // The HTML engine describes its set-up at length on every start.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));

    // Qt's own texts (the fields' context menus, for one) read Chinese like the rest of the
    // interface; our boxes name their buttons themselves.
    auto* qt = new QTranslator(&app);
    if (qt->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                 QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qt);
}
