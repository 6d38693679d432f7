#include "SideTabs.h"

#include "SongFace.h"

#include <QPainter>
#include <QPainterPath>

namespace {
const QColor kSelectedText(12, 85, 129);
const QColor kNormalText(62, 172, 238);
const QColor kNormalFill(128, 0, 0); // maroon
const QColor kHighlightBar(0, 0, 255);
const QColor kEdge(160, 160, 160);
} // namespace

SideTabBar::SideTabBar(QWidget* parent) : QTabBar(parent) {
    setShape(QTabBar::RoundedWest);
    setDrawBase(false);
    setExpanding(false);
    setUsesScrollButtons(false);
    QFont f(kSongFace); // Verdana in the design, whose Chinese is the Song face's
    f.setPixelSize(11);
    setFont(f);
}

QSize SideTabBar::tabSizeHint(int) const {
    return {kStripWidth, kTabHeight};
}

void SideTabBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < count(); ++i) {
        const bool selected = i == currentIndex();
        const QRectF r = QRectF(tabRect(i)).adjusted(1.5, 1.5, selected ? 0.5 : -1.5, -0.5);
        QPainterPath path;
        path.addRoundedRect(r, 4, 4);
        p.fillPath(path, selected ? QColor(Qt::white) : kNormalFill);
        p.setPen(kEdge);
        p.drawPath(path);
        if (selected)
            p.fillRect(QRectF(r.left() + 1, r.top() + 3, 3, r.height() - 6), kHighlightBar);

        QFont f = font();
        f.setBold(selected);
        p.setFont(f);
        p.setPen(selected ? kSelectedText : kNormalText);
        p.drawText(r, Qt::AlignCenter, tabText(i));
    }
}

SideTabWidget::SideTabWidget(QWidget* parent) : QTabWidget(parent) {
    auto* bar = new SideTabBar(this);
    // Connected before the tab widget connects its own page switch, so this comes first.
    connect(bar, &QTabBar::currentChanged, this, &SideTabWidget::currentAboutToChange);
    setTabBar(bar);
    setTabPosition(QTabWidget::West);
}
