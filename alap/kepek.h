#pragma once
// Pictures of the designs: vector drawings kept as resources, rendered once
// per size into stored pixmaps.

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
// The picture rendered to exactly this many device pixels. The store keeps
// what it rendered (a handful of pictures at the sizes of the boards played)
// and has no timer of its own.
QPixmap pixmap(const Kép& kép, QSize méret);
// A window icon drawn at 16, 24, 32, 48, 64, 128 and 256 pixels.
QIcon ikon(const Kép& kép);
// A cursor 32 x 32 pixels large, drawn at the screen's pixel ratio, with its
// hot spot at the given pixel.
QCursor kurzor(const Kép& kép, QPoint forrópont);
}  // namespace képtár
