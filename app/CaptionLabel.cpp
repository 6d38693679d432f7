#include "CaptionLabel.h"

#include <QFontInfo>
#include <QPainter>
#include <QRegularExpression>
#include <QTextLayout>

CaptionLabel::CaptionLabel(QWidget* parent) : QLabel(parent) {}

int CaptionLabel::linePitch() const {
    const int px = QFontInfo(font()).pixelSize();
    return px > 0 ? px : fontMetrics().height();
}

QList<CaptionLabel::Line> CaptionLabel::layoutLines() const {
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    QList<Line> lines;
    QTextOption option(Qt::AlignLeft);
    option.setWrapMode(wordWrap() ? QTextOption::WrapAtWordBoundaryOrAnywhere
                                  : QTextOption::NoWrap);
    int top = 0;
    for (const QString& paragraph : text().split(breaks)) {
        QTextLayout layout(paragraph, font());
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(contentsRect().width());
            lines.append({paragraph.mid(line.textStart(), line.textLength()), top});
            top += linePitch();
        }
        layout.endLayout();
        if (paragraph.isEmpty() && layout.lineCount() == 0)
            top += linePitch();
    }
    return lines;
}

QStringList CaptionLabel::drawnLines() const {
    QStringList out;
    for (const Line& line : layoutLines())
        out << line.text;
    return out;
}

void CaptionLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect area = contentsRect();
    p.setClipRect(area);
    p.setFont(font());
    p.setPen(palette().color(foregroundRole()));
    // Ideographs fill most of the em box: a baseline at 7/8 of the pitch keeps them inside
    // their own line.
    const int baseline = linePitch() * 7 / 8;
    for (const Line& line : layoutLines())
        p.drawText(area.left(), area.top() + line.top + baseline, line.text);
}
