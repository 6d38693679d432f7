#pragma once

#include <QUrl>
#include <QWebEnginePage>

class QWidget;

// A page that shows what its host hands it and nothing else: no request leaves it (no other
// local file, no network; the pages' stylesheet link never resolved anyway), and neither its
// script, its links nor a drop can move it to another document.
class ConfinedPage : public QWebEnginePage {
public:
    explicit ConfinedPage(QWebEngineProfile* profile, QObject* parent = nullptr);

    // Shows `bytes` as the document at `base`: the one way this page changes its document.
    void showContent(const QByteArray& bytes, const QString& mimeType, const QUrl& base);

    // Keeps drops off a view of such a page (the view and its focus proxy child).
    static void ignoreDrops(QWidget* view);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;

private:
    // Loads asked for by the host and not yet seen by the navigation filter.
    int m_hostLoads = 0;
};
