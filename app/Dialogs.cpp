#include "Dialogs.h"

#include "AppInfo.h"
#include "ErrorText.h"

#include <QMessageBox>

namespace {
Dialogs* g_override = nullptr;
}

void Dialogs::message(QWidget* parent, const QString& text) {
    QMessageBox::warning(parent, QStringLiteral("系统提示"), text);
}

void Dialogs::appError(QWidget* parent, const QString& text) {
    // Plain text: nothing in an error text is taken for markup.
    QMessageBox box(QMessageBox::Critical, kAppTitle, errorBoxText(text), QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

Dialogs& Dialogs::current() {
    static Dialogs real;
    return g_override ? *g_override : real;
}

void Dialogs::setCurrent(Dialogs* dialogs) {
    g_override = dialogs;
}

QString errorBoxText(const QString& text) {
    return QString::fromStdString(calc::errorBoxText(text.toStdString()));
}
