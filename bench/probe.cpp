// Benchmark probe: runs scripts in the program's HTML views. Loaded by the benchmark only after
// the program has loaded its HTML view plugin, so the HTML engine comes in exactly as it does
// in the program, and this library adds nothing to it.
#include "WebHtmlView.h"

#include <QWebEnginePage>
#include <functional>

extern "C" Q_DECL_EXPORT bool pelmoraProbeRunScript(HtmlView* view, const QString& script,
                                                    std::function<void(const QVariant&)> done) {
    auto* web = dynamic_cast<WebHtmlView*>(view);
    if (!web)
        return false;
    web->page()->runJavaScript(script, std::move(done));
    return true;
}
