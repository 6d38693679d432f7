#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

class WebHtmlView;

// One offscreen HTML view showing one page text the way the program shows it (written to the
// temporary folder through the page host), driven through JavaScript. Alerts are recorded
// instead of answered.
class PageHarness {
public:
    PageHarness();
    ~PageHarness();

    // Writes and shows the page saved as `pageFile` ("changdu.html", ...); true once loaded.
    bool load(const QString& pageFile);
    // Runs `script` in the page and returns its value.
    QVariant eval(const QString& script);
    // The same for any view, such as the main window's own.
    static QVariant eval(WebHtmlView* view, const QString& script);
    // Alert texts since the last call.
    QStringList takeAlerts();
    // Console errors of the page's scripts since it was loaded.
    QStringList scriptErrors() const;

    WebHtmlView* view() const { return m_view.get(); }

private:
    std::unique_ptr<WebHtmlView> m_view;
    QStringList m_alerts;
};
