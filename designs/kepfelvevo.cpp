// A build tool: records an SVG drawing as a QPicture, which the program
// replays without Qt Svg (alap/felvetel.h), and checks the recording.
//   kepfelvevo IN.svg OUT.pic WxH...   records the drawing at its own size,
//                                      then replays the file written at each
//                                      size beside Qt Svg's drawing of IN.svg;
//                                      a recording that fails is removed
// A check passes when the two are at most 1 of 255 apart on average and at
// most 0.5 % of their channels are more than 32 apart: rounding moves
// anti-aliased edges by a step or two, while a shape lost, a gradient gone
// flat or a drawing shifted by a pixel goes far past both. Each size's
// differences go to standard output. Exits non-zero, with a line on standard
// error, when a file cannot be read or written or a check fails.
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QString>
#include <QSvgRenderer>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "alap/felvetel.h"

namespace {
// Drawn as the program draws its pictures (alap/kepek.cpp).
QImage kép(QSize méret, const std::function<void(QPainter&)>& rajzol)
{
    QImage k(méret, QImage::Format_ARGB32_Premultiplied);
    k.fill(Qt::transparent);
    QPainter p(&k);
    p.setRenderHint(QPainter::Antialiasing);
    rajzol(p);
    p.end();
    return k;
}

// Whether the recording replays as Qt Svg draws, at `méret` ("WxH").
bool egyezik(QSvgRenderer& svg, const QPicture& felvétel, const char* méret)
{
    const QStringList wh = QString::fromLatin1(méret).split(u'x');
    const QSize m(wh.value(0).toInt(), wh.value(1).toInt());
    if (wh.size() != 2 || m.isEmpty()) {
        std::fprintf(stderr, "kepfelvevo: bad size %s\n", méret);
        return false;
    }
    const QImage rajzolt = kép(m, [&](QPainter& p) { svg.render(&p, QRectF(QPointF(0, 0), QSizeF(m))); });
    const QImage lejátszott = kép(m, [&](QPainter& p) { lejátszik(p, felvétel, m); });
    const qsizetype n = rajzolt.sizeInBytes();
    qint64 összeg = 0, messze = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const int d = std::abs(rajzolt.constBits()[i] - lejátszott.constBits()[i]);
        összeg += d, messze += d > 32;
    }
    std::printf("%s: mean %.4f, %.3f %% past 32\n", méret, double(összeg) / n, 100.0 * messze / n);
    return összeg <= n && messze * 200 <= n;
}
}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s IN.svg OUT.pic WxH...\n", argv[0]);
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    const QRect keret(QPoint(0, 0), svg.defaultSize());
    if (!svg.isValid() || keret.isEmpty()) {
        std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[1]);
        return 1;
    }
    const QString pic = QString::fromLocal8Bit(argv[2]);
    QPicture felvétel;
    QPainter p(&felvétel);
    svg.render(&p, keret);
    felvétel.setBoundingRect(keret);
    p.end();
    QPicture visszaolvasott;
    if (!felvétel.save(pic) || !visszaolvasott.load(pic)) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
        return 1;
    }
    bool jó = true;
    for (int i = 3; i < argc; ++i) jó = egyezik(svg, visszaolvasott, argv[i]) && jó;
    if (!jó) {
        std::fprintf(stderr, "%s: %s does not replay as %s draws\n", argv[0], argv[2], argv[1]);
        QFile::remove(pic);
    }
    return jó ? 0 : 1;
}
