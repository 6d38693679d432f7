#pragma once

class HtmlView;
class QString;
class QWidget;

// Loads the HTML view plugin on first use, so the program starts without the HTML engine.
namespace HtmlViewLoader {

// A new HTML view inside `parent`, or nullptr when the plugin cannot be loaded.
HtmlView* create(QWidget* parent);
// Loads the plugin and starts the engine ahead of the first view; false when unavailable.
bool prewarm();
// How the views are drawn here: OpenGL's renderer and Qt Quick's backend. Chooses them, with
// OpenGL's share context, if no view has done so yet.
QString renderingPath();

} // namespace HtmlViewLoader
