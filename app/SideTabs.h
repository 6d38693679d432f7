#pragma once

#include <QTabBar>
#include <QTabWidget>

// Tabs down the left edge with horizontal captions: rounded tabs, maroon when not selected,
// the selected one white with a blue highlight bar and its caption in bold.
class SideTabBar : public QTabBar {
    Q_OBJECT
public:
    explicit SideTabBar(QWidget* parent = nullptr);

    static constexpr int kStripWidth = 83;
    static constexpr int kTabHeight = 26;

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }
    void paintEvent(QPaintEvent*) override;
};

// The tab control of the main window, with its tabs on a SideTabBar.
class SideTabWidget : public QTabWidget {
    Q_OBJECT
public:
    explicit SideTabWidget(QWidget* parent = nullptr);

signals:
    // Another tab was chosen and its page is not shown yet: what is done now (sizing the window
    // for it, say) is done before the page is laid out and drawn.
    void currentAboutToChange(int index);
};
