#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

// Where a window of `size` goes when it was left at `pos` (its frame's top-left): there, when it
// lies wholly within one of the screens' available areas; otherwise moved the least distance
// that puts it wholly on the nearest screen (its top-left corner kept on the screen when the
// window is larger than the screen). With no screens the position is kept.
QPoint placeOnScreens(QPoint pos, QSize size, const QList<QRect>& screens);
