#include "FormLook.h"

#include <QColor>
#include <QFont>
#include <QVariant>
#include <QWidget>

void applyFormLook(QWidget* root) {
    for (QWidget* w : root->findChildren<QWidget*>()) {
        const QVariant px = w->property("fontPx");
        if (px.isValid()) {
            QFont f(kSongFace);
            f.setPixelSize(px.toInt());
            f.setBold(w->property("fontBold").toBool());
            // Texts measured for the Windows face may need the substitute a little narrower.
            const QVariant stretch = w->property("fontStretch");
            if (stretch.isValid())
                f.setStretch(stretch.toInt());
            w->setFont(f);
        }
        const QVariant color = w->property("textColor");
        if (color.isValid()) {
            QPalette pal = w->palette();
            const QColor c = color.value<QColor>();
            for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
                pal.setColor(role, c);
            w->setPalette(pal);
        }
    }
}
