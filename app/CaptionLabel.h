#pragma once

#include <QLabel>

// A label laid out the way the About box's information text was designed: a line ends at CR,
// LF or CR LF, long lines wrap at word boundaries, lines follow each other one font size apart
// (the Song face here has a much taller line height than the one the box was drawn for, and
// eight lines must fit), and whatever falls below the label is cut off.
class CaptionLabel : public QLabel {
    Q_OBJECT
public:
    explicit CaptionLabel(QWidget* parent = nullptr);

    // The text split into the lines drawn, after wrapping to the label's width.
    QStringList drawnLines() const;
    // Distance between two lines in pixels.
    int linePitch() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Line {
        QString text;
        int top;
    };
    QList<Line> layoutLines() const;
};
