#pragma once
// A drawing recorded by designs/kepfelvevo as a QPicture: the painter's
// commands that draw it at its own size, which the recording keeps as its
// bounding rectangle. Qt Gui replays it at any size by itself.

#include <QPainter>
#include <QPicture>

// Replays `felvétel` stretched over (0, 0) - `méret`; an empty recording
// draws nothing.
inline void lejátszik(QPainter& p, const QPicture& felvétel, QSizeF méret)
{
    const QRect keret = felvétel.boundingRect();
    if (keret.isEmpty()) return;
    p.scale(méret.width() / keret.width(), méret.height() / keret.height());
    p.drawPicture(0, 0, felvétel);
}
