#include "StatusBar.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int kTextIndent = 3;
}

PanelStatusBar::PanelStatusBar(QWidget* parent) : QStatusBar(parent) {}

void PanelStatusBar::setPanels(const QList<Panel>& panels) {
    m_panels = panels;
    update();
}

int PanelStatusBar::panelAt(int x) const {
    int left = 0;
    for (int i = 0; i < m_panels.size(); ++i) {
        const int width = i == m_panels.size() - 1 ? this->width() : m_panels[i].width;
        if (left <= x && x < left + width)
            return i;
        left += width;
    }
    return -1;
}

void PanelStatusBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().button());
    // A message (an action's status tip) covers the panels while it is shown.
    if (!currentMessage().isEmpty()) {
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(rect().adjusted(kTextIndent, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                   currentMessage());
        return;
    }
    int left = 0;
    for (int i = 0; i < m_panels.size(); ++i) {
        const bool last = i == m_panels.size() - 1;
        const QRect cell(left, 0, last ? width() - left : m_panels[i].width, height());
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(cell.adjusted(kTextIndent, 0, -kTextIndent, 0),
                   Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, m_panels[i].text);
        if (!last) {
            // A sunken divider: a shadow line with a light line beside it.
            p.setPen(palette().color(QPalette::Mid));
            p.drawLine(cell.right() - 1, 2, cell.right() - 1, height() - 3);
            p.setPen(palette().color(QPalette::Light));
            p.drawLine(cell.right(), 2, cell.right(), height() - 3);
        }
        left += m_panels[i].width;
    }
}

void PanelStatusBar::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
    if (m_pressed)
        event->accept();
    else
        QStatusBar::mousePressEvent(event);
}

void PanelStatusBar::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    QStatusBar::mouseReleaseEvent(event);
    if (click)
        emit clicked(event->position().toPoint());
}
