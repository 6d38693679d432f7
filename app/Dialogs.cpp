#include "Dialogs.h"

#include "AppInfo.h"

#include <QMessageBox>

namespace {
Dialogs* g_override = nullptr;
}

void Dialogs::message(QWidget* parent, const QString& text) {
    QMessageBox::warning(parent, QStringLiteral("系统提示"), text);
}

void Dialogs::appError(QWidget* parent, const QString& text) {
    QMessageBox::critical(parent, kAppTitle, withClosingPeriod(text));
}

Dialogs& Dialogs::current() {
    static Dialogs real;
    return g_override ? *g_override : real;
}

void Dialogs::setCurrent(Dialogs* dialogs) {
    g_override = dialogs;
}

QString withClosingPeriod(const QString& text) {
    if (text.isEmpty() || text.back() <= QChar('.'))
        return text;
    return text + '.';
}
