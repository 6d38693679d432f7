#pragma once

#include <QWebEngineScript>

// A script of ours for every page: it runs once the document is parsed, in the top frame only,
// in a world of its own where the page's scripts can't reach it.
inline QWebEngineScript pageScript(const QString& name, const QString& source) {
    QWebEngineScript script;
    script.setName(name);
    script.setSourceCode(source);
    script.setInjectionPoint(QWebEngineScript::DocumentReady);
    script.setWorldId(QWebEngineScript::ApplicationWorld);
    script.setRunsOnSubFrames(false);
    return script;
}
