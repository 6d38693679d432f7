#pragma once

#include <QColor>
#include <QFrame>

// A panel filled with a diagonal gradient (top left to bottom right), optionally framed by a
// flat rounded border: the calculators' header bands and result panels.
class GradientPanel : public QFrame {
    Q_OBJECT
    Q_PROPERTY(QColor startColor READ startColor WRITE setStartColor)
    Q_PROPERTY(QColor endColor READ endColor WRITE setEndColor)
    Q_PROPERTY(QColor borderColor READ borderColor WRITE setBorderColor)
public:
    explicit GradientPanel(QWidget* parent = nullptr);

    QColor startColor() const { return m_start; }
    QColor endColor() const { return m_end; }
    QColor borderColor() const { return m_border; }
    void setStartColor(const QColor& c) {
        m_start = c;
        update();
    }
    void setEndColor(const QColor& c) {
        m_end = c;
        update();
    }
    void setBorderColor(const QColor& c) {
        m_border = c;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor m_start = Qt::white;
    QColor m_end = Qt::white;
    QColor m_border; // invalid: no border
};

// A dotted horizontal rule, drawn across the middle of the widget with a 10 px inset.
class DottedLine : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor color READ color WRITE setColor)
public:
    explicit DottedLine(QWidget* parent = nullptr);

    QColor color() const { return m_color; }
    void setColor(const QColor& c) {
        m_color = c;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor m_color = Qt::gray;
};
