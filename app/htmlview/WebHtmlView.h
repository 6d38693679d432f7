#pragma once

#include "HtmlView.h"

#include <QPoint>
#include <QStringList>
#include <functional>
#include <optional>

class QUrl;
class QWebEngineView;
class QWebEnginePage;

// The HTML view on Qt WebEngine: the only code of the program that links the engine.
class Q_DECL_EXPORT WebHtmlView : public HtmlView {
public:
    explicit WebHtmlView(QWidget* parent = nullptr);

    void showPage(const QString& path, const QByteArray& bytes) override;
    bool busy() const override { return m_loading; }
    bool hasDocument() const override { return m_hasDocument; }
    void scrollDocument(int x, int y) override;
    void hideScrollBars() override;
    void warmUp(const QByteArray& page) override;
    void setDownloadComplete(std::function<void()> handler) override {
        m_downloadComplete = std::move(handler);
    }

    void setScriptBoxes(ScriptBoxes boxes) override;
    // Replaces the modal alert box, so tests can record alerts instead of answering them.
    void setAlertHandler(std::function<void(const QString&)> handler);
    // Console errors of the page's scripts since the last page was shown.
    QStringList scriptErrors() const;

    QWebEngineView* webView() const { return m_view; }
    QWebEnginePage* page() const;

private:
    // Every document goes in here, the warm-up page as well.
    void load(const QByteArray& bytes, const QUrl& base);
    // The script that gives each new document the adjustments asked for so far.
    void updateAdjustScript();

    QWebEngineView* m_view;
    bool m_warming = false;
    bool m_loading = false;
    bool m_hasDocument = false;
    std::optional<QPoint> m_scrollTo;
    bool m_hideScrollBars = false;
    std::function<void()> m_downloadComplete;
};
