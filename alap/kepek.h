#pragma once
// Pictures of the designs: vector drawings kept as resources, rendered once
// per size into cached pixmaps.

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QString>

// A picture as a property value: the resource it shows, or none.
struct Kép {
    QString név;  // resource path, empty for "no picture"
    bool üres() const { return név.isEmpty(); }
    bool operator==(const Kép&) const = default;
};

namespace képtár {
// The picture rendered to exactly this many device pixels.
QPixmap pixmap(const Kép& kép, QSize méret);
QIcon ikon(const Kép& kép);
// A cursor 32 x 32 pixels large, drawn at the screen's pixel ratio, with its
// hot spot at the given pixel.
QCursor kurzor(const Kép& kép, QPoint forrópont);
}  // namespace képtár
