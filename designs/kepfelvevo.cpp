// A build tool: records an SVG drawing as a QPicture, the painter's commands
// that Qt Gui replays at any size without Qt Svg.
//   kepfelvevo IN.svg OUT.pic
// The drawing is recorded at its own size (the SVG's width and height), which
// the recording keeps as its bounding rectangle: the program scales that
// rectangle onto the pixels it draws. Exits non-zero, with one line on
// standard error, when the SVG cannot be read or the recording cannot be
// written, so that the build stops there.
#include <QPainter>
#include <QPicture>
#include <QString>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s IN.svg OUT.pic\n", argv[0]);
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    const QRect keret(QPoint(0, 0), svg.defaultSize());
    if (!svg.isValid() || keret.isEmpty()) {
        std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[1]);
        return 1;
    }
    QPicture felvétel;
    QPainter p(&felvétel);
    svg.render(&p, keret);
    felvétel.setBoundingRect(keret);
    p.end();
    if (!felvétel.save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
        return 1;
    }
    return 0;
}
