#pragma once

#include <QByteArray>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

// The boxes a page's alert, confirm and prompt open, supplied by the program.
struct ScriptBoxes {
    std::function<void(const QString& text)> alert;
    std::function<bool(const QString& text)> confirm;
    // The text entered, or nothing when the box was cancelled.
    std::function<std::optional<QString>(const QString& text, const QString& value)> prompt;
};

// What the main window needs from an embedded HTML view. The engine behind it lives in
// a plugin library loaded after the first paint, so the program itself never links it.
// No signals here: the interface is shared by the program and the plugin, so it carries no
// meta-object of its own.
class HtmlView : public QWidget {
public:
    using QWidget::QWidget;

    // Shows `bytes` (GBK text) as the page at `path`, whether or not that file exists.
    virtual void showPage(const QString& path, const QByteArray& bytes) = 0;
    // True while a page is still loading.
    virtual bool busy() const = 0;
    // True once a document has been loaded into the view.
    virtual bool hasDocument() const = 0;
    // Scrolls the document to (x, y) even when the page would fit the view. Later documents are
    // scrolled so as soon as they are parsed, before they are first drawn.
    virtual void scrollDocument(int x, int y) = 0;
    // Takes the scroll bars off the document (the body's scroll = "no"), and off later documents
    // as soon as they are parsed.
    virtual void hideScrollBars() = 0;
    // Loads `page` (GBK text) ahead of its first real showing, so the engine's renderer is up
    // with its fonts and scripts warm; it counts as no document and calls no download-complete
    // handler. Nothing is written for it.
    virtual void warmUp(const QByteArray& page) = 0;
    // Called whenever a page has finished loading, possibly more than once per page.
    virtual void setDownloadComplete(std::function<void()> handler) = 0;
    // The boxes the page's scripts open, instead of the engine's own.
    virtual void setScriptBoxes(ScriptBoxes boxes) = 0;
};

// The entry points the plugin library exports, by name, with C linkage.
extern "C" {
using CreateHtmlViewFn = HtmlView* (*)(QWidget* parent);
using PrewarmHtmlEngineFn = void (*)();
}
inline constexpr const char* kCreateHtmlViewSymbol = "pelmoraCreateHtmlView";
inline constexpr const char* kPrewarmHtmlEngineSymbol = "pelmoraPrewarmHtmlEngine";
