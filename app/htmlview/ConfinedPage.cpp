#include "ConfinedPage.h"

#include <QChildEvent>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>
#include <QWidget>

namespace {

// Refuses every request of the page: its document comes from memory, and nothing it could ask
// for (a stylesheet, a script, a fetch, a frame) belongs to it.
class RefuseRequests : public QWebEngineUrlRequestInterceptor {
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    void interceptRequest(QWebEngineUrlRequestInfo& info) override {
        info.block(info.requestUrl().scheme() != QLatin1String("data") ||
                   info.resourceType() != QWebEngineUrlRequestInfo::ResourceTypeMainFrame);
    }
};

// Swallows every drag that enters a view and its children, so nothing can be dropped there.
class DropBlocker : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::ChildAdded:
            if (auto* child = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child()))
                watch(child);
            return false;
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            event->ignore();
            return true;
        default:
            return false;
        }
    }
    void watch(QWidget* widget) {
        widget->setAcceptDrops(false);
        widget->installEventFilter(this);
        for (QWidget* child : widget->findChildren<QWidget*>())
            child->installEventFilter(this);
    }
};

} // namespace

ConfinedPage::ConfinedPage(QWebEngineProfile* profile, QObject* parent)
    : QWebEnginePage(profile, parent) {
    setUrlRequestInterceptor(new RefuseRequests(this));
    QWebEngineSettings* s = settings();
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    s->setAttribute(QWebEngineSettings::NavigateOnDropEnabled, false);
}

void ConfinedPage::showContent(const QByteArray& bytes, const QString& mimeType, const QUrl& base) {
    ++m_hostLoads;
    setContent(bytes, mimeType, base);
}

bool ConfinedPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
    // The host's own loads arrive as typed data: URLs; script, links, forms and reloads do not.
    if (isMainFrame && m_hostLoads > 0 && type == NavigationTypeTyped &&
        url.scheme() == QLatin1String("data")) {
        --m_hostLoads;
        return true;
    }
    return false;
}

void ConfinedPage::ignoreDrops(QWidget* view) {
    (new DropBlocker(view))->watch(view);
}
