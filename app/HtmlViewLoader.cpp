#include "HtmlViewLoader.h"

#include "HtmlView.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibrary>

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

const Plugin& plugin() {
    static const Plugin loaded = [] {
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
