#pragma once

class QWebEngineView;
class QWidget;

// Keyboard and clipboard for the pages, injected by the view so the page texts stay as they are:
// on the calculator page a key acts as a click on its on-screen key, Ctrl+C copies the display
// and Ctrl+V types a number valid in the current base; on a conversion page Enter in a unit's
// field converts from that unit.
namespace KeyScript {

// Sets this up for `view`, shown inside `host` (which passes its keyboard focus on to it).
void attach(QWidget* host, QWebEngineView* view);

} // namespace KeyScript
