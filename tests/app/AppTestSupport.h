#pragma once

// Shared by the main window tests: a message-box recorder installed through the Dialogs seam,
// and the few things a user does with the widgets (type, paste, pick, click).

#include "../TestSupport.h"
#include "Dialogs.h"
#include "Unit1.h"
#include "ui_Unit1.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QList>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

// Records every box instead of showing it; installed for its own lifetime.
class RecordingDialogs : public Dialogs {
public:
    enum Kind { Message, AppError };
    struct Box {
        Kind kind;
        QString text;
    };

    RecordingDialogs() { Dialogs::setCurrent(this); }
    ~RecordingDialogs() override { Dialogs::setCurrent(nullptr); }

    void message(QWidget*, const QString& text) override { boxes.append({Message, text}); }
    void appError(QWidget*, const QString& text) override { boxes.append({AppError, text}); }

    QStringList texts(Kind kind) const {
        QStringList out;
        for (const Box& box : boxes)
            if (box.kind == kind)
                out << box.text;
        return out;
    }

    QList<Box> boxes;
};

// Points the page files' folder at a fresh folder for its lifetime: a close deletes the page
// files, never those of a real session.
struct PrivateTemp {
    QTemporaryDir dir;
    PrivateTemp() {
        for (const char* name : {"Temp", "temp"})
            qunsetenv(name);
        qputenv("TEMP", QFile::encodeName(dir.path()));
    }
    QString filePath(const QString& name) const { return dir.filePath(name); }
};

// A shown main window on the given tab, with its own (never written) settings file and
// recorded boxes.
struct Fixture {
    QTemporaryDir dir;
    RecordingDialogs boxes;
    TFrm frm{dir.filePath(QStringLiteral("Pelmora.ini"))};
    Ui::Frm& ui = *frm.ui();

    explicit Fixture(int tab) {
        frm.show();
        if (!QTest::qWaitForWindowExposed(&frm))
            qWarning("main window not exposed");
        ui.PCMain->setCurrentIndex(tab);
    }
};

// Replaces the field's text by typing: select it with Shift+Home, delete, type each character.
inline void retype(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClick(edit, Qt::Key_Home, Qt::ShiftModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

// What pasting does: the text replaces the whole field, past any key filter.
inline void paste(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    edit->insert(text);
}

// Key clicks carry Latin-1 characters only: short Latin-1 texts are typed, others pasted.
inline void enter(QLineEdit* edit, const QString& text) {
    const bool latin1 = text.toLatin1() == text.toUtf8();
    if (latin1 && text.size() < 64)
        retype(edit, text);
    else
        paste(edit, text);
}

// Picks an item with the arrow keys, as a user with the keyboard does.
inline void choose(QComboBox* combo, int index) {
    combo->setFocus();
    for (int guard = 0; combo->currentIndex() != index && guard < 50; ++guard)
        QTest::keyClick(combo, combo->currentIndex() < index ? Qt::Key_Down : Qt::Key_Up);
}

inline void click(QPushButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}
