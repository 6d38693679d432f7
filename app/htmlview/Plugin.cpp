// Entry points of the HTML view plugin, looked up by name when the program loads it.
#include "WebHtmlView.h"

#include <QQuickWindow>
#include <QWebEngineProfile>

extern "C" Q_DECL_EXPORT HtmlView* pelmoraCreateHtmlView(QWidget* parent) {
    return new WebHtmlView(parent);
}

// Starts the engine's profile ahead of the first page, in idle time.
extern "C" Q_DECL_EXPORT void pelmoraPrewarmHtmlEngine() {
    QWebEngineProfile::defaultProfile();
}

// Draws the views with Qt Quick's software adaptation. Called, when at all, before the first
// view exists; set here rather than through the environment, which the programs the user
// opens from this one would inherit.
extern "C" Q_DECL_EXPORT void pelmoraUseSoftwareRendering() {
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
}
