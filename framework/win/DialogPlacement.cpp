#include "DialogPlacement.h"

namespace {
// One axis: `begin`..`end` is the rectangle to centre over (end exclusive).
int centreAxis(int begin, int end, int areaBegin, int areaEnd, int length)
{
    int pos = (begin + end) / 2 - length / 2;
    if (pos + length > areaEnd)
        pos = areaEnd - length;
    if (pos < areaBegin)
        pos = areaBegin;
    return pos;
}
}  // namespace

QPoint centredPosition(const QRect& over, const QRect& workArea, const QSize& size)
{
    return QPoint(centreAxis(over.x(), over.x() + over.width(), workArea.x(), workArea.x() + workArea.width(),
                             size.width()),
                  centreAxis(over.y(), over.y() + over.height(), workArea.y(), workArea.y() + workArea.height(),
                             size.height()));
}
