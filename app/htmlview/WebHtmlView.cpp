#include "WebHtmlView.h"

#include "ConfinedPage.h"
#include "KeyScript.h"
#include "PageScript.h"
#include "SongFace.h"

#include <QFile>
#include <QPoint>
#include <QStringDecoder>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace {

// Chromium ignores borderColorLight/borderColorDark; draw the two-shade border they ask for:
// light on the table's top and left, dark on its bottom and right, the reverse on its cells.
// Runs in its own world, so the page's globals are never touched.
const char* const kBorderScript = R"JS(
(function () {
  var tables = document.getElementsByTagName('table');
  for (var i = 0; i < tables.length; i++) {
    var t = tables[i];
    var light = t.getAttribute('bordercolorlight');
    var dark = t.getAttribute('bordercolordark');
    var width = parseInt(t.getAttribute('border'), 10);
    if ((!light && !dark) || !(width > 0)) continue;
    light = light || dark; dark = dark || light;
    var paint = function (el, topLeft, bottomRight) {
      el.style.borderStyle = 'solid';
      el.style.borderTopColor = topLeft; el.style.borderLeftColor = topLeft;
      el.style.borderBottomColor = bottomRight; el.style.borderRightColor = bottomRight;
    };
    paint(t, light, dark);
    for (var r = 0; r < t.rows.length; r++)
      for (var c = 0; c < t.rows[r].cells.length; c++)
        paint(t.rows[r].cells[c], dark, light);
  }
})();
)JS";

// The host's adjustments of a document, as scripts.
QString scrollScript(QPoint to) {
    // A page that fits the view cannot scroll; make it taller than the view by y, whatever
    // size the view is given later, so that it really moves and stays moved.
    return QStringLiteral("(function(x,y){var b=document.body;if(!b)return;"
                          "b.style.minHeight='calc(100vh + '+y+'px)';"
                          "window.scroll(x,y);})(%1,%2);")
        .arg(to.x())
        .arg(to.y());
}
// Without a doctype the body's overflow governs the whole viewport.
const char* const kHideScrollBarsScript = "if(document.body)document.body.style.overflow='hidden';";

class Page : public ConfinedPage {
public:
    using ConfinedPage::ConfinedPage;
    ScriptBoxes boxes;
    QStringList errors;

protected:
    // The program's own boxes: the engine's are English and show the page's file URL.
    void javaScriptAlert(const QUrl& origin, const QString& msg) override {
        if (boxes.alert)
            boxes.alert(msg);
        else
            QWebEnginePage::javaScriptAlert(origin, msg);
    }
    bool javaScriptConfirm(const QUrl& origin, const QString& msg) override {
        return boxes.confirm ? boxes.confirm(msg) : QWebEnginePage::javaScriptConfirm(origin, msg);
    }
    bool javaScriptPrompt(const QUrl& origin, const QString& msg, const QString& value,
                          QString* result) override {
        if (!boxes.prompt)
            return QWebEnginePage::javaScriptPrompt(origin, msg, value, result);
        const std::optional<QString> entered = boxes.prompt(msg, value);
        if (entered && result)
            *result = *entered;
        return entered.has_value();
    }
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                  int line, const QString&) override {
        if (level == ErrorMessageLevel)
            errors << QStringLiteral("%1 (line %2)").arg(message).arg(line);
    }
};

void configureProfile(QWebEngineProfile* profile) {
    static bool done = false;
    if (done)
        return;
    done = true;
    profile->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    profile->scripts()->insert(pageScript(QStringLiteral("pelmora-borders"), kBorderScript));

    // The pages were drawn in the Song face too.
    QWebEngineSettings* s = profile->settings();
    s->setFontFamily(QWebEngineSettings::StandardFont, kSongFace);
    s->setFontFamily(QWebEngineSettings::SerifFont, kSongFace);
    s->setFontFamily(QWebEngineSettings::SansSerifFont, QStringLiteral("Noto Sans CJK SC"));
    s->setFontFamily(QWebEngineSettings::FixedFont, QStringLiteral("Noto Sans Mono CJK SC"));
    s->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    s->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
}

} // namespace

WebHtmlView::WebHtmlView(QWidget* parent) : HtmlView(parent), m_view(new QWebEngineView(this)) {
    configureProfile(QWebEngineProfile::defaultProfile());
    m_view->setPage(new Page(QWebEngineProfile::defaultProfile(), m_view));
    m_view->setContextMenuPolicy(Qt::NoContextMenu);
    ConfinedPage::ignoreDrops(m_view);
    KeyScript::attach(this, m_view);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    connect(m_view, &QWebEngineView::loadStarted, this, [this] { m_loading = true; });
    connect(m_view, &QWebEngineView::loadFinished, this, [this](bool ok) {
        m_loading = false;
        // Each document arrives whole inside its URL, and the engine would keep the last fifty
        // for going back, which a view here never does: a few MiB more on every long session.
        m_view->history()->clear();
        if (m_warming) {
            m_warming = false;
            return;
        }
        m_hasDocument = m_hasDocument || ok;
        if (m_downloadComplete)
            m_downloadComplete();
    });
}

QWebEnginePage* WebHtmlView::page() const {
    return m_view->page();
}

void WebHtmlView::showPage(const QString& path, const QByteArray& bytes) {
    static_cast<Page*>(page())->errors.clear();
    m_warming = false;
    m_loading = true;
    load(bytes, QUrl::fromLocalFile(path));
}

void WebHtmlView::warmUp(const QByteArray& page) {
    if (m_loading || m_hasDocument)
        return;
    m_warming = true;
    m_loading = true;
    // A local file's URL as base, as the real pages have: the same site, the same renderer.
    load(page, QUrl::fromLocalFile(QStringLiteral("/")));
}

void WebHtmlView::load(const QByteArray& bytes, const QUrl& base) {
    // The page goes over with its charset stated: Chromium would otherwise guess it. Any
    // charset but UTF-8, even as the default one, makes each renderer list every converter ICU
    // has (3 MiB of its data read in), so the view decodes the GBK itself. Bytes that are not
    // GBK, a lone lead byte at the end too, go over as they are.
    QStringDecoder gbk("GBK", QStringConverter::Flag::Stateless);
    const QString text = gbk.decode(bytes);
    if (gbk.isValid() && !gbk.hasError())
        static_cast<Page*>(page())->showContent(text.toUtf8(),
                                                QStringLiteral("text/html;charset=UTF-8"), base);
    else
        static_cast<Page*>(page())->showContent(bytes, QStringLiteral("text/html;charset=GBK"),
                                                base);
}

void WebHtmlView::scrollDocument(int x, int y) {
    if (m_scrollTo != QPoint(x, y)) {
        m_scrollTo = QPoint(x, y);
        updateAdjustScript();
    }
    page()->runJavaScript(scrollScript(*m_scrollTo), QWebEngineScript::ApplicationWorld);
}

void WebHtmlView::hideScrollBars() {
    if (!m_hideScrollBars) {
        m_hideScrollBars = true;
        updateAdjustScript();
    }
    page()->runJavaScript(QString::fromLatin1(kHideScrollBarsScript),
                          QWebEngineScript::ApplicationWorld);
}

void WebHtmlView::updateAdjustScript() {
    // Called only when an adjustment changes: the host asks again after every load, and each
    // change of the scripts goes to the engine's renderer. Every later document gets the
    // adjustments asked for so far as soon as it is parsed, so it is first drawn adjusted instead
    // of moving once its load has finished.
    QString source;
    if (m_scrollTo)
        source += scrollScript(*m_scrollTo);
    if (m_hideScrollBars)
        source += QString::fromLatin1(kHideScrollBarsScript);
    QWebEngineScriptCollection& scripts = page()->scripts();
    for (const QWebEngineScript& old : scripts.find(QStringLiteral("pelmora-adjust")))
        scripts.remove(old);
    scripts.insert(pageScript(QStringLiteral("pelmora-adjust"), source));
}

void WebHtmlView::setScriptBoxes(ScriptBoxes boxes) {
    static_cast<Page*>(page())->boxes = std::move(boxes);
}

void WebHtmlView::setAlertHandler(std::function<void(const QString&)> handler) {
    static_cast<Page*>(page())->boxes.alert = std::move(handler);
}

QStringList WebHtmlView::scriptErrors() const {
    return static_cast<Page*>(page())->errors;
}
