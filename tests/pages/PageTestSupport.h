#pragma once
// What the page tests share: one harness per test process with per-case checks for script
// errors and alerts, the form helpers and structure descriptions of the conversion pages, the
// keys of the calculator page, and the redirect of the temporary folder.
#include "../TestSupport.h"
#include "PageHarness.h"

#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMap>
#include <QProcessEnvironment>
#include <QtTest>
#include <memory>
#include <utility>

namespace pagetest {

using Fields = QMap<QString, QString>;

// Every spelling of the temporary folder's variable, and TMPDIR and XDG_RUNTIME_DIR behind the
// private folder: cleared while the object lives, put back when it goes.
class TempEnvironment {
public:
    TempEnvironment() {
        for (const QString& name : names(true))
            m_saved.insert(name.toLocal8Bit(), qgetenv(name.toLocal8Bit().constData()));
        clear();
    }
    ~TempEnvironment() {
        clear();
        for (auto it = m_saved.cbegin(); it != m_saved.cend(); ++it)
            qputenv(it.key().constData(), it.value());
    }
    TempEnvironment(const TempEnvironment&) = delete;
    TempEnvironment& operator=(const TempEnvironment&) = delete;

    static void clear() { unset(names(true)); }
    // The pages go to `folder`: "Temp" names it, and no other spelling of it competes.
    static void redirect(const QString& folder) {
        unset(names(false));
        qputenv("Temp", QFile::encodeName(folder));
    }

private:
    static QStringList names(bool withPlatform) {
        QStringList out;
        for (const QString& name : QProcessEnvironment::systemEnvironment().keys())
            if (name.compare(QLatin1String("temp"), Qt::CaseInsensitive) == 0 ||
                (withPlatform &&
                 (name == QLatin1String("TMPDIR") || name == QLatin1String("XDG_RUNTIME_DIR"))))
                out << name;
        return out;
    }
    static void unset(const QStringList& names) {
        for (const QString& name : names)
            qunsetenv(name.toLocal8Bit().constData());
    }
    QHash<QByteArray, QByteArray> m_saved;
};

inline const QString kBadNumber = QStringLiteral("请输入有效的数字");
inline const QString FW = QStringLiteral("\u3000");

// Any text as a script string literal (a JSON string literal is one).
inline QString jsString(const QString& s) {
    const QByteArray json = QJsonDocument(QJsonArray{s}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(json.mid(1, json.size() - 2));
}

// "field=text;field=text" as a list, or as a map.
inline QStringList pairList(const QString& pairs) {
    return pairs.split(QLatin1Char(';'), Qt::SkipEmptyParts);
}
inline Fields pairMap(const QString& pairs) {
    Fields out;
    for (const QString& pair : pairList(pairs))
        out.insert(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));
    return out;
}

// The lines of a text table, without the empty first and last lines of a raw literal.
inline QStringList lines(const char* text) {
    return QString::fromUtf8(text).trimmed().split(QLatin1Char('\n'));
}

// One line per table row of a conversion page, cells joined by " ; ". A label cell shows its
// text with small-type parts in braces, sup/sub tags, <br> and &nbsp; kept, and "bold:" when
// all of it is bold; an input cell "=field/size" (field, one space, convert button named
// field_bt captioned 换算; anything else is spelled out); a reset cell "reset:name/caption";
// an empty cell "empty". Cell attributes other than the usual ones (label right and nowrap,
// input left) lead in brackets; a row that does not span four columns says so.
inline const char kDescribeRows[] = R"JS(
(function () {
  function weight(el) { var w = getComputedStyle(el).fontWeight; return w == 'bold' ? 700 : parseInt(w, 10); }
  function desc(node) {
    var s = '', size = getComputedStyle(node).fontSize;
    for (var i = 0; i < node.childNodes.length; i++) {
      var c = node.childNodes[i];
      if (c.nodeType == 3) { s += c.nodeValue.replace(/\u00a0/g, '&nbsp;'); continue; }
      if (c.nodeType != 1) continue;
      var t = c.tagName.toLowerCase();
      if (t == 'br') s += '<br>';
      else if (t == 'sup' || t == 'sub') s += '<' + t + '>' + desc(c) + '</' + t + '>';
      else if (getComputedStyle(c).fontSize == '9px' && size != '9px') s += '{' + desc(c) + '}';
      else s += desc(c);
    }
    return s;
  }
  function boldness(td) {
    var walker = document.createTreeWalker(td, NodeFilter.SHOW_TEXT), n, all = true, any = false;
    while ((n = walker.nextNode())) {
      if (!n.nodeValue.replace(/[\s\u00a0]/g, '')) continue;
      if (weight(n.parentNode) >= 700) any = true; else all = false;
    }
    return any ? (all ? 'bold:' : 'partly bold:') : '';
  }
  function cell(td) {
    var a = [], ins = td.getElementsByTagName('input');
    if (td.getAttribute('align')) a.push(td.getAttribute('align'));
    if (td.noWrap) a.push('nowrap');
    if (td.colSpan > 1) a.push('colspan=' + td.colSpan);
    a = a.join(',');
    if (ins.length == 2 && ins[0].type == 'text') {
      var f = ins[0], b = ins[1], n = td.childNodes;
      var s = (a == 'left' ? '' : '[' + a + ']') + '=' + f.name + '/' + f.size;
      if (f.maxLength >= 0) s += '/maxlength';
      if (n.length != 3 || n[0] !== f || n[1].nodeValue != ' ' || n[2] !== b) s += ' ?';
      if (b.type != 'button') s += ' type=' + b.type;
      if (b.name != f.name + '_bt') s += ' name=' + b.name;
      return s + (b.value != '换算' ? ' ' + b.value : '');
    }
    if (ins.length == 1)
      return '[' + a + ']reset:' + ins[0].name + '/' + ins[0].value +
             (ins[0].type != 'button' ? '/' + ins[0].type : '') +
             (ins[0].getAttribute('onclick') ? '' : ' noscript');
    if (!ins.length && !td.textContent.replace(/[\s\u00a0]/g, '')) return 'empty';
    return (a == 'right,nowrap' ? '' : '[' + a + ']') + boldness(td) + desc(td);
  }
  var rows = document.getElementsByTagName('table')[0].rows, out = [];
  for (var r = 0; r < rows.length; r++) {
    var cells = [], cols = 0;
    for (var i = 0; i < rows[r].cells.length; i++) { cells.push(cell(rows[r].cells[i])); cols += rows[r].cells[i].colSpan; }
    out.push(cells.join(' ; ') + (cols != 4 ? ' ; columns=' + cols : ''));
  }
  return out.join('\n');
})()
)JS";

// Facts about a conversion page's frame, one "key=value" per line.
inline const char kDescribeFrame[] = R"JS(
(function () {
  var t = document.getElementsByTagName('table'), f = document.forms, r = [], x = [], i;
  var s = document.getElementsByTagName('script'), l = document.getElementsByTagName('link');
  for (i = 0; i < document.head.children.length; i++) x.push(document.head.children[i].tagName);
  r.push('title=' + document.title);
  r.push('head=' + x.join(',') + ' doctype=' + !!document.doctype + ' ' + document.compatMode);
  r.push('script=' + s.length + ' ' + s[0].getAttribute('language') + ' ' + s[0].getAttribute('type'));
  r.push('link=' + l.length + ' ' + l[0].getAttribute('rel') + ' ' + l[0].getAttribute('href'));
  x = [t.length];
  ['width', 'borderColorDark', 'borderColorLight', 'border', 'cellpadding', 'cellspacing', 'align']
      .forEach(function (a) { x.push(t[0].getAttribute(a)); });
  r.push('table=' + x.join(' '));
  var h = t[0].rows[0], c = h.cells[0];
  r.push('form=' + f.length + ' action=' + f[0].getAttribute('action') + ' ' +
         (f[0].parentNode === t[0] && f[0].compareDocumentPosition(h) & Node.DOCUMENT_POSITION_FOLLOWING
              ? 'in table before rows' : 'elsewhere'));
  r.push('heading=' + h.cells.length + ' ' + c.colSpan + ' ' + c.getAttribute('align') + ' ' +
         c.getAttribute('bgcolor') + ' ' + (h.getAttribute('height') || c.getAttribute('height')) +
         ' ' + c.textContent);
  r.push('rows=' + t[0].rows.length);
  var all = document.getElementsByTagName('input'), owned = 0, text = 0, blank = 0;
  for (i = 0; i < all.length; i++) {
    if (all[i].form === f[0]) owned++;
    if (all[i].type == 'text') { text++; if (!all[i].value && !all[i].hasAttribute('maxlength')) blank++; }
  }
  r.push('inputs=' + all.length + ' owned ' + owned + ' text ' + text + ' blank ' + blank);
  return r.join('\n');
})()
)JS";

// One harness for the whole test process (an engine start costs seconds); pages are loaded
// only when another page is needed.
class Session {
public:
    PageHarness& harness() {
        if (!m_h)
            m_h = std::make_unique<PageHarness>();
        return *m_h;
    }
    void end() { m_h.reset(); }
    QVariant eval(const QString& script) { return harness().eval(script); }

    // Shows `page`, loading it when another page is shown, when `fresh` is asked for or when
    // an earlier case hooked into it; otherwise empties its text fields.
    bool open(const QString& page, bool fresh = false) {
        if (fresh || m_page != page) {
            m_pending += leftovers(); // a load forgets them
            m_page.clear();
            if (!harness().load(page))
                return false;
            m_page = page;
            m_errors = 0;
        } else {
            fillAll(QString());
        }
        return true;
    }

    // Script errors and alerts since the last call, for the check after every case.
    QStringList leftovers() {
        const QStringList errors = m_h ? m_h->scriptErrors() : QStringList();
        QStringList out = std::exchange(m_pending, {}) + errors.mid(m_errors);
        m_errors = errors.size();
        for (const QString& alert : m_h ? m_h->takeAlerts() : QStringList())
            out << QStringLiteral("alert: ") + alert;
        return out;
    }
    QStringList takeAlerts() { return harness().takeAlerts(); }

    void fillAll(const QString& text) {
        eval(QStringLiteral("(function(){var e=document.forms[0].elements;for(var i=0;i<e.length;"
                            "i++)if(e[i].type=='text')e[i].value=%1;})()")
                 .arg(jsString(text)));
    }
    Fields fields() {
        const QStringList parts =
            eval("(function(){var e=document.forms[0].elements,r=[];for(var i=0;i<e.length;i++)"
                 "if(e[i].type=='text')r.push(e[i].name,e[i].value);return r;})()")
                .toStringList();
        Fields out;
        for (int i = 0; i + 1 < parts.size(); i += 2)
            out.insert(parts[i], parts[i + 1]);
        return out;
    }
    void type(const QString& field, const QString& text) {
        eval(QStringLiteral("document.forms[0].elements[%1].value=%2;")
                 .arg(jsString(field), jsString(text)));
    }
    // Clicks the button that stands beside the field.
    void press(const QString& field) {
        eval(QStringLiteral("document.forms[0].elements[%1].parentNode"
                            ".getElementsByTagName('input')[1].click();")
                 .arg(jsString(field)));
    }
    Fields convert(const QString& field, const QString& text) {
        type(field, text);
        press(field);
        return fields();
    }

    // The fields named in `expected` ("field=text;...") as "field=text" after `entry` was
    // converted in `field`, every field having shown "x" before; a field left unwritten is
    // listed as well.
    QStringList results(const QString& field, const QString& entry, const QString& expected) {
        fillAll(QStringLiteral("x"));
        const Fields shown = convert(field, entry);
        QStringList out;
        for (const QString& pair : pairList(expected)) {
            const QString name = pair.section(QLatin1Char('='), 0, 0);
            out << name + QLatin1Char('=') + shown.value(name, QStringLiteral("(no field)"));
        }
        for (auto it = shown.cbegin(); it != shown.cend(); ++it)
            if (it.value() == QLatin1String("x"))
                out << it.key() + QLatin1String(" not written");
        return out;
    }

    // For each unit of `expected` ("unit=text;..."), what the base unit's field shows after 1
    // was converted in that unit (and what the unit's own field shows, unless 1).
    QStringList inBase(const QString& base, const QString& expected) {
        QStringList out;
        for (const QString& pair : pairList(expected)) {
            const QString unit = pair.section(QLatin1Char('='), 0, 0);
            const Fields shown = convert(unit, QStringLiteral("1"));
            out << unit + QLatin1Char('=') + shown.value(base) +
                       (shown.value(unit) == QLatin1String("1") ? QString()
                                                                : " but " + shown.value(unit));
        }
        return out;
    }

    // From now on every write to a text field's value leaves the field's name in a list; the
    // page is loaded anew for the next case.
    void recordWrites() {
        eval(R"JS((function () {
            var d = Object.getOwnPropertyDescriptor(HTMLInputElement.prototype, 'value');
            var e = document.forms[0].elements;
            window.__writes = [];
            for (var i = 0; i < e.length; i++) {
              if (e[i].type != 'text') continue;
              Object.defineProperty(e[i], 'value', { configurable: true,
                get: function () { return d.get.call(this); },
                set: function (v) { window.__writes.push(this.name); d.set.call(this, v); } });
            }
        })())JS");
        m_page.clear();
    }
    QStringList writes() { return eval("window.__writes").toStringList(); }

    QStringList describeRows() { return eval(kDescribeRows).toString().split(QLatin1Char('\n')); }
    QStringList describeFrame() { return eval(kDescribeFrame).toString().split(QLatin1Char('\n')); }

    // Clicks the calculator keys of a sequence of tokens (see kCalcKeys; radio buttons and
    // check boxes by the text after them; any other token is a number typed digit by digit).
    // Returns what went wrong, or nothing.
    QString keys(const QString& sequence);

private:
    std::unique_ptr<PageHarness> m_h;
    QString m_page;
    qsizetype m_errors = 0;
    QStringList m_pending;
};

// The keys of the calculator page in page order: control bar, then the function block (five
// rows of three), the memory block (five rows of one) and the number block (five rows of six).
// token: what a test sequence calls the key; label: "_" stands for U+3000; name: element name;
// look: colour and, where set, font size.
struct CalcKey {
    const char *token, *label, *name, *look;
    QString text() const { return QString::fromUtf8(label).replace(QLatin1Char('_'), FW); }
};
inline const CalcKey kCalcKeys[] = {
    {"bs", "_退格_", "", "red"},
    {"ce", "_清屏_", "", "red"},
    {"ac", "_全清_", "", "red"},

    {"pi", " PI_", "pi", "blue"},
    {"e", "_E_", "e", "blue"},
    {"bt", " d.ms ", "bt", "magenta"},
    {"(", "_(_", "", "magenta"},
    {")", "_)_", "", "magenta"},
    {"ln", "_ln_", "ln", "magenta"},
    {"sin", "sin_", "sin", "magenta"},
    {"^", "x^y_", "", "magenta"},
    {"log", " log_", "log", "magenta"},
    {"cos", "cos_", "cos", "magenta"},
    {"cube", "x^3_", "cube", "magenta"},
    {"n!", "_n!_", "", "magenta"},
    {"tan", "tan_", "tan", "magenta"},
    {"sqr", "x^2_", "sqr", "magenta"},
    {"1/x", " 1/x_", "", "magenta"},

    {"MS", " 储存 ", "", "red"},
    {"MR", " 取存 ", "", "red"},
    {"M+", " 累存 ", "", "red"},
    {"M*", " 积存 ", "", "red"},
    {"MC", " 清存 ", "", "red"},

    {"7", "_7_", "k7", "blue 16px"},
    {"8", "_8_", "k8", "blue 16px"},
    {"9", "_9_", "k9", "blue 16px"},
    {"/", "_/_", "", "red 14px"},
    {"mod", " 取余 ", "", "red 14px"},
    {"and", "_与_", "", "red 14px"},
    {"4", "_4_", "k4", "blue 16px"},
    {"5", "_5_", "k5", "blue 16px"},
    {"6", "_6_", "k6", "blue 16px"},
    {"*", "_*_", "", "red 14px"},
    {"floor", " 取整 ", "floor", "red 14px"},
    {"or", "_或_", "", "red 14px"},
    {"1", "_1_", "", "blue 16px"},
    {"2", "_2_", "k2", "blue 16px"},
    {"3", "_3_", "k3", "blue 16px"},
    {"-", "_-_", "", "red 14px"},
    {"shl", " 左移 ", "", "red 14px"},
    {"not", "_非_", "", "red 14px"},
    {"0", "_0_", "", "blue 16px"},
    {"+/-", " +/- ", "", "blue 16px"},
    {".", "_._", "kp", "blue 16px"},
    {"+", "_+_", "", "red 14px"},
    {"=", "_＝_", "", "red 14px"},
    {"xor", " 异或 ", "", "red 14px"},
    {"A", "_A _", "ka", "blue 14px"},
    {"B", "_B _", "kb", "blue 14px"},
    {"C", "_C _", "kc", "blue 14px"},
    {"D", "_D_", "kd", "blue 14px"},
    {"E", "_E _", "ke", "blue 14px"},
    {"F", "_F _", "kf", "blue 14px"},
};

inline const CalcKey* calcKey(const QString& token) {
    for (const CalcKey& k : kCalcKeys)
        if (token == QLatin1String(k.token))
            return &k;
    return nullptr;
}

inline QString Session::keys(const QString& sequence) {
    // Each key as [name, label]: keys with a name are found by it (their labels change with
    // the check boxes), others by their label or by the text after them.
    QJsonArray list;
    const auto add = [&](const QString& token) {
        const CalcKey* k = calcKey(token);
        list.append(QJsonArray{k ? k->name : "", k ? k->text() : token});
    };
    for (const QString& token : sequence.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (calcKey(token) || !token.front().isLetterOrNumber() || token.front().unicode() > 127)
            add(token);
        else
            for (const QChar c : token) // a lone "e" is the constant; in a number, the digit
                add(QString(c.toUpper()));
    }
    const QVariant answer =
        eval(QStringLiteral(R"JS((function (keys) {
        var e = document.calc.elements;
        function find(k) {
          for (var i = 0; i < e.length; i++) {
            var x = e[i], after = x.nextSibling && x.nextSibling.nodeValue;
            if (k[0] ? x.name == k[0] : x.type == 'button' ? x.value == k[1] : after == k[1])
              return x;
          }
        }
        for (var i = 0; i < keys.length; i++) {
          var x = find(keys[i]);
          if (!x || x.disabled) return (x ? 'disabled key ' : 'no key ') + keys[i][1];
          x.click();
        }
        return '';
    })(%1))JS")
                 .arg(QString::fromUtf8(QJsonDocument(list).toJson(QJsonDocument::Compact))));
    return answer.isValid() ? answer.toString() : QStringLiteral("the keys did not return");
}

} // namespace pagetest
