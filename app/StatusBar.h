#pragma once

#include <QList>
#include <QStatusBar>
#include <QString>

// A status bar of fixed-width panels, each with a line of text, painted by itself; the last
// panel reaches the right edge. A left click reports where it happened.
class PanelStatusBar : public QStatusBar {
    Q_OBJECT
public:
    struct Panel {
        int width = 0;
        QString text;
    };

    explicit PanelStatusBar(QWidget* parent = nullptr);

    void setPanels(const QList<Panel>& panels);
    const QList<Panel>& panels() const { return m_panels; }

    // The panel under x (client coordinates), or -1. Panels are walked from the left; the last
    // one is taken to be as wide as the whole bar, so everything right of the others is in it.
    int panelAt(int x) const;

signals:
    // The left button went down and came up again over the bar, at `pos` (client coordinates).
    void clicked(const QPoint& pos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QList<Panel> m_panels;
    bool m_pressed = false;
};
