#include "HtmlViewLoader.h"

#include "HtmlView.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibrary>
#include <QOpenGLContext>

// Qt GUI's global share context, exported for modules such as Qt WebEngine.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);
Q_GUI_EXPORT QOpenGLContext* qt_gl_global_share_context();

namespace HtmlViewLoader {

namespace {

struct Plugin {
    CreateHtmlViewFn create = nullptr;
    PrewarmHtmlEngineFn prewarm = nullptr;
};

QStringList candidates() {
    QStringList paths{QDir(QCoreApplication::applicationDirPath()).filePath(PELMORA_HTMLVIEW_FILE)};
#ifdef PELMORA_HTMLVIEW_INSTALL_PATH
    paths << QStringLiteral(PELMORA_HTMLVIEW_INSTALL_PATH);
#endif
#ifdef PELMORA_HTMLVIEW_BUILD_PATH
    paths << QStringLiteral(PELMORA_HTMLVIEW_BUILD_PATH);
#endif
    return paths;
}

// Qt WebEngine draws through an OpenGL context shared with the widgets. Qt creates that
// context at start-up when asked to (Qt::AA_ShareOpenGLContexts), at the price of loading
// OpenGL before the first paint; the program creates it here instead, just before the engine
// is loaded, which the engine accepts as well.
void ensureShareContext() {
    if (qt_gl_global_share_context())
        return;
    auto* context = new QOpenGLContext(qApp);
    if (context->create())
        qt_gl_set_global_share_context(context);
    else
        delete context;
}

const Plugin& plugin() {
    static const Plugin loaded = [] {
        ensureShareContext();
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
            if (p.create)
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

bool prewarm() {
    if (!plugin().prewarm)
        return false;
    plugin().prewarm();
    return true;
}

} // namespace HtmlViewLoader
