#include "HtmlViewLoader.h"

#include "AppSetup.h"
#include "HtmlView.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibrary>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>

// Qt GUI's global share context, exported for modules such as Qt WebEngine.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);
Q_GUI_EXPORT QOpenGLContext* qt_gl_global_share_context();

namespace HtmlViewLoader {

namespace {

// The plugin's entry point that draws its views with Qt Quick's software adaptation.
constexpr const char* kSoftwareSymbol = "pelmoraUseSoftwareRendering";

struct Plugin {
    CreateHtmlViewFn create = nullptr;
    PrewarmHtmlEngineFn prewarm = nullptr;
};

// Beside the executable (a build tree, a portable copy), then the installed library folder
// relative to it. Nothing else: a fixed path may be a folder another user controls.
QStringList candidates() {
    const QDir exe(QCoreApplication::applicationDirPath());
    return {exe.filePath(QStringLiteral(PELMORA_HTMLVIEW_FILE)),
            QDir::cleanPath(exe.filePath(
                QStringLiteral(PELMORA_HTMLVIEW_INSTALL_DIR "/" PELMORA_HTMLVIEW_FILE)))};
}

bool softwareRasteriser(const QByteArray& renderer) {
    for (const char* name : {"llvmpipe", "softpipe", "swrast", "Software Rasterizer", "SWR"})
        if (renderer.contains(name))
            return true;
    return false;
}

// Chooses how the engine's views are drawn, before the engine is loaded; true for Qt Quick's
// software adaptation. The program normally keeps OpenGL out (prepareApplication), and the
// adaptation draws the pages. Where the user chose how Qt draws, Qt WebEngine draws through an
// OpenGL context shared with the widgets; Qt creates it at start-up when asked to
// (Qt::AA_ShareOpenGLContexts), at the price of loading OpenGL before the first paint, so the
// program creates it here instead, which the engine accepts as well. Where OpenGL is only a
// software rasteriser (virtual machines, virtual and remote displays), composing the window
// through it makes every tab switch to a page about 40 ms slower and costs memory; the software
// adaptation draws the pages there too.
struct Rendering {
    QByteArray renderer; // OpenGL's renderer string, empty when OpenGL is unavailable
    bool software = false;
};

Rendering chooseRendering() {
    static const Rendering chosen = [] {
        Rendering r;
        if (drawsWithoutOpenGL()) {
            r.software = true;
            return r;
        }
        if (QOpenGLContext* shared = qt_gl_global_share_context()) {
            r.renderer = "shared context of the application";
            Q_UNUSED(shared);
            return r;
        }
        auto* context = new QOpenGLContext(qApp);
        QOffscreenSurface surface;
        surface.create();
        if (context->create()) {
            qt_gl_set_global_share_context(context);
            if (context->makeCurrent(&surface)) {
                if (const GLubyte* name = context->functions()->glGetString(GL_RENDERER))
                    r.renderer = reinterpret_cast<const char*>(name);
                context->doneCurrent();
            }
        } else {
            delete context;
        }
        // A backend the user chose is left alone.
        r.software = qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND") &&
                     qEnvironmentVariableIsEmpty("QSG_RHI_BACKEND") &&
                     (r.renderer.isEmpty() || softwareRasteriser(r.renderer));
        return r;
    }();
    return chosen;
}

// Kept out of OpenGL, the engine still says on every start that it found none, in words meant
// for programs that want it; everything else it says goes on as before.
QtMessageHandler g_nextHandler = nullptr;
void withoutOpenGlNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    for (const char* note : {"Qt WebEngine seems to be initialized from a plugin",
                             "No suitable graphics backend found"})
        if (text.startsWith(QLatin1String(note)))
            return;
    g_nextHandler(type, context, text);
}

const Plugin& plugin() {
    static const Plugin loaded = [] {
        const bool software = chooseRendering().software;
        if (drawsWithoutOpenGL())
            g_nextHandler = qInstallMessageHandler(withoutOpenGlNotes);
        Plugin p;
        for (const QString& path : candidates()) {
            if (!QFile::exists(path))
                continue;
            QLibrary lib(path);
            if (!lib.load())
                continue;
            p.create = reinterpret_cast<CreateHtmlViewFn>(lib.resolve(kCreateHtmlViewSymbol));
            p.prewarm =
                reinterpret_cast<PrewarmHtmlEngineFn>(lib.resolve(kPrewarmHtmlEngineSymbol));
            if (!p.create)
                continue;
            if (software)
                if (auto use = reinterpret_cast<void (*)()>(lib.resolve(kSoftwareSymbol)))
                    use();
            break;
        }
        return p;
    }();
    return loaded;
}

} // namespace

HtmlView* create(QWidget* parent) {
    return plugin().create ? plugin().create(parent) : nullptr;
}

QString renderingPath() {
    const Rendering r = chooseRendering();
    QString quick = QStringLiteral("Qt Quick software adaptation");
    if (!r.software) {
        const QByteArray chosen = qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND")
                                      ? qgetenv("QSG_RHI_BACKEND")
                                      : qgetenv("QT_QUICK_BACKEND");
        quick = QStringLiteral("Qt Quick %1")
                    .arg(chosen.isEmpty() ? QStringLiteral("OpenGL (default)")
                                          : QString::fromLocal8Bit(chosen));
    }
    const QString openGl = drawsWithoutOpenGL()   ? QStringLiteral("kept out by the program")
                           : r.renderer.isEmpty() ? QStringLiteral("unavailable")
                                                  : QString::fromUtf8(r.renderer);
    return QStringLiteral("OpenGL %1; %2").arg(openGl, quick);
}

bool prewarm() {
    if (!plugin().prewarm)
        return false;
    plugin().prewarm();
    return true;
}

} // namespace HtmlViewLoader
