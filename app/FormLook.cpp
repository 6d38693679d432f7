#include "FormLook.h"

#include <QColor>
#include <QComboBox>
#include <QFont>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionComboBox>
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

namespace {
class FlatComboStyle : public QProxyStyle {
public:
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override {
        const auto* combo = qstyleoption_cast<const QStyleOptionComboBox*>(option);
        if (control != CC_ComboBox || !combo) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        painter->fillRect(combo->rect, combo->palette.base());
        QStyleOption arrow(*combo);
        arrow.rect = subControlRect(CC_ComboBox, combo, SC_ComboBoxArrow, widget);
        drawPrimitive(PE_IndicatorArrowDown, &arrow, painter, widget);
    }
};
} // namespace

void makeFlat(QComboBox* box) {
    box->setFrame(false);
    auto* style = new FlatComboStyle;
    style->setParent(box);
    box->setStyle(style);
}
