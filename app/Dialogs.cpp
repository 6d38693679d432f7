#include "Dialogs.h"

#include "AppInfo.h"
#include "ErrorText.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {
Dialogs* g_override = nullptr;

// Every box's OK button reads "确定" whether or not Qt's own translations could be loaded.
// Answers true when it was pressed.
bool showBox(QMessageBox& box, bool withCancel = false) {
    QPushButton* ok = box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
    if (withCancel)
        box.setEscapeButton(box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole));
    else
        box.setEscapeButton(ok);
    box.setDefaultButton(ok);
    box.exec();
    return box.clickedButton() == ok;
}

bool pageBox(QWidget* parent, const QString& text, bool withCancel) {
    QMessageBox box(QMessageBox::Warning, kAppTitle, text, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    return showBox(box, withCancel);
}
} // namespace

void Dialogs::message(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("系统提示"), text, QMessageBox::NoButton,
                    parent);
    showBox(box);
}

void Dialogs::appError(QWidget* parent, const QString& text) {
    // Plain text: nothing in an error text is taken for markup.
    QMessageBox box(QMessageBox::Critical, kAppTitle, errorBoxText(text), QMessageBox::NoButton,
                    parent);
    box.setTextFormat(Qt::PlainText);
    showBox(box);
}

void Dialogs::pageAlert(QWidget* parent, const QString& text) {
    pageBox(parent, text, false);
}

bool Dialogs::pageConfirm(QWidget* parent, const QString& text) {
    return pageBox(parent, text, true);
}

std::optional<QString> Dialogs::pagePrompt(QWidget* parent, const QString& text,
                                           const QString& value) {
    QInputDialog box(parent);
    box.setWindowTitle(kAppTitle);
    box.setLabelText(text);
    box.setTextValue(value);
    box.setOkButtonText(QStringLiteral("确定"));
    box.setCancelButtonText(QStringLiteral("取消"));
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return box.textValue();
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
