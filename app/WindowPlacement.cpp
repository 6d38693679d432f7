#include "WindowPlacement.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

// The start of a span of `length` moved the least onto [low, low + room); a span longer than
// the room keeps its start at `low`. 64-bit: saved positions can be anywhere in the int range.
int64_t clampSpan(int64_t start, int64_t length, int64_t low, int64_t room) {
    const int64_t high = low + std::max<int64_t>(room - length, 0);
    return start < low ? low : start > high ? high : start;
}

} // namespace

QPoint placeOnScreens(QPoint pos, QSize size, const QList<QRect>& screens) {
    QPoint best = pos;
    double bestDistance = std::numeric_limits<double>::infinity();
    for (const QRect& screen : screens) {
        if (screen.isEmpty())
            continue;
        const int64_t x = clampSpan(pos.x(), size.width(), screen.x(), screen.width());
        const int64_t y = clampSpan(pos.y(), size.height(), screen.y(), screen.height());
        const double dx = double(x - pos.x()), dy = double(y - pos.y());
        const double distance = dx * dx + dy * dy;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = QPoint(int(x), int(y));
        }
    }
    return best;
}
