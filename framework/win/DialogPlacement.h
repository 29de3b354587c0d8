// Where a dialog goes when it starts: centred over a rectangle, kept inside a work area.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Top-left corner that centres `size` over `over` (halves truncate toward zero),
// moved inside `workArea` where it would cross an edge; the left and top edges win
// when the window is larger than the area.
QPoint centredPosition(const QRect& over, const QRect& workArea, const QSize& size);
