#include "PageHarness.h"

#include "PageHost.h"
#include "PageTexts.h"
#include "WebHtmlView.h"

#include <QSignalSpy>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

PageHarness::PageHarness() : m_view(std::make_unique<WebHtmlView>()) {
    m_view->resize(714, 355);
    m_view->setAlertHandler([this](const QString& text) { m_alerts << text; });
    m_view->show();
}

PageHarness::~PageHarness() = default;

bool PageHarness::load(const QString& pageFile) {
    const QStringList lines = pages::pageLines(pageFile);
    if (lines.isEmpty())
        return false;
    QSignalSpy finished(m_view->webView(), &QWebEngineView::loadFinished);
    PageHost::ShowPage(lines, pageFile, m_view.get());
    if (!finished.wait(30000))
        return false;
    m_alerts.clear();
    return finished.first().first().toBool();
}

QVariant PageHarness::eval(const QString& script) {
    return eval(m_view.get(), script);
}

QVariant PageHarness::eval(WebHtmlView* view, const QString& script) {
    // Shared with the callback, which may still arrive after a timeout.
    struct Result {
        QVariant value;
        bool done = false;
    };
    auto result = std::make_shared<Result>();
    view->page()->runJavaScript(script, [result](const QVariant& value) {
        result->value = value;
        result->done = true;
    });
    if (!QTest::qWaitFor([&] { return result->done; }, 30000))
        qWarning("script did not finish: %s", qPrintable(script.left(200)));
    return result->value;
}

QStringList PageHarness::takeAlerts() {
    QStringList alerts;
    alerts.swap(m_alerts);
    return alerts;
}

QStringList PageHarness::scriptErrors() const {
    return m_view->scriptErrors();
}
