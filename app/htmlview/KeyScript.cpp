#include "KeyScript.h"

#include "PageScript.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>

namespace {

// Runs in the application world: the page's own globals and handlers stay untouched, and the
// keys reach the page only as clicks on its buttons.
const char* const kKeyScript = R"JS(
(function () {
  // Named access (document.calc) is the page world's; this world asks by name.
  var calc = document.forms.namedItem('calc');
  var display = calc && calc.elements.namedItem('display');
  if (!display) calc = null;
  // Keys that name their on-screen key by its label, spaces left out.
  var labels = { '.': '.', ',': '.', '+': '+', '-': '-', '*': '*', '/': '/', '%': '取余',
                 '^': 'x^y', '(': '(', ')': ')', '!': 'n!', '&': '与', '|': '或', '~': '非',
                 '<': '左移', '=': '＝', 'Enter': '＝', 'Backspace': '退格', 'Delete': '清屏',
                 'Escape': '全清' };
  function button(name, label) {
    var e = calc.elements;
    for (var i = 0; i < e.length; i++)
      if (e[i].type == 'button' && (name ? e[i].name == name : e[i].value.replace(/\s/g, '') == label))
        return e[i];
    return null;
  }
  // The on-screen key a key stands for; the hex digits by name, as "E" is also the constant.
  function keyFor(key) {
    if (/^[0-9]$/.test(key)) return button(null, key);
    if (/^[a-f]$/i.test(key)) return button('k' + key.toLowerCase());
    return labels.hasOwnProperty(key) ? button(null, labels[key]) : null;
  }
  document.addEventListener('keydown', function (event) {
    if (event.ctrlKey || event.altKey || event.metaKey) return;
    var target = event.target;
    if (!calc) {
      // A unit's field converts from that unit, as the button beside it does.
      if (event.key != 'Enter' || !target || !target.form || target.type != 'text') return;
      var convert = target.nextElementSibling;
      while (convert && !(convert.tagName == 'INPUT' && convert.type == 'button'))
        convert = convert.nextElementSibling;
      if (!convert) return;
      event.preventDefault();
      convert.click();
      return;
    }
    var key = keyFor(event.key);
    if (!key) return;
    event.preventDefault();
    if (!key.disabled) key.click();
  }, true);
  window.pelmoraDisplay = function () { return calc ? display.value : null; };
  // Types `text` when it is a number every digit of which has an enabled key (the current base).
  window.pelmoraPaste = function (text) {
    if (!calc) return false;
    var m = /^(-?)([0-9a-f]+(\.[0-9a-f]*)?|\.[0-9a-f]+)$/i.exec(String(text).trim());
    if (!m) return false;
    var keys = [];
    for (var i = 0; i < m[2].length; i++) keys.push(keyFor(m[2].charAt(i)));
    if (m[1]) keys.push(button(null, '+/-'));
    for (i = 0; i < keys.length; i++)
      if (!keys[i] || keys[i].disabled) return false;
    for (i = 0; i < keys.length; i++) keys[i].click();
    return true;
  };
})();
)JS";

// Copy and paste reach the page through the program's clipboard: the page itself may not read it.
class Clipboard : public QObject {
public:
    Clipboard(QWebEngineView* view) : QObject(view), m_view(view) {
        qApp->installEventFilter(this);
    }
    ~Clipboard() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (widget != m_view && !m_view->isAncestorOf(widget))
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        QWebEnginePage* page = m_view->page();
        if (key->matches(QKeySequence::Copy)) {
            page->runJavaScript(QStringLiteral("window.pelmoraDisplay && pelmoraDisplay()"),
                                QWebEngineScript::ApplicationWorld, [](const QVariant& display) {
                                    if (display.typeId() == QMetaType::QString)
                                        QGuiApplication::clipboard()->setText(display.toString());
                                });
        } else if (key->matches(QKeySequence::Paste)) {
            const QString text = QGuiApplication::clipboard()->text();
            QString literal = text;
            literal.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
                .replace(QLatin1Char('"'), QLatin1String("\\\""))
                .replace(QLatin1Char('\n'), QLatin1String("\\n"))
                .replace(QLatin1Char('\r'), QLatin1String("\\r"))
                .replace(QChar(0x2028), QLatin1String("\\u2028"))
                .replace(QChar(0x2029), QLatin1String("\\u2029"));
            page->runJavaScript(
                QStringLiteral("window.pelmoraPaste && pelmoraPaste(\"%1\")").arg(literal),
                QWebEngineScript::ApplicationWorld);
        }
        return false; // the page's own fields copy and paste as usual
    }

private:
    QWebEngineView* m_view;
};

} // namespace

void KeyScript::attach(QWidget* host, QWebEngineView* view) {
    view->page()->scripts().insert(pageScript(QStringLiteral("pelmora-keys"), kKeyScript));
    host->setFocusProxy(view);
    new Clipboard(view);
}
