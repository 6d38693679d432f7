#pragma once

#include <QString>
#include <exception>
#include <optional>

class QWidget;

// The two modal boxes of the program, behind one seam that tests replace.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // "系统提示": an exclamation icon, the text and one OK button.
    virtual void message(QWidget* parent, const QString& text);
    // The application error box: title "Pelmora", a stop icon and one OK button.
    virtual void appError(QWidget* parent, const QString& text);
    // The boxes a page's script opens: title "Pelmora", a warning icon, the text as it is, "确定"
    // (and "取消" where the page asks). Never the page's address.
    virtual void pageAlert(QWidget* parent, const QString& text);
    virtual bool pageConfirm(QWidget* parent, const QString& text);
    // The text entered, or nothing when cancelled.
    virtual std::optional<QString> pagePrompt(QWidget* parent, const QString& text,
                                              const QString& value);

    // The boxes in use; tests install their own with setCurrent() (nullptr restores the real ones).
    static Dialogs& current();
    static void setCurrent(Dialogs* dialogs);
};

// An error text as the error box shows it (calc::errorBoxText): hidden characters as visible
// escapes, bounded in length, "." appended unless it already ends in a character that sorts at
// or before ".".
QString errorBoxText(const QString& text);

// Runs one event handler: an error escaping it ends the handler and is shown in the
// application error box, and the program carries on.
template <class Handler> void runHandler(QWidget* parent, Handler&& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        Dialogs::current().appError(parent, QString::fromUtf8(e.what()));
    }
}
