#include "Panels.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

GradientPanel::GradientPanel(QWidget* parent) : QFrame(parent) {}

void GradientPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QLinearGradient gradient(rect().topLeft(), rect().bottomRight());
    gradient.setColorAt(0, m_start);
    gradient.setColorAt(1, m_end);
    if (!m_border.isValid()) {
        p.fillRect(rect(), gradient);
        return;
    }
    // Flat rounded outer border with a flat inner border one pixel inside it.
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath path;
    path.addRoundedRect(outer, 4, 4);
    p.fillPath(path, gradient);
    p.setPen(QPen(m_border, 1));
    p.drawPath(path);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.drawRect(rect().adjusted(2, 2, -3, -3));
}

DottedLine::DottedLine(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void DottedLine::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(QPen(m_color, 1, Qt::DotLine));
    const int y = height() / 2;
    p.drawLine(10, y, width() - 10, y);
}
