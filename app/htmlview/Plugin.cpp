// Entry points of the HTML view plugin, looked up by name when the program loads it.
#include "WebHtmlView.h"

#include <QWebEngineProfile>

extern "C" Q_DECL_EXPORT HtmlView* pelmoraCreateHtmlView(QWidget* parent) {
    return new WebHtmlView(parent);
}

// Starts the engine's profile ahead of the first page, in idle time.
extern "C" Q_DECL_EXPORT void pelmoraPrewarmHtmlEngine() {
    QWebEngineProfile::defaultProfile();
}
